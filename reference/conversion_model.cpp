#include "reference/conversion_model.h"

#include <cmath>

#include "calc/length_units.h"
#include "vcl/sysutils.h"

namespace trellis::reference {

double FahrenheitToCelsius(double fahrenheit) { return (fahrenheit - 32) * 0.55555555555; }

double CelsiusToFahrenheit(double celsius) { return 1.8 * celsius + 32; }

FromMils ConvertMils(double mils) {
  return {mils * 0.001 * kMillimetresPerInch, mils / kMilsPerInch,
          mils * 0.001 * kMillimetresPerInch * kMicrometresPerMillimetre};
}

FromMillimetres ConvertMillimetres(double millimetres) {
  return {MillimetresToMils(millimetres), millimetres * kMicrometresPerMillimetre,
          MillimetresToInches(millimetres)};
}

double VoltageGain(double gainDb) { return vcl::Pow(10, gainDb / 20); }

double OutputLevel(double inputDbm, double gainDb, double attenuatorDb) {
  return inputDbm + gainDb - attenuatorDb;
}

double DbmToWatts(double dbm) { return vcl::Pow(10, dbm / 10) / 1000; }

// Each step scales what the one before left, so a scaled power (at least 1)
// passes the later tests untouched.
ScaledPower PowerUnitScale(double watts) {
  ScaledPower p{watts, "%.4f Watts"};
  if (p.value >= 0.001 && p.value < 1) p = {p.value * 1000, "%.4f mWatts"};
  if (p.value >= 0.000001 && p.value < 0.001) p = {p.value * 1000000, "%.4f uWatts"};
  if (p.value < 0.000001) p = {p.value * 1000000000, "%.6f nWatts"};
  return p;
}

Polar ToPolar(double re, double im) {
  const double magnitude = vcl::Sqrt(re * re + im * im);
  // Signed zeros would otherwise put the origin at +-180.
  if (re == 0 && im == 0) return {magnitude, 0};
  return {magnitude, std::atan2(im, re) * kDegreesPerRadian};
}

Rectangular ToRectangular(double magnitude, double degrees) {
  return {magnitude * std::cos(degrees * kRadiansPerDegree),
          magnitude * std::sin(degrees * kRadiansPerDegree)};
}

}  // namespace trellis::reference
