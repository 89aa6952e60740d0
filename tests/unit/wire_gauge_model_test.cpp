// The wire-gauge table and its currents against texts worked out from the
// gauges' diameters independently of the program: the diameter with four
// decimals, and the current at 700 circular mils per ampere with three.
#include "reference/wire_gauge_model.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "tests/support/c_text.h"

using namespace trellis::reference;

using trellis::testing::Text;

namespace {

struct GaugeCase {
  const char* name;
  const char *inches, *imperialOhms, *imperialChassis, *imperialAmps;
  const char *mm, *metricOhms, *metricChassis, *metricAmps;
};

// Gauge 22 is 25.4 mils in inches but 25.3 in millimetres; gauge 30's
// chassis current differs between the two.
// clang-format off
const GaugeCase kGauges[] = {
    {"4/0", "0.4600 Inches", "0.05 Ohms", "380 Amps", "302.286 Amps", "11.6840 mm", "0.16072 Ohms", "380 Amps", "302.286 Amps"},
    {"3/0", "0.4096 Inches", "0.06 Ohms", "328 Amps", "239.675 Amps", "10.4038 mm", "0.202704 Ohms", "328 Amps", "239.675 Amps"},
    {"2/0", "0.3648 Inches", "0.08 Ohms", "283 Amps", "190.113 Amps", "9.2659 mm", "0.255512 Ohms", "283 Amps", "190.113 Amps"},
    {"1/0", "0.3249 Inches", "0.10 Ohms", "245 Amps", "150.800 Amps", "8.2525 mm", "0.322424 Ohms", "245 Amps", "150.800 Amps"},
    {"1", "0.2893 Inches", "0.12 Ohms", "211 Amps", "119.564 Amps", "7.3482 mm", "0.406392 Ohms", "211 Amps", "119.564 Amps"},
    {"2", "0.2576 Inches", "0.16 Ohms", "181 Amps", "94.797 Amps", "6.5430 mm", "0.512664 Ohms", "181 Amps", "94.797 Amps"},
    {"3", "0.2294 Inches", "0.20 Ohms", "158 Amps", "75.178 Amps", "5.8268 mm", "0.64616 Ohms", "158 Amps", "75.178 Amps"},
    {"4", "0.2043 Inches", "0.25 Ohms", "135 Amps", "59.626 Amps", "5.1892 mm", "0.81508 Ohms", "135 Amps", "59.626 Amps"},
    {"5", "0.1819 Inches", "0.31 Ohms", "118 Amps", "47.268 Amps", "4.6203 mm", "1.027624 Ohms", "118 Amps", "47.268 Amps"},
    {"6", "0.1620 Inches", "0.40 Ohms", "101 Amps", "37.491 Amps", "4.1148 mm", "1.295928 Ohms", "101 Amps", "37.491 Amps"},
    {"7", "0.1443 Inches", "0.50 Ohms", "89 Amps", "29.746 Amps", "3.6652 mm", "1.634096 Ohms", "89 Amps", "29.746 Amps"},
    {"8", "0.1285 Inches", "0.63 Ohms", "73 Amps", "23.589 Amps", "3.2639 mm", "2.060496 Ohms", "73 Amps", "23.589 Amps"},
    {"9", "0.1144 Inches", "0.79 Ohms", "64 Amps", "18.696 Amps", "2.9058 mm", "2.598088 Ohms", "64 Amps", "18.696 Amps"},
    {"10", "0.1019 Inches", "1.00 Ohms", "55 Amps", "14.834 Amps", "2.5883 mm", "3.276392 Ohms", "55 Amps", "14.834 Amps"},
    {"11", "0.0907 Inches", "1.26 Ohms", "47 Amps", "11.752 Amps", "2.3038 mm", "4.1328 Ohms", "47 Amps", "11.752 Amps"},
    {"12", "0.0808 Inches", "1.59 Ohms", "41 Amps", "9.327 Amps", "2.0523 mm", "5.20864 Ohms", "41 Amps", "9.327 Amps"},
    {"13", "0.0720 Inches", "2.00 Ohms", "35 Amps", "7.406 Amps", "1.8288 mm", "6.56984 Ohms", "35 Amps", "7.406 Amps"},
    {"14", "0.0641 Inches", "2.53 Ohms", "32 Amps", "5.870 Amps", "1.6281 mm", "8.282 Ohms", "32 Amps", "5.870 Amps"},
    {"15", "0.0571 Inches", "3.18 Ohms", "28 Amps", "4.658 Amps", "1.4503 mm", "10.44352 Ohms", "28 Amps", "4.658 Amps"},
    {"16", "0.0508 Inches", "4.02 Ohms", "22 Amps", "3.687 Amps", "1.2903 mm", "13.17248 Ohms", "22 Amps", "3.687 Amps"},
    {"17", "0.0453 Inches", "5.06 Ohms", "19 Amps", "2.932 Amps", "1.1506 mm", "16.60992 Ohms", "19 Amps", "2.932 Amps"},
    {"18", "0.0403 Inches", "6.39 Ohms", "16 Amps", "2.320 Amps", "1.0236 mm", "20.9428 Ohms", "16 Amps", "2.320 Amps"},
    {"19", "0.0359 Inches", "8.05 Ohms", "14 Amps", "1.841 Amps", "0.9119 mm", "26.40728 Ohms", "14 Amps", "1.841 Amps"},
    {"20", "0.0320 Inches", "10.15 Ohms", "11 Amps", "1.463 Amps", "0.8128 mm", "33.292 Ohms", "11 Amps", "1.463 Amps"},
    {"21", "0.0285 Inches", "12.80 Ohms", "9 Amps", "1.160 Amps", "0.7239 mm", "41.984 Ohms", "9 Amps", "1.160 Amps"},
    {"22", "0.0254 Inches", "16.14 Ohms", "7 Amps", "0.922 Amps", "0.6426 mm", "52.9392 Ohms", "7 Amps", "0.914 Amps"},
    {"23", "0.0226 Inches", "20.36 Ohms", "4.7 Amps", "0.730 Amps", "0.5740 mm", "66.7808 Ohms", "4.7 Amps", "0.730 Amps"},
    {"24", "0.0201 Inches", "25.67 Ohms", "3.5 Amps", "0.577 Amps", "0.5105 mm", "84.1976 Ohms", "3.5 Amps", "0.577 Amps"},
    {"25", "0.0179 Inches", "32.37 Ohms", "2.7 Amps", "0.458 Amps", "0.4547 mm", "106.1736 Ohms", "2.7 Amps", "0.458 Amps"},
    {"26", "0.0159 Inches", "40.81 Ohms", "2.2 Amps", "0.361 Amps", "0.4039 mm", "133.8568 Ohms", "2.2 Amps", "0.361 Amps"},
    {"27", "0.0142 Inches", "51.47 Ohms", "1.7 Amps", "0.288 Amps", "0.3607 mm", "168.8216 Ohms", "1.7 Amps", "0.288 Amps"},
    {"28", "0.0126 Inches", "64.90 Ohms", "1.4 Amps", "0.227 Amps", "0.3200 mm", "212.872 Ohms", "1.4 Amps", "0.227 Amps"},
    {"29", "0.0113 Inches", "81.83 Ohms", "1.2 Amps", "0.182 Amps", "0.2870 mm", "268.4024 Ohms", "1.2 Amps", "0.182 Amps"},
    {"30", "0.0100 Inches", "103.20 Ohms", "0.86 Amps", "0.143 Amps", "0.2540 mm", "338.496 Ohms", "0.89 Amps", "0.143 Amps"},
    {"31", "0.0089 Inches", "130.10 Ohms", "0.7 Amps", "0.113 Amps", "0.2261 mm", "426.728 Ohms", "0.7 Amps", "0.113 Amps"},
    {"32", "0.0080 Inches", "164.10 Ohms", "0.53 Amps", "0.091 Amps", "0.2032 mm", "538.248 Ohms", "0.53 Amps", "0.091 Amps"},
    {"33", "0.0071 Inches", "206.90 Ohms", "0.43 Amps", "0.072 Amps", "0.1803 mm", "678.632 Ohms", "0.43 Amps", "0.072 Amps"},
    {"34", "0.0063 Inches", "260.9 Ohms", "0.33 Amps", "0.057 Amps", "0.1600 mm", "855.752 Ohms", "0.33 Amps", "0.057 Amps"},
    {"35", "0.0056 Inches", "329.00 Ohms", "0.27 Amps", "0.045 Amps", "0.1422 mm", "1079.12 Ohms", "0.27 Amps", "0.045 Amps"},
    {"36", "0.0050 Inches", "414.80 Ohms", "0.21 Amps", "0.036 Amps", "0.1270 mm", "1360 Ohms", "0.21 Amps", "0.036 Amps"},
    {"37", "0.0045 Inches", "523.10 Ohms", "0.17 Amps", "0.029 Amps", "0.1143 mm", "1715 Ohms", "0.17 Amps", "0.029 Amps"},
    {"38", "0.0040 Inches", "659.60 Ohms", "0.13 Amps", "0.023 Amps", "0.1016 mm", "2163 Ohms", "0.13 Amps", "0.023 Amps"},
    {"39", "0.0035 Inches", "831.80 Ohms", "0.11 Amps", "0.018 Amps", "0.0889 mm", "2728 Ohms", "0.11 Amps", "0.018 Amps"},
    {"40", "0.0031 Inches", "1049.00 Ohms", "0.09 Amps", "0.014 Amps", "0.0787 mm", "3440 Ohms", "0.09 Amps", "0.014 Amps"},
};
// clang-format on

double Parsed(std::string_view text) { return std::strtod(std::string(text).c_str(), nullptr); }

}  // namespace

