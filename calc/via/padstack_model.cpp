#include "calc/via/padstack_model.h"

#include "vcl/sysutils.h"

namespace trellis::via {

ThruHolePads PlatedPads(double hole, double ring, double isolation) {
  const double pad = hole + 2 * ring;
  return {pad, pad, pad + 2 * isolation, pad};
}

ThruHolePads NonPlatedPads(double hole, double ring, double isolation, bool metric) {
  const double ringed = hole + 2 * ring;
  if (metric) return {hole, hole + 1.27, hole + 1.27, ringed};
  return {hole, ringed, ringed + isolation, ringed};
}

int SpokeWidthRow(double hole, bool metric) {
  static constexpr double kMils[] = {14, 22, 45, 65, 124};
  static constexpr double kMm[] = {0.3556, 0.5588, 1.143, 1.651, 3.1496};
  const double* bounds = metric ? kMm : kMils;
  int row = 0;
  while (row < kSpokeWidthRows - 1 && hole > bounds[row]) ++row;
  return row;
}

PadsAroundConductors PadsBetweenConductors(int conductors, double pitch, double width,
                                           double spacing, double hole, double minRing) {
  PadsAroundConductors p;
  p.minPad = hole + 2 * minRing;
  p.maxPad = conductors == 2 ? pitch - (2 * width + 3 * spacing) : pitch - (2 * spacing + width);
  p.ring = (p.maxPad - hole) / 2;
  p.impossible = p.minPad > p.maxPad;
  return p;
}

double ConductorBetweenLands(int conductors, double pitch, double land, double spacing) {
  return conductors == 2 ? (pitch - land - 3 * spacing) / 2 : pitch - land - 2 * spacing;
}

CornerDrill CornerToCorner(double sideA, double sideB, bool metric) {
  CornerDrill d;
  d.corner = vcl::Sqrt(sideA * sideA + sideB * sideB);
  // Drills come in whole mils, or in micrometres in metric.
  d.minDrill = metric ? vcl::RoundHalfEvenToPowerOfTen(d.corner + 0.0508, -3)
                      : vcl::RoundHalfEvenToPowerOfTen(d.corner + 2, 0);
  d.maxDrill = metric ? vcl::RoundHalfEvenToPowerOfTen(d.corner + 0.2794, -3)
                      : vcl::RoundHalfEvenToPowerOfTen(d.corner + 11, 0);
  return d;
}

}  // namespace trellis::via
