#include "app/form1.h"
#include "calc/conductor/thermal_model.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;

void TForm1::SolveThermal(vcl::TObject*) {
  // Solve has read the ambient already; this second reading is the one used.
  ReadAmbientTemp();
  Label27->SetCaption("N/A");

  DeviceThermalResistance = StrToFloat(Edit116->Text());
  DevicePower = StrToFloat(Edit117->Text());
  DeviceJunctionTemp =
      conductor::JunctionTemperature(DevicePower, DeviceThermalResistance, AmbientTemp);
  Edit119->SetText(Shown(Format("%.3f °C", DeviceJunctionTemp)));

  HeatSinkThermalResistance = StrToFloat(Edit121->Text());
  HeatSinkPower = StrToFloat(Edit124->Text());
  HeatSinkJunctionTemp =
      conductor::JunctionTemperature(HeatSinkPower, HeatSinkThermalResistance, AmbientTemp);
  Edit123->SetText(Shown(Format("%.3f °C", HeatSinkJunctionTemp)));
}

}  // namespace trellis