TEST(WireGaugeModel, EveryRowInBothUnits) {
  static_assert(std::size(kGauges) == kWireGaugeCount);
  for (int item = 0; item < kWireGaugeCount; ++item) {
    const GaugeCase& c = kGauges[item];
    SCOPED_TRACE(c.name);
    const WireGauge in = WireGaugeRow(WireUnits::Imperial, item);
    EXPECT_EQ(in.name, c.name);
    EXPECT_EQ(Text("%0.4f Inches", in.diameter), c.inches);
    EXPECT_EQ(in.resistanceText, c.imperialOhms);
    EXPECT_EQ(in.resistance, Parsed(c.imperialOhms));
    EXPECT_EQ(in.chassisText, c.imperialChassis);
    EXPECT_EQ(Text("%0.3f Amps", PowerTxAmps(DiameterMils(WireUnits::Imperial, in.diameter))),
              c.imperialAmps);

    const WireGauge mm = WireGaugeRow(WireUnits::Metric, item);
    EXPECT_EQ(mm.name, c.name);
    EXPECT_EQ(Text("%0.4f mm", mm.diameter), c.mm);
    EXPECT_EQ(mm.resistanceText, c.metricOhms);
    EXPECT_EQ(mm.resistance, Parsed(c.metricOhms));
    EXPECT_EQ(mm.chassisText, c.metricChassis);
    EXPECT_EQ(Text("%0.3f Amps", PowerTxAmps(DiameterMils(WireUnits::Metric, mm.diameter))),
              c.metricAmps);
  }
}

