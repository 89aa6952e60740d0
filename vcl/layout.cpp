#include "vcl/layout.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <functional>
#include <map>
#include <stdexcept>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>

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
  [[noreturn]] void Fail(const std::string& what) const { FailAt(line_, what); }
  [[noreturn]] void FailAt(int line, const std::string& what) const {
    throw ELayoutError(res_ + ":" + std::to_string(line) + ": " + what);
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
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
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
    // Most objects have a handful of properties; growing one by one moves them all.
    obj.properties.reserve(12);
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
      ParsePropertyInto(obj.properties.emplace_back());
      RefuseSecond(obj.properties);
    }
  }

  // A property written twice would be set twice, the last silently winning.
  void RefuseSecond(const std::vector<LayoutProperty>& properties) const {
    const LayoutProperty& last = properties.back();
    for (size_t i = 0; i + 1 < properties.size(); ++i)
      if (properties[i].name == last.name)
        FailAt(last.line,
               last.name + ": written twice, first at line " + std::to_string(properties[i].line));
  }

  // Properties and values are filled where they are kept, not moved there.
  void ParsePropertyInto(LayoutProperty& p) {
    p.line = line_;
    p.name = Ident();
    Expect('=');
    ParseValueInto(p.value);
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
          // The plain run up to the next quote or line end, in one piece.
          const size_t stop = s_.find_first_of("'\n", pos_);
          const size_t end = stop == std::string_view::npos ? s_.size() : stop;
          out.append(s_.substr(pos_, end - pos_));
          pos_ = end;
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

  void ParseValueInto(LayoutValue& v) {
    SkipBlank();
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
        return;
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
        ParseValueInto(v.list.emplace_back());
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
        LayoutItem& item = v.items.emplace_back();
        while (!PeekWord("end")) {
          if (pos_ >= s_.size()) Fail("'end' was expected");
          ParsePropertyInto(item.properties.emplace_back());
          RefuseSecond(item.properties);
        }
        pos_ += 3;
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
      const std::string_view num = s_.substr(start, pos_ - start);
      const char* last = num.data() + num.size();
      std::from_chars_result read{};
      if (isFloat) {
        v.kind = LayoutValue::Kind::Float;
        read = std::from_chars(num.data(), last, v.number);
      } else {
        v.kind = LayoutValue::Kind::Integer;
        read = std::from_chars(num.data(), last, v.integer);
      }
      // A float reads as far as it makes sense ("1.5e" is 1.5), as it always has.
      if (read.ec != std::errc() || (!isFloat && read.ptr != last))
        Fail("bad number " + std::string(num));
    } else {
      v.kind = LayoutValue::Kind::Identifier;
      v.text = Ident();
    }
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

const std::string& Str(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind != LayoutValue::Kind::String) Bad(ctx, p, "a quoted text was expected");
  return p.value.text;
}

const std::string& IdentOf(const Context& ctx, const LayoutProperty& p) {
  if (p.value.kind != LayoutValue::Kind::Identifier) Bad(ctx, p, "a name was expected");
  return p.value.text;
}

bool Bool(const Context& ctx, const LayoutProperty& p) {
  const std::string& id = IdentOf(ctx, p);
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
  const std::string& id = IdentOf(ctx, p);
  if (id == "taLeftJustify") return TAlignment::taLeftJustify;
  if (id == "taRightJustify") return TAlignment::taRightJustify;
  if (id == "taCenter") return TAlignment::taCenter;
  Bad(ctx, p, "unknown alignment " + id);
}

// Each class's properties, looked up by name: a layout object's class is
// decided once and every one of its properties goes straight to its setter.
using Setter = void (*)(Context&, TComponent&, const LayoutProperty&);
using PropertyTable = std::unordered_map<std::string_view, Setter>;
using Entries = std::initializer_list<std::pair<const std::string_view, Setter>>;

// The class is known from the table the setter lies in.
template <class T>
T& As(TComponent& c) {
  return static_cast<T&>(c);
}

