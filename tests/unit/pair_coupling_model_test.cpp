// The pair coupling model and the target window against figures worked out
// from their formulas independently of the program.
#include "calc/diffpair/pair_coupling_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "tests/support/c_text.h"
#include "tests/support/math_errors.h"

namespace dp = trellis::diffpair;

using trellis::testing::Text;

namespace {

// The outer-layer pair of 10 mils at 5 mils spacing, 15 mils over its plane,
// 2.1 mils of copper on Er 4.6, a 1 ns edge.
constexpr double kZo = 77.50358535910601, kZdiff = 100.97918299506952;
constexpr double kLsatMils = 3289.2733864967645, kLsatMm = 83.54754401701781;

struct Case {
  const char* name;
  dp::CouplingInputs in;
  const char *odd, *even, *kb, *kbPrime, *db, *dbPrime, *next, *nextPrime;
};

// clang-format off
const Case kCases[] = {
    {"worked pair, 100 mils coupled", {kZo, kZdiff, 100, kLsatMils, 1},
     "50.4896", "118.9712", "0.2111", "0.4041", "-13.5120", "-7.8699", "0.0064", "0.0123"},
    {"same pair in mm", {kZo, kZdiff, 2.54, kLsatMm, 5},
     "50.4896", "118.9712", "0.2111", "0.4041", "-13.5120", "-7.8699", "0.0321", "0.0614"},
    // Saturated: the whole coefficient times the voltage.
    {"longer than Lsat", {kZo, kZdiff, 5000, kLsatMils, 2},
     "50.4896", "118.9712", "0.2111", "0.4041", "-13.5120", "-7.8699", "0.4221", "0.8082"},
    {"equal to Lsat", {kZo, kZdiff, kLsatMils, kLsatMils, 1},
     "50.4896", "118.9712", "0.2111", "0.4041", "-13.5120", "-7.8699", "0.2111", "0.4041"},
    {"50 ohm lines, 80 ohm pair", {50, 80, 1000, 2000, 3.3},
     "40.0000", "62.5000", "0.1111", "0.2195", "-19.0849", "-13.1708", "0.1833", "0.3622"},
};
// clang-format on

TEST(PairCouplingModel, WorkedFigures) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    trellis::testing::MathErrors errors;
    const dp::Coupling r = dp::PairCoupling(c.in);
    EXPECT_EQ(Text("%.4f", r.odd), c.odd);
    EXPECT_EQ(Text("%.4f", r.even), c.even);
    EXPECT_EQ(Text("%.4f", r.terminated), c.kb);
    EXPECT_EQ(Text("%.4f", r.unterminated), c.kbPrime);
    EXPECT_EQ(Text("%.4f", r.terminatedDb), c.db);
    EXPECT_EQ(Text("%.4f", r.unterminatedDb), c.dbPrime);
    EXPECT_EQ(Text("%.4f", r.terminatedNext), c.next);
    EXPECT_EQ(Text("%.4f", r.unterminatedNext), c.nextPrime);
    EXPECT_TRUE(errors.shown.empty());
  }
}

TEST(PairCouplingModel, WorkedPairAsDisplayed) {
  const dp::Coupling r = dp::PairCoupling({kZo, kZdiff, 100, kLsatMils, 1});
  EXPECT_EQ(Text("%.3f Ohms", r.odd), "50.490 Ohms");
  EXPECT_EQ(Text("%.3f Ohms", r.even), "118.971 Ohms");
  EXPECT_EQ(Text("%.3f", r.terminatedDb), "-13.512");
  EXPECT_EQ(Text("%.3f", r.unterminatedDb), "-7.870");
  // 6.417 mV and 12.29 mV.
  EXPECT_NEAR(r.terminatedNext, 0.006416556268360853, 1e-12);
  EXPECT_NEAR(r.unterminatedNext, 0.012285833778881705, 1e-12);
}

TEST(PairCouplingModel, SaturationLength) {
  EXPECT_EQ(Text("%.2f mils", dp::SaturationLength(3.2173927654114554, 1, false)), "3289.27 mils");
  EXPECT_EQ(Text("%.2f mm", dp::SaturationLength(3.2173927654114554, 1, true)), "83.55 mm");
}

TEST(PairCouplingModel, NextBelowAtAndBeyondSaturation) {
  EXPECT_DOUBLE_EQ(dp::NextVoltage(0.2, 2, 50, 100), 0.2);
  EXPECT_DOUBLE_EQ(dp::NextVoltage(0.2, 2, 100, 100), 0.4);
  EXPECT_DOUBLE_EQ(dp::NextVoltage(0.2, 2, 300, 100), 0.4);
}

