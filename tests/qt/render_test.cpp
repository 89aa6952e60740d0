// The program started on the desktop platform, offscreen: every window is
// built at its client size, and the main window and the splash are saved as
// screenshots for a look.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <clocale>
#include <map>

#include "tests/qt/screens_fixture.h"
#include "ui/qt/application.h"

namespace trellis::desktop {
namespace {

using testing::BoxAnswerer;

vcl::TForm& WindowNamed(const Program& program, const std::string& name) {
  for (vcl::TForm* f : program.Windows())
    if (f->Name == name) return *f;
  throw std::runtime_error("no window " + name);
}

// Saves the image and reads the file back, so the check is on what landed on disk.
QImage SaveAndReload(const QImage& image, const QString& name) {
  const QString path = testing::ShotPath(name);
  EXPECT_TRUE(image.save(path)) << path.toStdString();
  EXPECT_GT(QFileInfo(path).size(), 0) << path.toStdString();
  return QImage(path);
}

class StartedProgram : public testing::ScreensFixture {};

TEST_F(StartedProgram, ShowsTheSplashDuringStartUpThenTheMainWindow) {
  vcl::TForm& main = WindowNamed(*program, "Form1");
  vcl::TForm& splash = WindowNamed(*program, "Form4");
  QImage splashShot;
  bool mainVisibleWithSplash = true;
  // The first pending events are handled inside the start-up, while the splash is up.
  QTimer::singleShot(0, [&] {
    if (!renderer->Window(splash)->isVisible()) return;
    mainVisibleWithSplash = renderer->Window(main)->isVisible();
    splashShot = renderer->Window(splash)->grab().toImage();
  });
  BoxAnswerer answerer(QMessageBox::Ok);
  program->ShowMainWindow();
  QApplication::processEvents();

  EXPECT_TRUE(answerer.seen.empty()) << answerer.seen.front().text;
  ASSERT_FALSE(splashShot.isNull()) << "the splash was never shown";
  EXPECT_FALSE(mainVisibleWithSplash);
  EXPECT_TRUE(renderer->Window(main)->isVisible());
  EXPECT_FALSE(renderer->Window(splash)->isVisible());

  const QImage savedSplash = SaveAndReload(splashShot, "splash.png");
  EXPECT_EQ(savedSplash.size(), QSize(761, 609));

  const QImage client = SaveAndReload(renderer->ClientArea(main)->grab().toImage(), "main.png");
  EXPECT_EQ(client.size(), QSize(963, 763));
  // The whole window adds the menu bar above the client area.
  const QImage window =
      SaveAndReload(renderer->Window(main)->grab().toImage(), "main_with_menu.png");
  EXPECT_EQ(window.width(), 963);
  EXPECT_GT(window.height(), 763);
}

TEST_F(StartedProgram, BuildsEveryWindowAtItsClientSize) {
  program->ShowMainWindow();
  for (vcl::TForm* form : program->Windows()) {
    const QImage shot = SaveAndReload(renderer->ClientArea(*form)->grab().toImage(),
                                      QString::fromStdString(form->Name + ".png"));
    EXPECT_EQ(shot.size(), QSize(form->ClientWidth(), form->ClientHeight())) << form->Name;
  }
}

TEST(Locale, NumericLocaleIsCAfterTheApplicationStarts) {
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
  // Qt's constructor adopted the environment's locale; preparing resets it again.
  ASSERT_NE(std::setlocale(LC_ALL, "C.UTF-8"), nullptr);
  ASSERT_STRNE(std::setlocale(LC_NUMERIC, nullptr), "C");
  PrepareApplication(*qApp);
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "C");
}

}  // namespace
}  // namespace trellis::desktop
