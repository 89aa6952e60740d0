// The embedded and broadside-coupled pair formulas against figures worked
// out independently of the program (a short script of the formulas), as the
// result boxes round them.
#include "calc/diffpair/broadside_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/c_text.h"
#include "tests/support/math_errors.h"

using namespace trellis::diffpair;
using trellis::testing::MathErrors;

using trellis::testing::Text;

namespace {

std::string Ohms(double z) { return Text("%.3f", z); }

struct EmbeddedCase {
  const char* name;
  double w, s, t, h1, h2, er;  // mils
  const char *erPrime, *zo, *zdiff;
};

// clang-format off
const EmbeddedCase kEmbedded[] = {
    // The worked example: half-ounce base copper, Er 4.6.
    {"worked",                       10, 5, 0.7,  5, 15,    4.6, "4.5560", "34.703", "45.214"},
    {"one ounce, low Er",             8, 6, 1.4,  4, 8,     3.5, "3.3423", "36.777", "56.368"},
    // Er' tends to Er under a thick cover and to 0 under a thin one.
    {"substrate far thicker",         5, 5, 0.35, 3, 60,    4.2, "4.2000", "41.481", "46.202"},
    {"thin substrate",               10, 5, 0.7,  5, 0.5,   4.6, "0.6605", "91.143", "182.279"},
    {"substrate nearly gone",        10, 5, 0.7,  5, 0.001, 4.6, "0.0014", "1961.682", "3923.365"},
};
// clang-format on

TEST(EmbeddedPairModel, WorkedFigures) {
  for (const EmbeddedCase& c : kEmbedded) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const EmbeddedPair p = EmbeddedPairModel({c.w, c.s, c.t, c.h1, c.h2, c.er});
    EXPECT_EQ(Text("%.4f", p.erPrime), c.erPrime);
    EXPECT_EQ(Ohms(p.zo), c.zo);
    EXPECT_EQ(Ohms(p.zdiff), c.zdiff);
    EXPECT_LT(p.erPrime, c.er);
    EXPECT_TRUE(errors.shown.empty());
  }
}

TEST(EmbeddedPairModel, WorkedSaturationAndRatiosOverTheSubstrate) {
  const EmbeddedPair p = EmbeddedPairModel({10, 5, 0.7, 5, 15, 4.6});
  // 11.8 / sqrt(Er') inches per ns over half a 1 ns rise, in mils.
  EXPECT_EQ(Text("%.2f", 11.8 / std::sqrt(p.erPrime) * 0.5 * 1000), "2764.14");
  // The odd-mode impedance of the pair, half its differential one.
  EXPECT_EQ(Ohms(p.zdiff / 2), "22.607");
}

TEST(EmbeddedPairModel, DegenerateGeometryIsReportedNotRefused) {
  {
    // No height above the plane: the cover counts fully, the logarithm meets 0.
    MathErrors errors;
    const EmbeddedPair p = EmbeddedPairModel({10, 5, 0.7, 0, 15, 4.6});
    EXPECT_DOUBLE_EQ(p.erPrime, 4.6);
    EXPECT_TRUE(std::isinf(p.zo) && p.zo < 0);
    EXPECT_TRUE(std::isinf(p.zdiff) && p.zdiff < 0);
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_EQ(errors.shown[0], "log: SING error");
  }
  {
    // A negative width takes the logarithm's argument below zero.
    MathErrors errors;
    const EmbeddedPair p = EmbeddedPairModel({-1, 5, 0.7, 5, 15, 4.6});
    EXPECT_TRUE(std::isnan(p.zo));
    EXPECT_TRUE(std::isnan(p.zdiff));
    ASSERT_EQ(errors.shown.size(), 1u);
    EXPECT_EQ(errors.shown[0], "log: DOMAIN error");
  }
}

struct BroadsideCase {
  const char* name;
  double w, s, t, h, er;  // one unit: mils, or millimetres when metric
  bool metric;
  const char *offset, *shielded, *unshielded;
};

// clang-format off
const BroadsideCase kBroadside[] = {
    // The worked example: half-ounce base copper, H 15 mils.
    {"worked",                 10,    5,     0.7,   15,    4.6, false, "4.3000", "43.730", "47.315"},
    // The height a 6 mil stack is reset to: 4 T + S.
    {"reset height",           10,    5,     0.7,   7.8,   4.6, false, "0.7000", "16.227", "47.315"},
    {"one ounce, low Er",       8,    10,    1.4,   20,    3.5, false, "3.6000", "79.175", "89.496"},
    // The worked example in millimetres: h' enters the exponent in mils.
    {"worked, millimetres",     0.254, 0.127, 0.018, 0.381, 4.6, true,  "0.1090", "43.676", "47.277"},
    {"one ounce, millimetres",  0.2,   0.3,   0.035, 0.6,   4.2, true,  "0.1150", "83.127", "89.011"},
};
// clang-format on

TEST(BroadsideModel, WorkedFigures) {
  for (const BroadsideCase& c : kBroadside) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const double offset = BroadsideOffset(c.h, c.t, c.s);
    EXPECT_EQ(Text("%.4f", offset), c.offset);
    const double offsetMils = c.metric ? offset / 25.4 * 1000 : offset;
    EXPECT_EQ(Ohms(BroadsideShieldedZdiff(c.w, c.s, c.t, c.er, offsetMils)), c.shielded);
    EXPECT_EQ(Ohms(BroadsideUnshieldedZdiff(c.w, c.s, c.t, c.er)), c.unshielded);
    EXPECT_TRUE(errors.shown.empty());
  }
}

TEST(BroadsideModel, UnshieldedImpedanceDoesNotDependOnTheHeight) {
  // Only the offset, which the unshielded formula leaves out, reads H.
  for (double h : {6.5, 15.0, 40.0, 1000.0})
    EXPECT_EQ(Ohms(BroadsideUnshieldedZdiff(10, 5, 0.7, 4.6)), "47.315") << h;
  // The shielded one rises towards it as the planes move away.
  EXPECT_EQ(Ohms(BroadsideShieldedZdiff(10, 5, 0.7, 4.6, BroadsideOffset(1000, 0.7, 5))), "47.315");
}

struct HeightCase {
  const char* name;
  double t, s, h;
  bool refused;
  double reset;
};

// clang-format off
const HeightCase kHeights[] = {
    {"worked height",             0.7,   5,     15,    false, 7.8},
    {"6 mils under a 6.4 stack",  0.7,   5,     6,     true,  7.8},
    // Equal counts as too small.
    {"equal to the stack",        1,     5,     7,     true,  9},
    {"a hair above the stack",    1,     5,     7.001, false, 9},
    {"millimetres",               0.018, 0.127, 0.381, false, 0.199},
    {"millimetres, too thin",     0.018, 0.127, 0.15,  true,  0.199},
    // No copper: the reset is the stack itself and is refused again.
    {"no copper",                 0,     5,     5,     true,  5},
};
// clang-format on

TEST(BroadsideModel, HeightCheckAndReset) {
  for (const HeightCase& c : kHeights) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(c.h <= BroadsideStackHeight(c.t, c.s), c.refused);
    EXPECT_NEAR(BroadsideResetHeight(c.t, c.s), c.reset, 1e-12);
    // With copper the reset always has room: h' = T.
    if (c.t > 0) {
      EXPECT_GT(BroadsideResetHeight(c.t, c.s), BroadsideStackHeight(c.t, c.s));
      EXPECT_NEAR(BroadsideOffset(BroadsideResetHeight(c.t, c.s), c.t, c.s), c.t, 1e-12);
    }
  }
}

}  // namespace
