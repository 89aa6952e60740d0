// What "Send" hands to the angle converter: the angle of the last solve in
// each direction of the complex-number converter.
#pragma once

#include <string>

namespace trellis {

struct ConversionValues {
  std::string PolarAngleText;  // "%.4f" with a point, of the last rectangular-to-polar solve
  double PolarAngle = 0;       // degrees, read by the last polar-to-rectangular solve
};

}  // namespace trellis
