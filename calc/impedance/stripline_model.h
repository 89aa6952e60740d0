// A symmetric stripline: a conductor of width W and thickness T midway
// between two planes, at H from each, in a dielectric of permittivity Er. A
// closed form, without frequency.
#pragma once

namespace trellis::impedance {

// Lengths in one unit, any (only their ratios count).
struct StriplineInputs {
  double width = 0;
  double thickness = 0;
  double height = 0;  // to each plane
  double er = 0;
};

struct Stripline {
  double zo = 0;          // ohms
  double tpdPerInch = 0;  // ps per inch
};

Stripline StriplineModel(const StriplineInputs& in);

// The delay, ps per inch, of a wave wholly inside a dielectric of permittivity
// Er (1.017 ns per foot in vacuum, times √Er): every stripline's, whatever the
// conductor's place between the planes.
double StriplineDelayPerInch(double er);

}  // namespace trellis::impedance