int Whole(const Context& ctx, const LayoutProperty& p) { return static_cast<int>(Int(ctx, p)); }

// Properties every control understands.
const Entries kControlEntries = {
    {"Left", [](Context& ctx, TComponent& c,
                const LayoutProperty& p) { As<TControl>(c).SetLeft(Whole(ctx, p)); }},
    {"Top", [](Context& ctx, TComponent& c,
               const LayoutProperty& p) { As<TControl>(c).SetTop(Whole(ctx, p)); }},
    {"Width", [](Context& ctx, TComponent& c,
                 const LayoutProperty& p) { As<TControl>(c).SetWidth(Whole(ctx, p)); }},
    {"Height", [](Context& ctx, TComponent& c,
                  const LayoutProperty& p) { As<TControl>(c).SetHeight(Whole(ctx, p)); }},
    {"Visible", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TControl>(c).SetVisible(Bool(ctx, p)); }},
    {"Enabled", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TControl>(c).SetEnabled(Bool(ctx, p)); }},
    {"Hint", [](Context& ctx, TComponent& c,
                const LayoutProperty& p) { As<TControl>(c).SetHint(Str(ctx, p)); }},
    {"ShowHint", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TControl>(c).ShowHint = Bool(ctx, p); }},
    {"TabOrder", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TControl>(c).TabOrder = Whole(ctx, p); }},
    {"TabStop", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TControl>(c).TabStop = Bool(ctx, p); }},
    {"Tag", [](Context& ctx, TComponent& c,
               const LayoutProperty& p) { As<TControl>(c).Tag = Whole(ctx, p); }},
    {"Color", [](Context& ctx, TComponent& c,
                 const LayoutProperty& p) { As<TControl>(c).SetColor(Colour(ctx, p)); }},
    {"Cursor",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       const std::string& id = IdentOf(ctx, p);
       if (id == "crDefault")
         As<TControl>(c).Cursor = TCursor::crDefault;
       else if (id == "crHandPoint")
         As<TControl>(c).Cursor = TCursor::crHandPoint;
       else
         Bad(ctx, p, "unknown cursor " + id);
     }},
    {"Font.Color", [](Context& ctx, TComponent& c,
                      const LayoutProperty& p) { As<TControl>(c).SetFontColor(Colour(ctx, p)); }},
    {"Font.Style",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TControl>(c).SetFontStyle(FontStyleOf(ctx, p));
     }},
    {"Font.Size",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       TFont f = As<TControl>(c).Font();
       f.Size = Whole(ctx, p);
       As<TControl>(c).SetFont(f);
     }},
    {"Font.Name",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       TFont f = As<TControl>(c).Font();
       f.Name = Str(ctx, p);
       As<TControl>(c).SetFont(f);
     }},
    {"OnClick",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TControl>(c).OnClick = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnExit",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TControl>(c).OnExit = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnEnter",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TControl>(c).OnEnter = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnKeyDown",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TControl>(c).OnKeyDown = ctx.form.KeyHandler(IdentOf(ctx, p));
     }},
    {"OnKeyPress",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TControl>(c).OnKeyPress = ctx.form.KeyPressHandler(IdentOf(ctx, p));
     }},
};

const Entries kCaptionEntries = {
    {"Caption", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TControl>(c).SetCaption(Str(ctx, p)); }},
};

// The class's own entries come first, so a class can take over a common name.
PropertyTable Table(std::initializer_list<Entries> parts) {
  PropertyTable table;
  for (const Entries& part : parts)
    for (const auto& entry : part) table.emplace(entry);
  return table;
}

template <class T>
void SetRangeMin(Context& ctx, TComponent& c, const LayoutProperty& p) {
  T& t = As<T>(c);
  t.SetRange(Whole(ctx, p), std::max(t.Max(), Whole(ctx, p)));
}
template <class T>
void SetRangeMax(Context& ctx, TComponent& c, const LayoutProperty& p) {
  T& t = As<T>(c);
  t.SetRange(t.Min(), Whole(ctx, p));
}
template <class T>
void SetPositionOf(Context& ctx, TComponent& c, const LayoutProperty& p) {
  As<T>(c).SetPosition(Whole(ctx, p));
}

