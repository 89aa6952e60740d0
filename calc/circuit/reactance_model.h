// Capacitive and inductive reactance at a frequency, and the resonant
// frequency of an inductance with a capacitance. Inputs are converted from the
// panel's units into hertz, farads and henries first.
#pragma once

namespace trellis::circuit {

enum class FrequencyUnit { Gigahertz, Megahertz, Kilohertz, Hertz };
enum class CapacitanceUnit { Microfarads, Nanofarads, Picofarads };
enum class InductanceUnit { Millihenries, Microhenries, Nanohenries };

double Hertz(double typed, FrequencyUnit unit);
double Farads(double typed, CapacitanceUnit unit);
double Henries(double typed, InductanceUnit unit);

// 2 pi is 6.28318 in all three, which the four decimals of the results show.
// A zero frequency or capacitance gives an infinite reactance.
double CapacitiveReactance(double hertz, double farads);
double InductiveReactance(double hertz, double henries);
// In hertz; a negative product of C and L is the square root's domain error
// (reported) and gives no number.
double ResonantFrequency(double farads, double henries);

}  // namespace trellis::circuit
