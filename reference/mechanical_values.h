// The mechanical-information calculator's values, as its last solve left them.
#pragma once

namespace trellis {

struct MechanicalValues {
  double WireDiameter = 0;  // inches, or millimetres
  double PowerTxAmps = 0;
};

}  // namespace trellis
