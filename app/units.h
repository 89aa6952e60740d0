// Conversions of typed values between the imperial and metric unit systems.
#pragma once

namespace trellis {

enum class UnitClass {
  Length,      // mils <-> mm, or um with "Use Microns"
  Micrometre,  // mils <-> um always
  Millimetre,  // mils <-> mm always
  Area,        // square inches <-> mm2, or um2 with "Use Microns"
};

// The converted value, rounded half away from zero to the digit its class shows.
double ConvertUnits(UnitClass unitClass, bool toMetric, bool microns, double value);

}  // namespace trellis
