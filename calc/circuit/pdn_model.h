// The power-delivery network: the impedance the rail may show, and the
// capacitance and reactance of a pair of power planes.
#pragma once

namespace trellis::circuit {

// Ohms, from the rail voltage, the allowed ripple and the transient share of
// the current (both as fractions, not percent); a zero current gives +INF.
double TargetImpedance(double volts, double ripple, double amps, double transient);

// Picofarads of planes of `squareInches` `inches` apart, at 0.225 pF per inch
// of Er x area / distance.
double PlaneCapacitancePf(double er, double squareInches, double inches);

// Ohms at `mhz`, 2 pi taken as 6.28318; a zero frequency gives +INF.
double PlaneReactance(double mhz, double picofarads);

}  // namespace trellis::circuit
