#include "vcl/forms.h"

#include <algorithm>
#include <typeinfo>

#include "vcl/exceptions.h"
#include "vcl/resources.h"

namespace vcl {

namespace {
TApplication* gApplication = nullptr;
}

TApplication* Application() { return gApplication; }

Platform& CurrentPlatform() {
  if (!gApplication) throw Exception("No application is running");
  return gApplication->GetPlatform();
}

void ShowMessage(const std::string& text) { CurrentPlatform().ShowMessage(text); }

std::string Platform::ClockText() {
  const LocalTime t = Now();
  return Format("%d:%02d:%02d  %d/%d/%d", t.hour, t.minute, t.second, t.month, t.day, t.year);
}

// ---- TForm ----

TForm::TForm(std::string className) : TControl(std::move(className)) {
  OwnerForm = this;
  // Born hidden: the platform hears of a form only once it is built and shown.
  TControl::SetVisible(false);
}

TForm::~TForm() {
  // Children go first, in reverse order of creation, so no parent dies before its children.
  while (!owned_.empty()) owned_.pop_back();
}

void TForm::SetClientSize(int w, int h) {
  if (w == clientWidth_ && h == clientHeight_) return;
  clientWidth_ = w;
  clientHeight_ = h;
  Notify(Prop::Geometry);
}

void TForm::SetVisible(bool v) {
  if (v == Visible()) return;
  if (v)
    Show();
  else
    Hide();
}

void TForm::Show() {
  if (Visible()) return;
  TControl::SetVisible(true);
  if (OnShow) {
    try {
      OnShow(this);
    } catch (const ProgramExit&) {
      throw;
    } catch (...) {
      if (Application()) Application()->ShowException(std::current_exception());
    }
  }
  if (Application()) CurrentPlatform().FormShown(*this);
}

void TForm::Hide() {
  if (!Visible()) return;
  TControl::SetVisible(false);
  if (Application()) CurrentPlatform().FormHidden(*this);
}

void TForm::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(this, canClose);
  if (!canClose) return;
  Hide();
  // The run ends with the main form, whatever other windows are open.
  if (TApplication* app = Application(); app && app->MainForm == this) app->Terminate();
}

