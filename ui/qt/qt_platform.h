// The desktop platform: Qt message boxes, QSettings, the desktop's shell,
// QPrinter, QTimer and the windows the renderer builds.
#pragma once

#include <QString>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "ui/qt/themes.h"
#include "vcl/platform.h"

class QPrinter;
class QSettings;
class QTimer;

namespace trellis::desktop {

class QtRenderer;

// Removes the settings file's lock when no living process holds it (a run
// killed while storing leaves one behind), so a write never waits it out.
void ClearDeadSettingsLock(const QString& lockFile);

// The registry-like store over the program's QSettings file, and that file
// alone, as the user's registry key is: the program's own key is the top
// level, any other key a group of the same path. The start removes what
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
  bool Oversized() const;
  bool Writable() const;
  // The file as read, or none while it is oversized.
  QSettings* Reader();
  QString file_;
  std::unique_ptr<QSettings> settings_;
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
