// Oscillator tolerances: the frequency band of a tolerance in parts per
// million, the tolerance between two frequencies, and the load capacitance a
// crystal sees from its two capacitors and the board's stray capacitance.
// Frequencies in hertz, capacitances in picofarads.
#pragma once

namespace trellis::circuit {

struct PpmBand {
  double variation, maximum, minimum;
};
PpmBand BandOfPpm(double centre, double ppm);

struct PpmOffset {
  double variation, ppm;  // negative for a maximum below the centre
};
// A zero centre gives an infinite (or, with no offset, no) ppm value.
PpmOffset PpmBetween(double centre, double maximum);

// C1 and C2 in series plus the stray capacitance.
double LoadCapacitance(double c1, double c2, double stray);
// The value of C1 = C2 that gives `load` with `stray`.
double RuleOfThumbCapacitor(double load, double stray);

}  // namespace trellis::circuit
