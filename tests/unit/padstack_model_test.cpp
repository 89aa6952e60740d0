// The padstack model against the worked figures of its calculator, as the
// result texts round them; the figures come from a short script of the
// formulas, independently of the program.
#include "calc/via/padstack_model.h"

#include <gtest/gtest.h>

#include "tests/support/c_text.h"

using namespace trellis::via;

using trellis::testing::Text;

namespace {

// Lengths in mils, or millimetres when metric.
struct PadCase {
  const char* name;
  bool plated, metric;
  double hole, ring, isolation;
  const char *outer, *internal, *plane, *relief;
};

// clang-format off
const PadCase kPads[] = {
    {"plated, mils",           true,  false, 32,     12,     12,     "56.00",  "56.00",  "80.00",  "56.00"},
    {"plated, millimetres",    true,  true,  0.8128, 0.3048, 0.3048, "1.4224", "1.4224", "2.0320", "1.4224"},
    {"plated, no ring",        true,  false, 10,     0,      5,      "10.00",  "10.00",  "20.00",  "10.00"},
    // One isolation width, not two; metric pads take the fixed margin instead.
    {"non-plated, mils",       false, false, 125,    12,     12,     "125.00", "149.00", "161.00", "149.00"},
    {"non-plated, millimetres", false, true, 3.175,  0.3048, 0.3048, "3.1750", "4.4450", "4.4450", "3.7846"},
};
// clang-format on

TEST(PadstackModel, ThruHolePads) {
  for (const PadCase& c : kPads) {
    SCOPED_TRACE(c.name);
    const ThruHolePads p = c.plated ? PlatedPads(c.hole, c.ring, c.isolation)
                                    : NonPlatedPads(c.hole, c.ring, c.isolation, c.metric);
    const char* format = c.metric ? "%.4f" : "%.2f";
    EXPECT_EQ(Text(format, p.outer), c.outer);
    EXPECT_EQ(Text(format, p.internal), c.internal);
    EXPECT_EQ(Text(format, p.plane), c.plane);
    EXPECT_EQ(Text(format, p.relief), c.relief);
  }
}

// Each row's upper bound is inclusive; metric bounds are millimetres.
TEST(PadstackModel, SpokeWidthRowBounds) {
  struct Case {
    double hole;
    bool metric;
    int row;
  };
  const Case cases[] = {{14, false, 0},    {14.01, false, 1}, {22, false, 1},     {45, false, 2},
                        {65, false, 3},    {124, false, 4},   {124.01, false, 5}, {0.3, true, 0},
                        {0.3556, true, 0}, {0.36, true, 1},   {1.143, true, 2},   {3.1496, true, 4},
                        {3.15, true, 5},   {1000, false, 5}};
  for (const Case& c : cases) EXPECT_EQ(SpokeWidthRow(c.hole, c.metric), c.row) << c.hole;
}

TEST(PadstackModel, PadsBetweenConductors) {
  struct Case {
    int conductors;
    double pitch, width, spacing, hole, ring;
    const char *minPad, *maxPad, *padRing;
    bool impossible;
  };
  const Case cases[] = {
      {1, 100, 12, 12, 32, 7, "46.0000", "64.0000", "16.0000", false},
      {1, 100, 40, 12, 32, 7, "46.0000", "36.0000", "2.0000", true},
      {2, 100, 10, 10, 32, 7, "46.0000", "50.0000", "9.0000", false},
      {2, 2.54, 0.254, 0.254, 0.8128, 0.1778, "1.1684", "1.2700", "0.2286", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pitch * 100 + c.width);
    const PadsAroundConductors p =
        PadsBetweenConductors(c.conductors, c.pitch, c.width, c.spacing, c.hole, c.ring);
    EXPECT_EQ(Text("%.4f", p.minPad), c.minPad);
    EXPECT_EQ(Text("%.4f", p.maxPad), c.maxPad);
    EXPECT_EQ(Text("%.4f", p.ring), c.padRing);
    EXPECT_EQ(p.impossible, c.impossible);
  }
}

TEST(PadstackModel, ConductorBetweenLands) {
  struct Case {
    int conductors;
    double pitch, land, spacing;
    const char* width;
  };
  const Case cases[] = {{1, 40, 13, 6, "15.000"},
                        {2, 40, 13, 6, "4.500"},
                        {1, 40, 13, 20, "-13.000"},
                        {2, 1.0, 0.4, 0.1, "0.150"}};
  for (const Case& c : cases)
    EXPECT_EQ(Text("%.3f", ConductorBetweenLands(c.conductors, c.pitch, c.land, c.spacing)),
              c.width)
        << c.conductors << " " << c.spacing;
}

// Drills round half to even: 142.5 mils to 142, 151.5 to 152.
TEST(PadstackModel, CornerToCornerDrills) {
  struct Case {
    double a, b;
    bool metric;
    const char *corner, *minDrill, *maxDrill;
  };
  const Case cases[] = {{100, 100, false, "141.42", "143.00", "152.00"},
                        {0, 140.5, false, "140.50", "142.00", "152.00"},
                        {2.54, 2.54, true, "3.592", "3.643", "3.872"},
                        {0, 1.0, true, "1.000", "1.051", "1.279"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.corner);
    const CornerDrill d = CornerToCorner(c.a, c.b, c.metric);
    const char* format = c.metric ? "%.3f" : "%.2f";
    EXPECT_EQ(Text(format, d.corner), c.corner);
    EXPECT_EQ(Text(format, d.minDrill), c.minDrill);
    EXPECT_EQ(Text(format, d.maxDrill), c.maxDrill);
  }
}

}  // namespace