// The metric diameters are the inches times 25.4 to the last bit, gauge 22 aside.
TEST(WireGaugeModel, MetricDiameters) {
  for (int item = 0; item < kWireGaugeCount; ++item) {
    const double inches = WireGaugeRow(WireUnits::Imperial, item).diameter;
    const double mm = WireGaugeRow(WireUnits::Metric, item).diameter;
    if (item == 25)
      EXPECT_EQ(mm, 0.64262);
    else
      EXPECT_EQ(mm, inches * 25.4) << kGauges[item].name;
  }
}

TEST(WireGaugeModel, VoltageDrop) {
  struct Case {
    double current, resistance, length;
    const char* text;
  };
  const Case cases[] = {
      {5, 0.05, 10, "0.0025 V"},      // 4/0 over 10 ft
      {5, 0.16072, 10, "0.0080 V"},   // 4/0 over 10 m
      {-5, 0.05, 10, "-0.0025 V"},    // a negative load, unchecked
      {0, 0.05, 10, "0.0000 V"},      // no load
      {5, 0, 10, "0.0000 V"},         // before any gauge is chosen
      {2, 1049.00, 25, "52.4500 V"},  // 40 over 25 ft
  };
  for (const Case& c : cases)
    EXPECT_EQ(Text("%.4f V", WireDrop(c.current, c.resistance, c.length)), c.text);
}
