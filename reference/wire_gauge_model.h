// American Wire Gauge data of the mechanical-information panel, one row per
// item of its gauge list, in inches and ohms per 1000 feet or in millimetres
// and ohms per kilometre; the power-transmission current by the rule of 700
// circular mils per ampere, and the voltage drop along one conductor.
#pragma once

#include <string_view>

namespace trellis::reference {

enum class WireUnits { Imperial, Metric };

inline constexpr int kWireGaugeCount = 44;

struct WireGauge {
  std::string_view name;            // the list's item: "4/0" ... "40"
  double diameter = 0;              // inches, or millimetres
  double resistance = 0;            // ohms per 1000 ft, or per km: the number of the text
  std::string_view resistanceText;  // "0.05 Ohms"
  std::string_view chassisText;     // chassis-wiring current, "380 Amps"
};

// The row of a list item 0 .. kWireGaugeCount - 1; nothing else is a row.
WireGauge WireGaugeRow(WireUnits units, int item);

// The diameter in mils of a diameter in the unit system's length.
double DiameterMils(WireUnits units, double diameter);

// Amperes the wire carries at 700 circular mils per ampere.
double PowerTxAmps(double diameterMils);

// Volts lost along one conductor: ohms per 1000 length units times length units.
double WireDrop(double current, double resistancePer1000, double length);

}  // namespace trellis::reference
