// The program started on the desktop over a settings file a crash or a hand
// edit left behind: it starts at once, raises nothing, and leaves a clean file
// with nothing beside it.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <cerrno>
#include <functional>
#include <memory>

#include "app/program.h"
#include "settings/settings_store.h"
#include "tests/qt/qt_test_support.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"

namespace trellis::desktop {
namespace {

using testing::BoxAnswerer;
using testing::ScopedConfig;

// Starts the program on the desktop as the entry does, with every box a failure.
void StartWithoutBoxes() {
  for (const auto& box : testing::StartProgramOnDesktop())
    ADD_FAILURE() << box.title << ": " << box.text;
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

// The highest the process's memory has been so far, in KiB.
long PeakMemoryKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

#if !defined(__SANITIZE_ADDRESS__)
// While it lives the process may map no more than 2 GiB beyond what it has
// mapped now: a start that read a hole of gigabytes would fail at once rather
// than take the machine's memory. (The sanitizers map far more and go without.)
class AddressSpaceCap {
 public:
  AddressSpaceCap() {
    getrlimit(RLIMIT_AS, &saved_);
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return;
    for (const QByteArray& line : status.readAll().split('\n'))
      if (line.startsWith("VmSize:")) {
        rlimit cap = saved_;
        cap.rlim_cur =
            static_cast<rlim_t>(line.mid(7).trimmed().split(' ').front().toLongLong() << 10) +
            (rlim_t{2} << 30);
        if (saved_.rlim_cur == RLIM_INFINITY || cap.rlim_cur < saved_.rlim_cur)
          setrlimit(RLIMIT_AS, &cap);
      }
  }
  ~AddressSpaceCap() { setrlimit(RLIMIT_AS, &saved_); }
  AddressSpaceCap(const AddressSpaceCap&) = delete;
  AddressSpaceCap& operator=(const AddressSpaceCap&) = delete;

 private:
  rlimit saved_{};
};
#endif

// A file beyond 1 MiB is no settings file: the program starts on the defaults
// without a box, never reading it, and its first write leaves a small, clean
// file. A hole of 4 GiB takes no disk, yet would fill the memory if read.
TEST(SettingsAtStartUp, AnOversizedFileStartsOnTheDefaults) {
  // Far below what reading the hole takes (twice its size), and well above
  // what a start takes, under the sanitizers too.
  constexpr long kStartMemoryKiB = 512 << 10;
  struct Case {
    const char* what;
    const char* file;  // in the settings folder
    qint64 size;
    bool noise;  // else a hole after the opening lines
  } cases[] = {
      {"2 MiB of noise", "Orvane, Inc./Trellis.conf", 2 << 20, true},
      {"a 4 GiB hole", "Orvane, Inc./Trellis.conf", qint64{4} << 30, false},
      // The organisation's file was read beside the program's.
      {"a 4 GiB hole as the organisation's file", "Orvane, Inc..conf", qint64{4} << 30, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    const QString path = config.Path() + "/" + c.file;
    QDir().mkpath(QFileInfo(config.ConfFile()).path());
    {
      const QByteArray opening = "[General]\nUnits=1\nx=";
      QFile conf(path);
      ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
      if (c.noise) {
        QByteArray noise(c.size, '\0');
        unsigned state = 20261211;
        for (char& b : noise) b = static_cast<char>((state = state * 1103515245u + 12345u) >> 24);
        noise.replace(0, opening.size(), opening);
        conf.write(noise);
      } else {
        conf.write(opening);
        ASSERT_TRUE(conf.resize(c.size));
      }
    }
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(path).constData(), &st), 0);
    ASSERT_EQ(st.st_size, c.size);
    if (st.st_blocks * 512 > (qint64{16} << 20)) {
      QFile::remove(path);
      GTEST_SKIP() << "this file system stores no holes";
    }
    const long peakBefore = PeakMemoryKiB();
    {
#if !defined(__SANITIZE_ADDRESS__)
      const AddressSpaceCap cap;
#endif
      StartWithoutBoxes();
    }
    EXPECT_LT(PeakMemoryKiB() - peakBefore, kStartMemoryKiB);
    EXPECT_LT(QFileInfo(config.ConfFile()).size(), 4096);
    QSettings file(config.ConfFile(), QSettings::IniFormat);
    EXPECT_EQ(file.status(), QSettings::NoError);
    EXPECT_EQ(file.value("Trellis_Theme").toString(), "2");
    EXPECT_FALSE(file.contains("Units"));
    EXPECT_FALSE(file.contains("x"));
  }
}

// A write killed midway leaves its new file, the toolkit's lock of it and
// perhaps the toolkit's temporary file. A start removes those of runs that
// have ended, the settings as they were, and leaves those of a running copy.
TEST(SettingsAtStartUp, AStartRemovesWhatKilledWritesLeft) {
  QProcess ended;
  ended.start(QStringLiteral("/bin/sh"), {"-c", "exit 0"});
  ASSERT_TRUE(ended.waitForStarted(10000));
  const qint64 endedPid = ended.processId();
  ASSERT_TRUE(ended.waitForFinished(10000));
  QProcess running;
  running.start(QStringLiteral("/bin/sleep"), {"60"});
  ASSERT_TRUE(running.waitForStarted(10000));
  const qint64 runningPid = running.processId();
  struct Case {
    const char* what;
    qint64 pid;
    bool removed;
  } cases[] = {
      {"a run that has ended", endedPid, true},
      // After a restart of the machine a run may be given an ended run's
      // number; its first write was to read the ended one's file.
      {"an ended run of this run's number", QCoreApplication::applicationPid(), true},
      {"a copy still running", runningPid, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    QDir().mkpath(QFileInfo(config.ConfFile()).path());
    const auto put = [](const QString& path, const QByteArray& bytes) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(bytes);
    };
    put(config.ConfFile(), "[General]\nRegistry_Status=0\nUnits=1\n");
    const QString stem = config.ConfFile() + "." + QString::number(c.pid) + "-";
    const QByteArray details =
        QByteArray::number(c.pid) + "\nTrellis\n" + QSysInfo::machineHostName().toUtf8() + "\n";
    const QStringList left = {stem + "1.new", stem + "1.new.lock", stem + "2.new.lock",
                              stem + "3.new.qWxYzA"};
    put(left[0], "[General]\nUnits=0\nStray=1\n");
    put(left[1], details);
    put(left[2], "");
    put(left[3], "[General]\nUn");
    StartWithoutBoxes();
    for (const QString& name : left)
      EXPECT_EQ(QFileInfo::exists(name), !c.removed) << name.toStdString();
    QSettings file(config.ConfFile(), QSettings::IniFormat);
    EXPECT_EQ(file.value("Units").toString(), "1");
    EXPECT_EQ(file.value("Trellis_Theme").toString(), "2");
    EXPECT_FALSE(file.contains("Stray"));
    EXPECT_FALSE(QFileInfo::exists(config.ConfFile() + ".lock"));
  }
  running.kill();
  running.waitForFinished(10000);
}

// Numbers of runs the process check answers for while a ProcessesAnswer lives.
constexpr qint64 kOtherUsersRun = 4000001;  // alive, another user's: not ours to signal
constexpr qint64 kEndedRun = 4000002;

class ProcessesAnswer {
 public:
  ProcessesAnswer() : saved_(ProbeProcess) {
    ProbeProcess = [](qint64 pid) { return pid == kOtherUsersRun ? EPERM : ESRCH; };
  }
  ~ProcessesAnswer() { ProbeProcess = saved_; }
  ProcessesAnswer(const ProcessesAnswer&) = delete;
  ProcessesAnswer& operator=(const ProcessesAnswer&) = delete;

