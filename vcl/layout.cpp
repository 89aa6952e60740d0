#include "vcl/layout.h"

#include <cctype>
#include <functional>
#include <map>
#include <stdexcept>

#include "vcl/exceptions.h"
#include "vcl/resources.h"

namespace vcl {

// ---- Parser ----

namespace {

// Deep enough for any real window, shallow enough for any thread's stack.
constexpr int kMaxNesting = 100;

class Parser {
 public:
  Parser(std::string_view text, std::string resource) : s_(text), res_(std::move(resource)) {}

  LayoutObject ParseRoot() {
    SkipBlank();
    LayoutObject root = ParseObject();
    SkipBlank();
    if (pos_ < s_.size()) Fail("text after the last 'end'");
    return root;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw ELayoutError(res_ + ":" + std::to_string(line_) + ": " + what);
  }

  void SkipBlank() {
    while (pos_ < s_.size()) {
      char c = s_[pos_];
      if (c == '\n') {
        ++line_;
        ++pos_;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
      } else {
        break;
      }
    }
  }

  static bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
  }

  std::string Ident() {
    SkipBlank();
    size_t start = pos_;
    while (pos_ < s_.size() && (IsIdentChar(s_[pos_]) || (pos_ > start && s_[pos_] == '.'))) ++pos_;
    if (start == pos_) Fail("a name was expected");
    if (std::isdigit(static_cast<unsigned char>(s_[start]))) Fail("a name was expected");
    return std::string(s_.substr(start, pos_ - start));
  }

  bool PeekWord(std::string_view w) {
    SkipBlank();
    if (s_.substr(pos_, w.size()) != w) return false;
    size_t after = pos_ + w.size();
    return after >= s_.size() || !IsIdentChar(s_[after]);
  }

  // Holds one level of nesting for as long as it lives.
  class Nested {
   public:
    explicit Nested(Parser& p) : p_(p) {
      if (++p_.depth_ > kMaxNesting)
        p_.Fail("objects and lists nest deeper than " + std::to_string(kMaxNesting) + " levels");
    }
    ~Nested() { --p_.depth_; }
    Nested(const Nested&) = delete;
    Nested& operator=(const Nested&) = delete;

   private:
    Parser& p_;
  };

  void Expect(char c) {
    SkipBlank();
    if (pos_ >= s_.size() || s_[pos_] != c) Fail(std::string("'") + c + "' was expected");
    ++pos_;
  }

  LayoutObject ParseObject() {
    if (!PeekWord("object")) Fail("'object' was expected");
    const Nested level(*this);
    pos_ += 6;
    LayoutObject obj;
    obj.line = line_;
    obj.name = Ident();
    Expect(':');
    obj.className = Ident();
    while (true) {
      SkipBlank();
      if (pos_ >= s_.size()) Fail("'end' was expected");
      if (PeekWord("end")) {
        pos_ += 3;
        return obj;
      }
      if (PeekWord("object")) {
        obj.children.push_back(ParseObject());
        continue;
      }
      obj.properties.push_back(ParseProperty());
    }
  }

  LayoutProperty ParseProperty() {
    LayoutProperty p;
    p.line = line_;
    p.name = Ident();
    Expect('=');
    p.value = ParseValue();
    return p;
  }

  std::string ParseStringParts() {
    std::string out;
    bool any = false;
    while (true) {
      SkipBlank();
      if (pos_ < s_.size() && s_[pos_] == '\'') {
        ++pos_;
        while (true) {
          if (pos_ >= s_.size() || s_[pos_] == '\n') Fail("unterminated text");
          if (s_[pos_] == '\'') {
            if (pos_ + 1 < s_.size() && s_[pos_ + 1] == '\'') {
              out += '\'';
              pos_ += 2;
              continue;
            }
            ++pos_;
            break;
          }
          out += s_[pos_++];
        }
        any = true;
      } else if (pos_ < s_.size() && s_[pos_] == '#') {
        ++pos_;
        size_t start = pos_;
        while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
        if (start == pos_) Fail("a character code was expected");
        int code = -1;
        try {
          code = std::stoi(std::string(s_.substr(start, pos_ - start)));
        } catch (const std::out_of_range&) {
        }
        if (code < 0 || code > 0x10FFFF) Fail("character code out of range");
        AppendUtf8(out, static_cast<unsigned>(code));
        any = true;
      } else {
        break;
      }
      // Parts that touch join; '+' joins parts across lines. Texts on separate
      // lines of a list stay separate items.
      if (pos_ < s_.size() && (s_[pos_] == '\'' || s_[pos_] == '#')) continue;
      const size_t savedPos = pos_;
      const int savedLine = line_;
      SkipBlank();
      if (pos_ < s_.size() && s_[pos_] == '+') {
        ++pos_;
        continue;
      }
      pos_ = savedPos;
      line_ = savedLine;
      break;
    }
    if (!any) Fail("a text was expected");
    return out;
  }

