// Screenshots of the Ohm's-law panel on its pad and network tabs, the program
// started as a user starts it and each tab filled in and solved through the
// panel's handlers.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

class OhmsTabsScreens : public testing::SolvedScreensFixture {
 protected:
  void PickOhmsTab(int tab) {
    Pick(10);
    ASSERT_EQ(main->CalculatorIndex, Calculator::OhmsLaw);
    vcl::user::PickTab(*main->TabControl3, tab);
  }
  void Shoot(const char* name) { SaveClientArea(QString("solved_GroupBox47_%1.png").arg(name)); }
};

TEST_F(OhmsTabsScreens, PiPadWithTheLargerImpedanceAtTheLoad) {
  PickOhmsTab(3);
  Type(main->Edit288, "10");
  Type(main->Edit281, "50");
  Type(main->Edit282, "75");
  Solve();
  EXPECT_EQ(main->Edit284->Text(), "77.11 Ohms");
  EXPECT_EQ(main->Edit284->Top(), 40);
  Shoot("pi_pad");
}

TEST_F(OhmsTabsScreens, TPad) {
  PickOhmsTab(4);
  Type(main->Edit290, "10");
  Type(main->Edit292, "75");
  Type(main->Edit294, "50");
  Solve();
  EXPECT_EQ(main->Edit295->Text(), "48.63 Ohms");
  Shoot("t_pad");
}

TEST_F(OhmsTabsScreens, CapacitorsInSeries) {
  PickOhmsTab(5);
  Choose(main->RadioGroup25, 1);
  Choose(main->RadioGroup26, 1);
  Type(main->Edit346, "100");
  Type(main->Edit347, "220");
  Type(main->Edit348, "470");
  Solve();
  EXPECT_EQ(main->Edit354->Text(), "59.9768 nF");
  Shoot("c_series");
}

TEST_F(OhmsTabsScreens, CapacitorsInParallel) {
  PickOhmsTab(6);
  Choose(main->RadioGroup27, 2);
  Choose(main->RadioGroup28, 2);
  Type(main->Edit356, "1");
  Type(main->Edit357, "2");
  Type(main->Edit358, "3");
  Type(main->Edit359, "4");
  Solve();
  EXPECT_EQ(main->Edit364->Text(), "10.0000 pF");
  Shoot("c_parallel");
}

TEST_F(OhmsTabsScreens, InductorsInSeries) {
  PickOhmsTab(7);
  Choose(main->RadioGroup30, 1);
  Type(main->Edit366, "10");
  Type(main->Edit367, "4.7");
  Solve();
  EXPECT_EQ(main->Edit374->Text(), "14.7000 uH");
  Shoot("l_series");
}

TEST_F(OhmsTabsScreens, InductorsInParallel) {
  PickOhmsTab(8);
  Choose(main->RadioGroup31, 2);
  Choose(main->RadioGroup32, 2);
  Solve();
  EXPECT_EQ(main->Edit384->Text(), "82.5000 nH");
  Shoot("l_parallel");
}

}  // namespace
}  // namespace trellis::desktop
