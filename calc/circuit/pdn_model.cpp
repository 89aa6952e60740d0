#include "calc/circuit/pdn_model.h"

namespace trellis::circuit {

double TargetImpedance(double volts, double ripple, double amps, double transient) {
  return volts * ripple / (amps * transient);
}

double PlaneCapacitancePf(double er, double squareInches, double inches) {
  return 0.225 * er * squareInches / inches;
}

double PlaneReactance(double mhz, double picofarads) {
  return 1 / (mhz * 1e6 * 6.28318 * (picofarads / 1e12));
}

}  // namespace trellis::circuit
