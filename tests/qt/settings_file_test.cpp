// The settings file as the desktop reads and replaces it: plain text only,
// regular files only, and nothing read but the program's own file.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QRegion>
#include <QSettings>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/program.h"
#include "settings/registry_script.h"
#include "settings/settings_store.h"
#include "tests/qt/qt_test_support.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "vcl/script_importer.h"

namespace trellis::desktop {
namespace {

using testing::BoxAnswerer;
using testing::ScopedConfig;

void PutFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void MakeFifo(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0) << path.toStdString();
}

bool IsFifo(const QString& path) {
  struct stat st {};
  return stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// The value as the program reads it from the platform's store.
std::string ReadSettingFrom(QtPlatform& platform, const std::string& name) {
  vcl::TApplication app(platform);
  return ReadSetting(name);
}

long PeakMemoryKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

// The texts of the boxes a start on the desktop shows.
std::vector<std::string> StartProgram() {
  std::vector<std::string> boxes;
  for (const auto& box : testing::StartProgramOnDesktop()) boxes.push_back(box.text);
  return boxes;
}

// The fifteen values as the installer stores them, with limits a user typed
// under a decimal comma.
const std::vector<std::pair<QString, QString>> kFifteen = {
    {"Registry_Status", "0"},
    {"Units", "1"},
    {"Program", "16"},
    {"Manual_Copper_Weight", "1"},
    {"IPC_Version", "2"},
    {"Conductor_Reduction", "100"},
    {"Derating", "2"},
    {"Via_Height_Enable", "0"},
    {"TH_Via_AR_Setting", "12,5"},
    {"UVia_AR_Setting", "0,75"},
    {"Trellis_Theme", "3"},
    {"File_Index", "1"},
    {"Microns", "1"},
    {"Base_Weight", "4"},
    {"Plate_Weight", "5"},
};

// A file the current release wrote (every value through the toolkit's own
// writer) reads back as it was written, and a file this store writes reads
// back the same in the current release.
TEST(SettingsFile, AFileTheCurrentReleaseWroteReadsBackUnchanged) {
  ScopedConfig config;
  // Texts whose escapes the toolkit's writer uses.
  std::vector<std::pair<QString, QString>> values = kFifteen;
  values.insert(values.end(), {
                                  {"Quoted", "say \"12,5\"; a=b"},
                                  {"Backslash", "C:\\boards\\x1"},
                                  {"At", "@Variant(not one)"},
                                  {"AtAt", "@@"},
                                  {"Blanks", "  both ends  "},
                                  {"Controls", QString("tab\there\nline\x01"
                                                       "f")},
                                  {"Unicode", QString::fromUtf8("35 \xC2\xB5m \xE2\x89\xA4 1")},
                                  {"Empty", ""},
                              });
  QDir().mkpath(QFileInfo(config.ConfFile()).path());
  {
    QSettings release(config.ConfFile(), QSettings::IniFormat);
    for (const auto& [name, value] : values) release.setValue(name, value);
    release.sync();
    ASSERT_EQ(release.status(), QSettings::NoError);
  }
  const QByteArray written = FileBytes(config.ConfFile());
  ASSERT_TRUE(written.contains("TH_Via_AR_Setting=\"12,5\"")) << written.toStdString();
  {
    QtPlatform platform;
    vcl::SettingsStore& store = platform.Settings();
    for (const auto& [name, value] : values)
      EXPECT_EQ(store.ReadString(kSettingsKey, name.toStdString()), value.toStdString())
          << name.toStdString();
    ASSERT_TRUE(store.WriteString(kSettingsKey, "Units", "0"));
  }
  QSettings release(config.ConfFile(), QSettings::IniFormat);
  EXPECT_EQ(release.status(), QSettings::NoError);
  for (const auto& [name, value] : values)
    EXPECT_EQ(release.value(name).toString(), name == "Units" ? QString("0") : value)
        << name.toStdString();
}

// The bytes the toolkit's typed reader turns into an object, written as the
// toolkit writes them: "@Variant(...)" around a serialised value.
QByteArray VariantLine(const QByteArray& key, const QByteArray& serialised) {
  QTemporaryDir dir;
  const QString path = dir.filePath("v.conf");
  {
    QSettings writer(path, QSettings::IniFormat);
    writer.setValue(QString::fromLatin1(key), serialised);
  }
  QByteArray line = FileBytes(path).split('\n').at(1);
  EXPECT_TRUE(line.startsWith(key + "=@ByteArray(")) << line.left(40).toStdString();
  return line.replace(key + "=@ByteArray(", key + "=@Variant(");
}

// A list holding a list, `depth` deep.
QByteArray NestedList(int depth) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_4_0);
  // The oldest stream format, which the toolkit's reader still takes: a type
  // and its data, no null flag.
  for (int i = 0; i < depth; ++i) out << quint32(QMetaType::QVariantList) << quint32(1);
  out << quint32(QMetaType::QVariantList) << quint32(0);
  return bytes;
}