 private:
  int (*saved_)(qint64);
};

void Put(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// What a killed write of a run leaves beside a file.
QStringList LeftBy(const QString& file, qint64 pid) {
  const QString stem = file + "." + QString::number(pid) + "-";
  return {stem + "1.new", stem + "1.new.lock", stem + "2.new.qWxYzA"};
}

// The start's clean-up removes what ended runs left, and only that, and only
// while no other copy is writing.
TEST(SettingsAtStartUp, TheCleanUpRemovesOnlyWhatEndedRunsLeft) {
  const ProcessesAnswer answer;
  struct Case {
    const char* what;
    // Plants files; names those the start must remove and those it must keep.
    std::function<void(const ScopedConfig&, QStringList& removed, QStringList& kept,
                       std::unique_ptr<QLockFile>& held)>
        plant;
  };
  const Case cases[] = {
      {"a run of another user",
       [](const ScopedConfig& config, QStringList& removed, QStringList& kept, auto&) {
         kept = LeftBy(config.ConfFile(), kOtherUsersRun);
         removed = LeftBy(config.ConfFile(), kEndedRun);
       }},
      {"the nameless settings lock of an ended run",
       [](const ScopedConfig& config, QStringList& removed, QStringList&, auto&) {
         removed = LeftBy(config.ConfFile(), kEndedRun);
         Put(config.ConfFile() + ".lock", "");
         removed << config.ConfFile() + ".lock";
       }},
      {"another copy writing",
       [](const ScopedConfig& config, QStringList&, QStringList& kept, auto& held) {
         kept = LeftBy(config.ConfFile(), kEndedRun);
         held = std::make_unique<QLockFile>(config.ConfFile() + ".lock");
         ASSERT_TRUE(held->tryLock(0));
       }},
      {"a link to a file elsewhere",
       [](const ScopedConfig& config, QStringList& removed, QStringList& kept, auto&) {
         const QString real = config.Path() + "/boards/real.conf";
         Put(real, "[General]\nUnits=1\n");
         QFile::remove(config.ConfFile());
         ASSERT_TRUE(QFile::link(real, config.ConfFile()));
         removed = LeftBy(real, kEndedRun);
         // Beside the link nothing is the file's.
         kept = LeftBy(QFileInfo(config.ConfFile()).path() + "/real.conf", kEndedRun);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScopedConfig config;
    Put(config.ConfFile(), "[General]\nUnits=1\n");
    QStringList removed, kept;
    std::unique_ptr<QLockFile> held;
    c.plant(config, removed, kept, held);
    for (const QString& name : removed + kept)
      if (!QFileInfo::exists(name)) Put(name, "");
    { QtPlatform platform; }
    for (const QString& name : removed) EXPECT_FALSE(QFileInfo::exists(name)) << name.toStdString();
    for (const QString& name : kept) EXPECT_TRUE(QFileInfo::exists(name)) << name.toStdString();
  }
}

// Files of this run's own number are an ended run's; a start that left them
// (another copy was writing) has its first write remove them.
TEST(SettingsAtStartUp, AWriteRemovesAnEndedRunsFilesOfItsNumber) {
  ScopedConfig config;
  Put(config.ConfFile(), "[General]\nUnits=1\n");
  const QStringList left = LeftBy(config.ConfFile(), QCoreApplication::applicationPid()).mid(0, 2);
  for (const QString& name : left) Put(name, "");
  auto held = std::make_unique<QLockFile>(config.ConfFile() + ".lock");
  ASSERT_TRUE(held->tryLock(0));
  QtPlatform platform;
  for (const QString& name : left) ASSERT_TRUE(QFileInfo::exists(name)) << name.toStdString();
  held.reset();
  EXPECT_TRUE(platform.Settings().WriteString(kSettingsKey, "Units", "0"));
  for (const QString& name : left) EXPECT_FALSE(QFileInfo::exists(name)) << name.toStdString();
  EXPECT_EQ(QSettings(config.ConfFile(), QSettings::IniFormat).value("Units").toString(), "0");
}

}  // namespace
}  // namespace trellis::desktop
