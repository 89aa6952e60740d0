// The bandwidth calculator as the user leaves it after solving, in each input
// method, filled in through the panel's handlers.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class SolvedBandwidthScreens : public testing::SolvedScreensFixture {
 protected:
  void Drag(vcl::TTrackBar* bar, int position) { vcl::user::MoveTrackBar(*bar, position); }
};

// A fast edge on a stripline: 0.5 ns on Er 4.2, 0.3 Sr and a tenth of the wavelength.
TEST_F(SolvedBandwidthScreens, Risetime) {
  Pick(0);
  Choose(main->RadioGroup3, 1);
  Type(main->Edit7, "4.2");
  Type(main->Edit19, "0.5");
  Drag(main->TrackBar2, 2);
  Drag(main->TrackBar3, 2);
  Solve();
  EXPECT_EQ(main->Edit44->Text(), "0.3Sr");
  EXPECT_FALSE(main->Edit22->Text().empty());
  SaveClientArea("solved_GroupBox6_risetime.png");
}

// A 2.4 GHz carrier, metric, a twentieth of the wavelength.
TEST_F(SolvedBandwidthScreens, Frequency) {
  Pick(0);
  Choose(main->RadioGroup6, 1);
  Choose(main->RadioGroup12, 1);
  Choose(main->RadioGroup20, 0);
  Type(main->Edit19, "2.4");
  Drag(main->TrackBar3, 3);
  Solve();
  EXPECT_EQ(main->Edit279->Text(), "GHz");
  EXPECT_FALSE(main->GroupBox41->Visible());
  SaveClientArea("solved_GroupBox6_frequency.png");
}

}  // namespace
}  // namespace trellis::desktop