// An uncoupled pair (Zdiff twice Zo) has no backward coupling: the dB of zero
// is reported and reads minus infinity.
TEST(PairCouplingModel, UncoupledPair) {
  trellis::testing::MathErrors errors;
  const dp::Coupling r = dp::PairCoupling({50, 100, 100, 1000, 1});
  EXPECT_EQ(r.odd, 50);
  EXPECT_EQ(r.even, 50);
  EXPECT_EQ(r.terminated, 0);
  EXPECT_EQ(r.unterminated, 0);
  EXPECT_TRUE(std::isinf(r.terminatedDb) && r.terminatedDb < 0);
  EXPECT_EQ(errors.shown, (std::vector<std::string>{"log10: SING error", "log10: SING error"}));
}

TEST(ZdiffTolerance, SliderPositions) {
  struct Row {
    int position;
    const char *caption, *comma, *plus100, *minus100, *plus85, *minus85;
  };
  // clang-format off
  const Row kRows[] = {
      {0, "2.5%", "2,5%", "102.500", "97.500", "87.125", "82.875"},
      {1, "5%", "5%", "105.000", "95.000", "89.250", "80.750"},
      {2, "7.5%", "7,5%", "107.500", "92.500", "91.375", "78.625"},
      {3, "10%", "10%", "110.000", "90.000", "93.500", "76.500"},
      {4, "12.5%", "12,5%", "112.500", "87.500", "95.625", "74.375"},
      {5, "15%", "15%", "115.000", "85.000", "97.750", "72.250"},
      {6, "17.5%", "17,5%", "117.500", "82.500", "99.875", "70.125"},
      {7, "20%", "20%", "120.000", "80.000", "102.000", "68.000"},
      {8, "22.5%", "22,5%", "122.500", "77.500", "104.125", "65.875"},
      {9, "25%", "25%", "125.000", "75.000", "106.250", "63.750"},
  };
  // clang-format on
  for (const Row& r : kRows) {
    SCOPED_TRACE(r.position);
    const auto t = dp::ToleranceAt(r.position);
    ASSERT_TRUE(t);
    EXPECT_STREQ(t->caption, r.caption);
    EXPECT_STREQ(t->commaCaption, r.comma);
    const dp::Window w100 = dp::TargetWindow(100, t->plus, t->minus);
    EXPECT_EQ(Text("%.3f", w100.plus), r.plus100);
    EXPECT_EQ(Text("%.3f", w100.minus), r.minus100);
    const dp::Window w85 = dp::TargetWindow(85, t->plus, t->minus);
    EXPECT_EQ(Text("%.3f", w85.plus), r.plus85);
    EXPECT_EQ(Text("%.3f", w85.minus), r.minus85);
    // The factors are the decimals shown, a quarter of the caption's percent per step.
    EXPECT_NEAR(t->plus - 1, 0.025 * (r.position + 1), 1e-15);
    EXPECT_NEAR(1 - t->minus, 0.025 * (r.position + 1), 1e-15);
  }
  EXPECT_FALSE(dp::ToleranceAt(-1));
  EXPECT_FALSE(dp::ToleranceAt(10));
}

TEST(ZdiffTolerance, WindowBoundsAreInside) {
  const dp::Window w = dp::TargetWindow(100, 1.125, 0.875);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Row {
    double zdiff;
    bool inside;
  };
  for (const Row& r :
       {Row{100.97918299506952, true}, Row{w.plus, true}, Row{w.minus, true},
        Row{std::nextafter(w.plus, 200), false}, Row{std::nextafter(w.minus, 0), false},
        Row{nan, false}, Row{-std::numeric_limits<double>::infinity(), false}}) {
    SCOPED_TRACE(r.zdiff);
    EXPECT_EQ(dp::InWindow(r.zdiff, w), r.inside);
  }
}

TEST(ZdiffTolerance, RatioRange) {
  using V = dp::RatioVerdict;
  struct Row {
    double ratio;
    V verdict;
  };
  for (const Row& r :
       {Row{0.1, V::InRange}, Row{3.0, V::InRange}, Row{10.0 / 15, V::InRange},
        Row{0.0999, V::OutOfRange}, Row{3.0001, V::OutOfRange}, Row{5, V::OutOfRange},
        Row{-1, V::OutOfRange}, Row{std::numeric_limits<double>::infinity(), V::OutOfRange},
        Row{std::numeric_limits<double>::quiet_NaN(), V::NotANumber}}) {
    SCOPED_TRACE(r.ratio);
    EXPECT_EQ(dp::RatioRange(r.ratio), r.verdict);
  }
}

TEST(DifferentialProtocols, Targets) {
  const char* const kTargets[dp::kProtocolCount] = {"100", "100", "100", "90",  "90", "100",
                                                    "100", "100", "100", "100", "95", "85",
                                                    "100", "100", "85",  "85",  "90", nullptr};
  for (int i = 0; i < dp::kProtocolCount; ++i) {
    SCOPED_TRACE(dp::Protocols()[i].name);
    if (kTargets[i])
      EXPECT_STREQ(dp::Protocols()[i].target, kTargets[i]);
    else
      EXPECT_EQ(dp::Protocols()[i].target, nullptr);
  }
  EXPECT_STREQ(dp::Protocols()[17].name, "Custom");
}

}  // namespace
