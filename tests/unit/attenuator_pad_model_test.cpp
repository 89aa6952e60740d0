// The pad models against figures worked out from their formulas, independently
// of the program, as the result texts round them; then against the textbook
// matched-pad resistors and against the circuit each pad makes.
#include "calc/circuit/attenuator_pad_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/c_text.h"
#include "vcl/sysutils.h"

using namespace trellis::circuit;

namespace {

std::string Text(double value) { return trellis::testing::Text("%.2f", value); }

struct Case {
  const char* name;
  double db, zin, zout;
  const char *atLarger, *atSmaller, *middle;
};

// clang-format off
const Case kPiCases[] = {
    {"design 3 dB, 50/50",                 3,  50,  50, "292.40", "292.40", "17.61"},
    {"10 dB, 75 to 50",                   10,  75,  50, "207.43", "77.11",  "87.14"},
    {"10 dB, 50 to 75: the same resistors", 10, 50,  75, "207.43", "77.11",  "87.14"},
    {"3 dB, 75/50: below the minimum",     3,  75,  50, "-160.62", "72.27", "21.57"},
    {"6 dB, 75/50: just above the minimum", 6, 75,  50, "2386.20", "86.52", "45.75"},
    {"10 dB, 300/75: below the minimum",  10, 300,  75, "-1637.25", "86.12", "213.45"},
    {"20 dB, 600/600",                    20, 600, 600, "733.33", "733.33", "2970.00"},
    {"20 dB, 50 to 75",                   20,  50,  75, "97.05",  "58.46",  "303.12"},
};
const Case kTCases[] = {
    {"design 3 dB, 50/50",                 3,  50,  50, "8.55",   "8.55",   "141.93"},
    {"10 dB, 75 to 50",                   10,  75,  50, "48.63",  "18.08",  "43.03"},
    {"10 dB, 50 to 75: the same resistors", 10, 50,  75, "48.63", "18.08",  "43.03"},
    {"3 dB, 75/50: below the minimum",     3,  75,  50, "51.89",  "-23.35", "173.82"},
    {"6 dB, 75/50",                        6,  75,  50, "43.34",  "1.57",   "81.97"},
    {"10 dB, 300/75: below the minimum",  10, 300,  75, "261.26", "-13.74", "105.41"},
    {"20 dB, 600/600",                    20, 600, 600, "490.91", "490.91", "121.21"},
    {"20 dB, 50 to 75",                   20,  50,  75, "64.14",  "38.64",  "12.37"},
};
// clang-format on

TEST(AttenuatorPadModel, PiWorkedFigures) {
  for (const Case& c : kPiCases) {
    SCOPED_TRACE(c.name);
    const PadResistors r = PiPad(c.db, c.zin, c.zout);
    EXPECT_EQ(Text(r.atLarger), c.atLarger);
    EXPECT_EQ(Text(r.atSmaller), c.atSmaller);
    EXPECT_EQ(Text(r.middle), c.middle);
  }
}

TEST(AttenuatorPadModel, TWorkedFigures) {
  for (const Case& c : kTCases) {
    SCOPED_TRACE(c.name);
    const PadResistors r = TPad(c.db, c.zin, c.zout);
    EXPECT_EQ(Text(r.atLarger), c.atLarger);
    EXPECT_EQ(Text(r.atSmaller), c.atSmaller);
    EXPECT_EQ(Text(r.middle), c.middle);
  }
}

TEST(AttenuatorPadModel, LargerImpedanceSide) {
  EXPECT_FALSE(LargerAtLoad(75, 50));
  EXPECT_FALSE(LargerAtLoad(50, 50));
  EXPECT_TRUE(LargerAtLoad(50, 75));
}

// Equal impedances: the textbook pad from K = 10^(dB/20), shunt Z0 (K+1)/(K-1)
// and series Z0 (K^2-1)/2K for the PI, series Z0 (K-1)/(K+1) and shunt
// Z0 2K/(K^2-1) for the T.
TEST(AttenuatorPadModel, MatchedPadsAgreeWithTheTextbook) {
  for (const double z0 : {50.0, 75.0, 600.0}) {
    for (const double db : {1.0, 3.0, 6.0, 10.0, 20.0, 40.0}) {
      SCOPED_TRACE(testing::Message() << db << " dB, " << z0 << " ohms");
      const double k = std::pow(10.0, db / 20);
      const PadResistors pi = PiPad(db, z0, z0);
      EXPECT_NEAR(pi.atLarger, z0 * (k + 1) / (k - 1), 1e-9 * z0 * k);
      EXPECT_NEAR(pi.atSmaller, z0 * (k + 1) / (k - 1), 1e-9 * z0 * k);
      EXPECT_NEAR(pi.middle, z0 * (k * k - 1) / (2 * k), 1e-9 * z0 * k);
      const PadResistors t = TPad(db, z0, z0);
      EXPECT_NEAR(t.atLarger, z0 * (k - 1) / (k + 1), 1e-9 * z0);
      EXPECT_NEAR(t.atSmaller, z0 * (k - 1) / (k + 1), 1e-9 * z0);
      EXPECT_NEAR(t.middle, z0 * 2 * k / (k * k - 1), 1e-9 * z0 * k);
    }
  }
}

double Parallel(double a, double b) { return a * b / (a + b); }

// The network between a source of zin and a load of zout: the impedance seen
// from each side with the other side terminated, and the power lost in dB
// (power into the pad from the source side over power into the load).
struct Seen {
  double fromSource, fromLoad, lossDb;
};

Seen PiCircuit(double shuntIn, double series, double shuntOut, double zin, double zout) {
  Seen s{};
  s.fromSource = Parallel(shuntIn, series + Parallel(shuntOut, zout));
  s.fromLoad = Parallel(shuntOut, series + Parallel(shuntIn, zin));
  // 1 V at the input; the series resistor and the load side form a divider.
  const double lower = Parallel(shuntOut, zout);
  const double vout = lower / (series + lower);
  s.lossDb = 10 * std::log10((1 / s.fromSource) / (vout * vout / zout));
  return s;
}

Seen TCircuit(double seriesIn, double shunt, double seriesOut, double zin, double zout) {
  Seen s{};
  s.fromSource = seriesIn + Parallel(shunt, seriesOut + zout);
  s.fromLoad = seriesOut + Parallel(shunt, seriesIn + zin);
  // 1 A into the input splits between the shunt and the load branch.
  const double iout = shunt / (shunt + seriesOut + zout);
  s.lossDb = 10 * std::log10(s.fromSource / (iout * iout * zout));
  return s;
}

// Above the smallest attenuation that can match them, each pad matches both
// impedances and loses the attenuation asked for, whichever side is larger.
TEST(AttenuatorPadModel, UnequalPadsMatchBothSidesWithTheirLoss) {
  struct Match {
    double db, zin, zout;
  };
  for (const Match m : {Match{10, 75, 50}, Match{10, 50, 75}, Match{6, 75, 50}, Match{20, 50, 300},
                        Match{15, 600, 150}, Match{40, 50, 75}}) {
    SCOPED_TRACE(testing::Message() << m.db << " dB, " << m.zin << " to " << m.zout);
    const bool swap = m.zin < m.zout;
    const PadResistors pi = PiPad(m.db, m.zin, m.zout);
    const Seen p = PiCircuit(swap ? pi.atSmaller : pi.atLarger, pi.middle,
                             swap ? pi.atLarger : pi.atSmaller, m.zin, m.zout);
    EXPECT_NEAR(p.fromSource, m.zin, 1e-9 * m.zin);
    EXPECT_NEAR(p.fromLoad, m.zout, 1e-9 * m.zout);
    EXPECT_NEAR(p.lossDb, m.db, 1e-9);
    const PadResistors t = TPad(m.db, m.zin, m.zout);
    const Seen s = TCircuit(swap ? t.atSmaller : t.atLarger, t.middle,
                            swap ? t.atLarger : t.atSmaller, m.zin, m.zout);
    EXPECT_NEAR(s.fromSource, m.zin, 1e-9 * m.zin);
    EXPECT_NEAR(s.fromLoad, m.zout, 1e-9 * m.zout);
    EXPECT_NEAR(s.lossDb, m.db, 1e-9);
  }
}

// 0 dB divides by zero: the PI's end resistors 0/0 and its series resistor 0;
// the T's shunt infinite and its series resistors infinity minus infinity.
TEST(AttenuatorPadModel, NoAttenuation) {
  const PadResistors pi = PiPad(0, 50, 50);
  EXPECT_TRUE(std::isnan(pi.atLarger));
  EXPECT_TRUE(std::isnan(pi.atSmaller));
  EXPECT_EQ(pi.middle, 0);
  const PadResistors t = TPad(0, 50, 50);
  EXPECT_TRUE(std::isinf(t.middle) && t.middle > 0);
  EXPECT_TRUE(std::isnan(t.atLarger));
  EXPECT_TRUE(std::isnan(t.atSmaller));
}

// Impedances of opposite signs: three square roots of a negative number in a
// PI pad and one in a T pad, each reported.
TEST(AttenuatorPadModel, OppositeSignsReportEachSquareRoot) {
  int reports = 0;
  vcl::SetMathErrorHandler([&](const std::string& function, const std::string& kind) {
    EXPECT_EQ(function, "sqrt");
    EXPECT_EQ(kind, "DOMAIN");
    ++reports;
  });
  const PadResistors pi = PiPad(10, 50, -75);
  EXPECT_EQ(reports, 3);
  EXPECT_TRUE(std::isnan(pi.atLarger) && std::isnan(pi.atSmaller) && std::isnan(pi.middle));
  reports = 0;
  const PadResistors t = TPad(10, 50, -75);
  EXPECT_EQ(reports, 1);
  EXPECT_TRUE(std::isnan(t.atLarger) && std::isnan(t.atSmaller) && std::isnan(t.middle));
  vcl::SetMathErrorHandler(nullptr);
}

}  // namespace
