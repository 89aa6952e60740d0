// The PPM calculator's capacitances, kept between passes as its solve leaves
// them (picofarads).
#pragma once

namespace trellis {

struct PpmValues {
  double LoadCapacitance = 0, StrayCapacitance = 0, Capacitor1 = 0, Capacitor2 = 0;
  double LoadFromCapacitors = 0, RuleOfThumbCapacitor = 0;
};

}  // namespace trellis
