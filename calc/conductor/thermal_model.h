// The junction temperature of a device, or of a heat sink, dissipating a power
// through a thermal resistance: watts, degrees C per watt, degrees C.
#pragma once

namespace trellis::conductor {

double JunctionTemperature(double watts, double thermalResistance, double ambientC);

}  // namespace trellis::conductor
