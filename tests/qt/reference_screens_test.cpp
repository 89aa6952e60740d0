// Screenshots of the conversion and mechanical-information panels and of the
// reference windows, for a look at their arrangement.
#include <gtest/gtest.h>

#include "reference/about_form.h"
#include "reference/design_rules_form.h"
#include "reference/references_form.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

// Started as a user starts it; each panel picked from its menu item, each
// window opened from its menu or button.
class ReferenceScreens : public testing::SolvedScreensFixture {
 protected:
  void ShootWindow(vcl::TForm& form, const QString& file) {
    ASSERT_TRUE(form.Visible()) << form.Name;
    SaveClientArea(form, file);
    vcl::user::CloseForm(form);
  }
};

TEST_F(ReferenceScreens, ConversionPanel) {
  vcl::user::PickMenuItem(*main->ConversionData1);
  EXPECT_TRUE(main->GroupBox7->Visible());
  SaveClientArea("panel_GroupBox7.png");
}

TEST_F(ReferenceScreens, MechanicalPanelInBothUnits) {
  vcl::user::PickMenuItem(*main->Mechanical1);
  SaveClientArea("panel_GroupBox11.png");
  // The units switch puts the chart of its units in front.
  Choose(main->RadioGroup6, 1);
  EXPECT_FALSE(main->GroupBox19->Visible());
  EXPECT_TRUE(main->GroupBox46->Visible());
  SaveClientArea("panel_GroupBox11_metric.png");
  Choose(main->RadioGroup6, 0);
  EXPECT_TRUE(main->GroupBox19->Visible());
  EXPECT_FALSE(main->GroupBox46->Visible());
  SaveClientArea("panel_GroupBox11_imperial.png");
}

TEST_F(ReferenceScreens, Windows) {
  vcl::user::PickMenuItem(*main->About1);
  ShootWindow(*Form2, "window_Form2.png");
  vcl::user::PickMenuItem(*main->References1);
  ShootWindow(*Form5, "window_Form5.png");
  vcl::user::PickMenuItem(*main->ConversionData1);
  vcl::user::Click(*main->Button23);
  ShootWindow(*Form11, "window_Form11.png");
  EXPECT_TRUE(main->Enabled());
}

// The program started as a user starts it, each panel picked from its menu
// item and solved through its own handlers.
class SolvedReferenceScreens : public testing::SolvedScreensFixture {};

TEST_F(SolvedReferenceScreens, MechanicalPanelInBothUnits) {
  vcl::user::PickMenuItem(*main->Mechanical1);
  Choose(main->ComboBox3, 25);
  EXPECT_EQ(main->Edit141->Text(), "0.922 Amps");
  SaveClientArea("solved_GroupBox11_imperial.png");
  Choose(main->RadioGroup6, 1);
  EXPECT_EQ(main->Edit141->Text(), "0.914 Amps");
  SaveClientArea("solved_GroupBox11_metric.png");
}

TEST_F(SolvedReferenceScreens, ConversionPanel) {
  vcl::user::PickMenuItem(*main->ConversionData1);
  Type(main->Edit215, "-3");
  Type(main->Edit216, "-4");
  Solve();
  vcl::user::Click(*main->BitBtn4);
  EXPECT_EQ(main->Edit219->Text(), "-126.8700");
  SaveClientArea("solved_GroupBox7.png");
  vcl::user::Click(*main->CheckBox3);
  vcl::user::Click(*main->CheckBox2);
  SaveClientArea("solved_GroupBox7_swapped.png");
}

}  // namespace
}  // namespace trellis::desktop
