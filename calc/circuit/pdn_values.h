// The PDN calculator's values, kept between passes as its solve leaves them.
#pragma once

namespace trellis {

struct PdnValues {
  double RailVoltage = 0, SupplyCurrent = 0;
  double TransientShare = 0, RippleShare = 0;  // fractions
  double TargetImpedance = 0;
  double PlaneArea = 0, PlaneDistance = 0;        // square inches; inches
  double PlaneCapacitance = 0;                    // pF
  double PlaneFrequency = 0, PlaneReactance = 0;  // MHz; ohms
};

}  // namespace trellis
