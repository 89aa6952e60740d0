// The length units and the conversions between them, free of any window: the
// models and the window's unit type (app/units.h) share this one definition.
#pragma once

namespace trellis {

// The conversion constants, each in the form the results depend on.
inline constexpr double kMilsPerInch = 1000;
inline constexpr double kMillimetresPerInch = 25.4;
inline constexpr double kCentimetresPerInch = 2.54;
inline constexpr double kMillimetresPerMil = 0.0254;
inline constexpr double kMicrometresPerMil = 25.4;
inline constexpr double kMicrometresPerMillimetre = 1000;
// Square mils in a square millimetre, (1000 / 25.4)^2, and the round figure
// some results are computed with.
inline constexpr double kSquareMilsPerSquareMillimetre = 1550.0031000062;
inline constexpr double kSquareMilsPerSquareMillimetreRound = 1550;
// Square inches in a square millimetre and in a square micrometre, as the
// units switch converts areas.
inline constexpr double kSquareInchesPerSquareMillimetre = 0.00155;
inline constexpr double kSquareInchesPerSquareMicrometre = 1.55e-09;

// The mil written in millimetres and micrometres is the inch's thousandth to
// the last bit, so a factor spelt either way gives the same results.
static_assert(kMillimetresPerInch / kMilsPerInch == kMillimetresPerMil);
static_assert(kMillimetresPerMil * kMicrometresPerMillimetre == kMicrometresPerMil);

// The length unit of the typed boxes.
enum class LengthSystem { Mils, Millimetres, Micrometres };

// The conversions as results are computed with them: each is the operations
// written, in their order (x / 25.4 and x * (1 / 25.4) differ in the last bit).
constexpr double MillimetresToMils(double mm) { return mm / kMillimetresPerInch * kMilsPerInch; }
constexpr double MilsToMillimetres(double mils) {
  return mils / kMilsPerInch * kMillimetresPerInch;
}
constexpr double MillimetresToInches(double mm) { return mm / kMillimetresPerInch; }
constexpr double InchesToMillimetres(double inches) { return inches * kMillimetresPerInch; }

}  // namespace trellis
