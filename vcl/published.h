// The published section of a window class, written from its layouts as a form
// designer would: a member for every component, a declaration for every handler
// the layouts name (its signature from the event's kind), and one function that
// binds both by name. The build includes the section in the class body, so a
// control or a handler is written once, in its layout.
//
// Layout "Form1" is the window's own; "Form1_<panel>" are its panels. Key events
// follow the program's one rule for the Enter key: a key-down handler is the
// window's EnterKeyDown (which it defines), a key-press handler drops the Enter
// character.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vcl {

struct LayoutSource {
  std::string resource;  // the layout file's base name
  std::string path;      // where compiler messages should point
  std::string text;
};

// The section of each window class, keyed by the window's own layout. Raises ELayoutError
// naming the resource and line of an unknown class, a name written twice, a
// handler named for events of different kinds, or a panel without its window.
std::map<std::string, std::string> GeneratePublishedSections(
    const std::vector<LayoutSource>& layouts);

}  // namespace vcl