  static void AppendUtf8(std::string& out, unsigned cp) {
    if (cp < 0x80) {
      out += static_cast<char>(cp);
    } else if (cp < 0x800) {
      out += static_cast<char>(0xC0 | (cp >> 6));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
      out += static_cast<char>(0xE0 | (cp >> 12));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | (cp >> 18));
      out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
      out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
      out += static_cast<char>(0x80 | (cp & 0x3F));
    }
  }

  LayoutValue ParseValue() {
    SkipBlank();
    LayoutValue v;
    v.line = line_;
    if (pos_ >= s_.size()) Fail("a value was expected");
    char c = s_[pos_];
    if (c == '\'' || c == '#') {
      v.kind = LayoutValue::Kind::String;
      v.text = ParseStringParts();
    } else if (c == '[') {
      ++pos_;
      v.kind = LayoutValue::Kind::Set;
      SkipBlank();
      if (pos_ < s_.size() && s_[pos_] == ']') {
        ++pos_;
        return v;
      }
      while (true) {
        v.names.push_back(Ident());
        SkipBlank();
        if (pos_ < s_.size() && s_[pos_] == ',') {
          ++pos_;
          continue;
        }
        Expect(']');
        break;
      }
    } else if (c == '(') {
      const Nested level(*this);
      ++pos_;
      v.kind = LayoutValue::Kind::List;
      while (true) {
        SkipBlank();
        if (pos_ < s_.size() && s_[pos_] == ')') {
          ++pos_;
          break;
        }
        v.list.push_back(ParseValue());
      }
    } else if (c == '<') {
      const Nested level(*this);
      ++pos_;
      v.kind = LayoutValue::Kind::Collection;
      while (true) {
        SkipBlank();
        if (pos_ < s_.size() && s_[pos_] == '>') {
          ++pos_;
          break;
        }
        if (!PeekWord("item")) Fail("'item' was expected");
        pos_ += 4;
        LayoutItem item;
        while (!PeekWord("end")) {
          if (pos_ >= s_.size()) Fail("'end' was expected");
          item.properties.push_back(ParseProperty());
        }
        pos_ += 3;
        v.items.push_back(std::move(item));
      }
    } else if (c == '$') {
      ++pos_;
      size_t start = pos_;
      while (pos_ < s_.size() && std::isxdigit(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      if (start == pos_) Fail("hex digits were expected");
      v.kind = LayoutValue::Kind::Integer;
      if (pos_ - start > 8) Fail("hex number out of range");
      v.integer = static_cast<long long>(
          std::stoull(std::string(s_.substr(start, pos_ - start)), nullptr, 16));
      if (v.integer > 0x7FFFFFFF) v.integer -= 0x100000000LL;
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
      size_t start = pos_;
      if (c == '-') ++pos_;
      bool isFloat = false;
      while (pos_ < s_.size() && (std::isdigit(static_cast<unsigned char>(s_[pos_])) ||
                                  s_[pos_] == '.' || s_[pos_] == 'e' || s_[pos_] == 'E')) {
        if (!std::isdigit(static_cast<unsigned char>(s_[pos_]))) isFloat = true;
        ++pos_;
      }
      std::string num(s_.substr(start, pos_ - start));
      try {
        if (isFloat) {
          v.kind = LayoutValue::Kind::Float;
          v.number = std::stod(num);
        } else {
          v.kind = LayoutValue::Kind::Integer;
          v.integer = std::stoll(num);
        }
      } catch (const std::exception&) {
        Fail("bad number " + num);
      }
    } else {
      v.kind = LayoutValue::Kind::Identifier;
      v.text = Ident();
    }
    return v;
  }

  std::string_view s_;
  std::string res_;
  size_t pos_ = 0;
  int line_ = 1;
  int depth_ = 0;
};

}  // namespace

LayoutObject ParseLayout(std::string_view text, const std::string& resourceName) {
  return Parser(text, resourceName).ParseRoot();
}

// ---- Classes ----

std::unique_ptr<TComponent> CreateComponent(const std::string& cls) {
  static const std::map<std::string, std::function<std::unique_ptr<TComponent>()>> factories = {
      {"TLabel", [] { return std::make_unique<TLabel>(); }},
      {"TStaticText", [] { return std::make_unique<TStaticText>(); }},
      {"TEdit", [] { return std::make_unique<TEdit>(); }},
      {"TGroupBox", [] { return std::make_unique<TGroupBox>(); }},
      {"TPanel", [] { return std::make_unique<TPanel>(); }},
      {"TCheckBox", [] { return std::make_unique<TCheckBox>(); }},
      {"TRadioGroup", [] { return std::make_unique<TRadioGroup>(); }},
      {"TComboBox", [] { return std::make_unique<TComboBox>(); }},
      {"TButton", [] { return std::make_unique<TButton>(); }},
      {"TBitBtn", [] { return std::make_unique<TBitBtn>(); }},
      {"TImage", [] { return std::make_unique<TImage>(); }},
      {"TShape", [] { return std::make_unique<TShape>(); }},
      {"TMemo", [] { return std::make_unique<TMemo>(); }},
      {"TRichEdit", [] { return std::make_unique<TRichEdit>(); }},
      {"TTabControl", [] { return std::make_unique<TTabControl>(); }},
      {"TStatusBar", [] { return std::make_unique<TStatusBar>(); }},
      {"TProgressBar", [] { return std::make_unique<TProgressBar>(); }},
      {"TTrackBar", [] { return std::make_unique<TTrackBar>(); }},
      {"TUpDown", [] { return std::make_unique<TUpDown>(); }},
      {"TMainMenu", [] { return std::make_unique<TMainMenu>(); }},
      {"TMenuItem", [] { return std::make_unique<TMenuItem>(); }},
      {"TTimer", [] { return std::make_unique<TTimer>(); }},
      {"TButtonGroup", [] { return std::make_unique<TButtonGroup>(); }},
      {"TPrinterSetupDialog", [] { return std::make_unique<TPrinterSetupDialog>(); }},
  };
  auto it = factories.find(cls);
  if (it == factories.end()) return nullptr;
  return it->second();
}

// ---- Applying properties ----

namespace {

struct Context {
  TForm& form;
  const std::string& resource;
  std::string menuName;
};

// An error that already names its resource and line.
class EPlacedLayoutError : public ELayoutError {
 public:
  using ELayoutError::ELayoutError;
};

[[noreturn]] void Bad(const Context& ctx, const LayoutProperty& p, const std::string& what) {
  throw EPlacedLayoutError(ctx.resource + ":" + std::to_string(p.line) + ": " + p.name + ": " +
                           what);
}

long long Int(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind != LayoutValue::Kind::Integer) Bad(ctx, p, "a whole number was expected");
  return p.value.integer;
}

std::string Str(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind != LayoutValue::Kind::String) Bad(ctx, p, "a quoted text was expected");
  return p.value.text;
}

