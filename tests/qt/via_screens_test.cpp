// Screenshots of the via and padstack panels for a look at how each reads:
// the via panel solved in each of its arrangements, the padstack panel solved
// in each type its group offers.
#include <gtest/gtest.h>

#include "settings/options_form.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

// Started on the via calculator; each arrangement is chosen and solved
// through the panel's own handlers.
class SolvedViaScreens : public testing::SolvedScreensFixture {};

TEST_F(SolvedViaScreens, EachLayerSetAndTheDifferentialVia) {
  ASSERT_EQ(main->TabControl1->TabIndex(), Number(Calculator::ViaProperties));
  EXPECT_EQ(main->Edit10->Text(), "1.9785 Amps");
  SaveClientArea("solved_GroupBox1_multilayer.png");

  // An aspect ratio over the limit shows its warning.
  Type(main->Edit6, "120");
  Solve();
  EXPECT_TRUE(main->Label402->Visible());
  SaveClientArea("solved_GroupBox1_multilayer_aspect.png");

  Choose(main->RadioGroup3, 0);
  EXPECT_TRUE(main->Image2->Visible());
  EXPECT_EQ(main->Edit12->Text(), "1.3262 nH");
  SaveClientArea("solved_GroupBox1_2layer.png");

  Choose(main->RadioGroup3, 2);
  EXPECT_TRUE(main->Image20->Visible());
  EXPECT_EQ(main->Label350->Caption(), "1.00:1");
  SaveClientArea("solved_GroupBox1_microvia.png");

  Choose(main->RadioGroup5, 1);
  EXPECT_EQ(main->Edit8->Text(), "107.677 Ohms");
  SaveClientArea("solved_GroupBox1_differential.png");

  vcl::user::Click(*main->CheckBox5);
  EXPECT_TRUE(main->Image64->Visible());
  SaveClientArea("solved_GroupBox1_differential_full_opening.png");
}

TEST_F(SolvedViaScreens, MillimetresAndMicrometres) {
  Choose(main->RadioGroup6, 1);
  EXPECT_EQ(main->Edit8->Text(), "0.0223 Sq.mm");
  SaveClientArea("solved_GroupBox1_millimetres.png");

  Form6->Show();
  vcl::user::Click(*Form6->CheckBox3);
  Form6->Hide();
  EXPECT_EQ(main->Edit8->Text(), "22295.11 Sq.um");
  SaveClientArea("solved_GroupBox1_micrometres.png");

  Choose(main->RadioGroup5, 1);
  EXPECT_EQ(main->Edit49->Text(), "7726.32 um");
  SaveClientArea("solved_GroupBox1_differential_micrometres.png");
}

// The padstack calculator picked, each type chosen in its group and solved
// with the values the panel holds.
TEST_F(SolvedViaScreens, PadstackPanelInEachType) {
  Pick(Number(Calculator::Padstack));
  EXPECT_TRUE(main->GroupBox10->Visible());
  SaveClientArea("panel_GroupBox10.png");
  const char* pictures[] = {"Image5",  "Image12", "Image45", "Image10",
                            "Image66", "Image67", "Image48"};
  for (int type = 0; type < 7; ++type) {
    SCOPED_TRACE(type);
    Choose(main->RadioGroup14, type);
    Solve();
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(main->Find<vcl::TControl>(pictures[i])->Visible(), i == type) << pictures[i];
    SaveClientArea(QString("panel_GroupBox10_type%1.png").arg(type));
  }
}

}  // namespace
}  // namespace trellis::desktop
