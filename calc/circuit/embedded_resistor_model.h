// A resistor printed or etched inside the board, from the material's
// resistance per square: a rectangle between two contacts, or a ring around a
// via that reaches a target resistance.
#pragma once

namespace trellis::circuit {

struct RectangularResistor {
  double ohms;          // +INF for a zero width
  double squareInches;  // the resistor's area
};

// A rectangle of `lengthInches` by `widthInches`; its resistance counts the
// squares along its length, whatever the size of a square.
RectangularResistor RectangularResistorModel(double lengthInches, double widthInches,
                                             double ohmsPerSquare);

// Lengths in the unit of the inside diameter, the area in its square.
struct AnnularResistor {
  double outerDiameter;
  double ringWidth;  // radial: from the inside to the outer edge
  double ringArea;   // between the two diameters
};

// The ring of inside diameter `insideDiameter` reaching `targetOhms`: its
// outer diameter grows as e^(2 pi R / Rs), 2 pi taken as 6.28318. An exponent
// beyond the exponential's range (a zero resistance per square too) reports
// one overflow and gives infinite results.
AnnularResistor AnnularResistorModel(double insideDiameter, double targetOhms,
                                     double ohmsPerSquare);

}  // namespace trellis::circuit
