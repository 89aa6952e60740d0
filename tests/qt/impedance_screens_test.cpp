// Screenshots of the bandwidth, conductor-impedance, Er-effective and
// wavelength panels as start-up leaves them and in the other arrangements
// their handlers make, for a look; and the conductor impedance in each
// structure as the user leaves it after solving.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

// The program as start-up leaves it, each panel picked and arranged through its
// own handlers, before anything is typed.
class ImpedanceScreens : public testing::SolvedScreensFixture {};

TEST_F(ImpedanceScreens, BandwidthPanelInBothMethods) {
  Pick(0);
  EXPECT_TRUE(main->GroupBox6->Visible());
  SaveClientArea("panel_GroupBox6.png");
  Choose(main->RadioGroup12, 1);
  EXPECT_TRUE(main->RadioGroup20->Visible());
  EXPECT_FALSE(main->GroupBox41->Visible());
  SaveClientArea("panel_GroupBox6_frequency.png");
}

// Each structure as the structure selector arranges the panel.
TEST_F(ImpedanceScreens, ConductorImpedancePanelInEveryStructure) {
  Pick(1);
  EXPECT_TRUE(main->GroupBox15->Visible());
  SaveClientArea("panel_GroupBox15.png");
  const char* pictures[] = {"Image8", "Image16", "Image22", "Image9", "Image47", "Image19"};
  for (int s = 1; s < 6; ++s) {
    SCOPED_TRACE(s);
    Choose(main->RadioGroup3, s);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(C(pictures[i]).Visible(), i == s) << pictures[i];
    SaveClientArea(QString("panel_GroupBox15_s%1.png").arg(s));
  }
}

TEST_F(ImpedanceScreens, ErEffectivePanel) {
  Pick(6);
  EXPECT_TRUE(main->GroupBox43->Visible());
  SaveClientArea("panel_GroupBox43.png");
}

TEST_F(ImpedanceScreens, WavelengthPanelInBothMethods) {
  Pick(17);
  EXPECT_TRUE(main->GroupBox22->Visible());
  SaveClientArea("panel_GroupBox22.png");
  Choose(main->RadioGroup22, 1);
  EXPECT_EQ(main->Label220->Caption(), "Frequency");
  SaveClientArea("panel_GroupBox22_frequency.png");
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
