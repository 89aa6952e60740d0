// The program started on the desktop over a settings file a crash or a hand
// edit left behind: it starts at once, raises nothing, and leaves a clean file.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <memory>

#include "app/program.h"
#include "tests/qt/qt_test_support.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"

namespace trellis::desktop {
namespace {

using testing::BoxAnswerer;
using testing::ScopedConfig;

// Starts the program on the desktop as the entry does, with every box a failure.
void StartWithoutBoxes() {
  QtPlatform platform;
  platform.SetSleepsSkipped(true);
  BoxAnswerer answerer(QMessageBox::Ok);
  auto program = std::make_unique<Program>(platform);
  auto renderer = std::make_unique<QtRenderer>(platform);
  renderer->Build(program->Windows());
  program->ShowMainWindow();
  QApplication::processEvents();
  for (const auto& box : answerer.seen) ADD_FAILURE() << box.title << ": " << box.text;
  renderer.reset();
  program.reset();
}

TEST(SettingsAtStartUp, ALeftoverLockOrAnUnparsableFileNeitherStallsNorRaises) {
  struct Case {
    const char* what;
    QByteArray conf;
    bool lockLeft;
  } cases[] = {
      {"a byte-order mark", "\xEF\xBB\xBF[General]\nRegistry_Status=0\nUnits=1\n", false},
      {"an unreadable line", "[General]\nRegistry_Status=0\n\x01\x02\nUnits=1\n", false},
      {"an empty lock of a killed run", "[General]\nRegistry_Status=0\nUnits=1\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    QDir().mkpath(QFileInfo(config.ConfFile()).path());
    {
      QFile conf(config.ConfFile());
      ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
      conf.write(c.conf);
    }
    if (c.lockLeft) {
      QFile lock(config.ConfFile() + ".lock");
      ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
    }
    QElapsedTimer clock;
    clock.start();
    { EXPECT_NO_THROW(StartWithoutBoxes()); }
    EXPECT_LT(clock.elapsed(), 5000);
    // The start-up stored the theme, and the file reads cleanly from now on.
    QSettings file(config.ConfFile(), QSettings::IniFormat);
    EXPECT_EQ(file.status(), QSettings::NoError);
    EXPECT_EQ(file.value("Trellis_Theme").toString(), "2");
    EXPECT_EQ(file.value("Units").toString(), "1");
  }
}

// A file of 2 MiB of noise is no settings file: the program starts on the
// defaults without a box, and its first write leaves a small, clean file.
TEST(SettingsAtStartUp, AnOversizedFileStartsOnTheDefaults) {
  ScopedConfig config;
  QDir().mkpath(QFileInfo(config.ConfFile()).path());
  {
    QByteArray noise(2 << 20, '\0');
    unsigned state = 20261211;
    for (char& c : noise) c = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
    noise.replace(0, 22, "[General]\nUnits=1\nx=");
    QFile conf(config.ConfFile());
    ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
    conf.write(noise);
  }
  StartWithoutBoxes();
  EXPECT_LT(QFileInfo(config.ConfFile()).size(), 4096);
  QSettings file(config.ConfFile(), QSettings::IniFormat);
  EXPECT_EQ(file.status(), QSettings::NoError);
  EXPECT_EQ(file.value("Trellis_Theme").toString(), "2");
  EXPECT_FALSE(file.contains("Units"));
  EXPECT_FALSE(file.contains("x"));
}

}  // namespace
}  // namespace trellis::desktop
