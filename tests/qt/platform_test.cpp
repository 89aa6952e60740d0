// The desktop platform's settings store, boxes, timers, shell and printing.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLockFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <csignal>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "settings/settings_store.h"
#include "tests/qt/qt_test_support.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "vcl/exceptions.h"
#include "vcl/forms.h"

namespace trellis::desktop {
namespace {

using testing::BoxAnswerer;
using testing::ScopedConfig;

constexpr const char* kKey = "Software\\Orvane, Inc.\\Trellis";

QString FileText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// ---- Settings ----

TEST(QtSettings, ValueWrittenByOnePlatformIsReadByTheNext) {
  ScopedConfig config;
  {
    QtPlatform first;
    EXPECT_FALSE(first.Settings().KeyExists(kKey));
    ASSERT_TRUE(first.Settings().OpenKey(kKey, true));
    ASSERT_TRUE(first.Settings().WriteString(kKey, "Units", "1"));
    ASSERT_TRUE(first.Settings().WriteString(kKey, "Separator", "0,7"));
  }
  QtPlatform second;
  EXPECT_TRUE(second.Settings().KeyExists(kKey));
  EXPECT_EQ(second.Settings().ReadString(kKey, "Units"), "1");
  EXPECT_EQ(second.Settings().ReadString(kKey, "Separator"), "0,7");
  EXPECT_EQ(second.Settings().ReadString(kKey, "Missing"), std::nullopt);
  // Each write is on disk at once, not only in the object's cache.
  EXPECT_TRUE(FileText(config.ConfFile()).contains("Units=1"));
}

TEST(QtSettings, ProgramKeyIsTheTopLevelAndOtherKeysAreGroups) {
  ScopedConfig config;
  struct Case {
    std::string key;
    QString path;  // where the value lands in the settings file
  } cases[] = {
      {kKey, "Value0"},
      {"SOFTWARE\\orvane, inc.\\TRELLIS", "Value1"},
      {"Software\\Orvane, Inc.\\Trellis\\Recent", "Recent/Value2"},
      {"Software\\Elsewhere\\Tool", "Software/Elsewhere/Tool/Value3"},
  };
  QtPlatform platform;
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "Value" + std::to_string(n++);
    ASSERT_TRUE(platform.Settings().WriteString(c.key, name, "x")) << c.key;
    EXPECT_EQ(platform.Settings().ReadString(c.key, name), "x") << c.key;
  }
  // Read back by a plain reader of the file, which knows nothing of keys.
  QSettings file(config.ConfFile(), QSettings::IniFormat);
  for (const Case& c : cases) EXPECT_EQ(file.value(c.path).toString(), "x") << c.key;
  EXPECT_EQ(file.allKeys().size(), static_cast<qsizetype>(std::size(cases)));
}

QString ProgramFolderOf(const ScopedConfig& config) { return config.Path() + "/Orvane, Inc."; }

void PutFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

// Puts a file where the program's settings folder was, so nothing can be stored.
void BlockTheFolder(const ScopedConfig& config) {
  QDir(ProgramFolderOf(config)).removeRecursively();
  PutFile(ProgramFolderOf(config), "not a folder");
}

// A run killed while storing leaves its lock file behind, empty when it died
// before writing its details.
TEST(QtSettings, ALockNoProcessHoldsDoesNotHoldUpTheFirstWrite) {
  // The details of a process that has ended.
  QProcess ended;
  ended.start(QStringLiteral("/bin/sh"), {"-c", "exit 0"});
  // The toolkit forgets the number once the process has finished.
  ended.waitForStarted(10000);
  const qint64 deadPid = ended.processId();
  ASSERT_TRUE(ended.waitForFinished(10000));
  const QByteArray deadDetails = QByteArray::number(deadPid) + "\n" +
                                 QCoreApplication::applicationName().toUtf8() + "\n" +
                                 QSysInfo::machineHostName().toUtf8() + "\n";
  struct Case {
    const char* what;
    QByteArray lock;
  } cases[] = {
      {"empty", ""},
      {"unreadable bytes", "\x01\x02\x03"},
      {"the details of a run that has ended", deadDetails},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    const QString lock = config.ConfFile() + ".lock";
    PutFile(config.ConfFile(), "[General]\nUnits=1\n");
    PutFile(lock, c.lock);
    QtPlatform platform;
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(platform.Settings().WriteString(kKey, "Trellis_Theme", "2"));
    EXPECT_LT(clock.elapsed(), 5000);
    EXPECT_FALSE(QFileInfo::exists(lock));
    EXPECT_TRUE(FileText(config.ConfFile()).contains("Trellis_Theme=2"));
  }
}

// Only a lock file nobody holds is cleared; a living holder keeps it.
TEST(QtSettings, ClearsOnlyALockNoLivingProcessHolds) {
  ScopedConfig config;
  const QString path = config.Path() + "/Trellis.conf.lock";
  struct Case {
    const char* what;
    std::function<void(std::unique_ptr<QLockFile>&)> plant;
    bool kept;
  };
  const Case cases[] = {
      {"no lock", [](std::unique_ptr<QLockFile>&) {}, false},
      {"an empty file", [&](std::unique_ptr<QLockFile>&) { PutFile(path, ""); }, false},
      {"a file of unreadable bytes",
       [&](std::unique_ptr<QLockFile>&) { PutFile(path, "\x01\x02"); }, false},
      {"held by a living process",
       [&](std::unique_ptr<QLockFile>& held) {
         held = std::make_unique<QLockFile>(path);
         ASSERT_TRUE(held->tryLock(0));
       },
       true},
      {"held, its details not yet written",
       [&](std::unique_ptr<QLockFile>& held) {
         held = std::make_unique<QLockFile>(path);
         ASSERT_TRUE(held->tryLock(0));
         PutFile(path, "");
       },
       true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::unique_ptr<QLockFile> held;
    c.plant(held);
    ClearDeadSettingsLock(path);
    EXPECT_EQ(QFileInfo::exists(path), c.kept);
    held.reset();
    QFile::remove(path);
  }
}

// A file the toolkit cannot parse reads as far as it can; the next write
// stores its value, rewrites the file cleanly and reports no failure.
TEST(QtSettings, AFileThatCannotBeParsedIsRewrittenByTheNextWrite) {
  struct Case {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"a byte-order mark", "\xEF\xBB\xBF[General]\nUnits=1\n"},
      {"an unreadable line", "[General]\nUnits=1\n\x01\x02\x03\n"},
      {"an unclosed section", "Units=1\n[broken\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    PutFile(config.ConfFile(), c.bytes);
    QtPlatform platform;
    vcl::TApplication app(platform);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_NO_THROW(reg.WriteString("Trellis_Theme", "2"));
    EXPECT_NO_THROW(reg.WriteString("Units", "0"));
    QSettings file(config.ConfFile(), QSettings::IniFormat);
    EXPECT_EQ(file.status(), QSettings::NoError);
    EXPECT_EQ(file.value("Trellis_Theme").toString(), "2");
    EXPECT_EQ(file.value("Units").toString(), "0");
  }
}

// An unparsed file hides no real failure: a value that could not be stored still raises.
TEST(QtSettings, AFileThatCannotBeParsedStillReportsAWriteThatFailed) {
  ScopedConfig config;
  PutFile(config.ConfFile(), "\xEF\xBB\xBF[General]\nUnits=1\n\x01\n");
  QtPlatform platform;
  EXPECT_EQ(platform.Settings().ReadString(kKey, "Units"), "1");
  BlockTheFolder(config);
  EXPECT_FALSE(platform.Settings().WriteString(kKey, "Trellis_Theme", "2"));
}

// Storing the value the file already holds writes nothing, yet is still checked.
TEST(QtSettings, StoringTheValueAlreadyHeldWritesNothing) {
  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app(platform);
  WriteSetting("Units", "1");
  // A write puts a new file in the old one's place.
  auto inode = [&] {
    struct stat st {};
    return stat(config.ConfFile().toLocal8Bit().constData(), &st) == 0 ? st.st_ino : ino_t{0};
  };
  ASSERT_NE(inode(), ino_t{0});
  struct Case {
    std::string name, value;
    bool rewritten;
  } cases[] = {
      {"Units", "1", false}, {"Units", "0", true},  {"Units", "0", false},  {"Units", "", true},
      {"Units", "", false},  {"Program", "", true}, {"Program", "", false}, {"Program", "16", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + "=" + c.value);
    const ino_t before = inode();
    EXPECT_NO_THROW(WriteSetting(c.name, c.value));
    EXPECT_EQ(inode() != before, c.rewritten);
    EXPECT_EQ(platform.Settings().ReadString(kKey, c.name), c.value);
  }
  // A value another run stored meanwhile is no longer the one held: it is written.
  PutFile(config.ConfFile(), "[General]\nUnits=7\n");
  WriteSetting("Units", "");
  EXPECT_EQ(QSettings(config.ConfFile(), QSettings::IniFormat).value("Units").toString(), "");
  // With the folder gone the value is no longer held: a change, and refused.
  BlockTheFolder(config);
  EXPECT_THROW(WriteSetting("Units", "0"), vcl::ERegistryException);
}

// The values of the settings file's top level as its lines read, parsed
// apart from the toolkit, whose readers of one file share what they hold.
std::map<QString, QString> FileValues(const QString& path) {
  std::map<QString, QString> values;
  for (const QString& line : FileText(path).split('\n')) {
    const qsizetype at = line.indexOf('=');
    if (at > 0) values[line.left(at)] = line.mid(at + 1);
  }
  return values;
}

// Runs its undoing when it goes.
class Undo {
 public:
  explicit Undo(std::function<void()> undo) : undo_(std::move(undo)) {}
  ~Undo() { undo_(); }
  Undo(const Undo&) = delete;
  Undo& operator=(const Undo&) = delete;

 private:
  std::function<void()> undo_;
};
using Fault = std::unique_ptr<Undo>;

// Faults that hold the superuser too, each lasting while its result lives.
// A full disk: files can be made, not one byte written into them.
Fault FillTheDisk(const ScopedConfig&) {
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  auto* handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit none = saved;
  none.rlim_cur = 0;
  setrlimit(RLIMIT_FSIZE, &none);
  return std::make_unique<Undo>([saved, handler] {
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
  });
}

// No file can be opened: every descriptor the process may have is taken.
Fault TakeEveryDescriptor(const ScopedConfig&) {
  rlimit saved{};
  getrlimit(RLIMIT_NOFILE, &saved);
  const int lowestFree = open("/dev/null", O_RDONLY);
  close(lowestFree);
  rlimit taken = saved;
  taken.rlim_cur = static_cast<rlim_t>(lowestFree);
  setrlimit(RLIMIT_NOFILE, &taken);
  return std::make_unique<Undo>([saved] { setrlimit(RLIMIT_NOFILE, &saved); });
}

// The settings folder put aside and a file in its place.
Fault ReplaceTheFolder(const ScopedConfig& config) {
  const QString folder = ProgramFolderOf(config), aside = folder + ".aside";
  QDir().rename(folder, aside);
  PutFile(folder, "not a folder");
  return std::make_unique<Undo>([folder, aside] {
    QFile::remove(folder);
    QDir().rename(aside, folder);
  });
}

// A refused write leaves the store holding what the file holds: the refused
// value is not read back, no later write stores it, and once the fault is
// gone a change that is stored is reported stored.
TEST(QtSettings, ARefusedWriteIsNeitherHeldNorStoredLater) {
  struct Case {
    const char* what;
    Fault (*plant)(const ScopedConfig&);
    std::optional<std::string> heldDuring;  // what the file shows while the fault lasts
  } cases[] = {
      {"a full disk", FillTheDisk, "1"},
      {"no file descriptor left", TakeEveryDescriptor, "1"},
      {"the folder replaced by a file", ReplaceTheFolder, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    QtPlatform platform;
    vcl::SettingsStore& store = platform.Settings();
    ASSERT_TRUE(store.WriteString(kKey, "Units", "1"));
    ASSERT_TRUE(store.WriteString(kKey, "Program", "16"));
    bool units = true, program = true;
    std::optional<std::string> held;
    {
      // Checked once the fault is gone, so nothing is written while it lasts.
      const Fault fault = c.plant(config);
      units = store.WriteString(kKey, "Units", "0");
      program = store.WriteString(kKey, "Program", "3");
      held = store.ReadString(kKey, "Units");
    }
    EXPECT_FALSE(units);
    EXPECT_FALSE(program);
    EXPECT_EQ(held, c.heldDuring);
    EXPECT_EQ(store.ReadString(kKey, "Units"), "1");
    EXPECT_EQ(store.ReadString(kKey, "Program"), "16");

    EXPECT_TRUE(store.WriteString(kKey, "Trellis_Theme", "2"));
    std::map<QString, QString> file = FileValues(config.ConfFile());
    EXPECT_EQ(file["Units"], "1");
    EXPECT_EQ(file["Program"], "16");
    EXPECT_EQ(file["Trellis_Theme"], "2");
    EXPECT_TRUE(store.WriteString(kKey, "Units", "0"));
    EXPECT_EQ(FileValues(config.ConfFile())["Units"], "0");
    EXPECT_EQ(QtPlatform().Settings().ReadString(kKey, "Units"), "0");
    // Nothing is left beside the file.
    EXPECT_EQ(QDir(ProgramFolderOf(config)).entryList(QDir::Files | QDir::Hidden),
              QStringList{"Trellis.conf"});
  }
}

// A file that cannot be written, while nothing changes: an unchanged value
// needs no write, so none fails; a real change still raises the registry error.
TEST(QtSettings, AnUnwritableFileRefusesOnlyARealChange) {
  struct Case {
    const char* what;
    Fault (*plant)(const ScopedConfig&);
    bool superuserToo;
  } cases[] = {
      {"no file descriptor left", TakeEveryDescriptor, true},
      {"a read-only file",
       [](const ScopedConfig& config) {
         const QString file = config.ConfFile();
         QFile::setPermissions(file, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
         return std::make_unique<Undo>(
             [file] { QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner); });
       },
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    if (!c.superuserToo && geteuid() == 0) continue;  // file modes do not stop the superuser
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizers' runtime needs descriptors of its own while the exception
    // is caught, so the exhausted-descriptor case runs in the plain build only.
    if (c.plant == TakeEveryDescriptor) continue;
#endif
    ScopedConfig config;
    QtPlatform platform;
    vcl::TApplication app(platform);
    vcl::TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    reg.WriteString("Program", "16");
    reg.WriteString("Trellis_Theme", "2");
    std::vector<std::string> errors;
    auto write = [&](const char* name, const char* value) {
      try {
        WriteSetting(name, value);
      } catch (const vcl::ERegistryException& e) {
        errors.push_back(e.Message());
      }
    };
    std::vector<std::string> unchanged;
    {
      const Fault fault = c.plant(config);
      // What every start writes.
      write("Trellis_Theme", "2");
      write("Program", "16");
      unchanged.swap(errors);
      write("Program", "3");
    }
    EXPECT_EQ(unchanged, std::vector<std::string>{});
    EXPECT_EQ(errors, std::vector<std::string>{"Failed to set data for 'Program'"});
    EXPECT_EQ(platform.Settings().ReadString(kKey, "Program"), "16");
    EXPECT_EQ(FileValues(config.ConfFile())["Program"], "16");
  }
}

// A run may be given the number of an ended run whose new files are still
// there (a start leaves them while another copy writes): a write reads nothing
// of them and takes their place.
TEST(QtSettings, AWriteTakesNothingFromAnEndedRunOfItsNumber) {
  ScopedConfig config;
  PutFile(config.ConfFile(), "[General]\nUnits=1\n");
  QtPlatform platform;
  const QString stem =
      config.ConfFile() + "." + QString::number(QCoreApplication::applicationPid()) + "-";
  // The first writes of this run, whatever ran before in this process.
  for (int n = 1; n <= 20; ++n) {
    PutFile(stem + QString::number(n) + ".new", "[General]\nStray=1\n");
    PutFile(stem + QString::number(n) + ".new.lock", "");
  }
  EXPECT_TRUE(platform.Settings().WriteString(kKey, "Trellis_Theme", "2"));
  std::map<QString, QString> file = FileValues(config.ConfFile());
  EXPECT_EQ(file["Units"], "1");
  EXPECT_EQ(file["Trellis_Theme"], "2");
  EXPECT_EQ(file.count("Stray"), 0u);
}

// A file beyond 1 MiB is no settings file: it reads as none and the next
// write replaces it with a clean one.
TEST(QtSettings, AnOversizedFileReadsAsNoneAndTheNextWriteReplacesIt) {
  struct Case {
    const char* what;
    qint64 size;
    bool read;
  } cases[] = {
      {"1 MiB", 1 << 20, true},
      {"a byte more", (1 << 20) + 1, false},
      {"5 MB", 5000000, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    QByteArray bytes = "[General]\nUnits=1\n;";
    bytes += QByteArray(c.size - bytes.size() - 1, 'x') + "\n";
    ASSERT_EQ(bytes.size(), c.size);
    PutFile(config.ConfFile(), bytes);
    QtPlatform platform;
    vcl::SettingsStore& store = platform.Settings();
    EXPECT_EQ(store.KeyExists(kKey), c.read);
    EXPECT_EQ(store.ReadString(kKey, "Units"),
              c.read ? std::optional<std::string>("1") : std::nullopt);
    EXPECT_TRUE(store.WriteString(kKey, "Trellis_Theme", "2"));
    EXPECT_LT(QFileInfo(config.ConfFile()).size(), 100);
    std::map<QString, QString> file = FileValues(config.ConfFile());
    EXPECT_EQ(file["Trellis_Theme"], "2");
    EXPECT_EQ(file.count("Units"), c.read ? 1u : 0u);
    EXPECT_EQ(store.ReadString(kKey, "Trellis_Theme"), "2");
  }
}

enum class Unwritable { FolderIsAFile, ReadOnlyFolder };

class UnwritableConfig : public ::testing::TestWithParam<Unwritable> {};

TEST_P(UnwritableConfig, WritesFailAndTheRegistryRaises) {
  QTemporaryDir dir;
  QString path = dir.filePath("config");
  if (GetParam() == Unwritable::FolderIsAFile) {
    QFile blocker(path);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  } else {
    if (geteuid() == 0) GTEST_SKIP() << "file modes do not stop the superuser";
    ASSERT_TRUE(QDir().mkpath(path));
    ASSERT_EQ(chmod(path.toLocal8Bit().constData(), 0555), 0);
  }
  ScopedConfig::Use(path);
  {
    QtPlatform platform;
    EXPECT_FALSE(platform.Settings().OpenKey(kKey, true));
    EXPECT_FALSE(platform.Settings().WriteString(kKey, "Units", "1"));
    vcl::TApplication app(platform);
    vcl::TRegistry reg;
    reg.OpenKey(kKey, true);
    try {
      reg.WriteString("Units", "1");
      ADD_FAILURE() << "no exception";
    } catch (const vcl::ERegistryException& e) {
      EXPECT_EQ(e.Message(), "Failed to set data for 'Units'");
    }
  }
  ScopedConfig::UseDefault();
  chmod(path.toLocal8Bit().constData(), 0755);
}

INSTANTIATE_TEST_SUITE_P(Folders, UnwritableConfig,
                         ::testing::Values(Unwritable::FolderIsAFile, Unwritable::ReadOnlyFolder),
                         [](const ::testing::TestParamInfo<Unwritable>& info) {
                           return info.param == Unwritable::FolderIsAFile ? "FolderIsAFile"
                                                                          : "ReadOnlyFolder";
                         });

// ---- Boxes ----

TEST(QtBoxes, MessageBoxAnswersAsTheToolkitNumbersThem) {
  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app(platform);
  app.Title = "Title Of The Program";
  struct Case {
    int flags;
    QMessageBox::StandardButton press;
    int answer;
  } cases[] = {
      {vcl::MB_YESNO, QMessageBox::Yes, vcl::IDYES},
      {vcl::MB_YESNO, QMessageBox::No, vcl::IDNO},
      {vcl::MB_YESNO | vcl::MB_ICONQUESTION, QMessageBox::Yes, vcl::IDYES},
      {vcl::MB_OK, QMessageBox::Ok, vcl::IDOK},
  };
  for (const Case& c : cases) {
    BoxAnswerer answerer(c.press);
    EXPECT_EQ(platform.MessageBox("Print form data?", "Print...", c.flags), c.answer);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].title, "Print...");
    EXPECT_EQ(answerer.seen[0].text, "Print form data?");
  }
}

TEST(QtBoxes, SimpleAndErrorBoxesCarryTheirCaptions) {
  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app(platform);
  app.Title = "Title Of The Program";
  BoxAnswerer answerer(QMessageBox::Ok);
  platform.ShowMessage("plain");
  platform.ShowException(app.Title, "broken");
  platform.ShowMathError("Trellis", "sqrt: DOMAIN error");
  ASSERT_EQ(answerer.seen.size(), 3u);
  EXPECT_EQ(answerer.seen[0].title, "Title Of The Program");
  EXPECT_EQ(answerer.seen[0].text, "plain");
  EXPECT_EQ(answerer.seen[1].title, "Title Of The Program");
  EXPECT_EQ(answerer.seen[1].text, "broken");
  EXPECT_EQ(answerer.seen[2].title, "Trellis");
  EXPECT_EQ(answerer.seen[2].text, "sqrt: DOMAIN error");
}

// A message far larger than the screen (a 10,000-character paste in the
// conversion error, a long run of words, many lines) opens inside the screen
// of the window it belongs to and keeps its opening and closing words.
// A short message must not cut its caption: the title bar shows it whole
// beside the window manager's buttons.
TEST(QtBoxes, ABoxIsWideEnoughForItsCaption) {
  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app(platform);
  for (const char* caption : {"Print...", "A caption far longer than the question it asks"}) {
    SCOPED_TRACE(caption);
    BoxAnswerer answerer(QMessageBox::No);
    platform.MessageBox("Print form data?", caption, vcl::MB_YESNO);
    ASSERT_EQ(answerer.seen.size(), 1u);
    QFont bold = QApplication::font("QMessageBox");
    bold.setBold(true);
    EXPECT_GE(answerer.seen[0].frame.width(),
              QFontMetrics(bold).horizontalAdvance(QString::fromLatin1(caption)) + 100);
  }
}

TEST(QtBoxes, AHugeMessageStaysOnItsScreen) {
  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app(platform);
  const std::string conversion = " is not a valid floating point value";
  std::string words, lines;
  for (int i = 0; i < 2000; ++i) words += "word ";
  for (int i = 0; i < 500; ++i) lines += "line\n";
  struct Case {
    const char* name;
    std::string text, head, tail;
  } cases[] = {
      {"one long word", "'" + std::string(10000, '7') + "'" + conversion, "'777",
       "7'" + conversion},
      {"many words", words + "end", "word word", "word end"},
      {"many lines", lines + "last", "line\nline", "line\nlast"},
      {"a message that fits", "'12a'" + conversion, "'12a'" + conversion, "'12a'" + conversion},
  };
  for (const char* name : {"Desktop", "Netbook"}) {
    QScreen* screen = testing::ScreenNamed(QString::fromLatin1(name));
    ASSERT_NE(screen, nullptr) << name;
    QWidget window;
    window.setScreen(screen);
    window.setGeometry(QRect(screen->geometry().topLeft() + QPoint(40, 40), QSize(320, 200)));
    window.show();
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(name) + ": " + c.name);
      // Offscreen, nothing gives the window back its activation after a box.
      QApplication::setActiveWindow(&window);
      BoxAnswerer answerer(QMessageBox::Ok);
      platform.ShowMessage(c.text);
      ASSERT_EQ(answerer.seen.size(), 1u);
      const testing::SeenBox& box = answerer.seen[0];
      EXPECT_EQ(box.screenArea, screen->availableGeometry());
      EXPECT_TRUE(box.screenArea.contains(box.frame))
          << testing::Text(box.frame) << " outside " << testing::Text(box.screenArea);
      EXPECT_TRUE(box.text.starts_with(c.head)) << box.text.substr(0, 40);
      EXPECT_TRUE(box.text.ends_with(c.tail)) << box.text.substr(box.text.size() - 40);
      if (c.text.size() < 100) {
        EXPECT_EQ(box.text, c.text);
      }
    }
  }
}

TEST(QtTimers, KeepTickingWhileABoxIsOpen) {
  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app(platform);
  int ticks = 0;
  vcl::TTimer timer;
  timer.OnTimer = [&](vcl::TObject*) { ++ticks; };
  timer.SetInterval(10);
  BoxAnswerer answerer(QMessageBox::Ok, 150);
  platform.ShowMessage("wait");
  EXPECT_GE(ticks, 5);
  timer.SetEnabled(false);
  const int stopped = ticks;
  QElapsedTimer clock;
  clock.start();
  while (clock.elapsed() < 100) platform.ProcessMessages();
  EXPECT_EQ(ticks, stopped);
}

TEST(QtTimers, SkippedPausesStillCountForTheTimers) {
  ScopedConfig config;
  QtPlatform platform;
  platform.SetSleepsSkipped(true);
  vcl::TApplication app(platform);
  int slow = 0, fast = 0;
  vcl::TTimer slowTimer, fastTimer, stopped;
  slowTimer.OnTimer = [&](vcl::TObject*) { ++slow; };
  fastTimer.OnTimer = [&](vcl::TObject*) { ++fast; };
  stopped.OnTimer = [&](vcl::TObject*) { ADD_FAILURE() << "a stopped timer ticked"; };
  // The default 1000 ms, started as the layout loader starts the status bar's clock.
  slowTimer.SetEnabled(false);
  slowTimer.SetEnabled(true);
  fastTimer.SetInterval(300);
  stopped.SetEnabled(false);
  QElapsedTimer clock;
  clock.start();
  // The splash's loop: 101 pauses of 40 ms, each followed by the event loop.
  for (int i = 0; i <= 100; ++i) {
    app.Sleep(40);
    app.ProcessMessages();
  }
  EXPECT_LT(clock.elapsed(), 900);
  // 4040 ms went by: 4 of 1000 ms, 13 of 300 ms.
  EXPECT_EQ(slow, 4);
  EXPECT_EQ(fast, 13);

  // A timer stopped in between forgets the time it had gathered.
  app.Sleep(900);
  fastTimer.SetEnabled(false);
  app.ProcessMessages();
  EXPECT_EQ(fast, 13);
  EXPECT_EQ(slow, 4);
  app.Sleep(100);
  app.ProcessMessages();
  EXPECT_EQ(slow, 5);
}

TEST(QtTimers, ATickMayDestroyAnotherTimer) {
  ScopedConfig config;
  QtPlatform platform;
  platform.SetSleepsSkipped(true);
  vcl::TApplication app(platform);
  auto victim = std::make_unique<vcl::TTimer>();
  int victimTicks = 0, killerTicks = 0;
  victim->OnTimer = [&](vcl::TObject*) { ++victimTicks; };
  victim->SetInterval(100);
  vcl::TTimer killer;
  killer.OnTimer = [&](vcl::TObject*) {
    ++killerTicks;
    victim.reset();
  };
  killer.SetInterval(100);
  app.Sleep(250);
  app.ProcessMessages();
  EXPECT_GE(killerTicks, 1);
  EXPECT_EQ(victim, nullptr);
  // The victim ticked at most until the killer's first tick took it away.
  EXPECT_LE(victimTicks, 2);
}

// ---- Shell and printing ----

TEST(QtShell, RefusesWhatItCannotOpen) {
  ScopedConfig config;
  QtPlatform platform;
  for (const char* target : {"/no/such/folder/manual.pdf", "settings.reg", "C:\\Keys\\Trellis.REG"})
    EXPECT_FALSE(platform.ShellOpen(target)) << target;
}

class PrintedForm : public ::testing::Test {
 protected:
  PrintedForm() : app(platform), form("TPrintedForm") {
    form.Name = "PrintedForm";
    form.SetClientSize(200, 100);
  }
  ScopedConfig config;
  QtPlatform platform;
  vcl::TApplication app;
  vcl::TForm form;
};

TEST_F(PrintedForm, PrintsTheClientAreaToAPdfFile) {
  QtRenderer renderer(platform);
  QTemporaryDir dir;
  const QString pdf = dir.filePath("form.pdf");
  platform.Printer().setOutputFormat(QPrinter::PdfFormat);
  platform.Printer().setOutputFileName(pdf);
  platform.PrintForm(form);
  EXPECT_GT(QFileInfo(pdf).size(), 0);
}

TEST_F(PrintedForm, NoPrinterRaisesThePrinterError) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "this machine has a printer";
  QtRenderer renderer(platform);
  platform.Printer().setOutputFormat(QPrinter::NativeFormat);
  try {
    platform.PrintForm(form);
    ADD_FAILURE() << "no exception";
  } catch (const vcl::EPrinter& e) {
    EXPECT_EQ(e.Message(), "There is no default printer currently selected");
  }
}

}  // namespace
}  // namespace trellis::desktop