// A region that claims 2^31 - 1 rectangles and holds one.
QByteArray VastRegion() {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out.setVersion(QDataStream::Qt_4_0);
  out << QVariant(QRegion(0, 0, 1, 1));
  // The number of rectangles stands before the one rectangle's four numbers.
  QDataStream patch(&bytes, QIODevice::ReadWrite);
  patch.device()->seek(bytes.size() - 16 - 4);
  patch << quint32(0x7FFFFFFF);
  return bytes;
}

// Values only a typed reader would understand are the texts they are: a
// start reads its defaults for them, in little memory and with no box, and
// its writes keep them as they were.
TEST(SettingsAtStartUp, ATypedValueIsJustTextAndReadsAsTheDefault) {
  constexpr long kStartMemoryKiB = 256 << 10;
  struct Case {
    const char* what;
    QByteArray line;
  } cases[] = {
      {"a list nested 25,000 deep", VariantLine("Evil", NestedList(25000))},
      {"a list nested 25,000 deep as the units", VariantLine("Units", NestedList(25000))},
      {"a region of 2^31 - 1 rectangles", VariantLine("Evil", VastRegion())},
      {"a huge byte array", "Units=@ByteArray(" + QByteArray(900000, 'A') + ")"},
      {"an invalid value", "Units=@Invalid()"},
      {"a value beginning with @", "Units=@1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    ASSERT_LT(c.line.size(), 1 << 20);
    const bool units = c.line.startsWith("Units=");
    PutFile(config.ConfFile(),
            "[General]\n" + QByteArray(units ? "" : "Units=1\n") + "Program=5\n" + c.line + "\n");
    const long peakBefore = PeakMemoryKiB();
    EXPECT_EQ(StartProgram(), std::vector<std::string>{});
    EXPECT_LT(PeakMemoryKiB() - peakBefore, kStartMemoryKiB);
    QtPlatform next;
    EXPECT_EQ(ReadSettingFrom(next, "Units"), units ? "0" : "1");
    EXPECT_EQ(ReadSettingFrom(next, "Program"), "5");
    // The start stored the theme; the typed value's line is as it was.
    EXPECT_EQ(next.Settings().ReadString(kSettingsKey, "Trellis_Theme"), "2");
    EXPECT_TRUE(FileBytes(config.ConfFile()).split('\n').contains(c.line));
  }
}

// Makes a device node like /dev/null inside the scratch folder, where the
// superuser may; false where nodes cannot be made.
bool MakeDevice(const QString& path) {
  return mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
}

bool IsDevice(const QString& path) {
  struct stat st {};
  return lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISCHR(st.st_mode);
}

// Anything but a regular file as the settings file is never opened, read or
// replaced: nothing is read, every write is refused at once, and the thing
// there stays as it was.
TEST(SettingsFile, OnlyARegularFileIsReadOrReplaced) {
  struct Case {
    const char* what;
    std::function<void(const ScopedConfig&, QString& planted)> plant;
    bool (*stays)(const QString& planted);
  };
  const Case cases[] = {
      {"a pipe",
       [](const ScopedConfig& config, QString& planted) {
         planted = config.ConfFile();
         MakeFifo(planted);
       },
       IsFifo},
      {"a link to a pipe",
       [](const ScopedConfig& config, QString& planted) {
         planted = config.Path() + "/elsewhere/pipe";
         MakeFifo(planted);
         QDir().mkpath(QFileInfo(config.ConfFile()).path());
         QFile::link(planted, config.ConfFile());
       },
       IsFifo},
      {"a link to a device",
       [](const ScopedConfig& config, QString& planted) {
         planted = config.Path() + "/elsewhere/null";
         QDir().mkpath(QFileInfo(planted).path());
         if (!MakeDevice(planted)) planted.clear();
         QDir().mkpath(QFileInfo(config.ConfFile()).path());
         QFile::link(planted, config.ConfFile());
       },
       IsDevice},
      {"a folder",
       [](const ScopedConfig& config, QString& planted) {
         planted = config.ConfFile();
         QDir().mkpath(planted);
       },
       [](const QString& planted) { return QFileInfo(planted).isDir(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    QString planted;
    c.plant(config, planted);
    if (planted.isEmpty()) {
      std::cout << "skipped \"" << c.what << "\": no device nodes here\n";
      continue;
    }
    {
      QtPlatform platform;
      vcl::SettingsStore& store = platform.Settings();
      EXPECT_FALSE(store.KeyExists(kSettingsKey));
      EXPECT_EQ(store.ReadString(kSettingsKey, "Units"), std::nullopt);
      EXPECT_FALSE(store.OpenKey(kSettingsKey, true));
      EXPECT_FALSE(store.WriteString(kSettingsKey, "Units", "1"));
    }
    // The program starts on its defaults and reports the writes it could not make.
    const std::vector<std::string> boxes = StartProgram();
    ASSERT_FALSE(boxes.empty());
    EXPECT_EQ(boxes.front().rfind("Failed to set data for '", 0), 0u) << boxes.front();
    EXPECT_TRUE(c.stays(planted));
    // Nothing was made beside it.
    EXPECT_EQ(QDir(QFileInfo(config.ConfFile()).path())
                  .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
              QStringList{"Trellis.conf"});
  }
}

// Anything but a regular file where the settings lock belongs fails a write
// at once, and the program goes on.
TEST(SettingsFile, ALockThatIsNoRegularFileFailsTheWrite) {
  struct Case {
    const char* what;
    void (*plant)(const QString& lock);
  } cases[] = {
      {"a pipe", [](const QString& lock) { MakeFifo(lock); }},
      {"a folder", [](const QString& lock) { QDir().mkpath(lock); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    PutFile(config.ConfFile(), "[General]\nUnits=1\n");
    const QString lock = config.ConfFile() + ".lock";
    c.plant(lock);
    QtPlatform platform;
    EXPECT_FALSE(platform.Settings().WriteString(kSettingsKey, "Units", "0"));
    EXPECT_EQ(platform.Settings().ReadString(kSettingsKey, "Units"), "1");
    EXPECT_EQ(FileBytes(config.ConfFile()), "[General]\nUnits=1\n");
    EXPECT_FALSE(QFileInfo(lock).isFile());
  }
}

// To learn where its file is the program reads no other file: files of other
// names in the settings folders, pipes among them, are never opened.
TEST(SettingsFile, NoFileButTheProgramsOwnIsRead) {
  ScopedConfig config;
  QTemporaryDir system;
  const QByteArray savedDirs = qgetenv("XDG_CONFIG_DIRS");
  qputenv("XDG_CONFIG_DIRS", QFile::encodeName(system.path()));
  for (const QString& folder : {config.Path(), system.path()}) {
    MakeFifo(folder + "/trellis-settings-folder-probe.conf");
    MakeFifo(folder + "/Orvane, Inc..conf");
    MakeFifo(folder + "/Trellis.conf");
  }
  MakeFifo(system.path() + "/Orvane, Inc./Trellis.conf");
  PutFile(config.ConfFile(), "[General]\nUnits=1\n");
  {
    QtPlatform platform;
    EXPECT_EQ(platform.Settings().ReadString(kSettingsKey, "Units"), "1");
    EXPECT_TRUE(platform.Settings().WriteString(kSettingsKey, "Units", "0"));
  }
  EXPECT_EQ(StartProgram(), std::vector<std::string>{});
  qputenv("XDG_CONFIG_DIRS", savedDirs);
}

// The installer's script is read only when it is a regular file: a pipe or a
// device is refused with the importer's box, never opened.
TEST(SettingsFile, TheImporterReadsOnlyARegularScript) {
  const trellis::RegistryScriptImporter importer;
  vcl::SetScriptImporter(&importer);
  ScopedConfig config;
  QTemporaryDir dir;
  struct Case {
    const char* what;
    QString path;
    std::function<bool(const QString&)> plant;
  } cases[] = {
      {"a pipe", dir.filePath("ORVNE_Reg.reg"),
       [](const QString& path) {
         MakeFifo(path);
         return true;
       }},
      {"a link to an endless device", dir.filePath("zero/ORVNE_Reg.reg"),
       [](const QString& path) {
         QDir().mkpath(QFileInfo(path).path());
         return QFile::link("/dev/zero", path);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_TRUE(c.plant(c.path));
    QtPlatform platform;
    BoxAnswerer answerer(QMessageBox::Yes);
    EXPECT_FALSE(platform.ShellOpen(c.path.toStdString()));
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text, "The registry script " + c.path.toStdString() +
                                         " was not imported: it is not a regular file.");
    EXPECT_FALSE(QFileInfo::exists(config.ConfFile()));
  }
  vcl::SetScriptImporter(nullptr);
}

}  // namespace
}  // namespace trellis::desktop