const Entries kFormEntries = {
    {"ClientWidth",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TForm>(c).SetClientSize(Whole(ctx, p), As<TForm>(c).ClientHeight());
     }},
    {"ClientHeight",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TForm>(c).SetClientSize(As<TForm>(c).ClientWidth(), Whole(ctx, p));
     }},
    {"Caption", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TForm>(c).SetCaption(Str(ctx, p)); }},
    {"Menu",
     [](Context& ctx, TComponent&, const LayoutProperty& p) { ctx.menuName = IdentOf(ctx, p); }},
    {"BorderStyle",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       static const std::map<std::string, TFormBorderStyle, std::less<>> m = {
           {"bsNone", TFormBorderStyle::bsNone},
           {"bsSingle", TFormBorderStyle::bsSingle},
           {"bsSizeable", TFormBorderStyle::bsSizeable},
           {"bsDialog", TFormBorderStyle::bsDialog},
           {"bsToolWindow", TFormBorderStyle::bsToolWindow}};
       auto it = m.find(IdentOf(ctx, p));
       if (it == m.end()) Bad(ctx, p, "unknown border style");
       As<TForm>(c).BorderStyle = it->second;
     }},
    {"BorderIcons",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       if (p.value.kind != LayoutValue::Kind::Set) Bad(ctx, p, "a set was expected");
       static const std::map<std::string, TBorderIcon, std::less<>> m = {
           {"biSystemMenu", biSystemMenu},
           {"biMinimize", biMinimize},
           {"biMaximize", biMaximize},
           {"biHelp", biHelp}};
       unsigned icons = 0;
       for (const auto& n : p.value.names) {
         auto it = m.find(n);
         if (it == m.end()) Bad(ctx, p, "unknown border icon " + n);
         icons |= it->second;
       }
       As<TForm>(c).BorderIcons = icons;
     }},
    {"Position",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       static const std::map<std::string, TPosition, std::less<>> m = {
           {"poDesigned", TPosition::poDesigned},
           {"poScreenCenter", TPosition::poScreenCenter},
           {"poMainFormCenter", TPosition::poMainFormCenter},
           {"poDesktopCenter", TPosition::poDesktopCenter}};
       auto it = m.find(IdentOf(ctx, p));
       if (it == m.end()) Bad(ctx, p, "unknown position");
       As<TForm>(c).Position = it->second;
     }},
    {"Visible", [](Context& ctx, TComponent&,
                   const LayoutProperty& p) { Bad(ctx, p, "forms are shown by code"); }},
    {"OnShow",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TForm>(c).OnShow = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnCreate",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TForm>(c).OnCreate = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnDestroy",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TForm>(c).OnDestroy = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnCloseQuery",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TForm>(c).OnCloseQuery = ctx.form.CloseQueryHandler(IdentOf(ctx, p));
     }},
};

const Entries kEditEntries = {
    {"Text", [](Context& ctx, TComponent& c,
                const LayoutProperty& p) { As<TEdit>(c).SetText(Str(ctx, p)); }},
    {"ReadOnly", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TEdit>(c).SetReadOnly(Bool(ctx, p)); }},
    {"MaxLength", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TEdit>(c).SetMaxLength(Whole(ctx, p)); }},
    {"Alignment", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TEdit>(c).Alignment = AlignmentOf(ctx, p); }},
    {"OnChange",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TEdit>(c).OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
};

const Entries kLabelEntries = {
    {"AutoSize", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TLabel>(c).AutoSize = Bool(ctx, p); }},
    {"WordWrap", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TLabel>(c).WordWrap = Bool(ctx, p); }},
    {"Transparent", [](Context& ctx, TComponent& c,
                       const LayoutProperty& p) { As<TLabel>(c).Transparent = Bool(ctx, p); }},
    {"Alignment", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TLabel>(c).Alignment = AlignmentOf(ctx, p); }},
};

