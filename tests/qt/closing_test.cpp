// Closing windows on the desktop: the main window's close box ends the event
// loop whatever else is open; the installer offers no close box and stays
// open on a close request.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "app/form1.h"
#include "settings/installer_form.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

class Closing : public testing::SolvedScreensFixture {};

TEST_F(Closing, TheMainWindowsCloseBoxEndsTheLoopWithOtherWindowsOpen) {
  struct Case {
    const char* open;
    std::function<void()> action;
  };
  const std::vector<Case> cases = {
      {"nothing", [] {}},
      {"Program Options", [&] { vcl::user::PickMenuItem(*main->CopperWeight1); }},
      {"the Crosstalk window", [&] { vcl::user::PickMenuItem(*main->Crosstalk1); }},
      // A window that may not be closed does not hold the program.
      {"the installer", [&] { vcl::user::PickMenuItem(*main->ReinstallRegistryKeys1); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.open);
    TearDown();
    SetUp();
    c.action();
    QWidget* window = renderer->Window(*main);
    ASSERT_NE(window, nullptr);
    // The close box as the window manager presses it, once the loop runs; a
    // loop that goes on is stopped so the test can report it.
    bool stoppedByTest = false;
    QTimer::singleShot(0, window, [window] { window->close(); });
    QTimer stop;
    stop.setSingleShot(true);
    QObject::connect(&stop, &QTimer::timeout, [&] {
      stoppedByTest = true;
      QCoreApplication::exit(1);
    });
    stop.start(10000);
    QApplication::exec();
    EXPECT_FALSE(stoppedByTest);
    EXPECT_TRUE(program->Application().Terminated());
    EXPECT_FALSE(main->Visible());
  }
}

TEST_F(Closing, TheInstallerHasNoTitleBarButtonAndIgnoresACloseRequest) {
  vcl::user::PickMenuItem(*main->ReinstallRegistryKeys1);
  QApplication::processEvents();
  QWidget* window = renderer->Window(*Form8);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->isVisible());
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_TRUE(flags & Qt::CustomizeWindowHint);
  for (Qt::WindowType button : {Qt::WindowCloseButtonHint, Qt::WindowMinimizeButtonHint,
                                Qt::WindowMaximizeButtonHint, Qt::WindowSystemMenuHint})
    EXPECT_FALSE(flags & button) << std::hex << button;

  // Alt+F4 or the window manager's close: the window stays.
  window->close();
  QApplication::processEvents();
  EXPECT_TRUE(Form8->Visible());
  EXPECT_TRUE(window->isVisible());

  vcl::user::Click(*Form8->Button2);
  QApplication::processEvents();
  EXPECT_FALSE(Form8->Visible());
  EXPECT_FALSE(window->isVisible());
  EXPECT_FALSE(program->Application().Terminated());
}

}  // namespace
}  // namespace trellis::desktop