std::string IdentOf(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind != LayoutValue::Kind::Identifier) Bad(ctx, p, "a name was expected");
  return p.value.text;
}

bool Bool(const Context& ctx, const LayoutProperty& p) {
  std::string id = IdentOf(ctx, p);
  if (id == "True") return true;
  if (id == "False") return false;
  Bad(ctx, p, "True or False was expected");
}

std::vector<std::string> Strings(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind != LayoutValue::Kind::List) Bad(ctx, p, "a list of texts was expected");
  std::vector<std::string> out;
  for (const auto& v : p.value.list) {
    if (v.kind != LayoutValue::Kind::String) Bad(ctx, p, "a list of texts was expected");
    out.push_back(v.text);
  }
  return out;
}

TColor Colour(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind == LayoutValue::Kind::Integer) return static_cast<TColor>(p.value.integer);
  static const std::map<std::string, TColor> names = {
      {"clBlack", clBlack},     {"clRed", clRed},
      {"clNavy", clNavy},       {"clLime", clLime},
      {"clWhite", clWhite},     {"clMaroon", clMaroon},
      {"clGreen", clGreen},     {"clBlue", clBlue},
      {"clGray", clGray},       {"clWindowText", clWindowText},
      {"clBtnFace", clBtnFace}, {"clWindow", clWindow},
      {"clDefault", clDefault}};
  auto it = names.find(IdentOf(ctx, p));
  if (it == names.end()) Bad(ctx, p, "unknown colour " + p.value.text);
  return it->second;
}

unsigned FontStyleOf(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind != LayoutValue::Kind::Set) Bad(ctx, p, "a set was expected");
  unsigned style = 0;
  for (const auto& n : p.value.names) {
    if (n == "fsBold")
      style |= fsBold;
    else if (n == "fsItalic")
      style |= fsItalic;
    else if (n == "fsUnderline")
      style |= fsUnderline;
    else if (n == "fsStrikeOut")
      style |= fsStrikeOut;
    else
      Bad(ctx, p, "unknown font style " + n);
  }
  return style;
}