const Entries kStaticTextEntries = {
    {"Alignment",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TStaticText>(c).Alignment = AlignmentOf(ctx, p);
     }},
};

const Entries kCheckBoxEntries = {
    {"Checked", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TCheckBox>(c).SetChecked(Bool(ctx, p)); }},
};

const Entries kRadioGroupEntries = {
    {"Items.Strings",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TRadioGroup>(c).Items().Assign(Strings(ctx, p));
     }},
    {"ItemIndex",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       auto& rg = As<TRadioGroup>(c);
       const long long i = Int(ctx, p);
       if (i >= rg.Items().Count()) Bad(ctx, p, "index past the last item");
       rg.SetItemIndex(static_cast<int>(i));
     }},
    {"Columns", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TRadioGroup>(c).Columns = Whole(ctx, p); }},
};

const Entries kComboBoxEntries = {
    {"Items.Strings",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TComboBox>(c).Items().Assign(Strings(ctx, p));
     }},
    {"ItemIndex",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       auto& co = As<TComboBox>(c);
       const long long i = Int(ctx, p);
       if (i >= co.Items().Count()) Bad(ctx, p, "index past the last item");
       co.SetItemIndex(static_cast<int>(i));
     }},
    {"Text", [](Context& ctx, TComponent& c,
                const LayoutProperty& p) { As<TComboBox>(c).SetText(Str(ctx, p)); }},
    {"DropDownCount",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TComboBox>(c).DropDownCount = Whole(ctx, p);
     }},
    {"Style",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       const std::string& s = IdentOf(ctx, p);
       auto& co = As<TComboBox>(c);
       if (s == "csDropDown")
         co.Style = TComboBoxStyle::csDropDown;
       else if (s == "csDropDownList")
         co.Style = TComboBoxStyle::csDropDownList;
       else if (s == "csSimple")
         co.Style = TComboBoxStyle::csSimple;
       else
         Bad(ctx, p, "unknown combo style");
     }},
    {"OnChange",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TComboBox>(c).OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnSelect",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TComboBox>(c).OnSelect = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
};

const Entries kButtonEntries = {
    {"Default", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TButton>(c).Default = Bool(ctx, p); }},
    {"Cancel", [](Context& ctx, TComponent& c,
                  const LayoutProperty& p) { As<TButton>(c).Cancel = Bool(ctx, p); }},
    {"ModalResult", [](Context& ctx, TComponent& c,
                       const LayoutProperty& p) { As<TButton>(c).ModalResult = Whole(ctx, p); }},
};

const Entries kBitBtnEntries = {
    {"Kind", [](Context& ctx, TComponent& c,
                const LayoutProperty& p) { As<TBitBtn>(c).Kind = IdentOf(ctx, p); }},
    {"Glyph", [](Context& ctx, TComponent& c,
                 const LayoutProperty& p) { As<TBitBtn>(c).Glyph = Str(ctx, p); }},
};

const Entries kImageEntries = {
    {"Picture", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TImage>(c).SetPicture(Str(ctx, p)); }},
    {"Stretch", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TImage>(c).Stretch = Bool(ctx, p); }},
    {"Proportional", [](Context& ctx, TComponent& c,
                        const LayoutProperty& p) { As<TImage>(c).Proportional = Bool(ctx, p); }},
    {"Center", [](Context& ctx, TComponent& c,
                  const LayoutProperty& p) { As<TImage>(c).Center = Bool(ctx, p); }},
    {"Transparent", [](Context& ctx, TComponent& c,
                       const LayoutProperty& p) { As<TImage>(c).Transparent = Bool(ctx, p); }},
};

