#include "calc/impedance/wavelength_model.h"

#include "calc/length_units.h"
#include "vcl/sysutils.h"

namespace trellis::impedance {

double FrequencyMhz(SignalUnit unit, double x) {
  switch (unit) {
    case SignalUnit::Nanoseconds:
      return 1 / (x / 1e9) / 1e6;
    case SignalUnit::Picoseconds:
      return 1 / (x / 1e12) / 1e6;
    case SignalUnit::Gigahertz:
      return x * 1000;
    case SignalUnit::Megahertz:
      return x;
    case SignalUnit::Kilohertz:
      return x * 0.001;
    case SignalUnit::Hertz:
      return x * 0.000001;
  }
  return x;
}

double FractionFactor(WaveFraction fraction) {
  switch (fraction) {
    case WaveFraction::Full:
      return 1;
    case WaveFraction::ThreeQuarters:
      return 0.75;
    case WaveFraction::FiveEighths:
      return 0.625;
    case WaveFraction::Half:
      return 0.5;
    case WaveFraction::Quarter:
      return 0.25;
    case WaveFraction::Tenth:
      return 0.1;
    case WaveFraction::Fifteenth:
      return 0.06666;
    case WaveFraction::Sixteenth:
      return 0.0625;
    case WaveFraction::Twentieth:
      return 0.05;
  }
  return 1;
}

namespace {
// The speed of light in m/s over MHz, scaled to centimetres.
double FullWaveCm(double mhz, double erEffective) {
  return 299792458 / (vcl::Sqrt(erEffective) * mhz) * 0.0001;
}
}  // namespace

double WavelengthCm(double mhz, double erEffective, WaveFraction fraction) {
  return FullWaveCm(mhz, erEffective) * FractionFactor(fraction);
}

double WavelengthInches(double mhz, double erEffective, WaveFraction fraction) {
  return FullWaveCm(mhz, erEffective) / kCentimetresPerInch * FractionFactor(fraction);
}

}  // namespace trellis::impedance
