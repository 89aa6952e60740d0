// The dual-stripline and coplanar-waveguide models against figures worked out
// by hand from their formulas, independently of the program, as the result
// texts round them.
#include "calc/impedance/dual_coplanar_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "tests/support/c_text.h"
#include "vcl/sysutils.h"

using namespace trellis;

using trellis::testing::Text;

namespace {

struct DualCase {
  const char* name;
  double w, h, c, t, er;
  const char *zo, *co, *lo;  // "%.3f", "%.4f" per inch
};

// Tpd depends on Er alone: 181.7685 ps/in at Er 4.6.
// clang-format off
const DualCase kDual[] = {
    {"worked example, mils", 8, 10, 10, 0.7, 4.6, "56.142", "3.2377", "10.2049"},
    {"the same in micrometres", 203.2, 254, 254, 17.78, 4.6, "56.142", "3.2377", "10.2049"},
    {"no copper", 8, 10, 10, 0, 4.6, "58.137", "3.1265", "10.5675"},
    {"close spacing", 8, 10, 1, 0.7, 4.6, "50.210", "3.6202", "9.1266"},
    // 1.9 (2H + T) < 0.8 W + T: the logarithm turns negative, and Co and Lo with it.
    {"wide conductor", 100, 10, 10, 0.7, 4.6, "-23.572", "-7.7113", "-4.2846"},
};
// clang-format on

}  // namespace

TEST(DualStriplineModel, Figures) {
  for (const DualCase& c : kDual) {
    SCOPED_TRACE(c.name);
    const impedance::DualStripline d = impedance::DualStriplineModel(c.w, c.h, c.c, c.t, c.er);
    EXPECT_EQ(Text("%.3f", d.zo), c.zo);
    EXPECT_EQ(Text("%.4f", d.tpdPerInch), "181.7685");
    const double co = d.tpdPerInch / d.zo;
    EXPECT_EQ(Text("%.4f", co), c.co);
    EXPECT_EQ(Text("%.4f", d.zo * d.zo * co / 1000), c.lo);
  }
}

TEST(DualStriplineModel, WorkedExamplePerCentimetre) {
  const impedance::DualStripline d = impedance::DualStriplineModel(8, 10, 10, 0.7, 4.6);
  const double tpd = d.tpdPerInch / 2.54, co = tpd / d.zo;
  EXPECT_EQ(Text("%.4f", tpd), "71.5624");
  EXPECT_EQ(Text("%.4f", co), "1.2747");
  EXPECT_EQ(Text("%.4f", d.zo * d.zo * co / 1000), "4.0177");
}

TEST(EllipticK, SevenStepsOfTheMean) {
  // K(0) = π/2 with π as 3.14159; at x = 1 the mean of 1 and 0 halves seven
  // times and nothing tests for convergence, so K(1) is 64 π, not infinite.
  EXPECT_EQ(Text("%.10f", impedance::EllipticK(0)), "1.5707950000");
  EXPECT_EQ(Text("%.10f", impedance::EllipticK(std::sqrt(0.5))), "1.8540731112");
  EXPECT_EQ(Text("%.10f", impedance::EllipticK(1)), "201.0617600000");
}

namespace {

struct CoplanarCase {
  const char* name;
  double w, h, g, er;
  const char *zo, *erEffective;  // "%.4f"
};

// clang-format off
const CoplanarCase kCoplanar[] = {
    {"worked example, mils", 10, 10, 5, 4.6, "60.4298", "3.0297"},
    {"worked example, millimetres", 0.254, 0.254, 0.127, 4.6, "60.4298", "3.0297"},
    {"worked example, micrometres", 254, 254, 127, 4.6, "60.4298", "3.0297"},
    {"narrow strip, W/H 0.1", 1, 10, 5, 4.6, "130.5023", "2.8519"},
    {"wide strip, W/H 2", 20, 10, 5, 4.6, "42.6549", "3.2124"},
    {"lowest Er", 10, 10, 5, 1.01, "104.8886", "1.0056"},
};
// clang-format on

}  // namespace

TEST(CoplanarWaveModel, Figures) {
  for (const CoplanarCase& c : kCoplanar) {
    SCOPED_TRACE(c.name);
    const impedance::CoplanarWave r = impedance::CoplanarWaveModel(c.w, c.h, c.g, c.er);
    EXPECT_EQ(Text("%.4f", r.zo), c.zo);
    EXPECT_EQ(Text("%.4f", r.erEffective), c.erEffective);
  }
}

TEST(CoplanarWaveModel, NegativeGapReportsTheSquareRoots) {
  // W + 2G below W: both moduli exceed 1 and have no real complement.
  std::vector<std::string> reported;
  vcl::SetMathErrorHandler([&](const std::string& function, const std::string& kind) {
    reported.push_back(function + " " + kind);
  });
  const impedance::CoplanarWave r = impedance::CoplanarWaveModel(10, 10, -2, 4.6);
  vcl::SetMathErrorHandler(nullptr);
  EXPECT_GT(r.k, 1);
  EXPECT_TRUE(std::isnan(r.zo));
  ASSERT_GE(reported.size(), 2u);
  EXPECT_EQ(reported[0], "sqrt DOMAIN");
  EXPECT_EQ(reported[1], "sqrt DOMAIN");
}
