// Screenshots of the differential-pair panel solved as a user leaves it, for
// a look at how its results, target window and verdict read.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

class SolvedDiffPairScreens : public testing::SolvedScreensFixture {
 protected:
  void SetUp() override {
    SolvedScreensFixture::SetUp();
    vcl::user::PickMenuItem(*main->DifferentialPairs1);
  }
};

// The worked outer-layer pair, inside its window; then a target it misses,
// with a ratio out of the formulas' range.
TEST_F(SolvedDiffPairScreens, EdgeCoupledExternal) {
  ASSERT_TRUE(main->GroupBox8->Visible());
  EXPECT_EQ(main->Edit28->Text(), "77.504 Ohms");
  EXPECT_EQ(main->Edit29->Text(), "100.979 Ohms");
  EXPECT_EQ(main->Edit30->Text(), "112.500 Ohms");
  EXPECT_EQ(main->Label46->Caption(), "12.5%");
  EXPECT_EQ(main->Shape1->BrushColor, vcl::clLime);
  SaveClientArea("solved_GroupBox8_edge_cpld_ext.png");

  vcl::user::ChooseItem(*main->ComboBox5, 10);
  vcl::user::MoveTrackBar(*main->TrackBar1, 0);
  Type(main->Edit26, "0.5");
  Solve();
  EXPECT_EQ(main->Edit151->Text(), "95");
  EXPECT_EQ(main->Label46->Caption(), "2.5%");
  EXPECT_EQ(main->Label398->Caption(), "0.033 Warning!");
  EXPECT_EQ(main->Shape1->BrushColor, vcl::clRed);
  SaveClientArea("solved_GroupBox8_edge_cpld_ext_outside.png");
}

}  // namespace
}  // namespace trellis::desktop
