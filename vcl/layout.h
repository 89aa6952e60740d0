// The strict loader of form-description text resources:
//
//   object Edit15: TEdit
//     Left = 120
//     Text = '50'
//     OnChange = Edit15Change
//   end
//
// An unknown class, property, handler or a duplicate name is an error.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "vcl/forms.h"

namespace vcl {

struct LayoutValue;
struct LayoutItem;

struct LayoutValue {
  enum class Kind { Integer, Float, String, Identifier, Set, List, Collection };
  Kind kind = Kind::Integer;
  long long integer = 0;
  double number = 0;
  std::string text;                // String, Identifier
  std::vector<std::string> names;  // Set
  std::vector<LayoutValue> list;   // List
  std::vector<LayoutItem> items;   // Collection
  int line = 0;
};

struct LayoutProperty {
  std::string name;  // may be dotted: Font.Color, Items.Strings
  LayoutValue value;
  int line = 0;
};

struct LayoutItem {
  std::vector<LayoutProperty> properties;
};

struct LayoutObject {
  std::string name;
  std::string className;
  std::vector<LayoutProperty> properties;
  std::vector<LayoutObject> children;
  int line = 0;
};

// Parses one resource; raises ELayoutError with the resource name and line.
LayoutObject ParseLayout(std::string_view text, const std::string& resourceName);

// Creates a component of a known class; nullptr for an unknown one.
std::unique_ptr<TComponent> CreateComponent(const std::string& className);

}  // namespace vcl