TAlignment AlignmentOf(const Context& ctx, const LayoutProperty& p) {
  std::string id = IdentOf(ctx, p);
  if (id == "taLeftJustify") return TAlignment::taLeftJustify;
  if (id == "taRightJustify") return TAlignment::taRightJustify;
  if (id == "taCenter") return TAlignment::taCenter;
  Bad(ctx, p, "unknown alignment " + id);
}

bool IsEvent(const std::string& name) { return name.size() > 2 && name.compare(0, 2, "On") == 0; }

// Properties every control understands. Returns false when not one of them.
bool ApplyControlProperty(Context& ctx, TControl& c, const LayoutProperty& p) {
  const std::string& n = p.name;
  if (n == "Left")
    c.SetLeft(static_cast<int>(Int(ctx, p)));
  else if (n == "Top")
    c.SetTop(static_cast<int>(Int(ctx, p)));
  else if (n == "Width")
    c.SetWidth(static_cast<int>(Int(ctx, p)));
  else if (n == "Height")
    c.SetHeight(static_cast<int>(Int(ctx, p)));
  else if (n == "Visible")
    c.SetVisible(Bool(ctx, p));
  else if (n == "Enabled")
    c.SetEnabled(Bool(ctx, p));
  else if (n == "Hint")
    c.SetHint(Str(ctx, p));
  else if (n == "ShowHint")
    c.ShowHint = Bool(ctx, p);
  else if (n == "TabOrder")
    c.TabOrder = static_cast<int>(Int(ctx, p));
  else if (n == "TabStop")
    c.TabStop = Bool(ctx, p);
  else if (n == "Tag")
    c.Tag = static_cast<int>(Int(ctx, p));
  else if (n == "Color")
    c.SetColor(Colour(ctx, p));
  else if (n == "Cursor") {
    const std::string id = IdentOf(ctx, p);
    if (id == "crDefault")
      c.Cursor = TCursor::crDefault;
    else if (id == "crHandPoint")
      c.Cursor = TCursor::crHandPoint;
    else
      Bad(ctx, p, "unknown cursor " + id);
  } else if (n == "Font.Color")
    c.SetFontColor(Colour(ctx, p));
  else if (n == "Font.Style")
    c.SetFontStyle(FontStyleOf(ctx, p));
  else if (n == "Font.Size") {
    TFont f = c.Font();
    f.Size = static_cast<int>(Int(ctx, p));
    c.SetFont(f);
  } else if (n == "Font.Name") {
    TFont f = c.Font();
    f.Name = Str(ctx, p);
    c.SetFont(f);
  } else if (n == "OnClick")
    c.OnClick = ctx.form.NotifyHandler(IdentOf(ctx, p));
  else if (n == "OnExit")
    c.OnExit = ctx.form.NotifyHandler(IdentOf(ctx, p));
  else if (n == "OnEnter")
    c.OnEnter = ctx.form.NotifyHandler(IdentOf(ctx, p));
  else if (n == "OnKeyDown")
    c.OnKeyDown = ctx.form.KeyHandler(IdentOf(ctx, p));
  else if (n == "OnKeyPress")
    c.OnKeyPress = ctx.form.KeyPressHandler(IdentOf(ctx, p));
  else
    return false;
  return true;
}

bool IsCaptioned(const TControl& c) {
  return dynamic_cast<const TLabel*>(&c) || dynamic_cast<const TStaticText*>(&c) ||
         dynamic_cast<const TGroupBox*>(&c) || dynamic_cast<const TPanel*>(&c) ||
         dynamic_cast<const TCheckBox*>(&c) || dynamic_cast<const TRadioGroup*>(&c) ||
         dynamic_cast<const TButton*>(&c) || dynamic_cast<const TForm*>(&c);
}

// Index-like properties are applied after the items they index.
bool IsDeferred(const std::string& n) {
  return n == "ItemIndex" || n == "TabIndex" || n == "Position" || n == "Checked";
}

