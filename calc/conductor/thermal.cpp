#include "app/form1.h"
#include "calc/conductor/conductor_values.h"
#include "calc/conductor/thermal_model.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;

void TForm1::SolveThermal(vcl::TObject*) {
  ThermalValues& values = Values<ThermalValues>();
  // Solve has read the ambient already; this second reading is the one used.
  ReadAmbientTemp();
  Label27->SetCaption("N/A");

  values.DeviceThermalResistance = StrToFloat(Edit116->Text());
  values.DevicePower = StrToFloat(Edit117->Text());
  values.DeviceJunctionTemp = conductor::JunctionTemperature(
      values.DevicePower, values.DeviceThermalResistance, AmbientTemp);
  Edit119->SetText(Shown(Format("%.3f °C", values.DeviceJunctionTemp)));

  values.HeatSinkThermalResistance = StrToFloat(Edit121->Text());
  values.HeatSinkPower = StrToFloat(Edit124->Text());
  values.HeatSinkJunctionTemp = conductor::JunctionTemperature(
      values.HeatSinkPower, values.HeatSinkThermalResistance, AmbientTemp);
  Edit123->SetText(Shown(Format("%.3f °C", values.HeatSinkJunctionTemp)));
}

}  // namespace trellis
