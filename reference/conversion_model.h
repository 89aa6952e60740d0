// The conversion calculator's arithmetic: distances, temperatures, decibel
// gains and levels, a power in its unit, complex numbers in rectangular and
// polar form, and angles. The constants are those of the panel's texts: pi is
// 3.14159 in both angle factors and 5/9 is 0.55555555555.
#pragma once

namespace trellis::reference {

inline constexpr double kDegreesPerRadian = 57.295827908797776;    // 180 / 3.14159
inline constexpr double kRadiansPerDegree = 0.017453277777777776;  // 3.14159 / 180

double FahrenheitToCelsius(double fahrenheit);
double CelsiusToFahrenheit(double celsius);

struct FromMils {
  double millimetres, inches, micrometres;
};
FromMils ConvertMils(double mils);

struct FromMillimetres {
  double mils, micrometres, inches;
};
FromMillimetres ConvertMillimetres(double millimetres);

// 10^(dB / 20).
double VoltageGain(double gainDb);
// The level after the gain and the attenuator, in dBm.
double OutputLevel(double inputDbm, double gainDb, double attenuatorDb);
double DbmToWatts(double dbm);

// A power in the one unit of watts, mW, uW or nW that shows it as at least 1
// (nW below 1 uW, down to 0), with the format of its text.
struct ScaledPower {
  double value;
  const char* format;  // "%.4f Watts" ... "%.6f nWatts"
};
ScaledPower PowerUnitScale(double watts);

struct Polar {
  double magnitude, degrees;
};
// The angle keeps its quadrant (-180 .. 180 by the factors); the origin's is 0.
Polar ToPolar(double re, double im);

struct Rectangular {
  double re, im;
};
Rectangular ToRectangular(double magnitude, double degrees);

}  // namespace trellis::reference
