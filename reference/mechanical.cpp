// The mechanical-information solve: the selected wire gauge's texts and
// currents, then the voltage drop along it.
#include "app/form1.h"
#include "reference/mechanical_values.h"
#include "reference/wire_gauge_model.h"

namespace trellis {

using reference::WireUnits;
using vcl::Format;

void TForm1::SolveMechanical(vcl::TObject*) {
  const LengthUnit unit = UnitsShown(*this);
  if (!unit.Known()) return;
  const WireUnits system = unit.Metric() ? WireUnits::Metric : WireUnits::Imperial;
  const bool metric = system == WireUnits::Metric;
  MechanicalValues& v = Values<MechanicalValues>();

  const int item = ComboBox3->ItemIndex();
  if (item < 0 || item >= reference::kWireGaugeCount) return;
  const reference::WireGauge row = reference::WireGaugeRow(system, item);
  v.WireDiameter = row.diameter;
  WireResistance = row.resistance;
  std::string diameter = Format(metric ? "%0.4f mm" : "%0.4f Inches", v.WireDiameter);
  std::string resistance(row.resistanceText);
  // Only the metric figures follow the comma; the chassis texts never do.
  if (metric && CommaFlag()) {
    diameter = vcl::CommaForm(diameter);
    resistance = vcl::CommaForm(resistance);
  }
  Edit95->SetText(resistance);
  Edit102->SetText(std::string(row.chassisText));
  Edit41->SetText(diameter);

  v.PowerTxAmps = reference::PowerTxAmps(reference::DiameterMils(system, v.WireDiameter));
  Edit141->SetText(Shown(Format("%0.3f Amps", v.PowerTxAmps)));

  WireVoltageDrop();
}

}  // namespace trellis