const Entries kShapeEntries = {
    {"Brush.Color", [](Context& ctx, TComponent& c,
                       const LayoutProperty& p) { As<TShape>(c).BrushColor = Colour(ctx, p); }},
    {"Pen.Color", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TShape>(c).PenColor = Colour(ctx, p); }},
    {"Shape",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       static const std::map<std::string, TShapeType, std::less<>> m = {
           {"stRectangle", TShapeType::stRectangle},
           {"stSquare", TShapeType::stSquare},
           {"stRoundRect", TShapeType::stRoundRect},
           {"stEllipse", TShapeType::stEllipse},
           {"stCircle", TShapeType::stCircle}};
       auto it = m.find(IdentOf(ctx, p));
       if (it == m.end()) Bad(ctx, p, "unknown shape");
       As<TShape>(c).Shape = it->second;
     }},
};

const Entries kMemoEntries = {
    {"Lines.Strings",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TMemo>(c).Lines().Assign(Strings(ctx, p));
     }},
    {"ReadOnly", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TMemo>(c).ReadOnly = Bool(ctx, p); }},
    {"WordWrap", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TMemo>(c).WordWrap = Bool(ctx, p); }},
    {"ScrollBars", [](Context& ctx, TComponent& c,
                      const LayoutProperty& p) { As<TMemo>(c).ScrollBars = IdentOf(ctx, p); }},
    {"OnChange",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TMemo>(c).OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
};

const Entries kTabControlEntries = {
    {"Tabs.Strings",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TTabControl>(c).Tabs().Assign(Strings(ctx, p));
     }},
    {"TabIndex",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       auto& tc = As<TTabControl>(c);
       const long long i = Int(ctx, p);
       if (i >= tc.Tabs().Count()) Bad(ctx, p, "index past the last tab");
       tc.SetTabIndex(static_cast<int>(i));
     }},
    {"MultiLine", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TTabControl>(c).MultiLine = Bool(ctx, p); }},
    {"OnChange",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TTabControl>(c).OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
    {"OnChanging",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TTabControl>(c).OnChanging = ctx.form.ChangingHandler(IdentOf(ctx, p));
     }},
};

const Entries kStatusBarEntries = {
    {"SimplePanel", [](Context& ctx, TComponent& c,
                       const LayoutProperty& p) { As<TStatusBar>(c).SimplePanel = Bool(ctx, p); }},
    {"AutoHint", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TStatusBar>(c).AutoHint = Bool(ctx, p); }},
    {"Panels",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       if (p.value.kind != LayoutValue::Kind::Collection) Bad(ctx, p, "a collection was expected");
       for (const auto& item : p.value.items) {
         TStatusPanel panel;
         for (const auto& ip : item.properties) {
           if (ip.name == "Width")
             panel.Width = Whole(ctx, ip);
           else if (ip.name == "Text")
             panel.Text = Str(ctx, ip);
           else if (ip.name == "Alignment")
             panel.Alignment = AlignmentOf(ctx, ip);
           else
             Bad(ctx, ip, "not a property of a status panel");
         }
         As<TStatusBar>(c).AddPanel(panel);
       }
     }},
};

const Entries kProgressBarEntries = {
    {"Min", SetRangeMin<TProgressBar>},
    {"Max", SetRangeMax<TProgressBar>},
    {"Position", SetPositionOf<TProgressBar>},
};

const Entries kTrackBarEntries = {
    {"Min", SetRangeMin<TTrackBar>},
    {"Max", SetRangeMax<TTrackBar>},
    {"Position", SetPositionOf<TTrackBar>},
    {"Frequency", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TTrackBar>(c).Frequency = Whole(ctx, p); }},
    {"OnChange",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TTrackBar>(c).OnChange = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
};

