// The main window in each colour theme, chosen as the user chooses it: a
// screenshot of each, and the result and warning texts readable in all.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"
#include "tests/qt/qt_test_support.h"
#include "tests/qt/screens_fixture.h"
#include "tests/support/harness.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "ui/qt/themes.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

using testing::ShotPath;

double Luminance(QColor c) {
  auto channel = [](double v) {
    return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

double Contrast(QColor a, QColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The text colour of a box against the background it is painted on.
double BoxContrast(QLineEdit* box, const QImage& shot, QWidget* window) {
  const QPoint inside = box->mapTo(window, QPoint(box->width() - 4, box->height() / 2));
  return Contrast(box->palette().color(QPalette::Text), shot.pixelColor(inside));
}

TEST(ThemeScreens, MainWindowInEveryTheme) {
  testing::ScopedConfig config;
  QtPlatform platform;
  platform.SetSleepsSkipped(true);
  platform.SetWorkingDirectory(testing::ShotWorkingFolder());
  for (const auto& [name, value] : trellis::testing::Harness::DefaultSettings())
    ASSERT_TRUE(platform.Settings().WriteString(trellis::testing::kSettingsKey, name, value));
  Program program(platform);
  QtRenderer renderer(platform);
  renderer.Build(program.Windows());
  program.ShowMainWindow();
  TForm1& main = program.Main();
  vcl::user::PickTab(*main.TabControl1, 2);
  // A load that heats the conductor beyond the substrate's Tg: the results, and
  // the warning the status bar's clock paints on its next tick.
  vcl::user::TypeText(*main.Edit69, "12");
  vcl::user::Click(*main.Button1);
  program.Application().Sleep(1000);
  program.Application().ProcessMessages();
  ASSERT_EQ(main.Edit17->Font().Color, vcl::clRed);
  ASSERT_EQ(main.Edit16->Font().Color, vcl::clNavy);

  QWidget* window = renderer.Window(main);
  auto* warning = qobject_cast<QLineEdit*>(renderer.WidgetOf(*main.Edit17));
  auto* result = qobject_cast<QLineEdit*>(renderer.WidgetOf(*main.Edit16));
  ASSERT_NE(warning, nullptr);
  ASSERT_NE(result, nullptr);

  const std::vector<std::string> names = platform.ThemeNames();
  for (int n = 0; n < static_cast<int>(names.size()); ++n) {
    SCOPED_TRACE(names[static_cast<size_t>(n)]);
    Form6->Show();
    vcl::user::ChooseItem(*Form6->cbxVclStyles, n);
    EXPECT_EQ(CurrentDesktopTheme(), names[static_cast<size_t>(n)]);
    QApplication::processEvents();
    const QImage shot = window->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    EXPECT_TRUE(shot.save(ShotPath(QString("theme_%1.png").arg(n))));
    EXPECT_GE(BoxContrast(result, shot, window), 4.5);
    EXPECT_GE(BoxContrast(warning, shot, window), 3.5);
    EXPECT_GE(Contrast(window->palette().color(QPalette::WindowText),
                       shot.pixelColor(window->width() - 2, window->height() / 2)),
              7.0);

    // A menu as it drops down.
    if (QMenu* menu = window->findChild<QMenuBar*>()->actions().front()->menu()) {
      menu->popup(window->mapToGlobal(QPoint(0, 20)));
      QApplication::processEvents();
      EXPECT_TRUE(menu->grab().toImage().save(ShotPath(QString("theme_%1_menu.png").arg(n))));
      menu->hide();
    }

    // The Options window, whose own white gives way to the theme's surface.
    Form6->Show();
    QApplication::processEvents();
    EXPECT_TRUE(renderer.Window(*Form6)->grab().toImage().save(
        ShotPath(QString("theme_%1_options.png").arg(n))));
    Form6->Hide();
  }
}

}  // namespace
}  // namespace trellis::desktop
