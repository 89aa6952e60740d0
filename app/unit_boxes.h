// The typed lengths that the units switches convert, as each window declares them.
#pragma once

#include <vector>

#include "app/units.h"

namespace vcl {
class TEdit;
}  // namespace vcl

namespace trellis {

struct UnitBox {
  vcl::TEdit* value;  // the typed number; none: a unit text only
  vcl::TEdit* unit;   // the box naming its unit; none: named elsewhere
  UnitClass unitClass = UnitClass::Length;
  bool keepsNA = false;          // "N/A" is written back unconverted
  bool eitherSeparator = false;  // a decimal point or comma under any separator
  // Converted by the metric/imperial switch; the box that is not is the
  // calculator's to convert.
  bool inUnitsSwitch = true;
  // Converted by "Use Microns" (lengths and areas only); its unit text is
  // renamed all the same.
  bool inMicronsSwitch = true;
};

using UnitBoxes = std::vector<UnitBox>;

}  // namespace trellis
