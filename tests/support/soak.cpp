#include "tests/support/soak.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <memory>
#include <mutex>
#include <random>
#include <sstream>
#include <thread>
#include <unordered_map>

#include "app/form1.h"
#include "settings/registry_script.h"
#include "vcl/sysutils.h"
#include "vcl/user.h"

namespace trellis::testing {

namespace {

using Clock = std::chrono::steady_clock;

enum class Kind {
  Edit,
  Combo,
  Radio,
  Buttons,
  Check,
  Clickable,
  Track,
  UpDown,
  Tabs,
  Memo,
  Menu,
  Form,
  Other
};

struct Target {
  vcl::TComponent* component;
  vcl::TForm* form;
  Kind kind;
  bool handler;
  std::string name;      // "Form.Name"
  long* hits = nullptr;  // actions it took in this run, across restarts
};

bool HasControlHandler(const vcl::TControl& c) {
  return c.OnClick || c.OnExit || c.OnEnter || c.OnKeyDown || c.OnKeyPress;
}

// The kind of input a component takes and whether code listens to it.
Target Classify(vcl::TComponent* c, vcl::TForm* form) {
  Target t{c, form, Kind::Other, false, form->Name + "." + c->Name};
  if (auto* m = dynamic_cast<vcl::TMenuItem*>(c)) {
    t.kind = Kind::Menu;
    t.handler = static_cast<bool>(m->OnClick);
    return t;
  }
  auto* control = dynamic_cast<vcl::TControl*>(c);
  if (!control) return t;
  t.handler = HasControlHandler(*control);
  if (auto* e = dynamic_cast<vcl::TEdit*>(c)) {
    t.kind = Kind::Edit;
    t.handler = t.handler || e->OnChange;
  } else if (auto* cb = dynamic_cast<vcl::TComboBox*>(c)) {
    t.kind = Kind::Combo;
    t.handler = t.handler || cb->OnChange || cb->OnSelect;
  } else if (dynamic_cast<vcl::TRadioGroup*>(c)) {
    t.kind = Kind::Radio;
  } else if (auto* bg = dynamic_cast<vcl::TButtonGroup*>(c)) {
    t.kind = Kind::Buttons;
    bool any = static_cast<bool>(bg->OnButtonClicked);
    for (int i = 0; i < bg->Items().Count() && !any; ++i) any = bg->ItemHasClick(i);
    t.handler = t.handler || any;
  } else if (dynamic_cast<vcl::TCheckBox*>(c)) {
    t.kind = Kind::Check;
  } else if (auto* tb = dynamic_cast<vcl::TTrackBar*>(c)) {
    t.kind = Kind::Track;
    t.handler = t.handler || tb->OnChange;
  } else if (auto* ud = dynamic_cast<vcl::TUpDown*>(c)) {
    t.kind = Kind::UpDown;
    t.handler = t.handler || ud->OnChanging || ud->OnClick;
  } else if (auto* tc = dynamic_cast<vcl::TTabControl*>(c)) {
    t.kind = Kind::Tabs;
    t.handler = t.handler || tc->OnChanging || tc->OnChange;
  } else if (auto* memo = dynamic_cast<vcl::TMemo*>(c)) {
    t.kind = Kind::Memo;
    t.handler = t.handler || memo->OnChange;
  } else if (dynamic_cast<vcl::TButton*>(c) || dynamic_cast<vcl::TLabel*>(c) ||
             dynamic_cast<vcl::TImage*>(c) || dynamic_cast<vcl::TStaticText*>(c)) {
    t.kind = Kind::Clickable;
  }
  return t;
}

bool TakesInput(Kind k) { return k != Kind::Other && k != Kind::Clickable; }

// The controls the figures count, reached or not: those with a user event
// handler or that take input; a menu item only with its handler.
bool Counted(const Target& t) {
  return t.kind == Kind::Menu ? t.handler : t.handler || TakesInput(t.kind);
}

// How often a control is picked against the others of its window.
double Weight(const Target& t) {
  if (t.handler) return 10;
  if (TakesInput(t.kind)) return 3;
  return 0.3;
}

bool AcceptsNow(const Target& t) {
  if (auto* m = dynamic_cast<vcl::TMenuItem*>(t.component)) {
    if (!vcl::user::Accepts(*t.form)) return false;
    for (const vcl::TMenuItem* p = m; p; p = p->ParentItem())
      if (!p->Visible() || !p->Enabled()) return false;
    return true;
  }
  return vcl::user::Accepts(*static_cast<vcl::TControl*>(t.component));
}

// The components of one window, with their picking weights summed up.
struct WindowTargets {
  vcl::TForm* form = nullptr;
  size_t componentCount = 0;
  std::vector<Target> controls;
  std::vector<double> cumulative;
  std::vector<Target> menus;
  std::vector<Target> tabs;
};

WindowTargets Survey(vcl::TForm* form) {
  WindowTargets w;
  w.form = form;
  w.componentCount = form->Components().size();
  double sum = 0;
  auto add = [&](Target t) {
    if (t.kind == Kind::Menu) {
      w.menus.push_back(t);
      return;
    }
    if (t.kind == Kind::Tabs) w.tabs.push_back(t);
    sum += Weight(t);
    w.cumulative.push_back(sum);
    w.controls.push_back(std::move(t));
  };
  Target self = Classify(form, form);
  self.kind = Kind::Form;
  if (self.handler) add(self);
  for (vcl::TComponent* c : form->Components())
    if (!dynamic_cast<vcl::TMainMenu*>(c) && !dynamic_cast<vcl::TTimer*>(c) &&
        !dynamic_cast<vcl::TPrinterSetupDialog*>(c))
      add(Classify(c, form));
  return w;
}

// An error text with its quoted value taken out, so each kind of error shows once.
std::string Pattern(const std::string& text) {
  std::string s = text;
  const auto open = s.find('\'');
  const auto close = s.rfind("' ");
  if (open != std::string::npos && close != std::string::npos && close > open)
    s = s.substr(0, open + 1) + "%s" + s.substr(close);
  return s.substr(0, 160);
}

const char* const kJunk[] = {"",
                             "0",
                             "-0",
                             "-1",
                             "-80.5",
                             "1e308",
                             "1e309",
                             "-1e309",
                             "1e-320",
                             "NaN",
                             "nan",
                             "INF",
                             "-INF",
                             "abc",
                             "1,5",
                             "2,5,6",
                             "1.2.3",
                             " 7 ",
                             "0x10",
                             "999999999999999999999999",
                             "-",
                             ".",
                             ",",
                             "5.",
                             ".5",
                             "12abc",
                             "\t",
                             "+3",
                             "%s%n%d",
                             "'",
                             "\xC3\xA9\xC2\xB0",
                             "2147483648",
                             "-2147483649"};

const uint16_t kKeys[] = {vcl::VK_RETURN,
                          vcl::VK_ESCAPE,
                          vcl::VK_TAB,
                          8,
                          46,
                          37,
                          38,
                          39,
                          40,
                          '0',
                          '5',
                          '9',
                          'A',
                          'Z',
                          ' ',
                          '.',
                          ',',
                          '-',
                          '+',
                          'e'};

class Soak {
 public:
  explicit Soak(const SoakOptions& options) : options_(options), rng_(options.seed) {}

