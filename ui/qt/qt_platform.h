// The desktop platform: Qt message boxes, the settings file, the desktop's shell,
// QPrinter, QTimer and the windows the renderer builds.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "ui/qt/themes.h"
#include "vcl/platform.h"

struct stat;
class QPrinter;
class QTimer;

namespace trellis::desktop {

class QtRenderer;

// Removes the settings file's lock when no living process holds it (a run
// killed while storing leaves one behind), so a write never waits it out.
// Anything there but a regular file is left alone.
void ClearDeadSettingsLock(const QString& lockFile);

// Whether a process of this number is there: 0 when it is, else the error
// kill(pid, 0) gives. Tests stand in for it, to play another user's process.
extern int (*ProbeProcess)(qint64 pid);

// The settings file as the program reads it: the plain values of its lines,
// each kept with its key and value as they are written there.
class SettingsText {
 public:
  // Parses the text of a file; lines that say nothing are dropped.
  static SettingsText Parse(const QByteArray& bytes);
  // The value of a key ("Units", "Recent/File"), undoing the file's escapes.
  std::optional<QString> Value(const QString& key) const;
  // Whether any key lies in the group ("" for the whole file).
  bool HoldsGroup(const QString& group) const;
  // Stores the value, written as the toolkit writes a string.
  void Set(const QString& key, const QString& value);
  // The file's text: every other value as it was written.
  QByteArray Text() const;

 private:
  struct Entry {
    QString key;      // full key, groups separated by '/'
    QByteArray name;  // the key's text in its section
    QByteArray raw;   // the value's text as written
  };
  struct Section {
    QString group;      // "" for the top level, else "name/"
    QByteArray header;  // the text between the brackets
    std::vector<Entry> entries;
  };
  Entry* Find(const QString& key);
  const Entry* Find(const QString& key) const;
  Section& SectionOf(const QString& group, const QByteArray& header);
  std::vector<Section> sections_;
  // Where each group's section and each key's entry stand in the lists above.
  QHash<QString, size_t> sectionAt_;
  QHash<QString, std::pair<size_t, size_t>> entryAt_;
};

// The registry-like store over the program's settings file, and that file
// alone, as the user's registry key is: the program's own key is the top
// level, any other key a group of the same path. Every value is read as the
// text it is; only a regular file is read or replaced. The start removes what
// killed writes of ended runs left beside it.
class QtSettingsStore : public vcl::SettingsStore {
 public:
  QtSettingsStore();
  ~QtSettingsStore() override;

  bool OpenKey(const std::string& key, bool canCreate) override;
  bool KeyExists(const std::string& key) override;
  std::optional<std::string> ReadString(const std::string& key, const std::string& name) override;
  bool WriteString(const std::string& key, const std::string& name,
                   const std::string& value) override;

  // Rereads the file when another run has changed it.
  void Sync();

 private:
  static QString GroupOf(const std::string& key);
  static QString FullKey(const std::string& key, const std::string& name);
  bool Writable() const;
  // The file as read: nothing while it is missing, oversized or no regular file.
  const SettingsText& Current();
  QString file_;
  SettingsText text_;
  // What the file was when it was read, so an unchanged file is not read again.
  struct Stamp {
    qint64 device = -1, inode = -1, size = -1, modified = -1, changed = -1;
    bool operator==(const Stamp&) const = default;
  } stamp_;
  static Stamp StampOf(const struct stat& st);
  int written_ = 0;
  // Keys opened with create: they exist for this run even before a value is written.
  std::set<std::string> created_;
};

class QtPlatform : public vcl::Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void ShowMessage(const std::string& text) override;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  void ShowException(const std::string& title, const std::string& message) override;
  void ShowMathError(const std::string& caption, const std::string& text) override;

  vcl::SettingsStore& Settings() override { return settings_; }
  std::string UserDecimalSeparator() override;
  bool ShellOpen(const std::string& target) override;

  bool PrinterSetup() override;
  void PrintForm(vcl::TForm& form) override;

  bool Sleep(int milliseconds) override;
  void ProcessMessages() override;
  void TimerChanged(vcl::TTimer& timer) override;
  void TimerDestroyed(vcl::TTimer& timer) override;
  vcl::LocalTime Now() override;

  std::string ProgramFileName() override { return "Trellis"; }
  std::string ProgramFolder() override;
  std::string WorkingDirectory() override { return workingDirectory_; }
  std::string DataFolder() override;

  void ApplyTheme(const std::string& name) override { ApplyDesktopTheme(name); }

  void FormShown(vcl::TForm& form) override;
  void FormHidden(vcl::TForm& form) override;
  void Quit() override;
  [[noreturn]] void Exit(int code) override;

  // The folder counted as the run's working folder (the start's current folder
  // unless set); windows created afterwards see the new one.
  void SetWorkingDirectory(const std::string& folder) { workingDirectory_ = folder; }
  // Tests run the start-up without its pauses; the program still counts the
  // time a skipped pause stands for towards its timers.
  void SetSleepsSkipped(bool skipped) { sleepsSkipped_ = skipped; }
  // The printer that set-up and printing share (created on first use).
  QPrinter& Printer();

  // The renderer registers itself while it lives.
  void AttachRenderer(QtRenderer* renderer) { renderer_ = renderer; }
  QtRenderer* Renderer() const { return renderer_; }

 private:
  QtSettingsStore settings_;
  std::string workingDirectory_;
  std::unique_ptr<QPrinter> printer_;
  std::map<vcl::TTimer*, std::unique_ptr<QTimer>> timers_;
  QtRenderer* renderer_ = nullptr;
  bool sleepsSkipped_ = false;
};

}  // namespace trellis::desktop
