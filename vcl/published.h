// The published section of a window class, written from its layouts as a form
// designer would: a member for every component, a declaration for every handler
// the layouts name (its signature from the event's kind), and one function that
// binds both by name. The build includes the declarations in the class body and
// the binding in the file of the window's constructor, so a control or a handler
// is written once, in its layout.
//
// The declarations carry nothing but names and kinds, so an edit of a layout that
// adds no component and no handler leaves them as they are and rebuilds only the
// binding. The binding carries the layouts' lines: a handler the layouts name but
// nobody defines fails the link at the layout line that names it.
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

struct PublishedSection {
  std::string declarations;  // included in the class body
  std::string binding;       // the definition of BindPublished
};

// The section of each window class, keyed by the window's own layout. Raises ELayoutError
// naming the resource and line of an unknown class, a name written twice, a
// handler named for events of different kinds, or a panel without its window.
std::map<std::string, PublishedSection> GeneratePublishedSections(
    const std::vector<LayoutSource>& layouts);

}  // namespace vcl
