// Screenshots of the conversion and mechanical-information panels, each shown
// alone, and of the reference windows, for a look at their arrangement.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class ReferenceScreens : public testing::ScreensFixture {};

TEST_F(ReferenceScreens, ConversionPanel) { ShootPanel("GroupBox7", "panel_GroupBox7.png"); }

TEST_F(ReferenceScreens, MechanicalPanelInBothUnits) {
  TForm1& main = program->Main();
  ShootPanel("GroupBox11", "panel_GroupBox11.png");
  // As the units switch leaves the thread charts.
  main.GroupBox46->SetVisible(false);
  ShootPanel("GroupBox11", "panel_GroupBox11_imperial.png");
  main.GroupBox46->SetVisible(true);
  main.GroupBox19->SetVisible(false);
  ShootPanel("GroupBox11", "panel_GroupBox11_metric.png");
}

TEST_F(ReferenceScreens, Windows) {
  for (vcl::TForm* form : program->Windows()) {
    if (form->Name != "Form2" && form->Name != "Form5" && form->Name != "Form9" &&
        form->Name != "Form11")
      continue;
    renderer->Window(*form)->show();
    QApplication::processEvents();
    const QImage shot = renderer->ClientArea(*form)->grab().toImage();
    EXPECT_TRUE(
        shot.save(testing::ShotPath(QString::fromStdString("window_" + form->Name + ".png"))));
  }
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
