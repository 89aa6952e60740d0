#include "calc/conductor/thermal_model.h"

namespace trellis::conductor {

double JunctionTemperature(double watts, double thermalResistance, double ambientC) {
  return watts * thermalResistance + ambientC;
}

}  // namespace trellis::conductor
