// The planar-inductor calculator's values, kept between passes as its solve
// leaves them, and how its inputs are read.
#pragma once

#include <string>

namespace trellis {

struct PlanarInductorValues {
  double Turns = 0;
  double TraceWidth = 0, TraceSpacing = 0, OuterDiameter = 0;  // micrometres
  double InnerDiameter = 0, FillFactor = 0;                    // micrometres; ratio
  double Inductance = 0;                                       // nH
};

// The number an inductor box holds, typed with a decimal point or a decimal
// comma under any separator; a text that is still no number raises the
// conversion error quoting it as typed. The solve and the units switch both
// read the boxes so.
double InductorNumber(const std::string& text);

}  // namespace trellis
