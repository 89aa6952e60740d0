// Small steps that arranging a form repeats: show, enable or place a set of
// controls at once.
#pragma once

#include <initializer_list>
#include <utility>

#include "vcl/controls.h"

namespace vcl {

inline void ShowAll(bool visible, std::initializer_list<TControl*> controls) {
  for (TControl* c : controls) c->SetVisible(visible);
}

inline void EnableAll(bool enabled, std::initializer_list<TControl*> controls) {
  for (TControl* c : controls) c->SetEnabled(enabled);
}

inline void Tops(std::initializer_list<std::pair<TControl*, int>> places) {
  for (auto [c, top] : places) c->SetTop(top);
}

}  // namespace vcl
