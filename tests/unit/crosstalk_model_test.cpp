// The crosstalk model against figures worked out from its formulas,
// independently of the program, as the window's five-decimal texts show them.
#include "calc/diffpair/crosstalk_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/math_errors.h"
#include "vcl/sysutils.h"

using namespace trellis::diffpair;
using trellis::LengthSystem;

namespace {

using trellis::testing::MathErrors;

struct Case {
  const char* name;
  LengthSystem unit;
  bool stripline;
  double er, rise, volts;
  double length, s, h, h1, h2;  // typed, in `unit`
  const char *decibels, *coupled;
  std::vector<std::string> errors;
};

constexpr auto kMils = LengthSystem::Mils;
constexpr auto kMm = LengthSystem::Millimetres;
constexpr auto kUm = LengthSystem::Micrometres;

// clang-format off
const Case kCases[] = {
    // Ratio 0.859: the coupling is scaled by it.
    {"microstrip design", kMils, false, 4.6, 1, 5, 250, 10, 30, 20, 10, "-2.23327", "3.86640", {}},
    {"stripline design", kMils, true, 4.6, 1, 5, 250, 10, 30, 20, 10, "-16.12537", "0.78109", {}},
    // Ratio 1.72: the length drops out, the coupling stands alone.
    {"microstrip L 500", kMils, false, 4.6, 1, 5, 500, 10, 30, 20, 10, "-0.91515", "4.50000", {}},
    {"microstrip rise 0.5", kMils, false, 4.6, 0.5, 5, 250, 10, 30, 20, 10, "-0.91515", "4.50000", {}},
    {"microstrip in mm", kMm, false, 4.6, 1, 5, 6.35, 0.254, 0.762, 0.508, 0.254, "-2.23327", "3.86640", {}},
    {"stripline in mm", kMm, true, 4.6, 1, 5, 6.35, 0.254, 0.762, 0.508, 0.254, "-16.12537", "0.78109", {}},
    {"microstrip in um", kUm, false, 4.6, 1, 5, 6350, 254, 762, 508, 254, "-2.23327", "3.86640", {}},
    {"stripline in um", kUm, true, 4.6, 1, 5, 6350, 254, 762, 508, 254, "-16.12537", "0.78109", {}},
    {"Er 1", kMils, false, 1, 1, 5, 250, 10, 30, 20, 10, "-6.20128", "2.44853", {}},
    {"Er 0.5, used as read", kMils, false, 0.5, 1, 5, 250, 10, 30, 20, 10, "-7.21086", "2.17985", {}},
    {"RO4350", kMils, false, 3.66, 1, 5, 250, 10, 30, 20, 10, "-2.97186", "3.55121", {}},
    {"stripline H 50", kMils, true, 4.6, 1, 5, 250, 10, 50, 20, 10, "-11.09853", "1.39330", {}},
    {"stripline 3.3 V", kMils, true, 2.2, 0.8, 3.3, 400, 5, 40, 15, 25, "-7.68428", "1.36239", {}},
    {"microstrip 12 V", kMils, false, 3.38, 2, 12, 1000, 5, 10, 20, 10, "-1.93820", "9.60000", {}},
    // A zero rise time: an infinite ratio, so the coupling alone.
    {"zero rise time", kMils, false, 4.6, 0, 5, 250, 10, 30, 20, 10, "-0.91515", "4.50000", {}},
    // A negative square root: the ratio is not a number, which is not at most 1.
    {"Er -5", kMils, false, -5, 1, 5, 250, 10, 30, 20, 10, "-0.91515", "4.50000",
     {"sqrt: DOMAIN error"}},
    {"zero length", kMils, false, 4.6, 1, 5, 0, 10, 30, 20, 10, "-INF", "0.00000",
     {"log10: SING error"}},
    {"zero H, microstrip", kMils, false, 4.6, 1, 5, 250, 10, 0, 20, 10, "-INF", "0.00000",
     {"pow: OVERFLOW error", "log10: SING error"}},
    {"zero H1, stripline", kMils, true, 4.6, 1, 5, 250, 10, 30, 0, 10, "-INF", "0.00000",
     {"log10: SING error"}},
    {"negative length", kMils, false, 4.6, 1, 5, -250, 10, 30, 20, 10, "+NAN", "-3.86640",
     {"log10: DOMAIN error"}},
};
// clang-format on

TEST(CrosstalkModel, WorkedCases) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const double length = CrosstalkInches(c.length, c.unit);
    const double s = CrosstalkInches(c.s, c.unit), h = CrosstalkInches(c.h, c.unit);
    const double h1 = CrosstalkInches(c.h1, c.unit), h2 = CrosstalkInches(c.h2, c.unit);
    const double delay = CrosstalkDelay(c.er, length);
    const double k = c.stripline ? StriplineCoupling(s, h, h1, h2) : MicrostripCoupling(s, h);
    const Crosstalk x = CrosstalkOf(k, delay, c.rise, c.volts);
    EXPECT_EQ(vcl::Format("%.5f", x.decibels), c.decibels);
    EXPECT_EQ(vcl::Format("%.5f", x.volts), c.coupled);
    EXPECT_EQ(errors.shown, c.errors);
  }
}

TEST(CrosstalkModel, DesignFigures) {
  // The delay over 250 mils of FR-4 and the couplings of the design geometry.
  const double delay = CrosstalkDelay(4.6, 0.25);
  EXPECT_NEAR(delay, 0.8591994959, 1e-9);
  EXPECT_NEAR(MicrostripCoupling(0.01, 0.03), 0.9, 1e-12);
  EXPECT_NEAR(StriplineCoupling(0.01, 0.03, 0.02, 0.01), 1 / 5.5, 1e-12);
  const Crosstalk x = CrosstalkOf(0.9, delay, 1, 5);
  EXPECT_NEAR(x.ratio, 0.8591994959, 1e-9);
  EXPECT_NEAR(x.coefficient, 0.7732795463, 1e-9);
}

TEST(CrosstalkModel, LengthsInInches) {
  EXPECT_DOUBLE_EQ(CrosstalkInches(250, LengthSystem::Mils), 0.25);
  EXPECT_DOUBLE_EQ(CrosstalkInches(25.4, LengthSystem::Millimetres), 1);
  EXPECT_DOUBLE_EQ(CrosstalkInches(25400, LengthSystem::Micrometres), 1);
}

TEST(CrosstalkModel, RatioOfExactlyOneScales) {
  // At a ratio of 1 the scaled and the plain coupling agree.
  const Crosstalk x = CrosstalkOf(0.5, 2, 2, 4);
  EXPECT_DOUBLE_EQ(x.coefficient, 0.5);
  EXPECT_DOUBLE_EQ(x.volts, 2);
}

}  // namespace
