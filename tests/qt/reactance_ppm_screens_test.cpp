// Screenshots of the reactance and the PPM panels as the user leaves them
// after solving realistic inputs through the panels' handlers, for a look.
#include <gtest/gtest.h>

#include "app/calculators.h"
#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class SolvedReactancePpmScreens : public testing::SolvedScreensFixture {};

// 2.5 MHz with 100 pF and 4.7 uH.
TEST_F(SolvedReactancePpmScreens, Reactance) {
  Pick(static_cast<int>(Calculator::Reactance));
  Type(main->Edit270, "2.5");
  Type(main->Edit271, "100");
  Choose(main->RadioGroup17, 2);
  Type(main->Edit272, "4.7");
  Choose(main->RadioGroup18, 1);
  Solve();
  EXPECT_EQ(main->Edit275->Text(), "7341276.2966 Hz");
  SaveClientArea("solved_GroupBox48.png");

  // The shortest unit text in its own place.
  Choose(main->RadioGroup19, 3);
  EXPECT_EQ(main->Edit278->Text(), "Hz");
  SaveClientArea("solved_GroupBox48_hz.png");
}

// A 32.768 kHz watch crystal of 20 ppm, a 25 MHz one 250 Hz high, and a
// 12.5 pF crystal with 22 and 18 pF capacitors.
TEST_F(SolvedReactancePpmScreens, PpmCalculator) {
  Pick(static_cast<int>(Calculator::PpmCalculator));
  Type(main->Edit170, "32768");
  Type(main->Edit171, "20");
  Type(main->Edit181, "25000000");
  Type(main->Edit182, "25000250");
  Type(main->Edit106, "12.5");
  Type(main->Edit115, "4.5");
  Type(main->Edit339, "22");
  Type(main->Edit338, "18");
  Solve();
  EXPECT_EQ(main->Edit341->Text(), "14.40 pF");
  SaveClientArea("solved_GroupBox36.png");
}

}  // namespace
}  // namespace trellis::desktop
