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

}  // namespace
}  // namespace trellis::desktop
