// Screenshots of the Crosstalk Calculator window in both conductor types,
// opened from the menu and solved through its own handlers.
#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QWidget>

#include "calc/diffpair/crosstalk_form.h"
#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class CrosstalkScreens : public testing::SolvedScreensFixture {
 protected:
  // What the desktop shows in a box.
  std::string Shown(vcl::TControl& box) {
    auto* edit = qobject_cast<QLineEdit*>(renderer->WidgetOf(box));
    return edit ? edit->text().toStdString() : std::string();
  }
  // The background near a box's right end, clear of its text.
  QRgb Background(vcl::TControl& box) {
    QWidget* w = renderer->WidgetOf(box);
    const QImage image = w->grab().toImage();
    return image.pixel(image.width() - 5, image.height() / 2);
  }
};

TEST_F(CrosstalkScreens, BothConductorTypes) {
  vcl::user::PickMenuItem(*main->Crosstalk1);
  ASSERT_TRUE(Form12->Visible());
  EXPECT_TRUE(main->Enabled());
  EXPECT_EQ(Shown(*Form12->Edit205), "-2.23327 dB");
  EXPECT_EQ(Shown(*Form12->Edit207), "3.86640 Volts");
  EXPECT_TRUE(renderer->WidgetOf(*Form12->Image29)->isVisible());
  EXPECT_FALSE(renderer->WidgetOf(*Form12->Edit199)->isVisible());
  SaveClientArea(*Form12, "window_Form12_microstrip.png");

  vcl::user::ChooseItem(*Form12->RadioGroup1, 1);
  EXPECT_EQ(Shown(*Form12->Edit205), "-16.12537 dB");
  EXPECT_EQ(Shown(*Form12->Edit207), "0.78109 Volts");
  EXPECT_TRUE(renderer->WidgetOf(*Form12->Image30)->isVisible());
  EXPECT_FALSE(renderer->WidgetOf(*Form12->Image29)->isVisible());
  EXPECT_TRUE(renderer->WidgetOf(*Form12->Edit201)->isVisible());
  SaveClientArea(*Form12, "window_Form12_stripline.png");

  // The unit boxes shown from the start and those shown with the stripline
  // heights look alike, and unlike an input.
  EXPECT_EQ(Background(*Form12->Edit200), Background(*Form12->Edit198));
  EXPECT_EQ(Background(*Form12->Edit202), Background(*Form12->Edit147));
  EXPECT_NE(Background(*Form12->Edit198), Background(*Form12->Edit197));
}

TEST_F(CrosstalkScreens, MetricStripline) {
  vcl::user::ChooseItem(*main->RadioGroup6, 1);
  vcl::user::PickMenuItem(*main->Crosstalk1);
  vcl::user::ChooseItem(*Form12->RadioGroup1, 1);
  vcl::user::ChooseItem(*Form12->ComboBox1, 16);
  EXPECT_EQ(Shown(*Form12->Edit198), "mm");
  EXPECT_EQ(Shown(*Form12->Edit7), "3.66");
  SaveClientArea(*Form12, "window_Form12_stripline_mm.png");
}

}  // namespace
}  // namespace trellis::desktop
