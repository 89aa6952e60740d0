#include "tests/support/scenario.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <variant>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "vcl/user.h"

namespace trellis::testing {

namespace {

// A line that cannot run: reported with its line number, and the run goes on.
class ScenarioError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An exception that escaped the program: the rest of the file is not run.
struct Abort {};

struct Token {
  std::string text;
  bool quoted = false;
  bool Is(std::string_view word) const { return !quoted && text == word; }
};

std::vector<Token> Tokenize(const std::string& line) {
  std::vector<Token> out;
  size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t' || c == '\r') {
      ++i;
    } else if (c == '#') {
      break;
    } else if (c == '"') {
      Token t{"", true};
      ++i;
      while (true) {
        if (i >= line.size()) throw ScenarioError("unterminated text");
        char d = line[i++];
        if (d == '"') break;
        if (d == '\\') {
          if (i >= line.size()) throw ScenarioError("unterminated text");
          char e = line[i++];
          if (e == 'n')
            d = '\n';
          else if (e == 'r')
            d = '\r';
          else if (e == 't')
            d = '\t';
          else if (e == '"' || e == '\\')
            d = e;
          else
            throw ScenarioError(std::string("unknown escape \\") + e);
        }
        t.text += d;
      }
      out.push_back(std::move(t));
    } else {
      size_t start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t' && line[i] != '\r' &&
             line[i] != '"')
        ++i;
      out.push_back({line.substr(start, i - start), false});
    }
  }
  return out;
}

std::string Quote(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\')
      out += std::string("\\") + c;
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else
      out += c;
  }
  return out + "\"";
}

std::string QuoteList(const std::vector<std::string>& items) {
  if (items.empty()) return "none";
  std::string out;
  for (const auto& s : items) out += (out.empty() ? "" : " ") + Quote(s);
  return out;
}

std::optional<long long> ParseInt(std::string_view s) {
  long long v = 0;
  int base = 10;
  if (s.starts_with("$")) {
    s.remove_prefix(1);
    base = 16;
  } else if (s.starts_with("0x")) {
    s.remove_prefix(2);
    base = 16;
  }
  auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return v;
}

// The arguments of one line, taken from left to right.
class Args {
 public:
  explicit Args(const std::vector<Token>& tokens) : t_(tokens) {}
  bool More() const { return i_ < t_.size(); }
  const Token& Peek() const { return t_[i_]; }
  const Token& Next(const char* what) {
    if (!More()) throw ScenarioError(std::string("missing ") + what);
    return t_[i_++];
  }
  std::string Word(const char* what) {
    const Token& t = Next(what);
    if (t.quoted) throw ScenarioError(std::string("expected ") + what + ", got " + Quote(t.text));
    return t.text;
  }
  std::string Text(const char* what) {
    const Token& t = Next(what);
    if (!t.quoted)
      throw ScenarioError(std::string("expected ") + what + " in double quotes, got " + t.text);
    return t.text;
  }
  long long Int(const char* what) {
    std::string w = Word(what);
    auto v = ParseInt(w);
    if (!v) throw ScenarioError(std::string("expected ") + what + " as a number, got " + w);
    return *v;
  }
  bool YesNo(const char* what) {
    std::string w = Word(what);
    if (w == "yes" || w == "true") return true;
    if (w == "no" || w == "false") return false;
    throw ScenarioError(std::string("expected yes or no for ") + what + ", got " + w);
  }
  std::vector<std::string> Texts(const char* what) {
    std::vector<std::string> out;
    if (More() && Peek().Is("none")) {
      ++i_;
      return out;
    }
    while (More()) out.push_back(Text(what));
    return out;
  }
  void End() {
    if (More()) {
      const Token& t = t_[i_];
      throw ScenarioError("unexpected " + (t.quoted ? Quote(t.text) : t.text));
    }
  }

 private:
  const std::vector<Token>& t_;
  size_t i_ = 0;
};

struct SourceLine {
  int number = 0;
  std::string text;
};

// One command: its line, tokens and, for a message block, the block's lines.
struct Statement {
  int line = 0;
  std::vector<Token> tokens;
  std::vector<std::pair<int, std::vector<Token>>> block;
};

bool OpensMessageBlock(const std::vector<Token>& t) {
  return t.size() == 2 && t[0].Is("expect") && t[1].Is("messages");
}
bool IsWord(const std::vector<Token>& t, std::string_view w) { return t.size() == 1 && t[0].Is(w); }

const std::map<std::string, vcl::TColor>& ColourNames() {
  static const std::map<std::string, vcl::TColor> names = {
      {"black", vcl::clBlack},    {"red", vcl::clRed},
      {"navy", vcl::clNavy},      {"lime", vcl::clLime},
      {"white", vcl::clWhite},    {"maroon", vcl::clMaroon},
      {"green", vcl::clGreen},    {"blue", vcl::clBlue},
      {"gray", vcl::clGray},      {"windowtext", vcl::clWindowText},
      {"default", vcl::clDefault}};
  return names;
}

std::string ColourText(vcl::TColor c) {
  for (const auto& [name, value] : ColourNames())
    if (value == c) return name;
  return std::to_string(c);
}

// What the user reads on a control: Text for the text kinds, Caption else.
std::string ShownText(const vcl::TComponent& c) {
  if (auto* e = dynamic_cast<const vcl::TEdit*>(&c)) return e->Text();
  if (auto* cb = dynamic_cast<const vcl::TComboBox*>(&c)) return cb->Text();
  if (auto* m = dynamic_cast<const vcl::TMemo*>(&c)) return m->Text();
  if (auto* mi = dynamic_cast<const vcl::TMenuItem*>(&c)) return mi->Caption();
  if (auto* ct = dynamic_cast<const vcl::TControl*>(&c)) return ct->Caption();
  throw ScenarioError(c.Name + " (" + c.ClassName() + ") has no text");
}

// Records every text a watched control shows, in order.
class Watcher : public vcl::ControlPeer {
 public:
  explicit Watcher(vcl::TControl& control) : control_(control), previous_(control.Peer()) {
    control.SetPeer(this);
  }
  void Changed(vcl::Prop what) override {
    if (previous_) previous_->Changed(what);
    if (what != vcl::Prop::Text && what != vcl::Prop::Caption) return;
    std::string now = ShownText(control_);
    if (history.empty() || history.back() != now) history.push_back(now);
  }
  std::vector<std::string> history;