const Entries kUpDownEntries = {
    {"Min", SetRangeMin<TUpDown>},
    {"Max", SetRangeMax<TUpDown>},
    {"Position", SetPositionOf<TUpDown>},
    {"Increment", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TUpDown>(c).Increment = Whole(ctx, p); }},
    {"Wrap", [](Context& ctx, TComponent& c,
                const LayoutProperty& p) { As<TUpDown>(c).Wrap = Bool(ctx, p); }},
    {"Thousands", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TUpDown>(c).Thousands = Bool(ctx, p); }},
    {"Associate", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TUpDown>(c).AssociateName = IdentOf(ctx, p); }},
    {"OnChanging",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TUpDown>(c).OnChanging = ctx.form.ChangingHandler(IdentOf(ctx, p));
     }},
    {"OnClick",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TUpDown>(c).OnClick = ctx.form.UDClickHandler(IdentOf(ctx, p));
     }},
};

const Entries kButtonGroupEntries = {
    {"Items.Strings",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TButtonGroup>(c).Items().Assign(Strings(ctx, p));
     }},
    {"Items",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       auto& bg = As<TButtonGroup>(c);
       if (p.value.kind != LayoutValue::Kind::Collection) Bad(ctx, p, "a collection was expected");
       std::vector<std::string> captions;
       for (const auto& item : p.value.items) {
         captions.emplace_back();
         for (const auto& ip : item.properties)
           if (ip.name == "Caption") captions.back() = Str(ctx, ip);
       }
       bg.Items().Assign(captions);
       for (size_t i = 0; i < p.value.items.size(); ++i) {
         const int index = static_cast<int>(i);
         for (const auto& ip : p.value.items[i].properties) {
           if (ip.name == "Caption") continue;
           if (ip.name == "Hint")
             bg.SetItemHint(index, Str(ctx, ip));
           else if (ip.name == "OnClick")
             bg.SetItemClick(index, ctx.form.NotifyHandler(IdentOf(ctx, ip)));
           else
             Bad(ctx, ip, "not a property of a button group's button");
         }
       }
     }},
    {"ButtonOptions",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       auto& bg = As<TButtonGroup>(c);
       if (p.value.kind != LayoutValue::Kind::Set) Bad(ctx, p, "a set was expected");
       bg.AllowReorder = false;
       for (const auto& o : p.value.names) {
         if (o == "gboAllowReorder")
           bg.AllowReorder = true;
         else if (o != "gboFullSize" && o != "gboShowCaptions")
           Bad(ctx, p, "unknown button option " + o);
       }
     }},
    {"ItemIndex", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TButtonGroup>(c).SetItemIndex(Whole(ctx, p)); }},
    {"OnButtonClicked",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TButtonGroup>(c).OnButtonClicked = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
};

const Entries kMenuItemEntries = {
    {"Caption", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TMenuItem>(c).SetCaption(Str(ctx, p)); }},
    {"Visible", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TMenuItem>(c).SetVisible(Bool(ctx, p)); }},
    {"Enabled", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TMenuItem>(c).SetEnabled(Bool(ctx, p)); }},
    {"Checked", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TMenuItem>(c).SetChecked(Bool(ctx, p)); }},
    {"RadioItem", [](Context& ctx, TComponent& c,
                     const LayoutProperty& p) { As<TMenuItem>(c).RadioItem = Bool(ctx, p); }},
    {"GroupIndex", [](Context& ctx, TComponent& c,
                      const LayoutProperty& p) { As<TMenuItem>(c).GroupIndex = Whole(ctx, p); }},
    {"ShortCut", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TMenuItem>(c).ShortCut = Str(ctx, p); }},
    {"Hint", [](Context& ctx, TComponent& c,
                const LayoutProperty& p) { As<TMenuItem>(c).Hint = Str(ctx, p); }},
    {"Tag", [](Context& ctx, TComponent& c,
               const LayoutProperty& p) { As<TMenuItem>(c).Tag = Whole(ctx, p); }},
    {"OnClick",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TMenuItem>(c).OnClick = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
};

const Entries kTimerEntries = {
    {"Enabled", [](Context& ctx, TComponent& c,
                   const LayoutProperty& p) { As<TTimer>(c).SetEnabled(Bool(ctx, p)); }},
    {"Interval", [](Context& ctx, TComponent& c,
                    const LayoutProperty& p) { As<TTimer>(c).SetInterval(Whole(ctx, p)); }},
    {"OnTimer",
     [](Context& ctx, TComponent& c, const LayoutProperty& p) {
       As<TTimer>(c).OnTimer = ctx.form.NotifyHandler(IdentOf(ctx, p));
     }},
};

