// The conductor calculators' radio-group positions as the model's enums, one
// small mapping per group, for the solve routines that read the groups.
// Nothing for no item (or one outside the group): each caller says what that means.
#pragma once

#include <optional>

#include "calc/conductor/conductor_model.h"

namespace trellis::conductor {

namespace detail {
template <typename Enum, int Count>
std::optional<Enum> ItemOf(int item) {
  if (item < 0 || item >= Count) return std::nullopt;
  return static_cast<Enum>(item);
}
}  // namespace detail

// Program Options' IPC group (Form6.RadioGroup1): 0 "IPC-2152 with modifiers",
// 1 "IPC-2152 without modifiers", 2 "IPC-2221A (Obsolete for amperage)".
inline std::optional<IpcVersion> IpcVersionOfItem(int item) {
  return detail::ItemOf<IpcVersion, 3>(item);
}

// The conductor calculator's layer group (RadioGroup3): 0 "Internal Layer", 1 "External Layer".
inline std::optional<ConductorLayer> ConductorLayerOfItem(int item) {
  return detail::ItemOf<ConductorLayer, 2>(item);
}

// The layer whose IPC constant applies: with no layer chosen, the internal one.
inline ConductorLayer IpcLayerOfItem(int item) {
  return ConductorLayerOfItem(item).value_or(ConductorLayer::Internal);
}

// The plane-weight group (RadioGroup5): 0 "0.5oz / 1oz", 1 "2oz".
inline std::optional<PlaneWeight> PlaneWeightOfItem(int item) {
  return detail::ItemOf<PlaneWeight, 2>(item);
}

// Program Options' etch-factor group (Form6.RadioGroup2): 0 "Etch Factor 1:1",
// 1 "Etch Factor 2:1", 2 "None".
inline std::optional<EtchFactor> EtchFactorOfItem(int item) {
  return detail::ItemOf<EtchFactor, 3>(item);
}

// The base-copper group (RadioGroup4): "0.25oz" to "5oz", nine items.
inline std::optional<CopperWeight> CopperWeightOfItem(int item) {
  return detail::ItemOf<CopperWeight, 9>(item);
}

// The plating group (RadioGroup1): "Bare PCB", then "0.5oz" to "3oz", seven items.
inline std::optional<PlatingWeight> PlatingWeightOfItem(int item) {
  return detail::ItemOf<PlatingWeight, 7>(item);
}

}  // namespace trellis::conductor
