// A planar spiral inductor by the modified Wheeler formula: the inner
// diameter and fill factor of the spiral, and its inductance.
#pragma once

namespace trellis::circuit {

enum class InductorGeometry { Square, Hexagonal, Octagonal, Circular };

struct WheelerCoefficients {
  double k1, k2;
};
WheelerCoefficients CoefficientsOf(InductorGeometry geometry);

struct PlanarInductor {
  double innerDiameter;  // micrometres; at or below zero the turns do not fit
  double fillFactor;
  double nanohenries;
};

// Lengths in micrometres. Nothing is refused: turns that do not fit give a
// negative inner diameter and a fill factor above 1, computed all the same.
PlanarInductor PlanarInductorModel(InductorGeometry geometry, double turns, double width,
                                   double spacing, double outerDiameter);

}  // namespace trellis::circuit