TComponent* TForm::FindComponent(const std::string& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

const std::vector<TTimer*> TForm::Timers() const {
  std::vector<TTimer*> out;
  for (TComponent* c : components_)
    if (auto* t = dynamic_cast<TTimer*>(c)) out.push_back(t);
  return out;
}

TComponent* TForm::Adopt(std::unique_ptr<TComponent> component) {
  TComponent* raw = component.get();
  if (!raw->Name.empty()) {
    if (raw->Name == Name || !byName_.try_emplace(raw->Name, raw).second)
      throw ELayoutError("A component named " + raw->Name + " already exists in " + Name);
  }
  raw->OwnerForm = this;
  components_.push_back(raw);
  owned_.push_back(std::move(component));
  return raw;
}

void TForm::FinishLoading() {
  for (auto& b : bindings_) b.resolve();
  for (TComponent* c : components_) {
    if (auto* ud = dynamic_cast<TUpDown*>(c); ud && !ud->AssociateName.empty()) {
      ud->Associate = Find<TEdit>(ud->AssociateName);
      if (!ud->Associate)
        throw ELayoutError(Name + "." + ud->Name + ": no edit named " + ud->AssociateName);
    }
  }
  if (Application())
    for (TTimer* t : Timers()) CurrentPlatform().TimerChanged(*t);
}

void TForm::BindError(const std::string& place, const std::string& name,
                      const std::string& what) const {
  throw ELayoutError((place.empty() ? "" : place + ": ") + Name + "." + name + " " + what);
}

void DropEnterKey(TObject*, char& key) {
  if (key == '\r') key = 0;
}

namespace {
template <class Map>
auto LookUp(const Map& map, const std::string& name, const std::string& form) {
  auto it = map.find(name);
  if (it == map.end()) throw ELayoutError(form + ": no handler " + name + " of the event's kind");
  return it->second;
}
}  // namespace

TNotifyEvent TForm::NotifyHandler(const std::string& n) const { return LookUp(notify_, n, Name); }
TKeyEvent TForm::KeyHandler(const std::string& n) const { return LookUp(key_, n, Name); }
TKeyPressEvent TForm::KeyPressHandler(const std::string& n) const {
  return LookUp(keyPress_, n, Name);
}
TCloseQueryEvent TForm::CloseQueryHandler(const std::string& n) const {
  return LookUp(closeQuery_, n, Name);
}
TChangingEvent TForm::ChangingHandler(const std::string& n) const {
  return LookUp(closeQuery_, n, Name);
}
TUDClickEvent TForm::UDClickHandler(const std::string& n) const {
  return LookUp(udClick_, n, Name);
}

// ---- TApplication ----

TApplication::TApplication(Platform& platform) : platform_(platform), previous_(gApplication) {
  gApplication = this;
  SetMathErrorHandler([this](const std::string& fn, const std::string& kind) {
    platform_.ShowMathError(platform_.ProgramFileName(), MathErrorText(fn, kind));
  });
}

TApplication::~TApplication() {
  for (TTimer* t : timers_) t->app_ = nullptr;
  if (gApplication != this) return;
  gApplication = previous_;
  SetMathErrorHandler(nullptr);
}

void TApplication::ShowException(std::exception_ptr e) {
  std::string message;
  try {
    std::rethrow_exception(e);
  } catch (const Exception& ex) {
    message = ex.Message();
  } catch (...) {
    // Anything that is not the toolkit's own exception shows with an empty message.
  }
  platform_.ShowException(Title, message);
}

void TApplication::Dispatch(const std::function<void()>& action) {
  ++depth_;
  try {
    action();
  } catch (const ProgramExit&) {
    --depth_;
    throw;
  } catch (...) {
    ShowException(std::current_exception());
  }
  --depth_;
  if (depth_ == 0) FireDueTicks();
}

void TApplication::ProcessMessages() {
  FireDueTicks();
  platform_.ProcessMessages();
}

void TApplication::Sleep(int milliseconds) {
  if (milliseconds <= 0) return;
  if (!platform_.Sleep(milliseconds)) CountTime(milliseconds);
}

void TApplication::TimePassed(int milliseconds) {
  if (milliseconds <= 0) return;
  CountTime(milliseconds);
  FireDueTicks();
}

void TApplication::CountTime(int milliseconds) {
  for (TTimer* t : timers_)
    if (t->Running()) t->counted_ += milliseconds;
}

void TApplication::FireDueTicks() {
  // A tick's own dispatch ends here again; the ticks it finds wait for the next time.
  if (firingTicks_) return;
  firingTicks_ = true;
  struct Done {
    bool& flag;
    ~Done() { flag = false; }
  } done{firingTicks_};
  // The time went by for every timer at once: which ticks are due is settled
  // before any runs. A tick may stop, start or destroy timers, so each is
  // looked up again before it fires.
  std::vector<TTimer*> due;
  for (TTimer* t : timers_) {
    if (!t->Running()) continue;
    for (; t->counted_ >= t->Interval(); t->counted_ -= t->Interval()) due.push_back(t);
  }
  for (TTimer* t : due) {
    if (std::find(timers_.begin(), timers_.end(), t) == timers_.end() || !t->Running() ||
        !t->OnTimer)
      continue;
    Dispatch([t] { t->OnTimer(t); });
  }
}

void TApplication::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  platform_.Quit();
}

int TApplication::MessageBox(const std::string& text, const std::string& caption, int flags) {
  return platform_.MessageBox(text, caption, flags);
}

// ---- TRegistry ----

TRegistry::TRegistry() : store_(CurrentPlatform().Settings()) {}

static std::string NormaliseKey(std::string key) {
  while (!key.empty() && key.front() == '\\') key.erase(key.begin());
  while (!key.empty() && key.back() == '\\') key.pop_back();
  return key;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  std::string k = NormaliseKey(key);
  if (store_.OpenKey(k, canCreate)) {
    key_ = k;
    return true;
  }
  key_.reset();
  return false;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key) {
  std::string k = NormaliseKey(key);
  if (store_.KeyExists(k)) {
    key_ = k;
    return true;
  }
  key_.reset();
  return false;
}

bool TRegistry::KeyExists(const std::string& key) { return store_.KeyExists(NormaliseKey(key)); }

bool TRegistry::ValueExists(const std::string& name) {
  return key_ && store_.ReadString(*key_, name).has_value();
}

std::string TRegistry::ReadString(const std::string& name) {
  if (!key_) return {};
  return store_.ReadString(*key_, name).value_or(std::string());
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  if (!key_ || !store_.WriteString(*key_, name, value))
    throw ERegistryException("Failed to set data for '" + name + "'");
}

void TRegistry::CloseKey() { key_.reset(); }

std::string_view LayoutResource(const std::string& name) {
  const auto& table = LayoutResources();
  auto it = table.find(name);
  if (it == table.end()) throw ELayoutError("No layout resource named " + name);
  return it->second;
}

}  // namespace vcl