void ApplyProperty(Context& ctx, TComponent& comp, const LayoutProperty& p) {
  const std::string& n = p.name;

  if (auto* mi = dynamic_cast<TMenuItem*>(&comp)) {
    if (n == "Caption")
      mi->SetCaption(Str(ctx, p));
    else if (n == "Visible")
      mi->SetVisible(Bool(ctx, p));
    else if (n == "Enabled")
      mi->SetEnabled(Bool(ctx, p));
    else if (n == "Checked")
      mi->SetChecked(Bool(ctx, p));
    else if (n == "RadioItem")
      mi->RadioItem = Bool(ctx, p);
    else if (n == "GroupIndex")
      mi->GroupIndex = static_cast<int>(Int(ctx, p));
    else if (n == "ShortCut")
      mi->ShortCut = Str(ctx, p);
    else if (n == "Hint")
      mi->Hint = Str(ctx, p);
    else if (n == "Tag")
      mi->Tag = static_cast<int>(Int(ctx, p));
    else if (n == "OnClick")
      mi->OnClick = ctx.form.NotifyHandler(IdentOf(ctx, p));
    else
      Bad(ctx, p, "not a property of TMenuItem");
    return;
  }
  if (auto* t = dynamic_cast<TTimer*>(&comp)) {
    if (n == "Enabled")
      t->SetEnabled(Bool(ctx, p));
    else if (n == "Interval")
      t->SetInterval(static_cast<int>(Int(ctx, p)));
    else if (n == "OnTimer")
      t->OnTimer = ctx.form.NotifyHandler(IdentOf(ctx, p));
    else
      Bad(ctx, p, "not a property of TTimer");
    return;
  }
  if (dynamic_cast<TMainMenu*>(&comp) || dynamic_cast<TPrinterSetupDialog*>(&comp)) {
    Bad(ctx, p, "not a property of " + comp.ClassName());
  }

  auto& c = dynamic_cast<TControl&>(comp);

  // Class-specific properties first, so a class can take over a common name.
  if (auto* f = dynamic_cast<TForm*>(&c)) {
    if (n == "ClientWidth")
      return f->SetClientSize(static_cast<int>(Int(ctx, p)), f->ClientHeight());
    if (n == "ClientHeight")
      return f->SetClientSize(f->ClientWidth(), static_cast<int>(Int(ctx, p)));
    if (n == "Caption") return f->SetCaption(Str(ctx, p));
    if (n == "Menu") {
      ctx.menuName = IdentOf(ctx, p);
      return;
    }
    if (n == "BorderStyle") {
      static const std::map<std::string, TFormBorderStyle> m = {
          {"bsNone", TFormBorderStyle::bsNone},
          {"bsSingle", TFormBorderStyle::bsSingle},
          {"bsSizeable", TFormBorderStyle::bsSizeable},
          {"bsDialog", TFormBorderStyle::bsDialog},
          {"bsToolWindow", TFormBorderStyle::bsToolWindow}};
      auto it = m.find(IdentOf(ctx, p));
      if (it == m.end()) Bad(ctx, p, "unknown border style");
      f->BorderStyle = it->second;
      return;
    }
    if (n == "Position") {
      static const std::map<std::string, TPosition> m = {
          {"poDesigned", TPosition::poDesigned},
          {"poScreenCenter", TPosition::poScreenCenter},
          {"poMainFormCenter", TPosition::poMainFormCenter},
          {"poDesktopCenter", TPosition::poDesktopCenter}};
      auto it = m.find(IdentOf(ctx, p));
      if (it == m.end()) Bad(ctx, p, "unknown position");
      f->Position = it->second;
      return;
    }
    if (n == "Visible") Bad(ctx, p, "forms are shown by code");
    if (n == "OnShow") {
      f->OnShow = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
    if (n == "OnCreate") {
      f->OnCreate = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
    if (n == "OnDestroy") {
      f->OnDestroy = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
    if (n == "OnCloseQuery") {
      f->OnCloseQuery = ctx.form.CloseQueryHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (auto* e = dynamic_cast<TEdit*>(&c)) {
    if (n == "Text") return e->SetText(Str(ctx, p));
    if (n == "ReadOnly") return e->SetReadOnly(Bool(ctx, p));
    if (n == "MaxLength") return e->SetMaxLength(static_cast<int>(Int(ctx, p)));
    if (n == "Alignment") {
      e->Alignment = AlignmentOf(ctx, p);
      return;
    }
    if (n == "OnChange") {
      e->OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (auto* l = dynamic_cast<TLabel*>(&c)) {
    if (n == "AutoSize") {
      l->AutoSize = Bool(ctx, p);
      return;
    }
    if (n == "WordWrap") {
      l->WordWrap = Bool(ctx, p);
      return;
    }
    if (n == "Transparent") {
      l->Transparent = Bool(ctx, p);
      return;
    }
    if (n == "Alignment") {
      l->Alignment = AlignmentOf(ctx, p);
      return;
    }
  }
  if (auto* st = dynamic_cast<TStaticText*>(&c)) {
    if (n == "Alignment") {
      st->Alignment = AlignmentOf(ctx, p);
      return;
    }
  }
  if (auto* cb = dynamic_cast<TCheckBox*>(&c)) {
    if (n == "Checked") return cb->SetChecked(Bool(ctx, p));
  }
  if (auto* rg = dynamic_cast<TRadioGroup*>(&c)) {
    if (n == "Items.Strings") return rg->Items().Assign(Strings(ctx, p));
    if (n == "ItemIndex") {
      long long i = Int(ctx, p);
      if (i >= rg->Items().Count()) Bad(ctx, p, "index past the last item");
      return rg->SetItemIndex(static_cast<int>(i));
    }
    if (n == "Columns") {
      rg->Columns = static_cast<int>(Int(ctx, p));
      return;
    }
  }
  if (auto* co = dynamic_cast<TComboBox*>(&c)) {
    if (n == "Items.Strings") return co->Items().Assign(Strings(ctx, p));
    if (n == "ItemIndex") {
      long long i = Int(ctx, p);
      if (i >= co->Items().Count()) Bad(ctx, p, "index past the last item");
      return co->SetItemIndex(static_cast<int>(i));
    }
    if (n == "Text") {
      co->SetText(Str(ctx, p));
      return;
    }
    if (n == "DropDownCount") {
      co->DropDownCount = static_cast<int>(Int(ctx, p));
      return;
    }
    if (n == "Style") {
      std::string s = IdentOf(ctx, p);
      if (s == "csDropDown")
        co->Style = TComboBoxStyle::csDropDown;
      else if (s == "csDropDownList")
        co->Style = TComboBoxStyle::csDropDownList;
      else if (s == "csSimple")
        co->Style = TComboBoxStyle::csSimple;
      else
        Bad(ctx, p, "unknown combo style");
      return;
    }
    if (n == "OnChange") {
      co->OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
    if (n == "OnSelect") {
      co->OnSelect = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (auto* b = dynamic_cast<TButton*>(&c)) {
    if (n == "Default") {
      b->Default = Bool(ctx, p);
      return;
    }
    if (n == "Cancel") {
      b->Cancel = Bool(ctx, p);
      return;
    }
    if (n == "ModalResult") {
      b->ModalResult = static_cast<int>(Int(ctx, p));
      return;
    }
    if (auto* bb = dynamic_cast<TBitBtn*>(&c)) {
      if (n == "Kind") {
        bb->Kind = IdentOf(ctx, p);
        return;
      }
      if (n == "Glyph") {
        bb->Glyph = Str(ctx, p);
        return;
      }
    }
  }
  if (auto* im = dynamic_cast<TImage*>(&c)) {
    if (n == "Picture") return im->SetPicture(Str(ctx, p));
    if (n == "Stretch") {
      im->Stretch = Bool(ctx, p);
      return;
    }
    if (n == "Proportional") {
      im->Proportional = Bool(ctx, p);
      return;
    }
    if (n == "Center") {
      im->Center = Bool(ctx, p);
      return;
    }
    if (n == "Transparent") {
      im->Transparent = Bool(ctx, p);
      return;
    }
  }
  if (auto* sh = dynamic_cast<TShape*>(&c)) {
    if (n == "Brush.Color") {
      sh->BrushColor = Colour(ctx, p);
      return;
    }
    if (n == "Pen.Color") {
      sh->PenColor = Colour(ctx, p);
      return;
    }
    if (n == "Shape") {
      std::string s = IdentOf(ctx, p);
      static const std::map<std::string, TShapeType> m = {{"stRectangle", TShapeType::stRectangle},
                                                          {"stSquare", TShapeType::stSquare},
                                                          {"stRoundRect", TShapeType::stRoundRect},
                                                          {"stEllipse", TShapeType::stEllipse},
                                                          {"stCircle", TShapeType::stCircle}};
      auto it = m.find(s);
      if (it == m.end()) Bad(ctx, p, "unknown shape");
      sh->Shape = it->second;
      return;
    }
  }
  if (auto* me = dynamic_cast<TMemo*>(&c)) {
    if (n == "Lines.Strings") return me->Lines().Assign(Strings(ctx, p));
    if (n == "ReadOnly") {
      me->ReadOnly = Bool(ctx, p);
      return;
    }
    if (n == "WordWrap") {
      me->WordWrap = Bool(ctx, p);
      return;
    }
    if (n == "ScrollBars") {
      me->ScrollBars = IdentOf(ctx, p);
      return;
    }
    if (n == "OnChange") {
      me->OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (auto* tc = dynamic_cast<TTabControl*>(&c)) {
    if (n == "Tabs.Strings") return tc->Tabs().Assign(Strings(ctx, p));
    if (n == "TabIndex") {
      long long i = Int(ctx, p);
      if (i >= tc->Tabs().Count()) Bad(ctx, p, "index past the last tab");
      return tc->SetTabIndex(static_cast<int>(i));
    }
    if (n == "MultiLine") {
      tc->MultiLine = Bool(ctx, p);
      return;
    }
    if (n == "OnChange") {
      tc->OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
    if (n == "OnChanging") {
      tc->OnChanging = ctx.form.ChangingHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (auto* sb = dynamic_cast<TStatusBar*>(&c)) {
    if (n == "SimplePanel") {
      sb->SimplePanel = Bool(ctx, p);
      return;
    }
    if (n == "AutoHint") {
      sb->AutoHint = Bool(ctx, p);
      return;
    }
    if (n == "Panels") {
      if (p.value.kind != LayoutValue::Kind::Collection) Bad(ctx, p, "a collection was expected");
      for (const auto& item : p.value.items) {
        TStatusPanel panel;
        for (const auto& ip : item.properties) {
          if (ip.name == "Width")
            panel.Width = static_cast<int>(Int(ctx, ip));
          else if (ip.name == "Text")
            panel.Text = Str(ctx, ip);
          else if (ip.name == "Alignment")
            panel.Alignment = AlignmentOf(ctx, ip);
          else
            Bad(ctx, ip, "not a property of a status panel");
        }
        sb->AddPanel(panel);
      }
      return;
    }
  }
  if (auto* pb = dynamic_cast<TProgressBar*>(&c)) {
    if (n == "Min")
      return pb->SetRange(static_cast<int>(Int(ctx, p)),
                          std::max(pb->Max(), static_cast<int>(Int(ctx, p))));
    if (n == "Max") return pb->SetRange(pb->Min(), static_cast<int>(Int(ctx, p)));
    if (n == "Position") return pb->SetPosition(static_cast<int>(Int(ctx, p)));
  }
  if (auto* tb = dynamic_cast<TTrackBar*>(&c)) {
    if (n == "Min")
      return tb->SetRange(static_cast<int>(Int(ctx, p)),
                          std::max(tb->Max(), static_cast<int>(Int(ctx, p))));
    if (n == "Max") return tb->SetRange(tb->Min(), static_cast<int>(Int(ctx, p)));
    if (n == "Position") return tb->SetPosition(static_cast<int>(Int(ctx, p)));
    if (n == "Frequency") {
      tb->Frequency = static_cast<int>(Int(ctx, p));
      return;
    }
    if (n == "OnChange") {
      tb->OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (auto* ud = dynamic_cast<TUpDown*>(&c)) {
    if (n == "Min")
      return ud->SetRange(static_cast<int>(Int(ctx, p)),
                          std::max(ud->Max(), static_cast<int>(Int(ctx, p))));
    if (n == "Max") return ud->SetRange(ud->Min(), static_cast<int>(Int(ctx, p)));
    if (n == "Position") return ud->SetPosition(static_cast<int>(Int(ctx, p)));
    if (n == "Increment") {
      ud->Increment = static_cast<int>(Int(ctx, p));
      return;
    }
    if (n == "Wrap") {
      ud->Wrap = Bool(ctx, p);
      return;
    }
    if (n == "Thousands") {
      ud->Thousands = Bool(ctx, p);
      return;
    }
    if (n == "Associate") {
      ud->AssociateName = IdentOf(ctx, p);
      return;
    }
    if (n == "OnChanging") {
      ud->OnChanging = ctx.form.ChangingHandler(IdentOf(ctx, p));
      return;
    }
    if (n == "OnClick") {
      ud->OnClick = ctx.form.UDClickHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (auto* bg = dynamic_cast<TButtonGroup*>(&c)) {
    if (n == "Items.Strings") return bg->Items().Assign(Strings(ctx, p));
    if (n == "Items") {
      if (p.value.kind != LayoutValue::Kind::Collection) Bad(ctx, p, "a collection was expected");
      std::vector<std::string> captions;
      for (const auto& item : p.value.items) {
        captions.emplace_back();
        for (const auto& ip : item.properties)
          if (ip.name == "Caption") captions.back() = Str(ctx, ip);
      }
      bg->Items().Assign(captions);
      for (size_t i = 0; i < p.value.items.size(); ++i) {
        const int index = static_cast<int>(i);
        for (const auto& ip : p.value.items[i].properties) {
          if (ip.name == "Caption") continue;
          if (ip.name == "Hint")
            bg->SetItemHint(index, Str(ctx, ip));
          else if (ip.name == "OnClick")
            bg->SetItemClick(index, ctx.form.NotifyHandler(IdentOf(ctx, ip)));
          else
            Bad(ctx, ip, "not a property of a button group's button");
        }
      }
      return;
    }
    if (n == "ButtonOptions") {
      if (p.value.kind != LayoutValue::Kind::Set) Bad(ctx, p, "a set was expected");
      bg->AllowReorder = false;
      for (const auto& o : p.value.names) {
        if (o == "gboAllowReorder")
          bg->AllowReorder = true;
        else if (o != "gboFullSize" && o != "gboShowCaptions")
          Bad(ctx, p, "unknown button option " + o);
      }
      return;
    }
    if (n == "ItemIndex") return bg->SetItemIndex(static_cast<int>(Int(ctx, p)));
    if (n == "OnButtonClicked") {
      bg->OnButtonClicked = ctx.form.NotifyHandler(IdentOf(ctx, p));
      return;
    }
  }
  if (n == "Caption") {
    if (!IsCaptioned(c)) Bad(ctx, p, "not a property of " + c.ClassName());
    return c.SetCaption(Str(ctx, p));
  }
  if (ApplyControlProperty(ctx, c, p)) return;
  Bad(ctx, p,
      IsEvent(n) ? "not an event of " + c.ClassName() : "not a property of " + c.ClassName());
}

void Build(Context& ctx, const LayoutObject& obj, TComponent* parent, bool isRoot) {
  TComponent* comp = nullptr;
  if (isRoot && !parent) {
    if (obj.className != ctx.form.ClassName())
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": the layout is of " +
                         obj.className + ", not " + ctx.form.ClassName());
    ctx.form.Name = obj.name;
    comp = &ctx.form;
  } else {
    auto made = CreateComponent(obj.className);
    if (!made)
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": unknown class " +
                         obj.className);
    made->Name = obj.name;
    made->DeclaredAt = ctx.resource + ":" + std::to_string(obj.line);
    try {
      comp = ctx.form.Adopt(std::move(made));
    } catch (const ELayoutError& e) {
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": " + e.Message());
    }
    auto* asControl = dynamic_cast<TControl*>(comp);
    auto* asMenuItem = dynamic_cast<TMenuItem*>(comp);
    auto* parentControl = dynamic_cast<TControl*>(parent);
    if (asControl) {
      if (!parentControl)
        throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": " + obj.name +
                           " must lie inside a control");
      asControl->SetParent(parentControl);
    } else if (asMenuItem) {
      if (auto* pm = dynamic_cast<TMainMenu*>(parent))
        pm->Add(asMenuItem);
      else if (auto* pi = dynamic_cast<TMenuItem*>(parent))
        pi->Add(asMenuItem);
      else
        throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": " + obj.name +
                           " must lie inside a menu");
    } else if (dynamic_cast<TMainMenu*>(parent) || dynamic_cast<TMenuItem*>(parent)) {
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) +
                         ": only menu items lie in a menu");
    }
  }
  auto apply = [&](const LayoutProperty& p) {
    try {
      ApplyProperty(ctx, *comp, p);
    } catch (const EPlacedLayoutError&) {
      throw;
    } catch (const ELayoutError& e) {
      // The form's handler look-up knows the name but not where it was written.
      Bad(ctx, p, e.Message());
    }
  };
  for (const auto& p : obj.properties)
    if (!IsDeferred(p.name)) apply(p);
  for (const auto& p : obj.properties)
    if (IsDeferred(p.name)) apply(p);
  for (const auto& child : obj.children) Build(ctx, child, comp, false);
}

}  // namespace

void TForm::LoadLayout(const std::string& resource, const std::string& parentName) {
  LoadLayoutText(LayoutResource(resource), resource, parentName);
}

void TForm::LoadLayoutText(std::string_view text, const std::string& resource,
                           const std::string& parentName) {
  LayoutObject root = ParseLayout(text, resource);
  Context ctx{*this, resource, {}};
  loading_ = true;
  try {
    if (parentName.empty()) {
      if (!layouts_.empty())
        throw ELayoutError(resource + ": the form's own layout must come first");
      Build(ctx, root, nullptr, true);
    } else {
      auto* parent = Find<TControl>(parentName);
      if (!parent)
        throw ELayoutError(resource + ": no control named " + parentName + " in " + Name);
      Build(ctx, root, parent, false);
    }
    if (!ctx.menuName.empty()) {
      Menu = Find<TMainMenu>(ctx.menuName);
      if (!Menu) throw ELayoutError(resource + ": no main menu named " + ctx.menuName);
    }
  } catch (...) {
    loading_ = false;
    throw;
  }
  loading_ = false;
  layouts_.push_back(resource);
}

}  // namespace vcl
