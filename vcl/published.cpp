#include "vcl/published.h"

#include <set>

#include "vcl/exceptions.h"
#include "vcl/layout.h"

namespace vcl {

namespace {

enum class EventKind { Notify, KeyDown, KeyPress, CloseQuery, Changing, UDClick };

// The handler type the loader looks up for an event property.
EventKind KindOf(const std::string& className, const std::string& event) {
  if (event == "OnKeyDown") return EventKind::KeyDown;
  if (event == "OnKeyPress") return EventKind::KeyPress;
  if (event == "OnCloseQuery") return EventKind::CloseQuery;
  if (event == "OnChanging") return EventKind::Changing;
  if (event == "OnClick" && className == "TUpDown") return EventKind::UDClick;
  return EventKind::Notify;
}

const char* ParametersOf(EventKind kind) {
  switch (kind) {
    case EventKind::Notify:
      return "vcl::TObject* Sender";
    case EventKind::KeyDown:
      return "vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState Shift";
    case EventKind::KeyPress:
      return "vcl::TObject* Sender, char& Key";
    case EventKind::CloseQuery:
      return "vcl::TObject* Sender, bool& CanClose";
    case EventKind::Changing:
      return "vcl::TObject* Sender, bool& AllowChange";
    case EventKind::UDClick:
      return "vcl::TObject* Sender, vcl::TUDBtnType Button";
  }
  return "";
}

struct Place {
  const LayoutSource* source;
  int line;
  std::string Text() const { return source->resource + ":" + std::to_string(line); }
  std::string Line() const {
    return "#line " + std::to_string(line) + " \"" + source->path + "\"\n";
  }
};

struct Member {
  std::string name, className;
  Place at;
};

struct HandlerUse {
  std::string name;
  EventKind kind;
  Place at;
};

struct Window {
  std::string className;
  std::vector<std::string> resources;
  std::vector<Member> members;
  std::vector<HandlerUse> handlers;  // first use of each name, in layout order
  std::vector<HandlerUse> keys;      // every key event, in layout order
  std::map<std::string, Place> names;
};

[[noreturn]] void Fail(const Place& at, const std::string& what) {
  throw ELayoutError(at.Text() + ": " + what);
}

void Collect(Window& w, const LayoutSource& src, const LayoutObject& obj, bool isMember) {
  const Place at{&src, obj.line};
  if (isMember) {
    if (!CreateComponent(obj.className)) Fail(at, "unknown class " + obj.className);
    if (auto it = w.names.find(obj.name); it != w.names.end())
      Fail(at, obj.name + " is already named at " + it->second.Text());
    w.names.emplace(obj.name, at);
    w.members.push_back({obj.name, obj.className, at});
  }
  // Events of the object and of its collection items (a button group's buttons).
  std::vector<const LayoutProperty*> events;
  for (const LayoutProperty& p : obj.properties) {
    events.push_back(&p);
    if (p.value.kind == LayoutValue::Kind::Collection)
      for (const LayoutItem& item : p.value.items)
        for (const LayoutProperty& ip : item.properties) events.push_back(&ip);
  }
  for (const LayoutProperty* e : events) {
    const LayoutProperty& p = *e;
    if (p.name.size() < 3 || p.name.compare(0, 2, "On") != 0 ||
        p.value.kind != LayoutValue::Kind::Identifier)
      continue;
    const HandlerUse use{p.value.text, KindOf(obj.className, p.name), Place{&src, p.line}};
    if (use.kind == EventKind::KeyDown || use.kind == EventKind::KeyPress) {
      w.keys.push_back(use);
      continue;
    }
    bool known = false;
    for (const HandlerUse& h : w.handlers) {
      if (h.name != use.name) continue;
      if (h.kind != use.kind)
        Fail(use.at, use.name + " handles another kind of event at " + h.at.Text());
      known = true;
    }
    if (!known) w.handlers.push_back(use);
  }
  for (const LayoutObject& child : obj.children) Collect(w, src, child, true);
}

void CheckNames(const Window& w) {
  std::map<std::string, const HandlerUse*> byName;
  auto check = [&](const HandlerUse& use) {
    auto [it, fresh] = byName.emplace(use.name, &use);
    if (!fresh && it->second->kind != use.kind)
      Fail(use.at, use.name + " handles another kind of event at " + it->second->at.Text());
  };
  for (const HandlerUse& h : w.handlers) check(h);
  for (const HandlerUse& k : w.keys) check(k);
  for (const auto& [name, use] : byName)
    if (auto it = w.names.find(name); it != w.names.end())
      Fail(use->at, name + " is a handler and the control at " + it->second.Text());
}

std::string Generated(const Window& w) {
  std::string out = "// Generated from the layouts ";
  for (size_t i = 0; i < w.resources.size(); ++i) out += (i ? ", " : "") + w.resources[i];
  return out + "; do not edit.\n";
}

// Names and kinds only: no line and no property value, so that a layout edit
// which adds no component and no handler leaves the text, and every file that
// includes the window's class, as it is.
std::string Declarations(const Window& w) {
  std::string out = Generated(w);
  out += "// Included in the body of " + w.className +
         ": its components and the handlers its layouts name.\n";
  const std::string* heading = nullptr;
  for (const Member& m : w.members) {
    if (!heading || *heading != m.at.source->resource) {
      heading = &m.at.source->resource;
      out += "// " + *heading + "\n";
    }
    out += "vcl::" + m.className + "* " + m.name + " = nullptr;\n";
  }
  heading = nullptr;
  for (const HandlerUse& h : w.handlers) {
    if (!heading || *heading != h.at.source->resource) {
      heading = &h.at.source->resource;
      out += "// Handlers named in " + *heading + "\n";
    }
    out += "void " + h.name + "(" + ParametersOf(h.kind) + ");\n";
  }
  bool keyDown = false;
  for (const HandlerUse& k : w.keys) keyDown = keyDown || k.kind == EventKind::KeyDown;
  if (keyDown)
    out += "// Enter in a box with a key-down handler.\nvoid EnterKeyDown(" +
           std::string(ParametersOf(EventKind::KeyDown)) + ");\n";
  out += "void BindPublished();\n";
  return out;
}

// The one unit that carries the layouts' lines. A handler's registration sits at
// the line that names it, so a handler nobody defines fails the link there.
std::string Binding(const Window& w) {
  std::string out = Generated(w);
  out += "// Included in the file of " + w.className +
         "'s constructor: the binding of its components and handlers.\n";
  out += "void " + w.className + "::BindPublished() {\n";
  for (const Member& m : w.members) out += "  Bind(\"" + m.name + "\", " + m.name + ");\n";
  std::set<std::string> keysDone;
  for (const HandlerUse& k : w.keys) {
    if (!keysDone.insert(k.name).second) continue;
    if (k.kind == EventKind::KeyDown)
      out += "  Handler(\"" + k.name + "\", this, &" + w.className + "::EnterKeyDown);\n";
    else
      out += "  Handler(\"" + k.name + "\", vcl::TKeyPressEvent(vcl::DropEnterKey));\n";
  }
  // Last, as every line after a #line counts from the layout's.
  for (const HandlerUse& h : w.handlers)
    out += h.at.Line() + "  Handler(\"" + h.name + "\", this, &" + w.className + "::" + h.name +
           ");\n";
  out += "}\n";
  return out;
}

}  // namespace

std::map<std::string, PublishedSection> GeneratePublishedSections(
    const std::vector<LayoutSource>& layouts) {
  std::map<std::string, LayoutObject> parsed;
  std::map<std::string, const LayoutSource*> sources;
  for (const LayoutSource& src : layouts) {
    parsed.emplace(src.resource, ParseLayout(src.text, src.resource));
    sources[src.resource] = &src;
  }

  std::map<std::string, Window> windows;  // by the window's own layout
  for (const auto& [resource, root] : parsed) {
    if (resource.find('_') != std::string::npos) continue;
    Window& w = windows[resource];
    w.className = root.className;
    w.resources.push_back(resource);
    Collect(w, *sources[resource], root, false);
  }
  for (const auto& [resource, root] : parsed) {
    const size_t cut = resource.find('_');
    if (cut == std::string::npos) continue;
    auto it = windows.find(resource.substr(0, cut));
    if (it == windows.end())
      Fail(Place{sources[resource], root.line},
           "a panel of " + resource.substr(0, cut) + ", which has no layout");
    it->second.resources.push_back(resource);
    Collect(it->second, *sources[resource], root, true);
  }

  std::map<std::string, PublishedSection> out;
  std::set<std::string> classes;
  for (const auto& [resource, w] : windows) {
    CheckNames(w);
    if (!classes.insert(w.className).second)
      Fail(Place{sources[resource], parsed[resource].line}, "a second layout of " + w.className);
    out[resource] = {Declarations(w), Binding(w)};
  }
  return out;
}

}  // namespace vcl
