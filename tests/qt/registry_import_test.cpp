// The desktop's import of the installer's registry script into its settings.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "settings/registry_script.h"
#include "settings/settings_store.h"
#include "settings/text_file.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/harness.h"
#include "ui/qt/qt_platform.h"
#include "vcl/script_importer.h"

namespace trellis::desktop {
namespace {

using testing::BoxAnswerer;
using testing::ScopedConfig;

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Starts the program on the desktop platform, as the next run would.
bool WarningShownAtStart() {
  QtPlatform platform;
  platform.SetSleepsSkipped(true);
  Program program(platform);
  program.ShowMainWindow();
  return program.Main().Label301->Visible();
}

class RegistryImport : public ::testing::Test {
 protected:
  void SetUp() override { vcl::SetScriptImporter(&importer); }
  void TearDown() override { vcl::SetScriptImporter(nullptr); }
  const trellis::RegistryScriptImporter importer;
  std::string Script(const std::string& bytes) {
    const std::string path = QDir(dir.path()).filePath("ORVNE_Reg.reg").toStdString();
    EXPECT_TRUE(WriteWholeFile(path, bytes));
    return path;
  }
  ScopedConfig config;
  QTemporaryDir dir;
};

TEST_F(RegistryImport, InstallersScriptIsStoredOnYesAndEndsTheWarning) {
  EXPECT_TRUE(WarningShownAtStart());
  const std::string path = Script(RegistryScriptText());
  {
    QtPlatform platform;
    ASSERT_TRUE(platform.Settings().WriteString(kSettingsKey, "Units", "1"));
    {
      BoxAnswerer no(QMessageBox::No);
      EXPECT_FALSE(platform.ShellOpen(path));
      ASSERT_EQ(no.seen.size(), 1u);
      EXPECT_EQ(no.seen[0].text, "Import the program's settings from " + path +
                                     "?\n\nThis sets 15 values of "
                                     "HKEY_CURRENT_USER\\Software\\Orvane, Inc.\\Trellis.");
      EXPECT_EQ(platform.Settings().ReadString(kSettingsKey, "Registry_Status"), std::nullopt);
    }
    BoxAnswerer yes(QMessageBox::Yes);
    EXPECT_TRUE(platform.ShellOpen(path));
    EXPECT_EQ(yes.seen.size(), 1u);
  }
  QtPlatform next;
  for (const auto& [name, value] : trellis::testing::Harness::DefaultSettings())
    EXPECT_EQ(next.Settings().ReadString(kSettingsKey, name), value) << name;
  EXPECT_FALSE(WarningShownAtStart());
}

TEST_F(RegistryImport, RefusedScriptsChangeNothing) {
  const std::string good = RegistryScriptText();
  struct Case {
    std::string bytes;
    std::string why;
  } cases[] = {
      {good.substr(0, good.size() - 4), "line 20: the value has no closing double quote"},
      {good + "[-HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.\\Trellis]\r\n",
       "line 21: key deletions are not accepted"},
      {good + "\"Units\"=dword:00000001\r\n", "line 21: only string values are accepted"},
      {good + "[HKEY_CURRENT_USER\\SOFTWARE\\Elsewhere]\r\n\"Units\"=\"1\"\r\n",
       "it holds values outside the program's key, under SOFTWARE\\Elsewhere"},
      {std::string("\x89PNG\r\n\x1a\n", 8), "line 1: character 0x89 is not accepted"},
  };
  QtPlatform platform;
  ASSERT_TRUE(platform.Settings().WriteString(kSettingsKey, "Units", "1"));
  const QByteArray before = FileBytes(config.ConfFile());
  for (const Case& c : cases) {
    const std::string path = Script(c.bytes);
    BoxAnswerer answerer(QMessageBox::Ok);
    EXPECT_FALSE(platform.ShellOpen(path)) << c.why;
    ASSERT_EQ(answerer.seen.size(), 1u) << c.why;
    EXPECT_EQ(answerer.seen[0].text,
              "The registry script " + path + " was not imported: " + c.why + ".");
    EXPECT_EQ(FileBytes(config.ConfFile()), before) << c.why;
  }
  EXPECT_EQ(platform.Settings().ReadString(kSettingsKey, "Units"), "1");
}

}  // namespace
}  // namespace trellis::desktop
