// Screenshots of the circuit calculators' panels, each shown alone in the main window, and of
// every circuit tab of the Ohm's-law panel, for a look at the layouts.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class CircuitScreens : public testing::ScreensFixture {
 protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    main = &program->Main();
  }

  // Shows one panel of Panel1 and hides the other group boxes.
  void ShowOnly(const std::string& panel) {
    for (vcl::TControl* c : main->Panel1->Children())
      if (dynamic_cast<vcl::TGroupBox*>(c)) c->SetVisible(c->Name == panel);
  }

  TForm1* main = nullptr;
};

TEST_F(CircuitScreens, EachPanelAlone) {
  for (const char* panel :
       {"GroupBox34", "GroupBox47", "GroupBox23", "GroupBox20", "GroupBox36", "GroupBox48"}) {
    ShowOnly(panel);
    SaveClientArea(QString("panel_%1.png").arg(panel));
  }
}

TEST_F(CircuitScreens, EachOhmsLawTab) {
  ShowOnly("GroupBox47");
  vcl::TPanel* const panels[] = {main->Panel17, main->Panel15, main->Panel22,
                                 main->Panel20, main->Panel21, main->Panel25,
                                 main->Panel27, main->Panel29, main->Panel31};
  for (int tab = 0; tab < 9; ++tab) {
    main->TabControl3->SetTabIndex(tab);
    for (int i = 0; i < 9; ++i) panels[i]->SetVisible(i == tab);
    SaveClientArea(QString("panel_GroupBox47_tab%1.png").arg(tab));
  }
}

}  // namespace
}  // namespace trellis::desktop
