// Resistive PI and T pads that match a source impedance to a load impedance
// with a given attenuation. Impedances and resistors in ohms, attenuation in dB.
#pragma once

namespace trellis::circuit {

// The three resistors of a pad. The two end resistors are named by the
// impedance they face: the larger or the smaller of source and load, so the
// caller places them by whether the larger impedance is the source's.
struct PadResistors {
  double atLarger = 0;   // shunt (PI) or series (T) resistor at the larger impedance
  double atSmaller = 0;  // the same at the smaller impedance
  double middle = 0;     // the series resistor of a PI pad, the shunt resistor of a T pad
};

// True when the load's impedance is the larger one, so the resistor at the
// source side is the one facing the smaller impedance.
bool LargerAtLoad(double zin, double zout);

// No check that the attenuation is reachable: below the smallest attenuation
// that matches unequal impedances an end resistor comes out negative. An
// attenuation of 0 dB divides by zero; impedances of opposite signs take the
// square root of a negative number (the checked math reports each one).
PadResistors PiPad(double attenuationDb, double zin, double zout);
PadResistors TPad(double attenuationDb, double zin, double zout);

}  // namespace trellis::circuit
