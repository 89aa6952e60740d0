// The status bar's clock ticks through the start-up's pauses on the desktop as
// on the headless platform, so both leave the same state after start-up.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/harness.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"

namespace trellis::desktop {
namespace {

// What the start-up's last Solve and the clock's ticks leave behind.
struct AfterStart {
  double materialTg;
  std::string label110;
  vcl::TColor current;
  std::string panel;
  bool operator==(const AfterStart&) const = default;
};

AfterStart Read(TForm1& main) {
  return {main.MaterialTg, main.Label110->Caption(), main.Edit17->Font().Color,
          main.StatusBar1->Panel(1).Text};
}

TEST(StartUpTimers, TheDesktopAndTheHeadlessPlatformAgreeAfterStartUp) {
  struct Case {
    const char* units;
    const char* label110;  // FR-4 STD's Tg, 130 C = 266 F
  } cases[] = {{"0", "266.0F"}, {"1", "130.0C"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.units);
    auto settings = trellis::testing::Harness::DefaultSettings();
    settings["Program"] = "2";
    settings["Units"] = c.units;

    testing::ScopedConfig config;
    QtPlatform platform;
    // The pauses are skipped, and the time they stand for still counts.
    platform.SetSleepsSkipped(true);
    for (const auto& [name, value] : settings)
      ASSERT_TRUE(platform.Settings().WriteString(trellis::testing::kSettingsKey, name, value));
    auto program = std::make_unique<Program>(platform);
    auto renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build(program->Windows());
    program->ShowMainWindow();
    const AfterStart desktop = Read(program->Main());
    renderer.reset();
    program.reset();

    trellis::testing::Harness harness({true, settings});
    harness.Start();
    const AfterStart headless = Read(harness.Main());

    EXPECT_EQ(desktop.materialTg, 130);
    EXPECT_EQ(desktop.label110, c.label110);
    // The ticks of the splash saw the loader's solves; both still warn.
    EXPECT_EQ(desktop.panel, "WARNING! Material temperature exceeded!");
    EXPECT_EQ(desktop.current, vcl::clRed);
    EXPECT_TRUE(desktop == headless);
  }
}

}  // namespace
}  // namespace trellis::desktop
