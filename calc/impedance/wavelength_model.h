// The wavelength of a signal in a substrate: its frequency from a period or a
// frequency in any of the panel's units, and the wave's length, or a fraction
// of it, for an effective dielectric constant.
#pragma once

namespace trellis::impedance {

// What the typed number is: a period or a frequency, in its unit.
enum class SignalUnit { Nanoseconds, Picoseconds, Gigahertz, Megahertz, Kilohertz, Hertz };

// The frequency in MHz of the number x in `unit`; a period of 0 gives an
// infinite frequency.
double FrequencyMhz(SignalUnit unit, double x);

// The share of the full wave shown, from the whole wave down to a twentieth.
enum class WaveFraction {
  Full,
  ThreeQuarters,
  FiveEighths,
  Half,
  Quarter,
  Tenth,
  Fifteenth,
  Sixteenth,
  Twentieth
};

// 1 down to 0.05; a fifteenth is 0.06666, short of the exact fraction.
double FractionFactor(WaveFraction fraction);

// The length in centimetres of `fraction` of the wave at `mhz` in a medium of
// `erEffective` (1 in air); an Er eff or frequency of 0 gives an infinite
// length, a negative Er eff a square root's domain error.
double WavelengthCm(double mhz, double erEffective, WaveFraction fraction);
// The same in inches.
double WavelengthInches(double mhz, double erEffective, WaveFraction fraction);

}  // namespace trellis::impedance
