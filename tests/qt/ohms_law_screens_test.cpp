// Screenshots of the Ohm's-law panel on each of its resistor tabs as the user
// leaves it after solving: the E-I-R box above, the tab's results below and
// the totals in the Information box.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class SolvedOhmsLawScreens : public testing::SolvedScreensFixture {
 protected:
  // The calculator's tab, then one of its circuit tabs.
  void Open(int tab) {
    Pick(10);
    vcl::user::PickTab(*main->TabControl3, tab);
  }
  void Shoot(const char* file) { SaveClientArea(QString(file)); }
};

TEST_F(SolvedOhmsLawScreens, LedBiasForTheResistor) {
  Open(0);
  Choose(main->RadioGroup13, 1);
  Type(main->Edit245, "5");
  Type(main->Edit246, "220");
  Type(main->Edit236, "5");
  Type(main->Edit238, "2.1");
  Type(main->Edit239, "20");
  Solve();
  EXPECT_EQ(main->Edit237->Text(), "145.0");
  Shoot("solved_GroupBox47_led_resistor.png");
}

TEST_F(SolvedOhmsLawScreens, LedBiasForTheCurrent) {
  Open(0);
  vcl::user::Click(*main->CheckBox6);
  Type(main->Edit236, "5");
  Type(main->Edit238, "2.1");
  Type(main->Edit239, "220");
  Solve();
  EXPECT_EQ(main->Edit237->Text(), "13.2");
  Shoot("solved_GroupBox47_led_current.png");
}

TEST_F(SolvedOhmsLawScreens, FourResistorsInSeries) {
  Open(1);
  Choose(main->RadioGroup16, 2);
  Type(main->Edit252, "24");
  const char* ohms[] = {"1000", "2200", "3300", "4700"};
  vcl::TEdit* inputs[] = {main->Edit253, main->Edit254, main->Edit255, main->Edit256};
  for (int k = 0; k < 4; ++k) Type(inputs[k], ohms[k]);
  Solve();
  EXPECT_EQ(main->Label56->Caption(), "11200.000 Ohm's");
  Shoot("solved_GroupBox47_series.png");
}

TEST_F(SolvedOhmsLawScreens, ThreeResistorsInParallel) {
  Open(2);
  Choose(main->RadioGroup23, 1);
  Type(main->Edit309, "12");
  Type(main->Edit310, "100");
  Type(main->Edit311, "220");
  Type(main->Edit312, "470");
  Solve();
  EXPECT_EQ(main->Label56->Caption(), "59.9768 Ohm's");
  Shoot("solved_GroupBox47_parallel.png");
}

// 50 MOhm is wider than its box: the leading digits show, as they do when the
// program writes a text that fits.
TEST_F(SolvedOhmsLawScreens, ALargeResistanceShowsItsLeadingDigits) {
  Open(0);
  Choose(main->RadioGroup13, 2);
  Type(main->Edit245, "5000");
  Type(main->Edit246, "0.0001");
  Solve();
  ASSERT_EQ(main->Edit244->Text(), "50000000.0000");
  auto* box = qobject_cast<QLineEdit*>(renderer->WidgetOf(*main->Edit244));
  ASSERT_NE(box, nullptr);
  ASSERT_GE(box->fontMetrics().horizontalAdvance(box->text()), box->width());
  Shoot("solved_GroupBox47_large_ohms.png");
  const QImage large = box->grab().toImage();
  main->Edit244->SetText("500");
  const QImage fits = box->grab().toImage();
  // Up to the end of "500" where it is drawn, no further.
  const QRect start(0, 0, box->fontMetrics().horizontalAdvance("500"), box->height());
  EXPECT_EQ(large.copy(start), fits.copy(start));
}

}  // namespace
}  // namespace trellis::desktop
