#include "tests/support/fake_platform.h"

#include "vcl/exceptions.h"

namespace trellis::testing {

// ---- MemorySettingsStore ----

bool MemorySettingsStore::OpenKey(const std::string& key, bool canCreate) {
  if (failOpen) return false;
  if (values_.count(key)) return true;
  if (!canCreate) return false;
  values_[key];
  return true;
}

bool MemorySettingsStore::KeyExists(const std::string& key) {
  return !failOpen && values_.count(key) > 0;
}

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& key,
                                                           const std::string& name) {
  if (failOpen) return std::nullopt;
  return Get(key, name);
}

bool MemorySettingsStore::WriteString(const std::string& key, const std::string& name,
                                      const std::string& value) {
  if (failOpen || failWrites || failWritesOf.count(name)) return false;
  values_[key][name] = value;
  ++writeCount;
  writeLog.push_back({key, name, value});
  return true;
}

void MemorySettingsStore::Set(const std::string& key, const std::string& name,
                              const std::string& value) {
  values_[key][name] = value;
}

void MemorySettingsStore::Erase(const std::string& key, const std::string& name) {
  auto k = values_.find(key);
  if (k != values_.end()) k->second.erase(name);
}

std::optional<std::string> MemorySettingsStore::Get(const std::string& key,
                                                    const std::string& name) const {
  auto k = values_.find(key);
  if (k == values_.end()) return std::nullopt;
  auto v = k->second.find(name);
  if (v == k->second.end()) return std::nullopt;
  return v->second;
}

// ---- FakePlatform ----

FakePlatform::FakePlatform() = default;

void FakePlatform::ShowMessage(const std::string& text) {
  messages.push_back({"message", programFileName, text});
}

int FakePlatform::MessageBox(const std::string& text, const std::string& caption, int) {
  messages.push_back({"question", caption, text});
  if (answers.empty()) return vcl::IDNO;
  int answer = answers.front();
  answers.pop_front();
  return answer;
}

void FakePlatform::ShowException(const std::string& title, const std::string& message) {
  messages.push_back({"error", title, message});
}

void FakePlatform::ShowMathError(const std::string& caption, const std::string& text) {
  messages.push_back({"math", caption, text});
}

bool FakePlatform::ShellOpen(const std::string& target) {
  shellCalls.push_back(target);
  return shellSucceeds;
}

bool FakePlatform::PrinterSetup() {
  ++printerSetupCalls;
  return printerSetupConfirms;
}

void FakePlatform::PrintForm(vcl::TForm& form) {
  if (!printerAvailable) throw vcl::EPrinter("There is no default printer currently selected");
  printedForms.push_back(form.Name);
}

bool FakePlatform::Sleep(int milliseconds) {
  sleptMilliseconds += milliseconds;
  sleeps.push_back(milliseconds);
  AdvanceClock(milliseconds);
  return false;
}

void FakePlatform::ProcessMessages() { ++processMessagesCalls; }

void FakePlatform::TimerChanged(vcl::TTimer& timer) { timers_.insert(&timer); }

void FakePlatform::TimerDestroyed(vcl::TTimer& timer) { timers_.erase(&timer); }

void FakePlatform::ApplyTheme(const std::string& name) {
  appliedThemes.push_back(name);
  if (onTheme) onTheme(name);
}

void FakePlatform::FormShown(vcl::TForm& form) {
  formEvents.push_back("show " + form.Name);
  if (onWindow) onWindow(form, true);
}

void FakePlatform::FormHidden(vcl::TForm& form) {
  formEvents.push_back("hide " + form.Name);
  if (onWindow) onWindow(form, false);
}

void FakePlatform::Exit(int code) {
  exitCode = code;
  throw vcl::ProgramExit{code};
}

void FakePlatform::AdvanceClock(int milliseconds) {
  const long total = clockMilliseconds + static_cast<long>(clock.second) * 1000 + milliseconds;
  clockMilliseconds = static_cast<int>(total % 1000);
  clock.second = static_cast<int>(total / 1000 % 60);
  clock.minute += static_cast<int>(total / 60000);
  if (clock.minute >= 60) {
    clock.hour = (clock.hour + clock.minute / 60) % 24;
    clock.minute %= 60;
  }
}

void FakePlatform::AdvanceTime(int milliseconds) {
  AdvanceClock(milliseconds);
  if (vcl::TApplication* app = vcl::Application()) app->TimePassed(milliseconds);
}

void FakePlatform::TickTimers() {
  std::vector<vcl::TTimer*> all;
  for (vcl::TTimer* timer : timers_)
    if (timer->Enabled()) all.push_back(timer);
  for (vcl::TTimer* t : all)
    if (timers_.count(t) && t->OnTimer) vcl::Application()->Dispatch([t] { t->OnTimer(t); });
}

std::vector<RecordedMessage> FakePlatform::TakeMessages() {
  // A test may have cleared the record in between.
  if (taken_ > messages.size()) taken_ = 0;
  std::vector<RecordedMessage> out(messages.begin() + static_cast<long>(taken_), messages.end());
  taken_ = messages.size();
  return out;
}

}  // namespace trellis::testing
