// Screenshots of the bandwidth, conductor-impedance, Er-effective and
// wavelength panels alone in the main window, in their design state and in
// the other arrangements their handlers make, for a look; and the conductor
// impedance in each structure as the user leaves it after solving.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class ImpedanceScreens : public testing::ScreensFixture {
 protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    main = &program->Main();
  }

  // Shows the one panel inside Panel1 and saves the main window's client area.
  void Shoot(const std::string& panel, const std::string& file) {
    ShowPanel(panel);
    SaveClientArea(QString::fromStdString(file));
  }

  TForm1* main = nullptr;
};

TEST_F(ImpedanceScreens, BandwidthPanelInBothMethods) {
  Shoot("GroupBox6", "panel_GroupBox6.png");
  Show({"RadioGroup20"}, true);
  Show({"GroupBox41"}, false);
  main->Label30->SetCaption("Frequency");
  main->Edit19->SetText("100");
  main->Edit279->SetText("MHz");
  main->Edit279->SetLeft(132);
  main->Edit279->SetWidth(42);
  Shoot("GroupBox6", "panel_GroupBox6_frequency.png");
}

// Each structure as the structure selector arranges the panel.
TEST_F(ImpedanceScreens, ConductorImpedancePanelInEveryStructure) {
  Shoot("GroupBox15", "panel_GroupBox15.png");
  const char* pictures[] = {"Image8", "Image16", "Image22", "Image9", "Image47", "Image19"};
  const char* heights[] = {"Conductor Height (H)", "Conductor Height (H1)",
                           "Conductor Height (H)", "Conductor Height (H1)",
                           "Conductor Height (H)", "Conductor Height (H)"};
  const char* seconds[] = {"",
                           "Conductor Height (H2)",
                           "Conductor Height (H2)",
                           "Conductor Height (H2)",
                           "Conductor Spacing (C)",
                           "Conductor Gap (G)"};
  const int rowTops[6][3] = {{-1, -1, -1}, {196, 224, 252}, {146, 174, 202},
                             {-1, -1, -1}, {-1, -1, -1},    {204, -1, -1}};
  for (int s = 1; s < 6; ++s) {
    for (int i = 0; i < 6; ++i) C(pictures[i]).SetVisible(i == s);
    main->Label101->SetCaption(heights[s]);
    main->Label104->SetCaption(seconds[s]);
    const bool second = s != 2;
    Show({"Label104", "Edit74", "Edit75"}, second);
    Show({"Label288", "Edit226"}, false);
    Show({"Edit73", "Edit76", "Edit77", "Label54", "Label114", "Label115"}, s != 5);
    const char* rows[3][2] = {
        {"Label107", "Label108"}, {"Label111", "Label112"}, {"Label260", "Label261"}};
    for (int r = 0; r < 3; ++r)
      for (const char* n : rows[r]) {
        C(n).SetVisible(rowTops[s][r] >= 0);
        if (rowTops[s][r] >= 0) C(n).SetTop(rowTops[s][r]);
      }
    // Sample values as the solves write them, the longest forms.
    main->Label108->SetCaption(s == 5 ? "1.700" : "17.0 Warning!");
    main->Label112->SetCaption("10.0 Warning!");
    main->Label261->SetCaption("27.8862 Warning!");
    main->Label85->SetCaption(s == 5 ? "0.1 < W/H < 2.0" : "0.127mm < (W) < 0.381mm");
    main->Label86->SetCaption(s == 5 ? "T = 2.10mils" : "0.127mm < (H1) < 0.381mm");
    main->Label246->SetCaption("40< Ohms < 90");
    main->Edit70->SetText("49.7123 Ohms");
    main->Edit77->SetText("182.4937 ps/in");
    main->Edit76->SetText("3.0912 pF/in");
    main->Edit73->SetText("10.2134 nH/in");
    Show({"Label57", "Label85", "Label86"}, s == 1 || s == 2 || s == 5);
    Show({"Label246"}, s == 1 || s == 2);
    Show({"RadioGroup24", "Label116", "Label188", "Label191"}, s == 3);
    Show({"BitBtn3"}, s == 5);
    Shoot("GroupBox15", "panel_GroupBox15_s" + std::to_string(s) + ".png");
  }
}

TEST_F(ImpedanceScreens, ErEffectivePanel) {
  main->Edit221->SetText("3.2812");
  Shoot("GroupBox43", "panel_GroupBox43.png");
}

TEST_F(ImpedanceScreens, WavelengthPanelInBothMethods) {
  main->Edit104->SetText("59.01534 Inches");
  Shoot("GroupBox22", "panel_GroupBox22.png");
  main->Label220->SetCaption("Frequency");
  main->RadioGroup21->Items().Assign({"GHz", "MHz", "KHz", "Hz"});
  main->Edit280->SetText("MHz");
  main->Edit280->SetLeft(122);
  main->Edit280->SetWidth(42);
  main->Label222->SetCaption("1/20 Wave Length");
  Shoot("GroupBox22", "panel_GroupBox22_frequency.png");
}

// The program started as a user starts it, the conductor impedance picked,
// each structure chosen, filled in and solved through the panel's handlers.
class SolvedImpedanceScreens : public testing::SolvedScreensFixture {
 protected:
  void SolveStructure(int structure, const char* width, const char* height, const char* second) {
    Pick(1);
    Choose(main->RadioGroup3, structure);
    // The structures other than the microstrip and the coplanar waveguide
    // take 1 oz of base copper.
    if (structure != 0 && structure != 5) Choose(main->RadioGroup4, 2);
    Type(main->Edit67, width);
    Type(main->Edit68, height);
    if (second) Type(main->Edit74, second);
    Solve();
    EXPECT_FALSE(main->Edit70->Text().empty());
    SaveClientArea(QString("solved_GroupBox15_s%1.png").arg(structure));
  }
};

TEST_F(SolvedImpedanceScreens, Microstrip) { SolveStructure(0, "17", "10", nullptr); }
TEST_F(SolvedImpedanceScreens, MicrostripEmbed) { SolveStructure(1, "10", "12", "8"); }
TEST_F(SolvedImpedanceScreens, Stripline) { SolveStructure(2, "8", "10", nullptr); }
TEST_F(SolvedImpedanceScreens, StriplineAsym) { SolveStructure(3, "8", "10", "20"); }
TEST_F(SolvedImpedanceScreens, DualStripline) { SolveStructure(4, "8", "10", "20"); }
TEST_F(SolvedImpedanceScreens, CoplanarWave) { SolveStructure(5, "17", "10", "8"); }

}  // namespace
}  // namespace trellis::desktop
