// The substrate materials of the Options panel's list, in list order.
#pragma once

#include <array>

namespace trellis {

struct Material {
  const char* name;
  const char* er;  // point form; the comma form replaces the "."
  const char* tg;  // whole degrees C or "N/A"
  double modifier;
};

inline constexpr int kMaterialCount = 45;  // items 0..44; item 45 is "Custom"
inline constexpr int kMaterialAir = 44;
inline constexpr int kMaterialCustom = 45;

const std::array<Material, kMaterialCount>& MaterialTable();

}  // namespace trellis
