// A microstrip: a conductor of width W and thickness T on a dielectric of
// height H and permittivity Er over one plane, at a frequency. Hammerstad and
// Jensen's static formulas with their thickness correction, then Kirschning
// and Jansen's dispersion of the effective dielectric constant.
#pragma once

namespace trellis::impedance {

// Lengths in millimetres, the frequency in GHz. Only f x H depends on the
// length unit; W and T enter as ratios to H. Er above 1 is the caller's to keep.
struct MicrostripInputs {
  double width = 0;
  double height = 0;
  double thickness = 0;
  double er = 0;
  double frequency = 0;
};

// The static model's widths and impedances on the way to the results.
struct MicrostripSteps {
  double u = 0;   // W / H
  double t = 0;   // T / H
  double u1 = 0;  // width corrected for thickness (u itself when T is 0)
  double ur = 0;  // width corrected for the dielectric
  double erEffectiveUr = 0;
  double z01U1 = 0;       // ohms, in air
  double z01Ur = 0;       // ohms, in air
  double dispersion = 0;  // P, 0 at f = 0
};

struct Microstrip {
  double erEffective = 0;        // at the frequency
  double zo = 0;                 // ohms, at the frequency
  double erEffectiveStatic = 0;  // with the thickness correction
  double zoStatic = 0;           // ohms
  MicrostripSteps steps;
};

// No guard of its own: W = 0 or H = 0 give results that are not finite, and
// the checked math reports what its functions meet.
Microstrip MicrostripModel(const MicrostripInputs& in);

// The propagation delay in ps per inch for the effective dielectric constant:
// light covers 11.8 inches a nanosecond in air, sqrt(Er_eff) times slower here.
double MicrostripDelayPerInch(double erEffective);

// An embedded microstrip: a conductor of width W and thickness T at H2 above
// its plane, inside a dielectric of thickness H1 and permittivity Er over that
// plane. Lengths in inches (only their ratios count). A closed form, without
// frequency.
struct EmbeddedMicrostripInputs {
  double width = 0;
  double thickness = 0;
  double height1 = 0;
  double height2 = 0;
  double er = 0;
};

struct EmbeddedMicrostrip {
  double erPrime = 0;     // the dielectric's effect with its cover over the conductor
  double zo = 0;          // ohms
  double tpdPerInch = 0;  // ps per inch
};

// The conductor's top reaches the dielectric's surface: the formula's cover
// is gone. A warning only; the model computes all the same.
bool ConductorReachesSurface(const EmbeddedMicrostripInputs& in);

EmbeddedMicrostrip EmbeddedMicrostripModel(const EmbeddedMicrostripInputs& in);

}  // namespace trellis::impedance
