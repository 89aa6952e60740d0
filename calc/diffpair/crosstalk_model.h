// Near-end crosstalk between two parallel conductors, microstrip or stripline:
// a coupling coefficient from the geometry, scaled by how much of the rise
// time the coupled length's delay covers.
#pragma once

#include "calc/length_units.h"

namespace trellis::diffpair {

// A length typed in the window's unit in inches; micrometres go over millimetres.
double CrosstalkInches(double typed, LengthSystem unit);

// The delay figure over a coupled length in inches, for a substrate Er:
// 2 x 1.017 x sqrt(0.475 Er + 0.67) x L. It is used as it stands against a
// rise time in ns (no conversion of the length to feet).
double CrosstalkDelay(double er, double lengthInches);

// The geometric coupling of two microstrip conductors S apart at H above the
// plane: 1 / ((S / H)^2 + 1).
double MicrostripCoupling(double s, double h);
// Two stripline conductors between planes H apart, at depths H1 and H2 and S
// apart side by side: 1 / (D^2 / (a1 a2) + 1) with D the conductors' distance
// and a = h (H - h) / H for each.
double StriplineCoupling(double s, double h, double h1, double h2);

struct Crosstalk {
  double ratio;        // delay over rise time
  double coefficient;  // the coupling, reduced by the ratio while it is at most 1
  double decibels;     // 20 log10 of the coefficient
  double volts;        // the coupled voltage
};

// The crosstalk of a geometric coupling over a delay, for a rise time in ns
// and a signal voltage. A ratio that is not a number counts as above 1.
Crosstalk CrosstalkOf(double coupling, double delay, double riseNs, double volts);

}  // namespace trellis::diffpair
