#include "calc/circuit/embedded_resistor_model.h"

#include <cmath>
#include <limits>

#include "vcl/sysutils.h"

namespace trellis::circuit {

RectangularResistor RectangularResistorModel(double lengthInches, double widthInches,
                                             double ohmsPerSquare) {
  return {lengthInches / widthInches * ohmsPerSquare, lengthInches * widthInches};
}

AnnularResistor AnnularResistorModel(double insideDiameter, double targetOhms,
                                     double ohmsPerSquare) {
  double exponent = targetOhms / ohmsPerSquare * 6.28318;
  // The checked exponential keeps quiet for an infinite argument; a zero
  // resistance per square overflows it as surely as a finite excess does.
  if (std::isinf(exponent) && exponent > 0) exponent = std::numeric_limits<double>::max();
  const double d = insideDiameter;
  const double outer = d * vcl::Exp(exponent);
  return {outer, (outer - d) / 2, (3.14159 * outer * outer - 3.14159 * d * d) / 4};
}

}  // namespace trellis::circuit