 private:
  vcl::TControl& control_;
  vcl::ControlPeer* previous_;
};

struct Message {
  std::string kind, text;
  bool operator==(const Message&) const = default;
};

std::string MessagesText(const std::vector<Message>& list) {
  if (list.empty()) return "no messages";
  std::string out;
  for (const auto& m : list) out += (out.empty() ? "" : ", ") + m.kind + " " + Quote(m.text);
  return out;
}

bool IsMessageKind(const std::string& w) {
  return w == "message" || w == "question" || w == "error" || w == "math";
}

// One run: a program built from the start options, and what has been checked of it.
class Run {
 public:
  Run(const std::string& file, std::ostream& out, ScenarioResult& result, std::string suffix,
      ScenarioView* view)
      : file_(file), out_(out), result_(result), suffix_(std::move(suffix)), view_(view) {}
  ~Run() {
    if (view_ && Created()) view_->Detach();
  }
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  void Execute(const Statement& s) {
    line_ = s.line;
    try {
      Dispatch(Expanded(s));
      // Expectations only read the program.
      if (view_ && Created() && !exited_ && !s.tokens.front().Is("expect"))
        for (const std::string& disagreement : view_->Check()) Fail(disagreement);
    } catch (const ScenarioError& e) {
      Fail(e.what());
    } catch (const vcl::ProgramExit& e) {
      // Only the program's own exit ends up here.
      exited_ = e.code;
    } catch (const std::exception& e) {
      Fail(std::string("exception escaped the program: ") + e.what());
      throw Abort{};
    } catch (...) {
      Fail("an exception escaped the program");
      throw Abort{};
    }
  }

  // Messages nobody looked at are behaviour nobody checked.
  void Finish() {
    if (!harness_) return;
    auto rest = TakeMessages();
    if (!rest.empty()) Fail("unchecked messages at the end: " + MessagesText(rest));
  }

 private:
  void Fail(const std::string& what) {
    out_ << file_ << ":" << line_ << ": " << what << suffix_ << "\n";
    ++result_.failed;
  }
  void Check(bool ok, const std::string& expected, const std::string& got) {
    if (ok)
      ++result_.passed;
    else
      Fail("expected " + expected + ", got " + got);
  }

  // %WORK% and %DATA% in a text stand for the platform's folders, which are
  // fresh for every run.
  Statement Expanded(const Statement& s) const {
    if (!harness_) return s;
    auto expand = [this](std::vector<Token>& tokens) {
      for (Token& t : tokens) {
        if (!t.quoted) continue;
        for (const auto& [mark, folder] :
             {std::pair<std::string, std::string>{"%WORK%", harness_->platform.workingDirectory},
              {"%DATA%", harness_->platform.dataFolder}})
          for (size_t p = t.text.find(mark); p != std::string::npos;
               p = t.text.find(mark, p + folder.size()))
            t.text.replace(p, mark.size(), folder);
      }
    };
    Statement out = s;
    expand(out.tokens);
    for (auto& [line, tokens] : out.block) expand(tokens);
    return out;
  }

  // ---- The program ----

  // The writes are recorded from the moment the windows exist: the theme the
  // Options window stores while it is created is checked with `expect setting`.
  void CreateProgram() {
    if (Created()) return;
    harness_->Create();
    writeBase_ = harness_->platform.settings.writeLog.size();
    if (view_) view_->Attach(*harness_);
  }

  bool Created() const { return harness_ && harness_->program; }

  void BeforeCreate(const char* what) {
    if (harness_) throw ScenarioError(std::string(what) + " must come before create or start");
  }

  void Build() {
    if (harness_) return;
    harness_ = std::make_unique<Harness>(options_);
    for (const auto& name : erased_) harness_->platform.settings.Erase(kSettingsKey, name);
    ApplyFailures();
    harness_->platform.printerAvailable = !printerAbsent_;
    for (int a : answers_) harness_->platform.answers.push_back(a);
    answers_.clear();
    ApplyFolders();
  }

  void ApplyFolders() {
    if (!harness_) return;
    if (unwritableWork_) harness_->platform.workingDirectory = harness_->UnwritableFolder();
    if (unwritableData_) harness_->platform.dataFolder = harness_->UnwritableFolder();
  }

  void ApplyFailures() {
    if (!harness_) return;
    auto& s = harness_->platform.settings;
    s.failOpen = failOpen_;
    s.failWrites = failWrites_;
    s.failWritesOf = failWritesOf_;
  }

  FakePlatform& Platform() {
    if (!harness_) throw ScenarioError("no program yet: create or start first");
    return harness_->platform;
  }

  TForm1& Main() {
    if (!Created()) throw ScenarioError("no program yet: create or start first");
    return harness_->Main();
  }

  void Running() {
    Main();
    if (exited_) throw ScenarioError("the program has exited");
  }

  vcl::TForm* FindWindow(const std::string& name) {
    for (vcl::TForm* f : harness_->program->Windows())
      if (f->Name == name) return f;
    return nullptr;
  }

  vcl::TComponent& Component(const std::string& ref) {
    Main();
    size_t dot = ref.find('.');
    if (dot == std::string::npos) {
      if (vcl::TForm* w = FindWindow(ref)) return *w;
      if (vcl::TComponent* c = Main().FindComponent(ref)) return *c;
      throw ScenarioError("no control Form1." + ref);
    }
    std::string window = ref.substr(0, dot), name = ref.substr(dot + 1);
    vcl::TForm* w = FindWindow(window);
    if (!w) throw ScenarioError("no window named " + window);
    if (vcl::TComponent* c = w->FindComponent(name)) return *c;
    throw ScenarioError("no control " + ref);
  }

  template <class T>
  T& As(vcl::TComponent& c, const char* kind) {
    if (auto* t = dynamic_cast<T*>(&c)) return *t;
    throw ScenarioError(c.Name + " is a " + c.ClassName() + ", not " + kind);
  }

  // Runs a user action and checks it left no dispatch open.
  void Act(const std::function<void()>& action) {
    Running();
    action();
    vcl::TApplication& app = harness_->program->Application();
    if (int depth = app.DispatchDepth(); depth != 0)
      Fail("a dispatch was left open (depth " + std::to_string(depth) + ")");
    // The loop ended, as the entry's does: the entry returns 0.
    if (app.Terminated()) exited_ = 0;
  }

