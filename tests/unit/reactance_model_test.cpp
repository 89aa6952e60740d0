// The reactance model against figures worked out from its formulas with
// 6.28318 for 2 pi, independently of the program, as the result boxes round
// them to four decimals.
#include "calc/circuit/reactance_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/c_text.h"
#include "tests/support/math_errors.h"
#include "vcl/sysutils.h"

using namespace trellis::circuit;

namespace {

std::string Text(double value) { return trellis::testing::Text("%.4f", value); }

using trellis::testing::MathErrors;

struct Case {
  const char* name;
  double f;
  FrequencyUnit fu;
  double c;
  CapacitanceUnit cu;
  double l;
  InductanceUnit lu;
  const char *xc, *xl, *f0;
};

constexpr auto GHz = FrequencyUnit::Gigahertz, MHz = FrequencyUnit::Megahertz,
               KHz = FrequencyUnit::Kilohertz, Hz = FrequencyUnit::Hertz;
constexpr auto uF = CapacitanceUnit::Microfarads, nF = CapacitanceUnit::Nanofarads,
               pF = CapacitanceUnit::Picofarads;
constexpr auto mH = InductanceUnit::Millihenries, uH = InductanceUnit::Microhenries,
               nH = InductanceUnit::Nanohenries;

// clang-format off
const Case kCases[] = {
    // With 2 pi in full precision the resonance would be 5032.9212 Hz.
    {"1 MHz, 1 uF, 1 mH", 1, MHz, 1, uF, 1, mH, "0.1592", "6283.1800", "5032.9255"},
    {"1 GHz, 1 pF, 1 nH", 1, GHz, 1, pF, 1, nH, "159.1551", "6.2832", "5032925461.5790"},
    {"100 KHz, 10 nF, 22 uH", 100, KHz, 10, nF, 22, uH, "159.1551", "13.8230", "339319.7654"},
    {"50 Hz, 470 uF, 1 mH", 50, Hz, 470, uF, 1, mH, "6.7726", "0.3142", "232.1515"},
    {"2.4 GHz, 1.5 pF, 3.3 nH", 2.4, GHz, 1.5, pF, 3.3, nH, "44.2097", "49.7628", "2262131769.3229"},
    {"zero frequency", 0, MHz, 1, uF, 1, mH, "inf", "0.0000", "5032.9255"},
    {"zero capacitance", 1, MHz, 0, uF, 1, mH, "inf", "6283.1800", "inf"},
    {"zero inductance", 1, MHz, 1, uF, 0, mH, "0.1592", "0.0000", "inf"},
    // C x L is -0: its root is -0, no domain error.
    {"zero capacitance, negative inductance", 1, MHz, 0, uF, -1, mH, "inf", "-6283.1800", "-inf"},
};
// clang-format on

TEST(ReactanceModel, WorkedFigures) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const double hz = Hertz(c.f, c.fu), farads = Farads(c.c, c.cu), henries = Henries(c.l, c.lu);
    EXPECT_EQ(Text(CapacitiveReactance(hz, farads)), c.xc);
    EXPECT_EQ(Text(InductiveReactance(hz, henries)), c.xl);
    EXPECT_EQ(Text(ResonantFrequency(farads, henries)), c.f0);
    EXPECT_TRUE(errors.shown.empty());
  }
}

TEST(ReactanceModel, UnitFactors) {
  EXPECT_DOUBLE_EQ(Hertz(2, GHz), 2e9);
  EXPECT_DOUBLE_EQ(Hertz(2, MHz), 2e6);
  EXPECT_DOUBLE_EQ(Hertz(2, KHz), 2e3);
  EXPECT_DOUBLE_EQ(Hertz(2, Hz), 2);
  EXPECT_DOUBLE_EQ(Farads(2, uF), 2e-6);
  EXPECT_DOUBLE_EQ(Farads(2, nF), 2e-9);
  EXPECT_DOUBLE_EQ(Farads(2, pF), 2e-12);
  EXPECT_DOUBLE_EQ(Henries(2, mH), 2e-3);
  EXPECT_DOUBLE_EQ(Henries(2, uH), 2e-6);
  EXPECT_DOUBLE_EQ(Henries(2, nH), 2e-9);
}

TEST(ReactanceModel, NegativeProductIsTheRootsDomainError) {
  MathErrors errors;
  const double f0 = ResonantFrequency(1e-6, -1e-3);
  EXPECT_TRUE(std::isnan(f0));
  EXPECT_FALSE(std::signbit(f0));
  EXPECT_EQ(errors.shown, std::vector<std::string>{vcl::MathErrorText("sqrt", "DOMAIN")});
  EXPECT_EQ(Text(InductiveReactance(1e6, -1e-3)), "-6283.1800");
}

}  // namespace
