// The planar-inductor model against figures worked out from the modified
// Wheeler formula, independently of the program, as the result texts round them.
#include "calc/circuit/planar_inductor_model.h"

#include <gtest/gtest.h>

#include "vcl/sysutils.h"

using namespace trellis::circuit;

namespace {

struct Case {
  const char* name;
  InductorGeometry geometry;
  double turns, width, spacing, outer;  // micrometres
  const char *innerMils, *fill, *nh;
};

// clang-format off
const Case kCases[] = {
    // 5 turns, 10 mils, 10 mils, 350 mils.
    {"square", InductorGeometry::Square, 5, 254, 254, 8890, "170.000", "0.3462", "248.5936"},
    {"hexagonal", InductorGeometry::Hexagonal, 5, 254, 254, 8890, "170.000", "0.3462", "208.0525"},
    {"octagonal", InductorGeometry::Octagonal, 5, 254, 254, 8890, "170.000", "0.3462", "209.3337"},
    {"circular", InductorGeometry::Circular, 5, 254, 254, 8890, "170.000", "0.3462", "210.8410"},
    // Turns that do not fit are computed all the same.
    {"10 turns square", InductorGeometry::Square, 10, 254, 254, 8890, "-30.000", "1.1875", "280.0119"},
    {"10 turns hexagonal", InductorGeometry::Hexagonal, 10, 254, 254, 8890, "-30.000", "1.1875", "214.8244"},
    {"10 turns octagonal", InductorGeometry::Octagonal, 10, 254, 254, 8890, "-30.000", "1.1875", "220.2011"},
    {"10 turns circular", InductorGeometry::Circular, 10, 254, 254, 8890, "-30.000", "1.1875", "221.3876"},
    {"10.5 mils width", InductorGeometry::Square, 5, 10.5 * 25.4, 254, 8890, "165.000", "0.3592", "241.7518"},
    {"2.5 turns", InductorGeometry::Square, 2.5, 254, 254, 8890, "270.000", "0.1290", "106.7563"},
};
// clang-format on

TEST(PlanarInductorModel, WorkedFigures) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const PlanarInductor r = PlanarInductorModel(c.geometry, c.turns, c.width, c.spacing, c.outer);
    EXPECT_EQ(vcl::Format("%.3f", r.innerDiameter / 25.4), c.innerMils);
    EXPECT_EQ(vcl::Format("%.4f", r.fillFactor), c.fill);
    EXPECT_EQ(vcl::Format("%.4f", r.nanohenries), c.nh);
  }
}

TEST(PlanarInductorModel, MicrometreInputs) {
  // 3 turns of 200 um at 150 um in a 5000 um square.
  const PlanarInductor r = PlanarInductorModel(InductorGeometry::Square, 3, 200, 150, 5000);
  EXPECT_EQ(vcl::Format("%.3f", r.innerDiameter), "3200.000");
  EXPECT_EQ(vcl::Format("%.4f", r.fillFactor), "0.2195");
  EXPECT_EQ(vcl::Format("%.4f", r.nanohenries), "67.6270");
}

}  // namespace
