// Screenshots of the embedded-resistor, planar-inductor and PDN panels as the
// user leaves them after solving: the program started as a user starts it,
// the calculator picked, filled in and solved through the panels' handlers.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class CircuitBoardScreens : public testing::SolvedScreensFixture {};

TEST_F(CircuitBoardScreens, EmbeddedRectangle) {
  Pick(5);
  Type(main->Edit154, "100");
  Type(main->Edit157, "150");
  Type(main->Edit158, "30");
  Solve();
  EXPECT_EQ(main->Edit163->Text(), "500.000 Ohms");
  SaveClientArea("solved_GroupBox34_rectangle.png");
}

TEST_F(CircuitBoardScreens, EmbeddedAnnularMetric) {
  Pick(5);
  Choose(main->RadioGroup6, 1);
  Choose(main->RadioGroup11, 2);
  Type(main->Edit158, "5");
  Solve();
  EXPECT_EQ(main->Edit163->Text(), "7.0272 mm");
  SaveClientArea("solved_GroupBox34_annular_mm.png");
}

TEST_F(CircuitBoardScreens, PlanarInductorOctagonal) {
  Pick(13);
  Choose(main->RadioGroup3, 2);
  Type(main->Edit88, "4");
  Type(main->Edit89, "8");
  Type(main->Edit91, "6");
  Type(main->Edit92, "300");
  Solve();
  EXPECT_FALSE(main->Edit90->Text().empty());
  SaveClientArea("solved_GroupBox20_octagonal.png");
}

TEST_F(CircuitBoardScreens, PdnAt100Mhz) {
  Pick(12);
  Type(main->Edit105, "3.3");
  Type(main->Edit108, "10");
  Type(main->Edit228, "12");
  Type(main->Edit229, "4");
  Type(main->Edit234, "100");
  Solve();
  EXPECT_EQ(main->Edit235->Text(), "0.5126 Ohms");
  SaveClientArea("solved_GroupBox23_100mhz.png");
}

TEST_F(CircuitBoardScreens, PdnDc) {
  Pick(12);
  vcl::user::Click(*main->CheckBox4);
  Solve();
  SaveClientArea("solved_GroupBox23_dc.png");
}

}  // namespace
}  // namespace trellis::desktop
