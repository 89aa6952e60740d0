// The program built on the desktop platform, offscreen, for the tests that save
// screenshots of its windows and panels.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/harness.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "vcl/user.h"

namespace trellis::desktop::testing {

// TRELLIS_SCREENSHOT_DIR when set; the build's own screenshots folder otherwise.
inline QString ShotDir() {
  const QByteArray env = qgetenv("TRELLIS_SCREENSHOT_DIR");
  const QString dir =
      env.isEmpty() ? QStringLiteral(TRELLIS_BUILD_SCREENSHOT_DIR) : QString::fromLocal8Bit(env);
  QDir().mkpath(dir);
  return dir;
}

inline QString ShotPath(const QString& name) { return QDir(ShotDir()).filePath(name); }

// The working folder of a run that takes pictures: the same on every machine,
// so no picture shows where the build happens to live.
inline std::string ShotWorkingFolder() {
  const QString folder = QStringLiteral("/tmp/Trellis");
  QDir().mkpath(folder);
  return folder.toStdString();
}

// The installer's values, as on a machine where it has run.
inline void WriteInstallerSettings(QtPlatform& platform) {
  for (const auto& [name, value] : trellis::testing::Harness::DefaultSettings())
    ASSERT_TRUE(platform.Settings().WriteString(trellis::testing::kSettingsKey, name, value));
}

class ScreensFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.SetSleepsSkipped(true);
    platform.SetWorkingDirectory(ShotWorkingFolder());
    ASSERT_NO_FATAL_FAILURE(WriteInstallerSettings(platform));
    program = std::make_unique<Program>(platform);
    renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build(program->Windows());
  }
  void TearDown() override {
    renderer.reset();
    program.reset();
  }

  vcl::TControl& C(const std::string& name) { return *program->Main().Find<vcl::TControl>(name); }
  // Saves a window's client area as it is drawn now; the main window's by default.
  void SaveClientArea(vcl::TForm& form, const QString& file) {
    QApplication::processEvents();
    const QImage shot = renderer->ClientArea(form)->grab().toImage();
    const QString path = ShotPath(file);
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
  }
  void SaveClientArea(const QString& file) { SaveClientArea(program->Main(), file); }

  ScopedConfig config;
  QtPlatform platform;
  std::unique_ptr<Program> program;
  std::unique_ptr<QtRenderer> renderer;
};

// The program started as a user starts it; the panels are filled in and solved
// through their own handlers.
class SolvedScreensFixture : public ScreensFixture {
 protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    program->ShowMainWindow();
    main = &program->Main();
  }
  void Type(vcl::TControl* box, const char* text) { vcl::user::TypeText(*box, text); }
  void Choose(vcl::TControl* group, int item) { vcl::user::ChooseItem(*group, item); }
  void Solve() { vcl::user::Click(*main->Button1); }
  void Pick(int tab) { vcl::user::PickTab(*main->TabControl1, tab); }

  TForm1* main = nullptr;
};

}  // namespace trellis::desktop::testing