// What the loader knows of one class: how to make one, where its properties
// go, and whether it lies among the controls.
enum class Kind { Control, MainMenu, MenuItem, Other };

struct ClassInfo {
  std::unique_ptr<TComponent> (*make)();
  PropertyTable properties;
  Kind kind;
};

template <class T>
std::unique_ptr<TComponent> Make() {
  return std::make_unique<T>();
}

const std::unordered_map<std::string_view, ClassInfo>& Classes() {
  static const std::unordered_map<std::string_view, ClassInfo> classes = [] {
    std::unordered_map<std::string_view, ClassInfo> m;
    const auto control = [&](std::string_view name, std::unique_ptr<TComponent> (*make)(),
                             std::initializer_list<Entries> own) {
      m.emplace(name, ClassInfo{make, Table(own), Kind::Control});
    };
    control("TLabel", Make<TLabel>, {kLabelEntries, kCaptionEntries, kControlEntries});
    control("TStaticText", Make<TStaticText>,
            {kStaticTextEntries, kCaptionEntries, kControlEntries});
    control("TEdit", Make<TEdit>, {kEditEntries, kControlEntries});
    control("TGroupBox", Make<TGroupBox>, {kCaptionEntries, kControlEntries});
    control("TPanel", Make<TPanel>, {kCaptionEntries, kControlEntries});
    control("TCheckBox", Make<TCheckBox>, {kCheckBoxEntries, kCaptionEntries, kControlEntries});
    control("TRadioGroup", Make<TRadioGroup>,
            {kRadioGroupEntries, kCaptionEntries, kControlEntries});
    control("TComboBox", Make<TComboBox>, {kComboBoxEntries, kControlEntries});
    control("TButton", Make<TButton>, {kButtonEntries, kCaptionEntries, kControlEntries});
    control("TBitBtn", Make<TBitBtn>,
            {kButtonEntries, kBitBtnEntries, kCaptionEntries, kControlEntries});
    control("TImage", Make<TImage>, {kImageEntries, kControlEntries});
    control("TShape", Make<TShape>, {kShapeEntries, kControlEntries});
    control("TMemo", Make<TMemo>, {kMemoEntries, kControlEntries});
    control("TRichEdit", Make<TRichEdit>, {kMemoEntries, kControlEntries});
    control("TTabControl", Make<TTabControl>, {kTabControlEntries, kControlEntries});
    control("TStatusBar", Make<TStatusBar>, {kStatusBarEntries, kControlEntries});
    control("TProgressBar", Make<TProgressBar>, {kProgressBarEntries, kControlEntries});
    control("TTrackBar", Make<TTrackBar>, {kTrackBarEntries, kControlEntries});
    control("TUpDown", Make<TUpDown>, {kUpDownEntries, kControlEntries});
    control("TButtonGroup", Make<TButtonGroup>, {kButtonGroupEntries, kControlEntries});
    m.emplace("TMainMenu", ClassInfo{Make<TMainMenu>, {}, Kind::MainMenu});
    m.emplace("TMenuItem", ClassInfo{Make<TMenuItem>, Table({kMenuItemEntries}), Kind::MenuItem});
    m.emplace("TTimer", ClassInfo{Make<TTimer>, Table({kTimerEntries}), Kind::Other});
    m.emplace("TPrinterSetupDialog", ClassInfo{Make<TPrinterSetupDialog>, {}, Kind::Other});
    return m;
  }();
  return classes;
}

// The root form's properties: its own, then every control's.
const PropertyTable& FormProperties() {
  static const PropertyTable table = Table({kFormEntries, kControlEntries});
  return table;
}

bool IsEvent(const std::string& name) { return name.size() > 2 && name.compare(0, 2, "On") == 0; }

