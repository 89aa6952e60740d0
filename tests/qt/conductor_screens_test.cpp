// Screenshots of the conductor, fusing, spacing and thermal panels, each shown
// alone, for a look at their arrangement.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class ConductorScreens : public testing::ScreensFixture {};

TEST_F(ConductorScreens, ConductorPropertiesPanel) {
  TForm1& main = program->Main();
  ShootPanel("GroupBox5", "panel_GroupBox5.png");
  // Every row the panel's groups can show, and the unit box where the width
  // solve puts it.
  for (vcl::TControl* c :
       {static_cast<vcl::TControl*>(main.Label236), static_cast<vcl::TControl*>(main.Edit128),
        static_cast<vcl::TControl*>(main.Label37), static_cast<vcl::TControl*>(main.Edit132),
        static_cast<vcl::TControl*>(main.Edit133), static_cast<vcl::TControl*>(main.Label339),
        static_cast<vcl::TControl*>(main.Label340)})
    c->SetVisible(true);
  main.Edit57->SetBounds(493, main.Edit57->Top(), 50, main.Edit57->Height());
  main.Edit57->SetText("Amps");
  ShootPanel("GroupBox5", "panel_GroupBox5_all_rows.png");
}

TEST_F(ConductorScreens, FusingSpacingAndThermalPanels) {
  ShootPanel("GroupBox33", "panel_GroupBox33.png");
  ShootPanel("GroupBox13", "panel_GroupBox13.png");
  ShootPanel("GroupBox27", "panel_GroupBox27.png");
}

}  // namespace
}  // namespace trellis::desktop
