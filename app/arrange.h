// Small steps the panels' arrangements repeat: show, enable or place a set of
// controls at once.
#pragma once

#include <initializer_list>
#include <utility>

#include "vcl/controls.h"

namespace trellis {

inline void ShowAll(bool visible, std::initializer_list<vcl::TControl*> controls) {
  for (vcl::TControl* c : controls) c->SetVisible(visible);
}

inline void EnableAll(bool enabled, std::initializer_list<vcl::TControl*> controls) {
  for (vcl::TControl* c : controls) c->SetEnabled(enabled);
}

inline void Tops(std::initializer_list<std::pair<vcl::TControl*, int>> places) {
  for (auto [c, top] : places) c->SetTop(top);
}

}  // namespace trellis
