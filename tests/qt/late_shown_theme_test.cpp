// Boxes hidden at start-up and shown later look like their neighbours under the
// theme the program starts in: the style sheet must not take their font and
// colours away when it first reaches them.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <string>
#include <vector>

#include "tests/qt/screens_fixture.h"
#include "ui/qt/peers.h"
#include "ui/qt/themes.h"

namespace trellis::desktop {
namespace {

class LateShownTheme : public testing::SolvedScreensFixture {
 protected:
  QLineEdit* Box(const vcl::TControl* control) {
    return qobject_cast<QLineEdit*>(renderer->WidgetOf(*control));
  }
  // What the theme and the model make of a box: font, text colour, background.
  static std::string Look(QLineEdit* box) {
    return box->font().toString().toStdString() + " " +
           box->palette().color(QPalette::Text).name().toStdString() + " on " +
           box->grab()
               .toImage()
               .pixelColor(box->width() - 4, box->height() / 2)
               .name()
               .toStdString();
  }
};

TEST_F(LateShownTheme, StartUpThemeStylesLateBoxesAsTheirNeighbours) {
  // The installer's theme is a dark one with a style sheet.
  ASSERT_EQ(CurrentDesktopTheme(), "Charcoal HiRes");
  struct Case {
    const char* what;
    std::function<void(TForm1&)> show;
    std::vector<std::pair<const char*, const char*>> lateAndShownFromStart;
    bool sameText;
  };
  const std::vector<Case> cases = {
      {"four resistors in series",
       [&](TForm1& f) {
         Pick(10);
         vcl::user::PickTab(*f.TabControl3, 1);
         Choose(f.RadioGroup16, 2);
       },
       {{"Edit264", "Edit262"},
        {"Edit265", "Edit262"},
        {"Edit303", "Edit301"},
        {"Edit304", "Edit301"}},
       true},
      {"four resistors in parallel",
       [&](TForm1& f) {
         Pick(10);
         vcl::user::PickTab(*f.TabControl3, 2);
         Choose(f.RadioGroup23, 2);
       },
       {{"Edit321", "Edit319"}, {"Edit322", "Edit319"}},
       true},
      {"annular resistor",
       [&](TForm1& f) {
         Pick(5);
         Choose(f.RadioGroup11, 2);
       },
       {{"Edit162", "Edit161"}},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.show(*main);
    Solve();
    QApplication::processEvents();
    for (const auto& [lateName, earlyName] : c.lateAndShownFromStart) {
      SCOPED_TRACE(lateName);
      QLineEdit* late = Box(&C(lateName));
      QLineEdit* early = Box(&C(earlyName));
      ASSERT_TRUE(late && early);
      ASSERT_TRUE(late->isVisible());
      ASSERT_EQ(late->size(), early->size());
      EXPECT_TRUE(late->font().bold());
      EXPECT_EQ(late->palette().color(QPalette::Text), ShownColour(vcl::clNavy, false));
      EXPECT_EQ(Look(late), Look(early));
      if (c.sameText) {
        ASSERT_EQ(late->text(), early->text());
        EXPECT_TRUE(late->grab().toImage() == early->grab().toImage());
      }
    }
  }
  Pick(10);
  SaveClientArea("late_shown_GroupBox47_r_parallel.png");
}

// Every box and label of every window shows the model's font style and text
// colour under the start-up theme, shown or not.
TEST_F(LateShownTheme, EveryControlCarriesTheModelsLook) {
  int checked = 0;
  std::function<void(const vcl::TControl&)> check = [&](const vcl::TControl& control) {
    for (const vcl::TControl* child : control.Children()) check(*child);
    QWidget* widget = renderer->WidgetOf(control);
    const vcl::TFont& f = control.Font();
    if (!widget || (!qobject_cast<QLineEdit*>(widget) && !qobject_cast<QLabel*>(widget))) return;
    SCOPED_TRACE(control.Name);
    EXPECT_EQ(widget->font().bold(), (f.Style & vcl::fsBold) != 0);
    const QColor text = ShownColour(f.Color, false);
    // A disabled control reads greyed whatever its own colour.
    if (text.isValid()) {
      EXPECT_EQ(widget->palette().color(QPalette::Active, QPalette::Text).name().toStdString(),
                text.name().toStdString());
    }
    ++checked;
  };
  for (vcl::TForm* form : program->Windows()) check(*form);
  EXPECT_GT(checked, 500);
}

}  // namespace
}  // namespace trellis::desktop
