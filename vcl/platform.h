// Everything the program needs of the machine it runs on. The desktop build
// implements it with Qt; the tests with a recording fake.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vcl {

class TForm;
class TTimer;

// Registry-like store of string values under keys ("Software\Maker\Program").
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // Opens (and, with canCreate, creates) a key; false when that fails.
  virtual bool OpenKey(const std::string& key, bool canCreate) = 0;
  virtual bool KeyExists(const std::string& key) = 0;
  virtual std::optional<std::string> ReadString(const std::string& key,
                                                const std::string& name) = 0;
  // False when the value could not be stored durably.
  virtual bool WriteString(const std::string& key, const std::string& name,
                           const std::string& value) = 0;
};

struct LocalTime {
  int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Message box buttons and answers, as the toolkit numbers them.
constexpr int MB_OK = 0x0;
constexpr int MB_YESNO = 0x4;
constexpr int MB_ICONQUESTION = 0x20;
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class Platform {
 public:
  virtual ~Platform() = default;

  // The toolkit's simple message box (one OK button, the application title).
  virtual void ShowMessage(const std::string& text) = 0;
  // The application's message box; returns IDYES, IDNO or IDOK.
  virtual int MessageBox(const std::string& text, const std::string& caption, int flags) = 0;
  // The standard error box of an exception that reached the Application.
  virtual void ShowException(const std::string& title, const std::string& message) = 0;
  // Errors of the checked math functions, captioned with the program's file name.
  virtual void ShowMathError(const std::string& caption, const std::string& text) = 0;

  virtual SettingsStore& Settings() = 0;
  // The user's decimal separator as the locale states it (may be any text).
  virtual std::string UserDecimalSeparator() = 0;

  // Opens a web page, mail address, document or program; false when nothing
  // could open it.
  virtual bool ShellOpen(const std::string& target) = 0;

  // The printer set-up dialog; true when confirmed.
  virtual bool PrinterSetup() = 0;
  // Prints the form's client area; raises EPrinter when there is no printer.
  virtual void PrintForm(TForm& form) = 0;

  // Pauses the program. True when it really waited: the platform's own
  // timers saw the time go by. False when it only stood for the pause.
  virtual bool Sleep(int milliseconds) = 0;
  virtual void ProcessMessages() = 0;
  // A timer's Enabled or Interval changed (or it was created/destroyed).
  virtual void TimerChanged(TTimer& timer) = 0;
  virtual void TimerDestroyed(TTimer& timer) = 0;
  virtual LocalTime Now() = 0;
  // The time and date as the status bar shows them: time, two spaces, date.
  virtual std::string ClockText();

  virtual std::string ProgramFileName() = 0;  // e.g. "Trellis.exe"
  virtual std::string ProgramFolder() = 0;
  virtual std::string WorkingDirectory() = 0;
  virtual std::string DataFolder() = 0;  // per-user folder for the program's files
  virtual char PathSeparator() { return '/'; }

  // The colour themes, in the order the program lists and stores them, and
  // applying one to every window (a platform without themes keeps its look).
  virtual std::vector<std::string> ThemeNames() {
    return {"Windows", "Charcoal Dark Slate", "Charcoal HiRes", "Slate", "Windows10"};
  }
  virtual void ApplyTheme(const std::string&) {}

  // Showing, hiding and enabling whole windows (the renderer follows).
  virtual void FormShown(TForm& form) = 0;
  virtual void FormHidden(TForm& form) = 0;

  // Stops the message loop once the running dispatch returns: the run's end.
  virtual void Quit() = 0;
  // Ends the process at once (the program's "Exit").
  [[noreturn]] virtual void Exit(int code) = 0;
};

}  // namespace vcl
