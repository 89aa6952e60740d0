// The headless platform: records what the program shows and asks, answers
// questions from a script, keeps settings in memory and runs on a manual clock.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "vcl/forms.h"
#include "vcl/platform.h"

namespace trellis::testing {

class MemorySettingsStore : public vcl::SettingsStore {
 public:
  bool OpenKey(const std::string& key, bool canCreate) override;
  bool KeyExists(const std::string& key) override;
  std::optional<std::string> ReadString(const std::string& key, const std::string& name) override;
  bool WriteString(const std::string& key, const std::string& name,
                   const std::string& value) override;

  // Direct access for tests (no failure injection).
  void Set(const std::string& key, const std::string& name, const std::string& value);
  void Erase(const std::string& key, const std::string& name);
  std::optional<std::string> Get(const std::string& key, const std::string& name) const;
  void Clear() { values_.clear(); }
  const std::map<std::string, std::map<std::string, std::string>>& Values() const {
    return values_;
  }

  // Failure injection: keys can neither be opened nor created; writes refused.
  bool failOpen = false;
  bool failWrites = false;
  // Values whose writes are refused, by name.
  std::set<std::string> failWritesOf;
  int writeCount = 0;
  // Every stored write, in order.
  struct Write {
    std::string key, name, value;
  };
  std::vector<Write> writeLog;

 private:
  std::map<std::string, std::map<std::string, std::string>> values_;
};

struct RecordedMessage {
  std::string kind;  // "message", "question", "error", "math"
  std::string caption;
  std::string text;
};

class FakePlatform : public vcl::Platform {
 public:
  FakePlatform();

  void ShowMessage(const std::string& text) override;
  int MessageBox(const std::string& text, const std::string& caption, int flags) override;
  void ShowException(const std::string& title, const std::string& message) override;
  void ShowMathError(const std::string& caption, const std::string& text) override;

  vcl::SettingsStore& Settings() override { return settings; }
  std::string UserDecimalSeparator() override { return decimalSeparator; }
  bool ShellOpen(const std::string& target) override;
  bool PrinterSetup() override;
  void PrintForm(vcl::TForm& form) override;
  // Returns at once; the clock moves on by the pause.
  bool Sleep(int milliseconds) override;
  void ProcessMessages() override;
  void TimerChanged(vcl::TTimer& timer) override;
  void TimerDestroyed(vcl::TTimer& timer) override;
  vcl::LocalTime Now() override { return clock; }
  std::string ProgramFileName() override { return programFileName; }
  std::string ProgramFolder() override { return programFolder; }
  std::string WorkingDirectory() override { return workingDirectory; }
  std::string DataFolder() override { return dataFolder; }
  void ApplyTheme(const std::string& name) override;
  void FormShown(vcl::TForm& form) override;
  void FormHidden(vcl::TForm& form) override;
  void Quit() override { ++quitCalls; }
  [[noreturn]] void Exit(int code) override;

  // Advances the manual clock and fires every enabled timer whose interval has
  // elapsed, each tick as its own dispatch.
  void AdvanceTime(int milliseconds);
  // Fires each enabled timer once.
  void TickTimers();

  // Messages since the last TakeMessages.
  std::vector<RecordedMessage> TakeMessages();

  MemorySettingsStore settings;
  std::string decimalSeparator = ".";
  std::deque<int> answers;  // answers to the next questions; IDNO when empty
  std::vector<RecordedMessage> messages;
  std::vector<std::string> shellCalls;
  bool shellSucceeds = true;
  bool printerAvailable = true;
  bool printerSetupConfirms = true;
  int printerSetupCalls = 0;
  std::vector<std::string> printedForms;
  long sleptMilliseconds = 0;
  std::vector<int> sleeps;  // every pause, in order
  long processMessagesCalls = 0;
  vcl::LocalTime clock{2026, 12, 10, 9, 30, 0};
  int clockMilliseconds = 0;  // below the clock's second
  int quitCalls = 0;
  std::string programFileName = "Trellis";
  std::string programFolder = "/opt/trellis";
  std::string workingDirectory = "/tmp";
  std::string dataFolder = "/tmp/trellis-data";
  std::vector<std::string> formEvents;     // "show Form4", "hide Form4"
  std::vector<std::string> appliedThemes;  // every theme applied, in order
  int exitCode = -1;
  // Another view of the windows follows the record: told of every window shown
  // or hidden and every theme applied.
  std::function<void(vcl::TForm&, bool shown)> onWindow;
  std::function<void(const std::string&)> onTheme;

 private:
  void AdvanceClock(int milliseconds);
  std::set<vcl::TTimer*> timers_;
  size_t taken_ = 0;
};

}  // namespace trellis::testing