  std::vector<Message> TakeMessages() {
    std::vector<Message> out;
    for (const auto& m : Platform().TakeMessages()) out.push_back({m.kind, m.text});
    return out;
  }

  // ---- Commands ----

  void Dispatch(const Statement& s) {
    Args a(s.tokens);
    const std::string cmd = a.Word("command");
    if (cmd == "settings") {
      BeforeCreate("settings");
      std::string w = a.Word("present or absent");
      if (w != "present" && w != "absent") throw ScenarioError("expected present or absent");
      options_.settingsPresent = w == "present";
      a.End();
    } else if (cmd == "separator") {
      BeforeCreate("separator");
      options_.decimalSeparator = a.Text("the separator");
      a.End();
    } else if (cmd == "setting") {
      std::string name = a.Next("the setting's name").text;
      std::optional<std::string> value;
      if (a.More() && a.Peek().Is("absent"))
        a.Next("");
      else
        value = a.Text("the setting's value");
      a.End();
      if (!harness_) {
        if (value) {
          options_.settings[name] = *value;
          std::erase(erased_, name);
        } else {
          options_.settings.erase(name);
          erased_.push_back(name);
        }
      } else if (value) {
        harness_->platform.settings.Set(kSettingsKey, name, *value);
      } else {
        harness_->platform.settings.Erase(kSettingsKey, name);
      }
    } else if (cmd == "fail") {
      std::string what = a.Word("writes, write, open or none");
      if (what == "writes") {
        failWrites_ = true;
      } else if (what == "write") {
        failWritesOf_.insert(a.Next("the setting's name").text);
      } else if (what == "open") {
        failOpen_ = true;
      } else if (what == "none") {
        failWrites_ = failOpen_ = false;
        failWritesOf_.clear();
      } else {
        throw ScenarioError("expected writes, write, open or none after fail, got " + what);
      }
      a.End();
      ApplyFailures();
    } else if (cmd == "folder") {
      const std::string which = a.Word("work or data");
      if (which != "work" && which != "data") throw ScenarioError("expected work or data");
      if (a.Word("unwritable") != "unwritable") throw ScenarioError("expected unwritable");
      a.End();
      (which == "work" ? unwritableWork_ : unwritableData_) = true;
      ApplyFolders();
    } else if (cmd == "answer") {
      bool yes = a.YesNo("the answer");
      a.End();
      int answer = yes ? vcl::IDYES : vcl::IDNO;
      if (harness_)
        harness_->platform.answers.push_back(answer);
      else
        answers_.push_back(answer);
    } else if (cmd == "printer") {
      std::string w = a.Word("present or absent");
      if (w != "present" && w != "absent") throw ScenarioError("expected present or absent");
      a.End();
      printerAbsent_ = w == "absent";
      if (harness_) harness_->platform.printerAvailable = !printerAbsent_;
    } else if (cmd == "create") {
      a.End();
      if (Created()) throw ScenarioError("the program was already created");
      Build();
      CreateProgram();
    } else if (cmd == "start") {
      a.End();
      if (started_) throw ScenarioError("the program was already started");
      Build();
      started_ = true;
      CreateProgram();
      harness_->Start();
    } else if (cmd == "type") {
      auto& c = As<vcl::TControl>(Component(a.Word("a control")), "a control");
      std::string text = a.Text("the text");
      a.End();
      if (!dynamic_cast<vcl::TEdit*>(&c) && !dynamic_cast<vcl::TComboBox*>(&c) &&
          !dynamic_cast<vcl::TMemo*>(&c))
        throw ScenarioError("cannot type into " + c.Name + ", a " + c.ClassName());
      Act([&] { vcl::user::TypeText(c, text); });
    } else if (cmd == "press") {
      auto& c = As<vcl::TControl>(Component(a.Word("a control")), "a control");
      const Token name = a.Next("a key");
      a.End();
      if (name.Is("Up") || name.Is("Down")) {
        Act([&] { vcl::user::PressArrowKey(c, name.Is("Up")); });
      } else {
        const uint16_t key = Key(name);
        Act([&] { vcl::user::PressKey(c, key); });
      }
    } else if (cmd == "click") {
      auto& comp = Component(a.Word("a control"));
      if (dynamic_cast<vcl::TMenuItem*>(&comp))
        throw ScenarioError(comp.Name + " is a menu item: use menu");
      auto& c = As<vcl::TControl>(comp, "a control");
      a.End();
      Act([&] { vcl::user::Click(c); });
    } else if (cmd == "choose") {
      Choose(a);
    } else if (cmd == "menu") {
      auto& m = As<vcl::TMenuItem>(Component(a.Word("a menu item")), "a menu item");
      a.End();
      Act([&] { vcl::user::PickMenuItem(m); });
    } else if (cmd == "leave") {
      auto& c = As<vcl::TControl>(Component(a.Word("a control")), "a control");
      a.End();
      Act([&] { vcl::user::Leave(c); });
    } else if (cmd == "step") {
      auto& ud = As<vcl::TUpDown>(Component(a.Word("an up-down")), "an up-down");
      std::string dir = a.Word("up or down");
      if (dir != "up" && dir != "down") throw ScenarioError("expected up or down, got " + dir);
      a.End();
      Act([&] { vcl::user::StepUpDown(ud, dir == "up"); });
    } else if (cmd == "drag") {
      auto& bar = As<vcl::TTrackBar>(Component(a.Word("a track bar")), "a track bar");
      std::string to = a.Word("to");
      if (to != "to") throw ScenarioError("expected to, got " + to);
      long long position = a.Int("the position");
      a.End();
      if (position < INT_MIN || position > INT_MAX) throw ScenarioError("position out of range");
      Act([&] { vcl::user::MoveTrackBar(bar, static_cast<int>(position)); });
    } else if (cmd == "reorder") {
      auto& bg = As<vcl::TButtonGroup>(Component(a.Word("a button group")), "a button group");
      const long long from = a.Int("the dragged button");
      if (a.Word("to") != "to") throw ScenarioError("expected to");
      const long long to = a.Int("the place it is dropped on");
      a.End();
      Act([&] { vcl::user::DragButton(bg, static_cast<int>(from), static_cast<int>(to)); });
    } else if (cmd == "close") {
      auto& f = As<vcl::TForm>(Component(a.Word("a window")), "a window");
      a.End();
      Act([&] { vcl::user::CloseForm(f); });
    } else if (cmd == "tick") {
      a.End();
      Act([&] { Platform().TickTimers(); });
    } else if (cmd == "advance") {
      long long ms = a.Int("milliseconds");
      a.End();
      if (ms < 0 || ms > 1'000'000'000) throw ScenarioError("milliseconds out of range");
      Act([&] { Platform().AdvanceTime(static_cast<int>(ms)); });
    } else if (cmd == "unhide") {
      // What a developer build shows: the way to a window no user reaches.
      auto& c = Component(a.Word("a control or menu item"));
      a.End();
      Running();
      if (auto* m = dynamic_cast<vcl::TMenuItem*>(&c))
        m->SetVisible(true);
      else
        As<vcl::TControl>(c, "a control or menu item").SetVisible(true);
    } else if (cmd == "watch") {
      auto& c = As<vcl::TControl>(Component(a.Word("a control")), "a control");
      a.End();
      if (!watchers_.count(&c)) watchers_[&c] = std::make_unique<Watcher>(c);
    } else if (cmd == "expect") {
      Expect(a, s);
    } else {
      throw ScenarioError("unknown command " + cmd);
    }
  }

  static uint16_t Key(const Token& t) {
    if (t.quoted) {
      if (t.text.size() != 1) throw ScenarioError("a key in quotes is one character");
      return static_cast<unsigned char>(t.text[0]);
    }
    static const std::map<std::string, uint16_t> names = {{"Enter", vcl::VK_RETURN},
                                                          {"Return", vcl::VK_RETURN},
                                                          {"Tab", vcl::VK_TAB},
                                                          {"Escape", vcl::VK_ESCAPE},
                                                          {"Space", 32}};
    if (auto it = names.find(t.text); it != names.end()) return it->second;
    if (auto v = ParseInt(t.text); v && *v >= 0 && *v <= 0xFFFF) return static_cast<uint16_t>(*v);
    throw ScenarioError("unknown key " + t.text);
  }

  static const vcl::TStrings* ItemsOf(vcl::TComponent& c) {
    if (auto* rg = dynamic_cast<vcl::TRadioGroup*>(&c)) return &rg->Items();
    if (auto* cb = dynamic_cast<vcl::TComboBox*>(&c)) return &cb->Items();
    if (auto* tc = dynamic_cast<vcl::TTabControl*>(&c)) return &tc->Tabs();
    if (auto* bg = dynamic_cast<vcl::TButtonGroup*>(&c)) return &bg->Items();
    if (auto* m = dynamic_cast<vcl::TMemo*>(&c)) return &m->Lines();
    return nullptr;
  }

  void Choose(Args& a) {
    auto& comp = Component(a.Word("a control"));
    const vcl::TStrings* items = ItemsOf(comp);
    if (!items || dynamic_cast<vcl::TMemo*>(&comp))
      throw ScenarioError(comp.Name + " is a " + comp.ClassName() + ", which has no items");
    const Token& which = a.Next("an index or an item's text");
    a.End();
    int index = -1;
    if (which.quoted) {
      index = items->IndexOf(which.text);
      if (index < 0) throw ScenarioError("no item " + Quote(which.text) + " in " + comp.Name);
    } else if (auto v = ParseInt(which.text)) {
      index = static_cast<int>(*v);
    } else {
      throw ScenarioError("expected an index or an item's text in quotes, got " + which.text);
    }
    if (auto* tc = dynamic_cast<vcl::TTabControl*>(&comp))
      Act([&] { vcl::user::PickTab(*tc, index); });
    else
      Act([&] { vcl::user::ChooseItem(dynamic_cast<vcl::TControl&>(comp), index); });
  }

  // ---- Expectations ----

  void Expect(Args& a, const Statement& s) {
    const Token& what = a.Next("what to expect");
    const std::string w = what.text;
    if (!what.quoted && w == "no") {
      std::string kind = a.Word("what there is none of");
      a.End();
      if (kind == "messages") return CheckMessages({});
      if (kind == "writes") return CheckWrites({});
      if (kind == "shell") return CheckShell({});
      if (kind == "sleeps") return CheckSleeps(0, 0);
      if (kind == "windows") return CheckWindows({});
      if (kind == "prints") return CheckPrints({});
      if (kind == "themes") return CheckThemes({});
      throw ScenarioError(
          "expected messages, writes, shell, sleeps, windows, prints or themes after no");
    }
    if (!what.quoted && w == "messages") {
      std::vector<Message> expected;
      if (!a.More()) {
        for (const auto& [line, tokens] : s.block) {
          line_ = line;
          Args b(tokens);
          expected.push_back(MessageItem(b));
          b.End();
        }
        line_ = s.line;
      } else if (a.Peek().Is("none")) {
        a.Next("");
      } else {
        while (a.More()) expected.push_back(MessageItem(a));
      }
      a.End();
      return CheckMessages(expected);
    }
    if (!what.quoted && IsMessageKind(w)) {
      std::vector<Message> expected;
      if (a.More() && a.Peek().Is("none"))
        a.Next("");
      else
        expected.push_back({w, a.Text("the message's text")});
      a.End();
      return CheckMessages(expected);
    }
    if (!what.quoted && w == "setting") {
      std::string name = a.Next("the setting's name").text;
      std::optional<std::string> expected;
      if (a.More() && a.Peek().Is("absent"))
        a.Next("");
      else
        expected = a.Text("the setting's value");
      a.End();
      auto got = Platform().settings.Get(kSettingsKey, name);
      return Check(got == expected,
                   "setting " + name + " " + (expected ? Quote(*expected) : "absent"),
                   got ? Quote(*got) : "absent");
    }
    if (!what.quoted && w == "writes") {
      std::vector<std::string> expected;
      if (a.More() && a.Peek().Is("none")) {
        a.Next("");
      } else {
        while (a.More()) {
          std::string name = a.Next("the setting's name").text;
          expected.push_back(name + "=" + Quote(a.Text("the written value")));
        }
      }
      a.End();
      return CheckWrites(expected);
    }
    if (!what.quoted && w == "prints") {
      std::vector<std::string> expected;
      while (a.More()) expected.push_back(a.Word("a window"));
      return CheckPrints(expected);
    }
    if (!what.quoted && w == "themes") {
      auto expected = a.Texts("a theme's name");
      a.End();
      return CheckThemes(expected);
    }
    if (!what.quoted && w == "shell") {
      auto expected = a.Texts("a shell target");
      a.End();
      return CheckShell(expected);
    }
    if (!what.quoted && w == "solves") {
      long long n = a.Int("the number of solves");
      a.End();
      long now = Main().SolveCount;
      long got = now - solveBase_;
      solveBase_ = now;
      return Check(got == n, std::to_string(n) + " solves", std::to_string(got));
    }
    if (!what.quoted && w == "sleeps") {
      long long n = a.Int("the number of pauses");
      long long ms = 0;
      if (n > 0) {
        if (a.Word("x") != "x") throw ScenarioError("expected x between count and milliseconds");
        ms = a.Int("milliseconds");
      }
      a.End();
      return CheckSleeps(n, ms);
    }
    if (!what.quoted && w == "windows") {
      std::vector<std::string> expected;
      if (a.More() && a.Peek().Is("none")) {
        a.Next("");
      } else {
        while (a.More()) {
          std::string verb = a.Word("show or hide");
          if (verb != "show" && verb != "hide") throw ScenarioError("expected show or hide");
          expected.push_back(verb + " " + a.Word("a window"));
        }
      }
      a.End();
      return CheckWindows(expected);
    }
    if (!what.quoted && w == "value") {
      std::string name = a.Word("a value's name");
      const Token& expected = a.Next("the expected value");
      a.End();
      return CheckValue(name, expected);
    }
    if (!what.quoted && w == "file") return ExpectFile(a);
    if (!what.quoted && w == "exit") {
      long long code = a.Int("the exit code");
      a.End();
      return Check(exited_ && *exited_ == code, "exit " + std::to_string(code),
                   exited_ ? "exit " + std::to_string(*exited_) : "still running");
    }
    if (what.quoted) throw ScenarioError("expected a control's name, got " + Quote(w));
    ExpectProperty(Component(w), w, a);
  }

  void ExpectFile(Args& a) {
    const std::string path = a.Text("the file's path");
    const std::string what = a.Word("bytes, lines, line or absent");
    std::ifstream in(path, std::ios::binary);
    std::optional<std::string> bytes;
    if (in) bytes = std::string(std::istreambuf_iterator<char>(in), {});
    const std::string name = "file " + Quote(path);
    if (what == "absent") {
      a.End();
      return Check(!bytes, name + " absent",
                   "a file of " + std::to_string(bytes ? bytes->size() : 0) + " bytes");
    }
    if (what != "bytes" && what != "lines" && what != "line")
      throw ScenarioError("expected bytes, lines, line or absent, got " + what);
    // The lines of a file are what its CR LF line ends close.
    std::vector<std::string> lines;
    if (bytes)
      for (size_t at = 0, end; (end = bytes->find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes->substr(at, end - at));
    if (what == "bytes") {
      const std::string expected = a.Text("the file's bytes");
      a.End();
      return Check(bytes == expected, name + " bytes " + Quote(expected),
                   bytes ? Quote(*bytes) : "no such file");
    }
    if (what == "lines") {
      const long long n = a.Int("the number of lines");
      a.End();
      return Check(bytes && static_cast<long long>(lines.size()) == n,
                   name + " of " + std::to_string(n) + " lines",
                   bytes ? std::to_string(lines.size()) + " lines" : "no such file");
    }
    const long long n = a.Int("the line's number");
    const std::string expected = a.Text("the line's text");
    a.End();
    if (n < 1) throw ScenarioError("lines are numbered from 1");
    const bool has = bytes && n <= static_cast<long long>(lines.size());
    const std::string got = has ? lines[static_cast<size_t>(n - 1)] : std::string();
    Check(has && got == expected, name + " line " + std::to_string(n) + " " + Quote(expected),
          !bytes ? "no such file"
          : has  ? Quote(got)
                 : "no such line");
  }

  Message MessageItem(Args& a) {
    std::string kind = a.Word("message, question, error or math");
    if (!IsMessageKind(kind))
      throw ScenarioError("expected message, question, error or math, got " + kind);
    return {kind, a.Text("the message's text")};
  }

  void CheckMessages(const std::vector<Message>& expected) {
    auto got = TakeMessages();
    Check(got == expected, MessagesText(expected), MessagesText(got));
  }

  void CheckWrites(const std::vector<std::string>& expected) {
    const auto& log = Platform().settings.writeLog;
    std::vector<std::string> got;
    for (size_t i = writeBase_; i < log.size(); ++i) {
      std::string name = log[i].key == kSettingsKey ? log[i].name : log[i].key + "\\" + log[i].name;
      got.push_back(name + "=" + Quote(log[i].value));
    }
    writeBase_ = log.size();
    auto join = [](const std::vector<std::string>& v) {
      std::string out;
      for (const auto& s : v) out += (out.empty() ? "" : " ") + s;
      return v.empty() ? std::string("no writes") : "writes " + out;
    };
    Check(got == expected, join(expected), join(got));
  }

  void CheckThemes(const std::vector<std::string>& expected) {
    const auto& applied = Platform().appliedThemes;
    std::vector<std::string> got(applied.begin() + static_cast<long>(themeBase_), applied.end());
    themeBase_ = applied.size();
    Check(got == expected, "themes " + QuoteList(expected), QuoteList(got));
  }

  void CheckShell(const std::vector<std::string>& expected) {
    const auto& calls = Platform().shellCalls;
    std::vector<std::string> got(calls.begin() + static_cast<long>(shellBase_), calls.end());
    shellBase_ = calls.size();
    Check(got == expected, "shell " + QuoteList(expected), QuoteList(got));
  }

  void CheckPrints(const std::vector<std::string>& expected) {
    const auto& printed = Platform().printedForms;
    std::vector<std::string> got(printed.begin() + static_cast<long>(printBase_), printed.end());
    printBase_ = printed.size();
    auto join = [](const std::vector<std::string>& v) {
      std::string out;
      for (const auto& s : v) out += (out.empty() ? "" : " ") + s;
      return v.empty() ? std::string("no prints") : "prints " + out;
    };
    Check(got == expected, join(expected), join(got));
  }

  void CheckSleeps(long long n, long long ms) {
    const auto& sleeps = Platform().sleeps;
    std::vector<int> got(sleeps.begin() + static_cast<long>(sleepBase_), sleeps.end());
    sleepBase_ = sleeps.size();
    bool ok = static_cast<long long>(got.size()) == n;
    for (int s : got) ok = ok && s == ms;
    auto text = [](const std::vector<int>& v) {
      if (v.empty()) return std::string("no sleeps");
      std::map<int, int> counts;
      for (int s : v) ++counts[s];
      std::string out;
      for (auto [ms, count] : counts)
        out += (out.empty() ? "" : ", ") + std::to_string(count) + " x " + std::to_string(ms);
      return "sleeps " + out;
    };
    Check(ok, n == 0 ? "no sleeps" : "sleeps " + std::to_string(n) + " x " + std::to_string(ms),
          text(got));
  }

  void CheckWindows(const std::vector<std::string>& expected) {
    const auto& events = Platform().formEvents;
    std::vector<std::string> got(events.begin() + static_cast<long>(windowBase_), events.end());
    windowBase_ = events.size();
    auto join = [](const std::vector<std::string>& v) {
      std::string out;
      for (const auto& s : v) out += (out.empty() ? "" : ", ") + s;
      return v.empty() ? std::string("no window shown or hidden") : out;
    };
    Check(got == expected, join(expected), join(got));
  }

  void CheckValue(const std::string& name, const Token& expected) {
    TForm1& f = Main();
    const std::map<std::string, std::function<std::variant<double, std::string>()>> values = {
        {"SolveCount", [&] { return static_cast<double>(f.SolveCount); }},
        {"CalculatorIndex", [&] { return static_cast<double>(Number(f.CalculatorIndex)); }},
        {"TempRise", [&] { return f.TempRise; }},
        {"TempRiseF", [&] { return f.TempRiseF; }},
        {"AmbientTemp", [&] { return f.AmbientTemp; }},
        {"AmbientTempF", [&] { return f.AmbientTempF; }},
        {"ConductorTemp", [&] { return f.ConductorTemp; }},
        {"ConductorTempF", [&] { return f.ConductorTempF; }},
        {"ConductorTempTextC", [&] { return f.ConductorTempTextC; }},
        {"ConductorTempTextF", [&] { return f.ConductorTempTextF; }},
        {"WireResistance", [&] { return f.WireResistance; }},
        {"MaterialModifier", [&] { return f.MaterialModifier; }},
        {"MaterialTg", [&] { return f.MaterialTg; }},
    };
    auto it = values.find(name);
    if (it == values.end()) throw ScenarioError("no value named " + name);
    auto got = it->second();
    if (auto* text = std::get_if<std::string>(&got)) {
      if (!expected.quoted) throw ScenarioError(name + " is a text: give it in double quotes");
      return Check(*text == expected.text, name + " " + Quote(expected.text), Quote(*text));
    }
    double v = std::get<double>(got);
    double e = 0;
    std::istringstream in(expected.text);
    in.imbue(std::locale::classic());
    if (expected.quoted || !(in >> e) || !in.eof())
      throw ScenarioError(name + " is a number, got " + expected.text);
    const double tolerance = 1e-9 * std::max({1.0, std::fabs(e), std::fabs(v)});
    std::ostringstream shown;
    shown.imbue(std::locale::classic());
    shown.precision(15);
    shown << v;
    Check(std::fabs(v - e) <= tolerance || (std::isnan(v) && std::isnan(e)),
          name + " " + expected.text, shown.str());
  }

  void ExpectProperty(vcl::TComponent& c, const std::string& ref, Args& a) {
    const std::string prop = a.Word("a property");
    auto* control = dynamic_cast<vcl::TControl*>(&c);
    auto* menuItem = dynamic_cast<vcl::TMenuItem*>(&c);
    auto needControl = [&]() -> vcl::TControl& {
      if (!control) throw ScenarioError(ref + " is a " + c.ClassName() + ", not a control");
      return *control;
    };
    if (prop == "text" || prop == "caption") {
      std::string expected = a.Text("the text");
      a.End();
      std::string got = ShownText(c);
      return Check(got == expected, ref + " " + prop + " " + Quote(expected), Quote(got));
    }
    if (prop == "color" || prop == "brush") {
      const Token& t = a.Next("a colour");
      a.End();
      vcl::TColor expected = 0;
      if (auto it = ColourNames().find(t.text); !t.quoted && it != ColourNames().end())
        expected = it->second;
      else if (auto v = ParseInt(t.text); !t.quoted && v)
        expected = static_cast<vcl::TColor>(*v);
      else
        throw ScenarioError("unknown colour " + t.text);
      const vcl::TColor got =
          prop == "color" ? needControl().Font().Color : As<vcl::TShape>(c, "a shape").BrushColor;
      return Check(got == expected, ref + " " + prop + " " + ColourText(expected), ColourText(got));
    }
    if (prop == "visible" || prop == "enabled" || prop == "checked") {
      bool expected = a.YesNo(prop.c_str());
      a.End();
      bool got = false;
      if (prop == "visible") {
        if (menuItem)
          got = menuItem->Visible();
        else
          got = needControl().Visible();
      } else if (prop == "enabled") {
        if (menuItem)
          got = menuItem->Enabled();
        else if (auto* t = dynamic_cast<vcl::TTimer*>(&c))
          got = t->Enabled();
        else
          got = needControl().Enabled();
      } else {
        if (menuItem)
          got = menuItem->Checked();
        else
          got = As<vcl::TCheckBox>(c, "a check box").Checked();
      }
      auto yn = [](bool b) { return std::string(b ? "yes" : "no"); };
      return Check(got == expected, ref + " " + prop + " " + yn(expected), yn(got));
    }
    if (prop == "left" || prop == "top" || prop == "width" || prop == "height") {
      long long expected = a.Int("the number of pixels");
      a.End();
      const vcl::TControl& ct = needControl();
      const int got = prop == "left"    ? ct.Left()
                      : prop == "top"   ? ct.Top()
                      : prop == "width" ? ct.Width()
                                        : ct.Height();
      return Check(got == expected, ref + " " + prop + " " + std::to_string(expected),
                   std::to_string(got));
    }
    if (prop == "hint") {
      std::string expected = a.Text("the hint");
      a.End();
      const std::string& got = needControl().Hint();
      return Check(got == expected, ref + " hint " + Quote(expected), Quote(got));
    }
    if (prop == "button") {
      auto& bg = As<vcl::TButtonGroup>(c, "a button group");
      const long long i = a.Int("the button's number");
      if (i < 0 || i >= bg.Items().Count())
        throw ScenarioError(ref + " has no button " + std::to_string(i));
      if (a.Word("hint") != "hint") throw ScenarioError("expected hint");
      std::string expected = a.Text("the hint");
      a.End();
      const std::string& got = bg.ItemHint(static_cast<int>(i));
      return Check(got == expected,
                   ref + " button " + std::to_string(i) + " hint " + Quote(expected), Quote(got));
    }
    if (prop == "panel") {
      auto& bar = As<vcl::TStatusBar>(c, "a status bar");
      long long i = a.Int("the panel's number");
      if (i < 0 || i >= bar.PanelCount())
        throw ScenarioError(ref + " has no panel " + std::to_string(i));
      const vcl::TStatusPanel& panel = bar.Panel(static_cast<int>(i));
      const std::string what = a.Word("text or alignment");
      const std::string name = ref + " panel " + std::to_string(i) + " ";
      if (what == "text") {
        std::string expected = a.Text("the text");
        a.End();
        return Check(panel.Text == expected, name + "text " + Quote(expected), Quote(panel.Text));
      }
      if (what != "alignment") throw ScenarioError("expected text or alignment, got " + what);
      static const std::map<std::string, vcl::TAlignment> kAlign = {
          {"left", vcl::TAlignment::taLeftJustify},
          {"right", vcl::TAlignment::taRightJustify},
          {"center", vcl::TAlignment::taCenter}};
      std::string w = a.Word("left, right or center");
      a.End();
      auto it = kAlign.find(w);
      if (it == kAlign.end()) throw ScenarioError("expected left, right or center, got " + w);
      std::string got;
      for (const auto& [n, v] : kAlign)
        if (v == panel.Alignment) got = n;
      return Check(panel.Alignment == it->second, name + "alignment " + w, got);
    }
    if (prop == "index") {
      long long expected = a.Int("the index");
      a.End();
      int got = 0;
      if (auto* rg = dynamic_cast<vcl::TRadioGroup*>(&c))
        got = rg->ItemIndex();
      else if (auto* cb = dynamic_cast<vcl::TComboBox*>(&c))
        got = cb->ItemIndex();
      else if (auto* tc = dynamic_cast<vcl::TTabControl*>(&c))
        got = tc->TabIndex();
      else if (auto* bg = dynamic_cast<vcl::TButtonGroup*>(&c))
        got = bg->ItemIndex();
      else
        throw ScenarioError(ref + " is a " + c.ClassName() + ", which has no index");
      return Check(got == expected, ref + " index " + std::to_string(expected),
                   std::to_string(got));
    }
    if (prop == "items") {
      auto expected = a.Texts("an item");
      a.End();
      const vcl::TStrings* items = ItemsOf(c);
      if (!items) throw ScenarioError(ref + " is a " + c.ClassName() + ", which has no items");
      return Check(items->Items() == expected, ref + " items " + QuoteList(expected),
                   QuoteList(items->Items()));
    }
    if (prop == "position") {
      long long expected = a.Int("the position");
      a.End();
      int got = 0;
      if (auto* pb = dynamic_cast<vcl::TProgressBar*>(&c))
        got = pb->Position();
      else if (auto* ud = dynamic_cast<vcl::TUpDown*>(&c))
        got = ud->Position();
      else if (auto* tb = dynamic_cast<vcl::TTrackBar*>(&c))
        got = tb->Position();
      else
        throw ScenarioError(ref + " is a " + c.ClassName() + ", which has no position");
      return Check(got == expected, ref + " position " + std::to_string(expected),
                   std::to_string(got));
    }
    if (prop == "history") {
      auto expected = a.Texts("a text");
      a.End();
      auto it = watchers_.find(control);
      if (!control || it == watchers_.end()) throw ScenarioError(ref + " is not watched");
      auto got = std::move(it->second->history);
      it->second->history.clear();
      return Check(got == expected, ref + " history " + QuoteList(expected), QuoteList(got));
    }
    throw ScenarioError("unknown property " + prop);
  }

  std::string file_;
  std::ostream& out_;
  ScenarioResult& result_;
  std::string suffix_;
  ScenarioView* view_;
  int line_ = 0;

  HarnessOptions options_;
  std::vector<std::string> erased_;
  std::vector<int> answers_;
  bool failOpen_ = false, failWrites_ = false, printerAbsent_ = false;
  bool unwritableWork_ = false, unwritableData_ = false;
  std::set<std::string> failWritesOf_;
  // Watchers outlive the program whose controls point at them.
  std::map<vcl::TControl*, std::unique_ptr<Watcher>> watchers_;
  std::unique_ptr<Harness> harness_;
  bool started_ = false;
  std::optional<int> exited_;
  long solveBase_ = 0;
  size_t writeBase_ = 0, shellBase_ = 0, sleepBase_ = 0, windowBase_ = 0, printBase_ = 0;
  size_t themeBase_ = 0;
};

// ---- Structure: statements, message blocks and cases ----

class Interpreter {
 public:
  Interpreter(const std::string& name, std::ostream& out, ScenarioView* view)
      : name_(name), out_(out), view_(view) {}

  ScenarioResult RunAll(const std::vector<SourceLine>& lines) {
    try {
      RunLines(lines, true, "");
    } catch (const Abort&) {
    }
    return result_;
  }

 private:
  void Fail(int line, const std::string& what, const std::string& suffix = "") {
    out_ << name_ << ":" << line << ": " << what << suffix << "\n";
    ++result_.failed;
  }

  // Tokens of a line, or nullopt (with the failure reported) when it cannot be read.
  std::optional<std::vector<Token>> Read(const SourceLine& l, const std::string& suffix) {
    try {
      return Tokenize(l.text);
    } catch (const ScenarioError& e) {
      Fail(l.number, e.what(), suffix);
      return std::nullopt;
    }
  }

  void RunLines(const std::vector<SourceLine>& lines, bool top, const std::string& suffix) {
    auto run = std::make_unique<Run>(name_, out_, result_, suffix, view_);
    for (size_t i = 0; i < lines.size(); ++i) {
      auto tokens = Read(lines[i], suffix);
      if (!tokens || tokens->empty()) continue;
      if ((*tokens)[0].Is("cases")) {
        if (!top) {
          Fail(lines[i].number, "cases blocks do not nest", suffix);
          continue;
        }
        run->Finish();
        i = Cases(lines, i);
        run = std::make_unique<Run>(name_, out_, result_, suffix, view_);
        continue;
      }
      if (IsWord(*tokens, "reset")) {
        run->Finish();
        run = std::make_unique<Run>(name_, out_, result_, suffix, view_);
        continue;
      }
      if (IsWord(*tokens, "where") || IsWord(*tokens, "end")) {
        Fail(lines[i].number, (*tokens)[0].text + " without a block to close", suffix);
        continue;
      }
      Statement s{lines[i].number, std::move(*tokens), {}};
      if (OpensMessageBlock(s.tokens)) {
        size_t j = i + 1;
        bool closed = false;
        for (; j < lines.size(); ++j) {
          auto t = Read(lines[j], suffix);
          if (!t || t->empty()) continue;
          if (IsWord(*t, "end")) {
            closed = true;
            break;
          }
          s.block.push_back({lines[j].number, std::move(*t)});
        }
        i = j;
        if (!closed) {
          Fail(s.line, "expect messages without end", suffix);
          break;
        }
      }
      run->Execute(s);
    }
    run->Finish();
  }

  // Runs a cases block starting at lines[at]; returns the index of its last line.
  size_t Cases(const std::vector<SourceLine>& lines, size_t at) {
    const int caseLine = lines[at].number;
    std::vector<SourceLine> body;
    std::vector<std::string> columns;
    std::vector<std::pair<int, std::vector<std::string>>> rows;
    bool inTable = false, inBlock = false, closed = false;
    size_t i = at + 1;
    for (; i < lines.size(); ++i) {
      if (!inTable) {
        // The body is read again, and its errors reported, when each case runs.
        std::vector<Token> tokens;
        try {
          tokens = Tokenize(lines[i].text);
        } catch (const ScenarioError&) {
        }
        if (IsWord(tokens, "where") && !inBlock) {
          inTable = true;
          continue;
        }
        if (OpensMessageBlock(tokens)) inBlock = true;
        if (IsWord(tokens, "end")) {
          if (!inBlock) break;
          inBlock = false;
        }
        body.push_back(lines[i]);
        continue;
      }
      const std::string& text = lines[i].text;
      size_t b = text.find_first_not_of(" \t\r");
      if (b == std::string::npos || text[b] == '#') continue;
      if (text.compare(b, 3, "end") == 0 &&
          text.find_first_not_of(" \t\r", b + 3) == std::string::npos) {
        closed = true;
        break;
      }
      auto cells = Cells(lines[i]);
      if (!cells) continue;
      if (columns.empty())
        columns = *cells;
      else if (cells->size() != columns.size())
        Fail(lines[i].number, "expected " + std::to_string(columns.size()) + " cells, got " +
                                  std::to_string(cells->size()));
      else
        rows.push_back({lines[i].number, *cells});
    }
    if (!closed) {
      Fail(caseLine, inTable ? "cases without end" : "cases without where");
      return i;
    }
    if (columns.empty()) {
      Fail(caseLine, "the cases table has no header");
      return i;
    }
    for (const auto& l : body) {
      for (size_t p = l.text.find('{'); p != std::string::npos; p = l.text.find('{', p + 1)) {
        size_t q = l.text.find('}', p);
        if (q == std::string::npos) break;
        std::string name = l.text.substr(p + 1, q - p - 1);
        if (std::find(columns.begin(), columns.end(), name) == columns.end())
          Fail(l.number, "no column named " + name);
      }
    }
    for (const auto& [rowLine, cells] : rows) {
      std::vector<SourceLine> filled = body;
      for (auto& l : filled)
        for (size_t c = 0; c < columns.size(); ++c) {
          const std::string key = "{" + columns[c] + "}";
          for (size_t p = l.text.find(key); p != std::string::npos;
               p = l.text.find(key, p + cells[c].size()))
            l.text.replace(p, key.size(), cells[c]);
        }
      RunLines(filled, false, " (case at line " + std::to_string(rowLine) + ")");
    }
    return i;
  }

  // The cells of a table row "| a | "b c" |", each as written, trimmed.
  std::optional<std::vector<std::string>> Cells(const SourceLine& l) {
    std::string t = l.text;
    size_t start = t.find_first_not_of(" \t");
    if (start == std::string::npos || t[start] != '|') {
      Fail(l.number, "a table row starts with |");
      return std::nullopt;
    }
    std::vector<std::string> cells;
    std::string cur;
    bool quoted = false, closedRow = false;
    for (size_t i = start + 1; i < t.size(); ++i) {
      char c = t[i];
      if (quoted) {
        cur += c;
        if (c == '\\' && i + 1 < t.size())
          cur += t[++i];
        else if (c == '"')
          quoted = false;
      } else if (c == '"') {
        quoted = true;
        cur += c;
      } else if (c == '|') {
        cells.push_back(cur);
        cur.clear();
        closedRow = true;
      } else if (c == '#' && cur.find_first_not_of(" \t") == std::string::npos) {
        break;
      } else {
        cur += c;
        if (c != ' ' && c != '\t' && c != '\r') closedRow = false;
      }
    }
    if (quoted || !closedRow) {
      Fail(l.number, quoted ? "unterminated text" : "a table row ends with |");
      return std::nullopt;
    }
    for (auto& cell : cells) {
      size_t b = cell.find_first_not_of(" \t");
      size_t e = cell.find_last_not_of(" \t\r");
      cell = b == std::string::npos ? std::string() : cell.substr(b, e - b + 1);
    }
    return cells;
  }

  std::string name_;
  std::ostream& out_;
  ScenarioView* view_;
  ScenarioResult result_;
};

}  // namespace

ScenarioResult RunScenario(std::string_view text, const std::string& name, std::ostream& out,
                           ScenarioView* view) {
  std::vector<SourceLine> lines;
  std::istringstream in{std::string(text)};
  std::string line;
  for (int n = 1; std::getline(in, line); ++n) lines.push_back({n, line});
  return Interpreter(name, out, view).RunAll(lines);
}

ScenarioResult RunScenarioFile(const std::string& path, std::ostream& out, ScenarioView* view) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    out << path << ":0: cannot read the file\n";
    return {0, 1};
  }
  std::ostringstream text;
  text << in.rdbuf();
  return RunScenario(text.str(), path, out, view);
}

}  // namespace trellis::testing