// Index-like properties are applied after the items they index.
bool IsDeferred(std::string_view n) {
  return n == "ItemIndex" || n == "TabIndex" || n == "Position" || n == "Checked";
}

void ApplyProperty(Context& ctx, TComponent& comp, const PropertyTable& properties, bool control,
                   const LayoutProperty& p) {
  const auto it = properties.find(p.name);
  if (it != properties.end()) return it->second(ctx, comp, p);
  Bad(ctx, p,
      control && IsEvent(p.name) ? "not an event of " + comp.ClassName()
                                 : "not a property of " + comp.ClassName());
}

// The parent's kind is known from its own class, so nothing is cast by trial.
void Build(Context& ctx, const LayoutObject& obj, TComponent* parent, Kind parentKind,
           bool isRoot) {
  TComponent* comp = nullptr;
  const ClassInfo* info = nullptr;
  if (isRoot && !parent) {
    if (obj.className != ctx.form.ClassName())
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": the layout is of " +
                         obj.className + ", not " + ctx.form.ClassName());
    ctx.form.Name = obj.name;
    comp = &ctx.form;
  } else {
    const auto known = Classes().find(obj.className);
    if (known == Classes().end())
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": unknown class " +
                         obj.className);
    info = &known->second;
    auto made = info->make();
    made->Name = obj.name;
    made->DeclaredAt = ctx.resource + ":" + std::to_string(obj.line);
    try {
      comp = ctx.form.Adopt(std::move(made));
    } catch (const ELayoutError& e) {
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": " + e.Message());
    }
    auto* asControl = info->kind == Kind::Control ? &As<TControl>(*comp) : nullptr;
    auto* asMenuItem = info->kind == Kind::MenuItem ? &As<TMenuItem>(*comp) : nullptr;
    auto* parentControl = parentKind == Kind::Control ? &As<TControl>(*parent) : nullptr;
    if (asControl) {
      if (!parentControl)
        throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": " + obj.name +
                           " must lie inside a control");
      asControl->SetParent(parentControl);
    } else if (asMenuItem) {
      if (parentKind == Kind::MainMenu)
        As<TMainMenu>(*parent).Add(asMenuItem);
      else if (parentKind == Kind::MenuItem)
        As<TMenuItem>(*parent).Add(asMenuItem);
      else
        throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) + ": " + obj.name +
                           " must lie inside a menu");
    } else if (parentKind == Kind::MainMenu || parentKind == Kind::MenuItem) {
      throw ELayoutError(ctx.resource + ":" + std::to_string(obj.line) +
                         ": only menu items lie in a menu");
    }
  }
  const PropertyTable& properties = info ? info->properties : FormProperties();
  const Kind kind = info ? info->kind : Kind::Control;
  const bool control = kind == Kind::Control;
  auto apply = [&](const LayoutProperty& p) {
    try {
      ApplyProperty(ctx, *comp, properties, control, p);
    } catch (const EPlacedLayoutError&) {
      throw;
    } catch (const ELayoutError& e) {
      // The form's handler look-up knows the name but not where it was written.
      Bad(ctx, p, e.Message());
    }
  };
  std::vector<const LayoutProperty*> deferred;
  for (const auto& p : obj.properties) {
    if (IsDeferred(p.name))
      deferred.push_back(&p);
    else
      apply(p);
  }
  for (const LayoutProperty* p : deferred) apply(*p);
  for (const auto& child : obj.children) Build(ctx, child, comp, kind, false);
}

}  // namespace

std::unique_ptr<TComponent> CreateComponent(const std::string& className) {
  const auto it = Classes().find(className);
  return it == Classes().end() ? nullptr : it->second.make();
}

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
      Build(ctx, root, nullptr, Kind::Control, true);
    } else {
      auto* parent = Find<TControl>(parentName);
      if (!parent)
        throw ELayoutError(resource + ": no control named " + parentName + " in " + Name);
      Build(ctx, root, parent, Kind::Control, false);
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
