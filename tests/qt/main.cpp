// One QApplication for every desktop test, prepared as the program's entry prepares it.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "tests/qt/qt_test_support.h"
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
  // A locale other than "C" makes Qt's adoption of it, and the reset, visible.
  setenv("LC_ALL", "C.UTF-8", 1);
  trellis::desktop::testing::ScratchDesktop scratch;
  QApplication app(argc, argv);
  trellis::desktop::PrepareApplication(app);
  ::testing::UnitTest::GetInstance()->listeners().Append(new DefaultThemeAfterEachTest);
  return RUN_ALL_TESTS();
}
