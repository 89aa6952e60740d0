// The windows look the same whatever the desktop sets for the application: a
// dark palette (and a style whose standard palette is that dark one, as the
// style's is under a dark desktop) or a large font, set before the windows
// are built and again after, as a platform theme does when its settings
// change. The main window and Program Options are compared with a run on a
// desktop that sets nothing, pixel for pixel (but for the glyphs of the
// pictures' texts, which are not drawn quite alike twice in a run).
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QToolTip>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "settings/options_form.h"
#include "tests/qt/desktop_check.h"
#include "tests/qt/screens_fixture.h"
#include "ui/qt/application.h"
#include "ui/qt/themes.h"
#include "ui/qt/widgets.h"

namespace trellis::desktop {
namespace {

using testing::ShotPath;

QPalette DarkDesktopPalette() {
  QPalette p;
  const std::vector<std::pair<QPalette::ColorRole, const char*>> roles = {
      {QPalette::Window, "#353535"},
      {QPalette::WindowText, "#eeeeec"},
      {QPalette::Base, "#242424"},
      {QPalette::AlternateBase, "#2d2d2d"},
      {QPalette::Text, "#eeeeec"},
      {QPalette::Button, "#3a3a3a"},
      {QPalette::ButtonText, "#eeeeec"},
      {QPalette::BrightText, "#ffffff"},
      {QPalette::Light, "#4a4a4a"},
      {QPalette::Midlight, "#404040"},
      {QPalette::Mid, "#2a2a2a"},
      {QPalette::Dark, "#1b1b1b"},
      {QPalette::Shadow, "#000000"},
      {QPalette::Highlight, "#15539e"},
      {QPalette::HighlightedText, "#ffffff"},
      {QPalette::Link, "#3584e4"},
      {QPalette::LinkVisited, "#1b6acb"},
      {QPalette::ToolTipBase, "#000000"},
      {QPalette::ToolTipText, "#ffffff"},
      {QPalette::PlaceholderText, "#919190"}};
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
    for (const auto& [role, colour] : roles) p.setColor(g, role, QColor(colour));
  return p;
}

// The program's style as a dark desktop leaves it: its standard palette is the desktop's.
class DarkDesktopStyle : public QProxyStyle {
 public:
  DarkDesktopStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
  QPalette standardPalette() const override { return DarkDesktopPalette(); }
};

QFont LargeDesktopFont() {
  QFont font(QFontDatabase::families().contains(QStringLiteral("DejaVu Serif"))
                 ? QStringLiteral("DejaVu Serif")
                 : QStringLiteral("Serif"));
  font.setPointSize(16);
  font.setBold(true);
  return font;
}

struct Shots {
  QImage main, options;
  QPalette tips;
};

// The pixels that differ by more than the glyphs of a picture's text differ
// between two drawings of it in one run; a different image size counts all.
int Differing(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return a.width() * a.height();
  int count = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QColor p = a.pixelColor(x, y), q = b.pixelColor(x, y);
      if (std::max({std::abs(p.red() - q.red()), std::abs(p.green() - q.green()),
                    std::abs(p.blue() - q.blue())}) > 16)
        ++count;
    }
  return count;
}

class DesktopLook : public ::testing::Test {
 protected:
  void SetUp() override {
    // A caret that does not blink is drawn alike in every run.
    flashTime_ = QApplication::cursorFlashTime();
    QApplication::setCursorFlashTime(0);
  }
  void TearDown() override {
    QApplication::setCursorFlashTime(flashTime_);
    QApplication::setFont(ProgramFont());
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ApplyDesktopTheme("Windows");
  }

  // The program started in the theme, solved with a result and a warning
  // showing; `desktop` runs once the theme is applied, before the windows
  // are built, and again once they are up. `inspect` sees the running program.
  Shots Render(int theme, const std::function<void()>& desktop,
               const std::function<void(Program&, QtRenderer&)>& inspect = {}) {
    testing::ScopedConfig config;
    QtPlatform platform;
    platform.SetSleepsSkipped(true);
    platform.SetWorkingDirectory(testing::ShotWorkingFolder());
    testing::WriteInstallerSettings(platform);
    EXPECT_TRUE(platform.Settings().WriteString(trellis::testing::kSettingsKey, "Trellis_Theme",
                                                std::to_string(theme)));
    Program program(platform);
    if (desktop) desktop();
    QtRenderer renderer(platform);
    renderer.Build(program.Windows());
    program.ShowMainWindow();
    TForm1& main = program.Main();
    vcl::user::PickTab(*main.TabControl1, 2);
    vcl::user::TypeText(*main.Edit69, "12");
    vcl::user::Click(*main.Button1);
    // The clock's tick that marks the load above Tg comes now in every
    // rendering, not whenever a slow run happens to reach it.
    program.Application().Sleep(1000);
    program.Application().ProcessMessages();
    if (desktop) desktop();
    QApplication::processEvents();

    Shots shots;
    shots.tips = QToolTip::palette();
    shots.main = Blanked(renderer.ClientArea(main));
    Form6->Show();
    QApplication::processEvents();
    shots.options = Blanked(renderer.ClientArea(*Form6));
    if (inspect) inspect(program, renderer);
    Form6->Hide();
    return shots;
  }

