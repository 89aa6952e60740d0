// Screenshots of the via and padstack panels for a look at how each reads:
// the via panel solved in each of its arrangements, the padstack panel in the
// arrangements its type group makes.
#include <gtest/gtest.h>

#include "settings/options_form.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

class ViaScreens : public testing::ScreensFixture {};

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

TEST_F(ViaScreens, PadstackPanelInEachType) {
  ShootPanel("GroupBox10", "panel_GroupBox10.png");
  const char* pictures[] = {"Image5",  "Image12", "Image45", "Image10",
                            "Image66", "Image67", "Image48"};
  auto picture = [&](int type) {
    for (int i = 0; i < 7; ++i) C(pictures[i]).SetVisible(i == type);
  };
  Show({"Edit39", "Edit40", "Label64", "Label65", "Label69", "Label70", "Label71", "RadioGroup7",
        "Label73", "ComboBox2", "Edit38", "Label66"},
       false);
  for (const char* n : {"Edit36", "Edit37", "Edit38"}) C(n).SetWidth(153);

  // Conductor between thru-hole pads, with its warning.
  picture(2);
  Show({"Edit211", "Edit212", "Edit213", "Edit214", "Label76", "Label174", "Label360", "Label361",
        "Label362", "Memo3"},
       true);
  C("Label61").SetCaption("Distance Between Pads");
  C("Label62").SetCaption("Conductor Width");
  C("Label63").SetCaption("Spacing Constriant");
  C("Label68").SetCaption("Maximum Pad Diameter");
  C("Label67").SetCaption("Calculated Annular Ring");
  ShootPanel("GroupBox10", "panel_GroupBox10_type2.png");

  // Two conductors between BGA lands, with its warning.
  picture(5);
  Show({"Edit211", "Edit212", "Edit213", "Edit214", "Label76", "Label174", "Memo3", "Edit37",
        "Label67"},
       false);
  Show({"Memo5"}, true);
  C("Label61").SetCaption("Distance Between Lands");
  C("Label62").SetCaption("Land Diameter");
  C("Label68").SetCaption("Maximum Conductor Width");
  ShootPanel("GroupBox10", "panel_GroupBox10_type5.png");

  // Corner to corner.
  picture(6);
  Show({"Memo5", "Label360", "Label361", "Label362", "Edit35", "Edit61", "Label63"}, false);
  Show({"Edit37", "Label67", "Edit38", "Label66", "Label271", "Label272", "Label273", "Label274"},
       true);
  C("Label61").SetCaption("Length of side a");
  C("Label62").SetCaption("Length of side b");
  C("Label68").SetCaption("Distance Between Corners");
  C("Label67").SetCaption("Suggested Min Drill");
  C("Label66").SetCaption("Suggested Max Drill");
  ShootPanel("GroupBox10", "panel_GroupBox10_type6.png");

  // BGA land size.
  picture(1);
  Show({"Edit33", "Edit59", "Edit34", "Edit60", "Label62", "Edit38", "Label66", "Label271",
        "Label272", "Label273", "Label274"},
       false);
  Show({"ComboBox4", "Label357", "Label358", "Label359"}, true);
  C("Edit37").SetWidth(190);
  C("Label61").SetCaption("Nominal Ball Diameter");
  C("Label68").SetCaption("Nominal Land Diameter");
  C("Label67").SetCaption("Land Variation");
  static_cast<vcl::TEdit&>(C("Edit36")).SetText("0.55 mm");
  static_cast<vcl::TEdit&>(C("Edit37")).SetText("0.60 mm - 0.50 mm");
  ShootPanel("GroupBox10", "panel_GroupBox10_type1.png");
}

}  // namespace
}  // namespace trellis::desktop
