// Screenshots of the circuit calculators' panels as start-up leaves them, and of
// every circuit tab of the Ohm's-law panel, for a look at the layouts.
#include <gtest/gtest.h>

#include <utility>

#include "app/calculators.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

// Started as a user starts it; each calculator picked from its tab.
class CircuitScreens : public testing::SolvedScreensFixture {};

TEST_F(CircuitScreens, EachPanelAlone) {
  const std::pair<Calculator, const char*> panels[] = {
      {Calculator::EmbeddedResistors, "GroupBox34"},
      {Calculator::OhmsLaw, "GroupBox47"},
      {Calculator::Pdn, "GroupBox23"},
      {Calculator::PlanarInductors, "GroupBox20"},
      {Calculator::PpmCalculator, "GroupBox36"},
      {Calculator::Reactance, "GroupBox48"}};
  for (const auto& [calculator, panel] : panels) {
    SCOPED_TRACE(panel);
    Pick(Number(calculator));
    EXPECT_TRUE(main->Find<vcl::TControl>(panel)->Visible());
    SaveClientArea(QString("panel_%1.png").arg(panel));
  }
}

TEST_F(CircuitScreens, EachOhmsLawTab) {
  Pick(Number(Calculator::OhmsLaw));
  vcl::TPanel* const panels[] = {main->Panel17, main->Panel15, main->Panel22,
                                 main->Panel20, main->Panel21, main->Panel25,
                                 main->Panel27, main->Panel29, main->Panel31};
  for (int tab = 0; tab < 9; ++tab) {
    SCOPED_TRACE(tab);
    vcl::user::PickTab(*main->TabControl3, tab);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(panels[i]->Visible(), i == tab) << panels[i]->Name;
    SaveClientArea(QString("panel_GroupBox47_tab%1.png").arg(tab));
  }
}

}  // namespace
}  // namespace trellis::desktop