  SoakResult Run();

 private:
  void Start();
  std::map<std::string, std::string> Leftover();
  void SurveyAll();
  std::string Text();
  int Index(int count) { return Between(-1, count); }
  int Between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
  bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
  // One step: a user action, described in `what`; `accepted` when it reached
  // something that takes input. The user's leaving passes as ProgramExit.
  void Act(std::string& what, bool& accepted);
  void ActOn(const Target& t, std::string& what);
  const Target* PickControl(const WindowTargets& w, bool& accepting);
  void Check(const std::string& what, long step);
  // The seed goes with the text: trellis-soak --seed S --trace-from STEP replays it.
  void Fail(const std::string& text) {
    if (result_.failure.empty())
      result_.failure = "seed " + std::to_string(options_.seed) + ": " + text;
  }

  SoakOptions options_;
  std::mt19937 rng_;
  SoakResult result_;
  std::unique_ptr<Harness> harness_;
  std::vector<WindowTargets> windows_;
  std::unordered_map<std::string, long> hits_;
  size_t seenMessages_ = 0;
};

// What the previous program left in the store, with the installer's script
// imported over it when the user ran the installer (as the desktop's shell does).
std::map<std::string, std::string> Soak::Leftover() {
  std::map<std::string, std::string> values;
  const FakePlatform& platform = harness_->platform;
  if (auto it = platform.settings.Values().find(kSettingsKey);
      it != platform.settings.Values().end())
    values = it->second;
  for (const std::string& call : platform.shellCalls) {
    if (!call.ends_with(".reg")) continue;
    std::ifstream in(call, std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const vcl::ScriptContents script = RegistryScriptImporter().Read(text);
    if (!script.ok()) {
      Fail("the installer's script is refused by the importer: " + script.error);
      continue;
    }
    result_.kinds["installed"]++;
    for (const vcl::ScriptValue& v : script.values) values[v.name] = v.value;
  }
  return values;
}

void Soak::Start() {
  HarnessOptions o;
  // Most starts are a configured machine, often the one the last program left;
  // some are a first start, a comma locale or a settings file with odd values.
  if (result_.restarts > 0) {
    bool installed = false;
    for (const std::string& call : harness_->platform.shellCalls)
      installed |= call.ends_with(".reg");
    const bool same = installed || Chance(0.5);
    if (same) {
      o.settingsPresent = false;
      o.settings = Leftover();
    } else if (Chance(0.15)) {
      o.settingsPresent = false;
    }
    if (Chance(0.25)) o.decimalSeparator = ",";
    if (!same && Chance(0.4)) {
      auto defaults = Harness::DefaultSettings();
      static const char* const odd[] = {"0", "1", "2", "3", "4", "5", "-1", "", "abc", "99999"};
      for (const auto& [name, value] : defaults)
        if (Chance(0.3)) o.settings[name] = Chance(0.7) ? odd[Between(0, 5)] : odd[Between(6, 9)];
      if (Chance(0.5)) o.settings["Program"] = std::to_string(Between(0, 25));
    }
  }
  harness_.reset();
  harness_ = std::make_unique<Harness>(o);
  seenMessages_ = 0;
  harness_->Start();
  if (options_.afterStart) options_.afterStart(*harness_);
  SurveyAll();
}

void Soak::SurveyAll() {
  windows_.clear();
  for (vcl::TForm* f : harness_->program->Application().Forms()) {
    windows_.push_back(Survey(f));
    for (Target& t : windows_.back().controls) t.hits = &hits_[t.name];
    for (Target& t : windows_.back().menus) t.hits = &hits_[t.name];
    for (Target& t : windows_.back().tabs) t.hits = &hits_[t.name];
    result_.windows.insert(f->Name);
    for (const Target& t : windows_.back().controls)
      if (Counted(t)) result_.controls.insert(t.name);
    for (const Target& t : windows_.back().menus)
      if (Counted(t)) result_.controls.insert(t.name);
  }
}

std::string Soak::Text() {
  const char sep = vcl::FormatSettings.DecimalSeparator;
  const int pick = Between(0, 99);
  if (pick < 45) {
    // A plausible entry: a few digits at some magnitude, in the user's separator
    // or (less often) the other one.
    const double magnitude = std::pow(10.0, Between(-4, 5));
    const double v = std::uniform_real_distribution<double>(0, 10)(rng_) * magnitude;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", Between(0, 4), Chance(0.08) ? -v : v);
    std::string s = buf;
    const char want = Chance(0.85) ? sep : (sep == '.' ? ',' : '.');
    for (char& c : s)
      if (c == '.') c = want;
    return s;
  }
  if (pick < 60) return std::to_string(Between(0, 40));
  if (pick < 97) return kJunk[Between(0, static_cast<int>(std::size(kJunk)) - 1)];
  // A long run of digits or of printable junk.
  std::string s(Between(100, 5000), '9');
  if (Chance(0.5))
    for (char& c : s) c = static_cast<char>(Between(32, 126));
  return s;
}

const Target* Soak::PickControl(const WindowTargets& w, bool& accepting) {
  accepting = false;
  if (w.controls.empty()) return nullptr;
  const Target* last = nullptr;
  for (int tries = 0; tries < 40; ++tries) {
    const double r = std::uniform_real_distribution<double>(0, w.cumulative.back())(rng_);
    size_t i = std::upper_bound(w.cumulative.begin(), w.cumulative.end(), r) - w.cumulative.begin();
    if (i >= w.controls.size()) i = w.controls.size() - 1;
    last = &w.controls[i];
    // Controls that had many actions give way now and then to the rarely used
    // ones, so a short run goes deeper.
    if (tries < 20 && !Chance(1.0 / (1.0 + static_cast<double>(*last->hits) / 64.0))) continue;
    if (AcceptsNow(*last)) {
      accepting = true;
      return last;
    }
  }
  return last;
}

void Soak::ActOn(const Target& t, std::string& what) {
  using namespace vcl::user;
  if (t.kind == Kind::Menu) {
    what += " pick";
    result_.kinds["menu"]++;
    PickMenuItem(static_cast<vcl::TMenuItem&>(*t.component));
    return;
  }
  auto& control = *static_cast<vcl::TControl*>(t.component);
  auto key = [&] {
    // Up and Down in a box, which step a spin button paired with it.
    if (t.kind == Kind::Edit && Chance(0.1)) {
      const bool up = Chance(0.5);
      what += up ? " arrow up" : " arrow down";
      result_.kinds["arrow"]++;
      PressArrowKey(control, up);
      return;
    }
    const uint16_t k =
        Chance(0.5) ? vcl::VK_RETURN : kKeys[Between(0, static_cast<int>(std::size(kKeys)) - 1)];
    const vcl::TShiftState shift = Chance(0.1) ? Between(1, 4) : 0;
    what += " key " + std::to_string(k);
    result_.kinds["key"]++;
    PressKey(control, k, shift);
  };
  auto leave = [&] {
    what += " leave";
    result_.kinds["leave"]++;
    Leave(control);
  };
  auto click = [&] {
    what += " click";
    result_.kinds["click"]++;
    Click(control);
  };
  auto type = [&] {
    std::string s = Text();
    // Often the user changes the number the box shows, which keeps it near the
    // values the calculator takes.
    double shown = 0;
    if (Chance(0.35) && vcl::TryStrToFloat(control.Caption(), shown) && std::isfinite(shown)) {
      const double factor = std::pow(2.0, std::uniform_real_distribution<double>(-2, 2)(rng_));
      s = vcl::FloatToStr(Chance(0.2) ? std::round(shown * factor) : shown * factor);
    }
    what += " type '" + s.substr(0, 40) + (s.size() > 40 ? "...'" : "'");
    result_.kinds["type"]++;
    TypeText(control, s);
  };
  auto choose = [&](int count) {
    const int i = Index(count);
    what += " choose " + std::to_string(i);
    result_.kinds["choose"]++;
    ChooseItem(control, i);
  };
  const int r = Between(0, 99);
  switch (t.kind) {
    case Kind::Edit:
    case Kind::Memo:
      if (r < 55)
        type();
      else if (r < 82)
        key();
      else if (r < 94)
        leave();
      else
        click();
      break;
    case Kind::Combo: {
      auto& cb = static_cast<vcl::TComboBox&>(control);
      if (r < 55)
        choose(cb.Items().Count());
      else if (r < 70 && cb.Style != vcl::TComboBoxStyle::csDropDownList)
        type();
      else if (r < 82)
        key();
      else if (r < 92)
        leave();
      else
        click();
      break;
    }
    case Kind::Radio:
      if (r < 75)
        choose(static_cast<vcl::TRadioGroup&>(control).Items().Count());
      else if (r < 85)
        key();
      else if (r < 93)
        leave();
      else
        click();
      break;
    case Kind::Buttons: {
      auto& bg = static_cast<vcl::TButtonGroup&>(control);
      if (r < 70) {
        choose(bg.Items().Count());
      } else if (r < 85) {
        const int from = Index(bg.Items().Count()), to = Index(bg.Items().Count());
        what += " drag " + std::to_string(from) + " to " + std::to_string(to);
        result_.kinds["drag"]++;
        DragButton(bg, from, to);
      } else if (r < 93) {
        key();
      } else {
        leave();
      }
      break;
    }
    case Kind::Track: {
      auto& tb = static_cast<vcl::TTrackBar&>(control);
      if (r < 80) {
        int p = Between(tb.Min() - 2, tb.Max() + 2);
        if (Chance(0.05)) p = Chance(0.5) ? INT_MIN : INT_MAX;
        what += " drag to " + std::to_string(p);
        result_.kinds["track"]++;
        MoveTrackBar(tb, p);
      } else if (r < 92) {
        key();
      } else {
        leave();
      }
      break;
    }
    case Kind::UpDown: {
      auto& ud = static_cast<vcl::TUpDown&>(control);
      if (r < 85) {
        const bool up = Chance(0.5);
        what += up ? " step up" : " step down";
        result_.kinds["step"]++;
        StepUpDown(ud, up);
      } else {
        leave();
      }
      break;
    }
    case Kind::Tabs: {
      auto& tc = static_cast<vcl::TTabControl&>(control);
      if (r < 85) {
        const int i = Index(tc.Tabs().Count());
        what += " tab " + std::to_string(i);
        result_.kinds["tab"]++;
        PickTab(tc, i);
      } else {
        key();
      }
      break;
    }
    case Kind::Check:
    case Kind::Clickable:
    case Kind::Form:
    case Kind::Other:
      if (r < 75)
        click();
      else if (r < 90)
        key();
      else
        leave();
      break;
    case Kind::Menu:
      break;
  }
}

void Soak::Act(std::string& what, bool& accepted) {
  FakePlatform& platform = harness_->platform;
  // The answers to the next questions, and now and then a changed machine.
  if (Chance(0.25) && platform.answers.size() < 3)
    platform.answers.push_back(Chance(0.5) ? vcl::IDYES : vcl::IDNO);
  if (Chance(0.004)) platform.shellSucceeds = !platform.shellSucceeds;
  if (Chance(0.004)) platform.printerAvailable = !platform.printerAvailable;
  if (Chance(0.004)) platform.printerSetupConfirms = !platform.printerSetupConfirms;
  if (Chance(0.002)) platform.settings.failWrites = !platform.settings.failWrites;
  if (platform.settings.failWrites && Chance(0.05)) platform.settings.failWrites = false;

  std::vector<WindowTargets*> open;
  for (WindowTargets& w : windows_)
    if (vcl::user::Accepts(*w.form)) open.push_back(&w);
  if (open.empty()) {
    Fail("no window takes input: every shown window is disabled");
    return;
  }
  for (WindowTargets* w : open) result_.windowsOpen.insert(w->form->Name);

  const int r = Between(0, 999);
  if (r < 30) {
    // The clock moves on: the timers tick.
    static const int kSpans[] = {10, 250, 750, 1000, 2000, 60000};
    const int span = kSpans[Between(0, static_cast<int>(std::size(kSpans)) - 1)];
    what = "time +" + std::to_string(span) + "ms";
    result_.kinds["timer"]++;
    accepted = true;
    if (Chance(0.2))
      platform.TickTimers();
    else
      platform.AdvanceTime(span);
    return;
  }
  if (r < 55) {
    // A window's close box; the main window's one ends the program.
    std::vector<vcl::TForm*> shown;
    for (WindowTargets& w : windows_)
      if (w.form->Visible() &&
          (w.form != static_cast<vcl::TForm*>(&harness_->Main()) || Chance(0.03)))
        shown.push_back(w.form);
    if (!shown.empty()) {
      vcl::TForm* f = shown[Between(0, static_cast<int>(shown.size()) - 1)];
      what = f->Name + " close";
      result_.kinds["close"]++;
      accepted = true;
      vcl::user::CloseForm(*f);
      return;
    }
  }
  if (r < 85) {
    // Something a user cannot reach: a hidden or disabled control must ignore it.
    WindowTargets& w = windows_[Between(0, static_cast<int>(windows_.size()) - 1)];
    if (!w.controls.empty()) {
      const Target& t = w.controls[Between(0, static_cast<int>(w.controls.size()) - 1)];
      if (!AcceptsNow(t) && t.kind != Kind::Menu) {
        what = t.name + " (not accepting)";
        auto& control = *static_cast<vcl::TControl*>(t.component);
        const std::string caption = control.Caption();
        const size_t messages = platform.messages.size();
        const int writes = platform.settings.writeCount;
        // Only actions the toolkit refuses: a focus cannot leave a hidden control.
        vcl::user::Click(control);
        vcl::user::TypeText(control, caption == "1" ? "2" : "1");
        vcl::user::PressKey(control, vcl::VK_RETURN);
        result_.kinds["refused"]++;
        if (control.Caption() != caption || platform.messages.size() != messages ||
            platform.settings.writeCount != writes)
          Fail("a control that is hidden or disabled took input: " + what);
        return;
      }
    }
  }

  WindowTargets& w = *open[Between(0, static_cast<int>(open.size()) - 1)];
  const Target* t = nullptr;
  bool accepting = false;
  if (r < 150 && !w.menus.empty()) {
    // Menus of the window: the ones with handlers far more often.
    for (int tries = 0; tries < 20; ++tries) {
      const Target& m = w.menus[Between(0, static_cast<int>(w.menus.size()) - 1)];
      if ((m.handler || Chance(0.1)) && AcceptsNow(m)) {
        t = &m;
        accepting = true;
        break;
      }
    }
  } else if (r < 170 && !w.tabs.empty()) {
    // A tab of a tab control the user sees: the main one or a panel's own.
    for (int tries = 0; tries < 8 && !t; ++tries) {
      const Target& c = w.tabs[Between(0, static_cast<int>(w.tabs.size()) - 1)];
      if (AcceptsNow(c)) {
        t = &c;
        accepting = true;
      }
    }
  }
  if (!t) t = PickControl(w, accepting);
  if (!t) {
    what = w.form->Name + " (no controls) time +10ms";
    platform.AdvanceTime(10);
    return;
  }
  what = t->name;
  accepted = accepting;
  if (accepting) {
    result_.windowsReached.insert(t->form->Name);
    ++*t->hits;
  }
  if (accepting && Counted(*t)) result_.controlsReached.insert(t->name);
  ActOn(*t, what);
}

void Soak::Check(const std::string& what, long step) {
  FakePlatform& platform = harness_->platform;
  if (harness_->program->Application().DispatchDepth() != 0)
    Fail("a dispatch was left open after step " + std::to_string(step) + ": " + what);
  if (seenMessages_ > platform.messages.size()) seenMessages_ = 0;
  for (size_t i = seenMessages_; i < platform.messages.size(); ++i) {
    const RecordedMessage& m = platform.messages[i];
    if (m.kind == "math") ++result_.mathBoxes;
    if (m.kind != "error") continue;
    ++result_.errorBoxes;
    if (result_.errorTexts.size() < 40) result_.errorTexts.insert(Pattern(m.text));
    // The toolkit's own exceptions carry a message; anything else is a fault
    // that slipped through a handler.
    if (m.text.empty())
      Fail("an exception that is not the toolkit's reached the error box at step " +
           std::to_string(step) + ": " + what);
  }
  // Keep the record small; what matters is what the checks saw.
  if (platform.messages.size() > 1000) platform.messages.clear();
  seenMessages_ = platform.messages.size();
  if (platform.formEvents.size() > 1000) platform.formEvents.clear();
}

// Ends the process when one action never returns: the run cannot go on.
class Watchdog {
 public:
  Watchdog(double seconds, uint32_t seed) : seconds_(seconds), seed_(seed) {
    thread_ = std::thread([this] { Watch(); });
  }
  ~Watchdog() {
    {
      std::lock_guard<std::mutex> lock(mutex_);
      stop_ = true;
    }
    wake_.notify_all();
    thread_.join();
  }
  void Begin(long step) {
    step_.store(step);
    started_.store(Clock::now().time_since_epoch().count());
  }
  void End() { started_.store(0); }

 private:
  void Watch() {
    std::unique_lock<std::mutex> lock(mutex_);
    while (!wake_.wait_for(lock, std::chrono::milliseconds(200), [this] { return stop_; })) {
      const auto started = started_.load();
      if (started == 0) continue;
      const auto elapsed = Clock::now().time_since_epoch().count() - started;
      if (std::chrono::duration<double>(Clock::duration(elapsed)).count() > seconds_) {
        std::fprintf(stderr, "soak: step %ld of seed %u has not returned after %.0f s\n",
                     step_.load(), seed_, seconds_);
        std::abort();
      }
    }
  }
  double seconds_;
  uint32_t seed_;
  std::atomic<long> step_{0};
  std::atomic<Clock::rep> started_{0};
  std::mutex mutex_;
  std::condition_variable wake_;
  bool stop_ = false;
  std::thread thread_;
};

SoakResult Soak::Run() {
  const auto begin = Clock::now();
  Watchdog watchdog(options_.hangSeconds, options_.seed);
  Start();
  for (long step = 0; step < options_.actions && result_.failure.empty(); ++step) {
    std::string what;
    bool accepted = false;
    bool exited = false;
    const auto t0 = Clock::now();
    watchdog.Begin(step);
    try {
      Act(what, accepted);
    } catch (const vcl::ProgramExit&) {
      exited = true;
    } catch (const std::exception& e) {
      Fail("an exception escaped the Application at step " + std::to_string(step) + " (" + what +
           "): " + e.what());
    } catch (...) {
      Fail("an exception escaped the Application at step " + std::to_string(step) + " (" + what +
           ")");
    }
    watchdog.End();
    const double took = std::chrono::duration<double>(Clock::now() - t0).count();
    ++result_.actions;
    if (accepted) ++result_.accepted;
    if (step >= options_.traceFrom && options_.traceFrom >= 0)
      std::cerr << "soak " << step << ": " << what << (exited ? " (exit)" : "") << "\n";
    if (took > result_.slowestSeconds) {
      result_.slowestSeconds = took;
      result_.slowestAction = what;
    }
    if (took > options_.actionSeconds)
      Fail("step " + std::to_string(step) + " took " + std::to_string(took) + " s: " + what);
    if (!exited) Check(what, step);
    // The user left (the Exit menu or the main window's close box), or now and
    // then starts the program again: a new program with other settings.
    if (exited || !harness_->Main().Visible() || Chance(0.0005)) {
      ++result_.restarts;
      result_.kinds[exited                       ? "restart-exit"
                    : harness_->Main().Visible() ? "restart"
                                                 : "restart-closed"]++;
      Start();
      continue;
    }
    size_t count = 0;
    for (const WindowTargets& w : windows_) count += w.form->Components().size();
    size_t surveyed = 0;
    for (const WindowTargets& w : windows_) surveyed += w.componentCount;
    if (count != surveyed) SurveyAll();
  }
  harness_.reset();
  result_.seconds = std::chrono::duration<double>(Clock::now() - begin).count();
  return result_;
}

}  // namespace

SoakResult RunSoak(const SoakOptions& options) { return Soak(options).Run(); }

std::string SoakFigures(const SoakResult& r) {
  std::ostringstream out;
  out << "actions " << r.actions << " (" << r.accepted << " on controls taking input), restarts "
      << r.restarts << "\n";
  out << "windows reached " << r.windowsReached.size() << " of " << r.windows.size() << ":";
  for (const std::string& w : r.windows)
    out << " " << w
        << (r.windowsReached.count(w) ? ""
            : r.windowsOpen.count(w)  ? "(open, not acted on)"
                                      : "(never open to the user)");
  out << "\n";
  const auto reached =
      std::count_if(r.controls.begin(), r.controls.end(),
                    [&r](const std::string& c) { return r.controlsReached.count(c); });
  out << "controls reached " << reached << " of " << r.controls.size()
      << " that take input or have handlers\n";
  out << "error boxes " << r.errorBoxes << ", math error boxes " << r.mathBoxes << "\n";
  out << "by kind:";
  for (const auto& [kind, n] : r.kinds) out << " " << kind << " " << n;
  out << "\n";
  char buf[160];
  std::snprintf(buf, sizeof buf, "seconds %.1f, slowest action %.1f ms", r.seconds,
                r.slowestSeconds * 1000);
  out << buf << " (" << r.slowestAction.substr(0, 80) << ")\n";
  return out.str();
}

}  // namespace trellis::testing
