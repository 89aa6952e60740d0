// The embedded-resistor model against figures worked out from its formulas,
// independently of the program, as the result texts round them.
#include "calc/circuit/embedded_resistor_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/math_errors.h"
#include "vcl/sysutils.h"

using namespace trellis::circuit;

namespace {

using trellis::testing::MathErrors;

struct RectangleCase {
  const char* name;
  double length, width, rs;  // inches, ohms per square
  const char *ohms, *squareMils;
};

// clang-format off
const RectangleCase kRectangles[] = {
    {"100 x 50 mils", 0.1, 0.05, 25, "50.000", "5000.00"},
    // 2.54 mm by 1.27 mm: the same two squares, at the same ohms per square.
    {"2.54 x 1.27 mm", 2.54 / 25.4, 1.27 / 25.4, 25, "50.000", "5000.00"},
    {"250 x 10 mils", 0.25, 0.01, 100, "2500.000", "2500.00"},
    {"zero width", 0.1, 0, 25, "+INF", "0.00"},
};
// clang-format on

TEST(EmbeddedResistorModel, Rectangles) {
  for (const RectangleCase& c : kRectangles) {
    SCOPED_TRACE(c.name);
    const RectangularResistor r = RectangularResistorModel(c.length, c.width, c.rs);
    EXPECT_EQ(vcl::Format("%.3f", r.ohms), c.ohms);
    EXPECT_EQ(vcl::Format("%.2f", r.squareInches * 1e6), c.squareMils);
  }
}

struct RingCase {
  const char* name;
  double inside, target, rs;
  const char *outer, *width, *area;
  std::vector<std::string> boxes;
};

TEST(EmbeddedResistorModel, Rings) {
  // Width (D - d) / 2 and area pi (D^2 - d^2) / 4 with pi as 3.14159.
  const RingCase cases[] = {
      {"20 mils, 10 ohms at 25", 20, 10, 25, "246.9052", "113.4526", "47565.37", {}},
      {"2 mm, 10 ohms at 25", 2, 10, 25, "24.6905", "11.3453", "475.65", {}},
      {"10 mils, 50 ohms at 100", 10, 50, 100, "231.4063", "110.7032", "41978.62", {}},
      {"5000 ohms at 25", 20, 5000, 25, "+INF", "+INF", "+INF", {"exp: OVERFLOW error"}},
      {"zero ohms per square", 20, 10, 0, "+INF", "+INF", "+INF", {"exp: OVERFLOW error"}},
      {"zero target", 20, 0, 25, "20.0000", "0.0000", "0.00", {}},
  };
  for (const RingCase& c : cases) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const AnnularResistor r = AnnularResistorModel(c.inside, c.target, c.rs);
    EXPECT_EQ(vcl::Format("%.4f", r.outerDiameter), c.outer);
    EXPECT_EQ(vcl::Format("%.4f", r.ringWidth), c.width);
    EXPECT_EQ(vcl::Format("%.2f", r.ringArea), c.area);
    EXPECT_EQ(errors.shown, c.boxes);
  }
}

TEST(EmbeddedResistorModel, LargeRingStaysFinite) {
  // An exponent of 25.1: a huge ring, but no overflow.
  MathErrors errors;
  const AnnularResistor r = AnnularResistorModel(20, 100, 25);
  EXPECT_EQ(vcl::Format("%.6e", r.outerDiameter), "1.644491e+12");
  EXPECT_EQ(vcl::Format("%.6e", r.ringArea), "2.123991e+24");
  EXPECT_TRUE(errors.shown.empty());
}

}  // namespace
