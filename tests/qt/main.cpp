// One QApplication for every desktop test, prepared as the program's entry prepares it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>

#include "ui/qt/application.h"
#include "ui/qt/themes.h"

namespace {

// The program applies its saved theme at start-up; the next test starts from the default look.
class DefaultThemeAfterEachTest : public ::testing::EmptyTestEventListener {
  void OnTestEnd(const ::testing::TestInfo&) override {
    if (trellis::desktop::CurrentDesktopTheme() != "Windows")
      trellis::desktop::ApplyDesktopTheme("Windows");
  }
};

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  // A locale other than "C" makes Qt's adoption of it, and the reset, visible.
  setenv("LC_ALL", "C.UTF-8", 1);
  // Settings and data go to a scratch folder, never the user's.
  QTemporaryDir scratch;
  setenv("XDG_CONFIG_HOME", scratch.filePath("config").toLocal8Bit().constData(), 1);
  setenv("XDG_DATA_HOME", scratch.filePath("data").toLocal8Bit().constData(), 1);
  QStandardPaths::setTestModeEnabled(true);
  QApplication app(argc, argv);
  trellis::desktop::PrepareApplication(app);
  ::testing::UnitTest::GetInstance()->listeners().Append(new DefaultThemeAfterEachTest);
  return RUN_ALL_TESTS();
}
