#include "calc/circuit/planar_inductor_model.h"

namespace trellis::circuit {

WheelerCoefficients CoefficientsOf(InductorGeometry geometry) {
  switch (geometry) {
    case InductorGeometry::Square:
      return {2.34, 2.75};
    case InductorGeometry::Hexagonal:
      return {2.33, 3.82};
    case InductorGeometry::Octagonal:
      return {2.25, 3.55};
    case InductorGeometry::Circular:
      return {2.275, 3.575};
  }
  return {2.34, 2.75};
}

PlanarInductor PlanarInductorModel(InductorGeometry geometry, double turns, double width,
                                   double spacing, double outerDiameter) {
  const WheelerCoefficients k = CoefficientsOf(geometry);
  const double n = turns, dout = outerDiameter;
  const double din = dout - (2 * (n - 1) * spacing + 2 * n * width);
  const double average = (dout + din) * 0.5;
  const double fill = (dout - din) / (dout + din);
  // 0.001256: the permeability of free space in nH per micrometre, to four digits.
  const double nh = n * n * average / (k.k2 * fill + 1) * (k.k1 * 0.001256);
  return {din, fill, nh};
}

}  // namespace trellis::circuit
