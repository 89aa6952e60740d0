// Screenshots of the Er-effective and wavelength panels as a user leaves them
// after solving, filled in through their own handlers, and of the wavelength
// panel as the Er-effective calculator hands it over. The figures checked
// were worked out from the formulas, independently of the program.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class SolvedSignalScreens : public testing::SolvedScreensFixture {
 protected:
  void ErEffective(const char* width, const char* height, const char* mhz) {
    Pick(6);
    Type(main->Edit25, width);
    Type(main->Edit46, height);
    Type(main->Edit224, mhz);
    Solve();
  }
};

TEST_F(SolvedSignalScreens, ErEffectiveImperial) {
  ErEffective("12", "6", "2400");
  EXPECT_EQ(main->Edit221->Text(), "3.2832");
  SaveClientArea("solved_GroupBox43_imperial.png");
}

TEST_F(SolvedSignalScreens, ErEffectiveMetric) {
  Pick(6);
  Choose(main->RadioGroup6, 1);
  ErEffective("0.3", "0.15", "2400");
  EXPECT_EQ(main->Edit222->Text(), "mm");
  EXPECT_EQ(main->Edit221->Text(), "3.2820");
  SaveClientArea("solved_GroupBox43_metric.png");
}

TEST_F(SolvedSignalScreens, WavelengthFrequencyQuarterWave) {
  Pick(17);
  Choose(main->RadioGroup22, 1);
  Choose(main->RadioGroup21, 0);
  Type(main->Edit103, "2.4");
  Type(main->Edit150, "3.28");
  vcl::user::MoveTrackBar(*main->TrackBar4, 4);
  EXPECT_EQ(main->Edit280->Text(), "GHz");
  EXPECT_EQ(main->Label222->Caption(), "1/4 Wave Length");
  EXPECT_EQ(main->Edit104->Text(), "0.67886 Inches");
  SaveClientArea("solved_GroupBox22_frequency.png");
}

TEST_F(SolvedSignalScreens, WavelengthPeriodMetric) {
  Pick(17);
  Choose(main->RadioGroup6, 1);
  Type(main->Edit103, "0.8");
  Type(main->Edit150, "3.2");
  vcl::user::MoveTrackBar(*main->TrackBar4, 6);
  Solve();
  EXPECT_EQ(main->Label222->Caption(), "1/15 Wave Length");
  EXPECT_EQ(main->Edit104->Text(), "0.89372 cm");
  SaveClientArea("solved_GroupBox22_period.png");
}

TEST_F(SolvedSignalScreens, WavelengthHandedOver) {
  ErEffective("17", "10", "500");
  vcl::user::Click(*main->Button5);
  EXPECT_TRUE(main->GroupBox22->Visible());
  EXPECT_EQ(main->Edit103->Text(), "500");
  EXPECT_EQ(main->Edit150->Text(), "3.2776");
  EXPECT_EQ(main->Edit104->Text(), "13.03884 Inches");
  SaveClientArea("solved_GroupBox22_handed_over.png");
}

}  // namespace
}  // namespace trellis::desktop
