// Ohm's law on two of volts, amps and ohms, the bias resistor (or current) of
// an LED, and two to four resistors in series or in parallel across a supply.
// No guard against zero: a zero divisor gives an infinite figure and 0/0 a
// not-a-number, which the panel shows as such.
#pragma once

#include <array>

namespace trellis::circuit {

// The quantity the E-I-R box computes from the other two.
enum class SolveFor { Volts, Amps, Ohms };

struct OhmsLawResult {
  double value = 0;  // volts, amps or ohms, as asked
  double power = 0;  // watts
};

// Volts from amps and ohms, amps from volts and ohms, ohms from volts and amps,
// the two given in that order.
OhmsLawResult OhmsLaw(SolveFor target, double first, double second);

// What the LED's third input gives: its current, for the resistor, or the
// resistor, for its current.
enum class LedSolve { Resistor, Current };

struct LedBiasResult {
  double value = 0;  // ohms for the resistor, mA for the current
  double power = 0;  // watts in the resistor
};

// Supply and forward voltage in volts; `given` in mA when solving for the
// resistor, in ohms when solving for the current.
LedBiasResult LedBias(LedSolve target, double supply, double forward, double given);

constexpr int kMaxResistors = 4;
using ResistorRow = std::array<double, kMaxResistors>;

struct SeriesResult {
  double total = 0;    // ohms
  double current = 0;  // amps through every resistor
  ResistorRow drop{};  // volts across each of the first `count`
  ResistorRow power{};
};

struct ParallelResult {
  double total = 0;      // ohms
  double current = 0;    // amps from the supply
  ResistorRow branch{};  // amps through each of the first `count`
  ResistorRow power{};
};

// The first `count` (2 to 4) of the resistors, in ohms, across `volts`.
SeriesResult SeriesResistors(double volts, const ResistorRow& ohms, int count);
ParallelResult ParallelResistors(double volts, const ResistorRow& ohms, int count);

}  // namespace trellis::circuit
