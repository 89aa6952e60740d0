#include "reference/wire_gauge_model.h"

#include <array>

#include "calc/length_units.h"

namespace trellis::reference {

namespace {

// Each resistance is kept as the figure beside its fixed text, so no figure is
// ever parsed back from a text (which a comma separator would refuse).
struct AwgRow {
  const char* name;
  double inches;
  double millimetres;  // 0: the inches times 25.4
  const char* imperialText;
  double imperialOhms;
  const char* metricText;
  double metricOhms;
  const char* chassis;
  const char* metricChassis;  // nullptr: the imperial text
};

// clang-format off
constexpr std::array<AwgRow, kWireGaugeCount> kAwg = {{
    {"4/0", 0.46,   0, "0.05 Ohms",    0.05,    "0.16072 Ohms",   0.16072,   "380 Amps",  nullptr},
    {"3/0", 0.4096, 0, "0.06 Ohms",    0.06,    "0.202704 Ohms",  0.202704,  "328 Amps",  nullptr},
    {"2/0", 0.3648, 0, "0.08 Ohms",    0.08,    "0.255512 Ohms",  0.255512,  "283 Amps",  nullptr},
    {"1/0", 0.3249, 0, "0.10 Ohms",    0.10,    "0.322424 Ohms",  0.322424,  "245 Amps",  nullptr},
    {"1",   0.2893, 0, "0.12 Ohms",    0.12,    "0.406392 Ohms",  0.406392,  "211 Amps",  nullptr},
    {"2",   0.2576, 0, "0.16 Ohms",    0.16,    "0.512664 Ohms",  0.512664,  "181 Amps",  nullptr},
    {"3",   0.2294, 0, "0.20 Ohms",    0.20,    "0.64616 Ohms",   0.64616,   "158 Amps",  nullptr},
    {"4",   0.2043, 0, "0.25 Ohms",    0.25,    "0.81508 Ohms",   0.81508,   "135 Amps",  nullptr},
    {"5",   0.1819, 0, "0.31 Ohms",    0.31,    "1.027624 Ohms",  1.027624,  "118 Amps",  nullptr},
    {"6",   0.162,  0, "0.40 Ohms",    0.40,    "1.295928 Ohms",  1.295928,  "101 Amps",  nullptr},
    {"7",   0.1443, 0, "0.50 Ohms",    0.50,    "1.634096 Ohms",  1.634096,  "89 Amps",   nullptr},
    {"8",   0.1285, 0, "0.63 Ohms",    0.63,    "2.060496 Ohms",  2.060496,  "73 Amps",   nullptr},
    {"9",   0.1144, 0, "0.79 Ohms",    0.79,    "2.598088 Ohms",  2.598088,  "64 Amps",   nullptr},
    {"10",  0.1019, 0, "1.00 Ohms",    1.00,    "3.276392 Ohms",  3.276392,  "55 Amps",   nullptr},
    {"11",  0.0907, 0, "1.26 Ohms",    1.26,    "4.1328 Ohms",    4.1328,    "47 Amps",   nullptr},
    {"12",  0.0808, 0, "1.59 Ohms",    1.59,    "5.20864 Ohms",   5.20864,   "41 Amps",   nullptr},
    {"13",  0.072,  0, "2.00 Ohms",    2.00,    "6.56984 Ohms",   6.56984,   "35 Amps",   nullptr},
    {"14",  0.0641, 0, "2.53 Ohms",    2.53,    "8.282 Ohms",     8.282,     "32 Amps",   nullptr},
    {"15",  0.0571, 0, "3.18 Ohms",    3.18,    "10.44352 Ohms",  10.44352,  "28 Amps",   nullptr},
    {"16",  0.0508, 0, "4.02 Ohms",    4.02,    "13.17248 Ohms",  13.17248,  "22 Amps",   nullptr},
    {"17",  0.0453, 0, "5.06 Ohms",    5.06,    "16.60992 Ohms",  16.60992,  "19 Amps",   nullptr},
    {"18",  0.0403, 0, "6.39 Ohms",    6.39,    "20.9428 Ohms",   20.9428,   "16 Amps",   nullptr},
    {"19",  0.0359, 0, "8.05 Ohms",    8.05,    "26.40728 Ohms",  26.40728,  "14 Amps",   nullptr},
    {"20",  0.032,  0, "10.15 Ohms",   10.15,   "33.292 Ohms",    33.292,    "11 Amps",   nullptr},
    {"21",  0.0285, 0, "12.80 Ohms",   12.80,   "41.984 Ohms",    41.984,    "9 Amps",    nullptr},
    // The metric diameter is a tenth of a mil under the imperial one.
    {"22",  0.0254, 0.64262, "16.14 Ohms", 16.14, "52.9392 Ohms", 52.9392,   "7 Amps",    nullptr},
    {"23",  0.0226, 0, "20.36 Ohms",   20.36,   "66.7808 Ohms",   66.7808,   "4.7 Amps",  nullptr},
    {"24",  0.0201, 0, "25.67 Ohms",   25.67,   "84.1976 Ohms",   84.1976,   "3.5 Amps",  nullptr},
    {"25",  0.0179, 0, "32.37 Ohms",   32.37,   "106.1736 Ohms",  106.1736,  "2.7 Amps",  nullptr},
    {"26",  0.0159, 0, "40.81 Ohms",   40.81,   "133.8568 Ohms",  133.8568,  "2.2 Amps",  nullptr},
    {"27",  0.0142, 0, "51.47 Ohms",   51.47,   "168.8216 Ohms",  168.8216,  "1.7 Amps",  nullptr},
    {"28",  0.0126, 0, "64.90 Ohms",   64.90,   "212.872 Ohms",   212.872,   "1.4 Amps",  nullptr},
    {"29",  0.0113, 0, "81.83 Ohms",   81.83,   "268.4024 Ohms",  268.4024,  "1.2 Amps",  nullptr},
    {"30",  0.01,   0, "103.20 Ohms",  103.20,  "338.496 Ohms",   338.496,   "0.86 Amps", "0.89 Amps"},
    {"31",  0.0089, 0, "130.10 Ohms",  130.10,  "426.728 Ohms",   426.728,   "0.7 Amps",  nullptr},
    {"32",  0.008,  0, "164.10 Ohms",  164.10,  "538.248 Ohms",   538.248,   "0.53 Amps", nullptr},
    {"33",  0.0071, 0, "206.90 Ohms",  206.90,  "678.632 Ohms",   678.632,   "0.43 Amps", nullptr},
    {"34",  0.0063, 0, "260.9 Ohms",   260.9,   "855.752 Ohms",   855.752,   "0.33 Amps", nullptr},
    {"35",  0.0056, 0, "329.00 Ohms",  329.00,  "1079.12 Ohms",   1079.12,   "0.27 Amps", nullptr},
    {"36",  0.005,  0, "414.80 Ohms",  414.80,  "1360 Ohms",      1360,      "0.21 Amps", nullptr},
    {"37",  0.0045, 0, "523.10 Ohms",  523.10,  "1715 Ohms",      1715,      "0.17 Amps", nullptr},
    {"38",  0.004,  0, "659.60 Ohms",  659.60,  "2163 Ohms",      2163,      "0.13 Amps", nullptr},
    {"39",  0.0035, 0, "831.80 Ohms",  831.80,  "2728 Ohms",      2728,      "0.11 Amps", nullptr},
    {"40",  0.0031, 0, "1049.00 Ohms", 1049.00, "3440 Ohms",      3440,      "0.09 Amps", nullptr},
}};
// clang-format on

}  // namespace

WireGauge WireGaugeRow(WireUnits units, int item) {
  const AwgRow& r = kAwg.at(static_cast<std::size_t>(item));
  if (units == WireUnits::Imperial)
    return {r.name, r.inches, r.imperialOhms, r.imperialText, r.chassis};
  const double mm = r.millimetres != 0 ? r.millimetres : InchesToMillimetres(r.inches);
  return {r.name, mm, r.metricOhms, r.metricText, r.metricChassis ? r.metricChassis : r.chassis};
}

double DiameterMils(WireUnits units, double diameter) {
  return units == WireUnits::Imperial ? diameter * kMilsPerInch : MillimetresToMils(diameter);
}

double PowerTxAmps(double diameterMils) { return diameterMils * diameterMils / 700; }

double WireDrop(double current, double resistancePer1000, double length) {
  return current * resistancePer1000 / 1000 * length;
}

}  // namespace trellis::reference
