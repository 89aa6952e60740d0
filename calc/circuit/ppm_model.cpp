#include "calc/circuit/ppm_model.h"

namespace trellis::circuit {

PpmBand BandOfPpm(double centre, double ppm) {
  const double variation = centre * ppm / 1e6;
  return {variation, centre + variation, centre - variation};
}

PpmOffset PpmBetween(double centre, double maximum) {
  const double variation = maximum - centre;
  return {variation, 1e6 * variation / centre};
}

double LoadCapacitance(double c1, double c2, double stray) { return c1 * c2 / (c1 + c2) + stray; }

double RuleOfThumbCapacitor(double load, double stray) { return 2 * load - 2 * stray; }

}  // namespace trellis::circuit