  // The client area as drawn, the status bar's panels (a clock among them) blanked.
  static QImage Blanked(QWidget* client) {
    QImage shot = client->grab().toImage();
    QPainter painter(&shot);
    // The strip has no meta-object of its own, so every widget is asked.
    for (QWidget* widget : client->findChildren<QWidget*>())
      if (dynamic_cast<StatusStrip*>(widget))
        painter.fillRect(QRect(widget->mapTo(client, QPoint(0, 0)), widget->size()), Qt::magenta);
    return shot;
  }

 private:
  int flashTime_ = 0;
};

TEST_F(DesktopLook, EveryThemeKeepsItsColoursUnderADarkDesktop) {
  std::vector<Shots> plain;
  for (int theme = 0; theme < 5; ++theme) plain.push_back(Render(theme, nullptr));

  QApplication::setStyle(new DarkDesktopStyle);
  QApplication::setPalette(DarkDesktopPalette());
  // The tooltips' own palette, which the desktop sets as the application starts.
  QToolTip::setPalette(DarkDesktopPalette());
  for (int theme = 0; theme < 5; ++theme) {
    SCOPED_TRACE(theme);
    const Shots dark = Render(theme, [] { QApplication::setPalette(DarkDesktopPalette()); });
    EXPECT_TRUE(dark.main.save(ShotPath(QString("dark_desktop_theme_%1.png").arg(theme))));
    EXPECT_TRUE(
        dark.options.save(ShotPath(QString("dark_desktop_theme_%1_options.png").arg(theme))));
    EXPECT_EQ(Differing(dark.main, plain[static_cast<size_t>(theme)].main), 0);
    EXPECT_EQ(Differing(dark.options, plain[static_cast<size_t>(theme)].options), 0);
    for (QPalette::ColorRole role : {QPalette::ToolTipBase, QPalette::ToolTipText})
      EXPECT_EQ(dark.tips.color(role).name().toStdString(),
                plain[static_cast<size_t>(theme)].tips.color(role).name().toStdString());
  }
}

TEST_F(DesktopLook, EveryWindowKeepsItsLayoutFontUnderALargeDesktopFont) {
  const QFont large = LargeDesktopFont();
  const QString layoutFamily = ProgramFont().family();
  ASSERT_NE(large.family(), layoutFamily);
  // The Windows theme (no style sheet) and the default dark one (a sheet).
  for (int theme : {0, 2}) {
    SCOPED_TRACE(theme);
    int rows = 0;
    const Shots plain = Render(theme, nullptr, [&](Program& program, QtRenderer& renderer) {
      rows = dynamic_cast<TabStrip*>(renderer.WidgetOf(*program.Main().TabControl1))->RowCount();
    });
    QApplication::setFont(large);
    const Shots big = Render(
        theme, [&] { QApplication::setFont(large); },
        [&](Program& program, QtRenderer& renderer) {
          EXPECT_EQ(
              dynamic_cast<TabStrip*>(renderer.WidgetOf(*program.Main().TabControl1))->RowCount(),
              rows);
          EXPECT_EQ(testing::CompareWithDesktop(renderer, program.Windows()),
                    std::vector<std::string>{});
          // Every caption and box in the layout's face and size.
          int checked = 0;
          std::function<void(const vcl::TControl&)> check = [&](const vcl::TControl& control) {
            for (const vcl::TControl* child : control.Children()) check(*child);
            QWidget* widget = renderer.WidgetOf(control);
            if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QLineEdit*>(widget) &&
                !qobject_cast<QPushButton*>(widget) && !qobject_cast<QGroupBox*>(widget))
              return;
            SCOPED_TRACE(control.Name);
            // A control without a font of its own shows its parent's.
            const vcl::TControl* owner = &control;
            while (owner->Parent() && owner->Font().Style == 0 && owner->Font().Size == 0)
              owner = owner->Parent();
            const vcl::TFont& f = owner->Font();
            const bool own = owner->Parent() != nullptr;
            EXPECT_EQ(widget->font().family(), layoutFamily);
            EXPECT_EQ(widget->font().pixelSize(), FontPixelSize(own ? f.Size : 0));
            EXPECT_EQ(widget->font().bold(), own && (f.Style & vcl::fsBold) != 0);
            ++checked;
          };
          for (vcl::TForm* form : program.Windows()) check(*form);
          EXPECT_GT(checked, 500);
        });
    QApplication::setFont(ProgramFont());
    EXPECT_TRUE(big.main.save(ShotPath(QString("large_font_theme_%1.png").arg(theme))));
    EXPECT_TRUE(big.options.save(ShotPath(QString("large_font_theme_%1_options.png").arg(theme))));
    EXPECT_EQ(Differing(big.main, plain.main), 0);
    EXPECT_EQ(Differing(big.options, plain.options), 0);
  }
}

}  // namespace
}  // namespace trellis::desktop
