// The IPC-2221 minimum conductor spacing by voltage band and conductor type.
// Tabled spacings are whole micrometres with the table's own mils; above 500 V
// the spacing is a line in the voltage, in mils or millimetres.
#pragma once

namespace trellis::conductor {

enum class SpacingBand {
  UpTo15V,
  UpTo30V,
  UpTo50V,
  UpTo100V,
  UpTo150V,
  UpTo170V,
  UpTo250V,
  UpTo300V,
  UpTo500V,
  Above500V
};
// B1 to B4 on bare boards, A5 to A7 on assemblies.
enum class SpacingType { B1, B2, B3, B4, A5, A6, A7 };

struct TabledSpacing {
  int micrometres;
  double mils;  // rounded by hand to hundredths, not converted from the micrometres
};

// The spacing of a band up to 500 V (band is not Above500V).
TabledSpacing TabledConductorSpacing(SpacingBand band, SpacingType type);

// Above 500 V: base + slope x (V - 500), in mils, or millimetres when metric.
double SpacingAbove500V(SpacingType type, double volts, bool metric);

}  // namespace trellis::conductor
