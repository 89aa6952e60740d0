// Screenshots of the conductor, fusing, spacing and thermal panels, for a look
// at their arrangement: as start-up leaves them, with every row the conductor
// panel's groups can show, and as the user leaves them after solving.
#include <gtest/gtest.h>

#include <utility>

#include "app/calculators.h"
#include "settings/options_form.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

// Started as a user starts it; each panel picked, and arranged through its own
// groups before anything is typed.
class ConductorScreens : public testing::SolvedScreensFixture {};

TEST_F(ConductorScreens, ConductorPropertiesPanel) {
  Pick(Number(Calculator::ConductorProperties));
  SaveClientArea("panel_GroupBox5.png");
  // Every row the panel's groups can show: parallel conductors over a plane,
  // then the width solve with the amperage where the width was.
  Choose(main->RadioGroup15, 1);
  Choose(main->RadioGroup2, 1);
  for (vcl::TControl* c :
       {static_cast<vcl::TControl*>(main->Label236), static_cast<vcl::TControl*>(main->Edit128),
        static_cast<vcl::TControl*>(main->Label37), static_cast<vcl::TControl*>(main->Edit132),
        static_cast<vcl::TControl*>(main->Edit133)})
    EXPECT_TRUE(c->Visible()) << c->Name;
  SaveClientArea("panel_GroupBox5_all_rows.png");

  Form6->Show();
  Choose(Form6->RadioGroup1, 1);
  vcl::user::CloseForm(*Form6);
  Choose(main->RadioGroup8, 1);
  EXPECT_TRUE(main->Label339->Visible());
  EXPECT_TRUE(main->Label340->Visible());
  EXPECT_EQ(main->Edit57->Text(), "Amps");
  SaveClientArea("panel_GroupBox5_width_mode.png");
}

TEST_F(ConductorScreens, FusingSpacingAndThermalPanels) {
  for (const auto& [calculator, file] :
       {std::pair{Calculator::FusingCurrent, "panel_GroupBox33.png"},
        std::pair{Calculator::ConductorSpacing, "panel_GroupBox13.png"},
        std::pair{Calculator::Thermal, "panel_GroupBox27.png"}}) {
    Pick(Number(calculator));
    SaveClientArea(file);
  }
}

// The program started as a user starts it, each panel picked, filled in and
// solved through its own handlers.
class SolvedConductorScreens : public testing::SolvedScreensFixture {
 protected:
  void Shoot(const QString& file) { SaveClientArea(file); }
  // The status-bar clock reads the substrate's Tg, which the next solve shows.
  void Tick() { main->Timer1Timer(main->Timer1); }
};

// The start-up's own pauses let the status bar's clock read Tg before the
// first solve, so the panel shows the substrate's Tg and no warning.
TEST_F(SolvedConductorScreens, StartUpReadsTgBeforeTheFirstSolve) {
  Pick(Number(Calculator::ConductorProperties));
  EXPECT_EQ(main->Label110->Caption(), "266.0F");
  EXPECT_NE(main->StatusBar1->Panel(1).Text, "WARNING! Material temperature exceeded!");
  EXPECT_EQ(main->Edit17->Font().Color, vcl::clNavy);
}

TEST_F(SolvedConductorScreens, ConductorPropertiesInEachArrangement) {
  Tick();
  Pick(2);
  Type(main->Edit15, "25");
  Type(main->Edit18, "2500");
  Type(main->Edit69, "2");
  Solve();
  EXPECT_EQ(main->Edit17->Text(), "2.4596 Amps");
  Shoot("solved_GroupBox5_amperage.png");

  // Sixteen conductors over a 2 oz plane.
  Choose(main->RadioGroup15, 1);
  Choose(main->RadioGroup2, 1);
  Choose(main->RadioGroup5, 1);
  Type(main->Edit132, "8");
  Solve();
  EXPECT_TRUE(main->Image3->Visible());
  Shoot("solved_GroupBox5_parallel_plane.png");

  // The width for a current, without modifiers; the skin depth left out.
  Form6->Show();
  Choose(Form6->RadioGroup1, 1);
  Form6->Hide();
  Choose(main->RadioGroup8, 1);
  vcl::user::Click(*main->CheckBox1);
  Type(main->Edit15, "3");
  Solve();
  EXPECT_EQ(main->Edit57->Text(), "Amps");
  EXPECT_EQ(main->Label320->Caption(), "N/A");
  Shoot("solved_GroupBox5_width.png");
}

// Micrometres, and a load that heats the conductor beyond the substrate's Tg.
TEST_F(SolvedConductorScreens, ConductorPropertiesInMicrometresAboveTg) {
  Form6->Show();
  vcl::user::Click(*Form6->CheckBox3);
  Form6->Hide();
  Choose(main->RadioGroup6, 1);
  Tick();
  Pick(2);
  Type(main->Edit15, "400");
  Type(main->Edit69, "6");
  Solve();
  Tick();
  EXPECT_EQ(main->Edit57->Text(), "um");
  EXPECT_EQ(main->Edit17->Font().Color, vcl::clRed);
  Shoot("solved_GroupBox5_microns_warning.png");
}

TEST_F(SolvedConductorScreens, FusingSpacingAndThermalPanels) {
  Pick(7);
  Type(main->Edit140, "12");
  Type(main->Edit153, "2");
  Solve();
  EXPECT_FALSE(main->Edit160->Text().empty());
  Shoot("solved_GroupBox33.png");

  Pick(9);
  Choose(main->RadioGroup9, 9);
  Choose(main->RadioGroup10, 4);
  Type(main->Edit79, "750");
  Solve();
  Shoot("solved_GroupBox13.png");

  Pick(15);
  Type(main->Edit116, "2.5");
  Type(main->Edit117, "12");
  Type(main->Edit121, "40");
  Type(main->Edit124, "3");
  Solve();
  EXPECT_FALSE(main->Edit119->Text().empty());
  Shoot("solved_GroupBox27.png");
}

}  // namespace
}  // namespace trellis::desktop
