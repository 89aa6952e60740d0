// Two single-conductor structures: a stripline with a second signal conductor
// at a spacing, by a closed logarithmic formula, and a conductor-backed
// coplanar waveguide, by complete elliptic integrals. Both take lengths in any
// one unit (the formulas are free of scale) and the checked Er.
#pragma once

namespace trellis::impedance {

struct DualStripline {
  double zo = 0;          // ohms
  double tpdPerInch = 0;  // ps per inch
};

// W, H, spacing C and thickness T in one unit.
DualStripline DualStriplineModel(double w, double h, double c, double t, double er);

// K(x) by the arithmetic-geometric mean of 1 and (1 - x²)^0.5, seven steps
// and no convergence test, with π as 3.14159.
double EllipticK(double x);

struct CoplanarWave {
  double k = 0, kPrime = 0;    // W / (W + 2G) and its complement
  double k1 = 0, k1Prime = 0;  // the modulus with the ground plane below
  double erEffective = 0;
  double zo = 0;  // ohms
};

// Strip W between grounds at the gap G, at the height H over a plane; the
// conductor's thickness does not enter.
CoplanarWave CoplanarWaveModel(double w, double h, double g, double er);

}  // namespace trellis::impedance
