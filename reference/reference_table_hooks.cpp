// The conversion and mechanical calculators' table hooks, named by their rows of the calculator
// table.
#include "app/form1.h"

namespace trellis {

void TForm1::ArrangeConversionInformation() { Label55->SetCaption("dBm to Watts Conversion"); }

UnitBoxes TForm1::ConversionUnitBoxes() {
  return {{.value = Edit80, .unit = Edit82, .unitClass = UnitClass::Millimetre}};
}

// The converted-to units name the other system.
std::function<void()> TForm1::ConversionUnitsSwitch(bool toMetric, bool) {
  return [this, toMetric] {
    Edit83->SetText(toMetric ? "mils" : "mm");
    Edit144->SetText(toMetric ? "um" : "in");
    Edit145->SetText(toMetric ? "in" : "um");
    Edit86->SetText(toMetric ? "\u00B0C" : "\u00B0F");
    Edit87->SetText(toMetric ? "\u00B0F" : "\u00B0C");
  };
}

std::function<void()> TForm1::MechanicalUnitsSwitch(bool toMetric, bool) {
  return [this, toMetric] {
    GroupBox19->SetVisible(!toMetric);
    GroupBox46->SetVisible(toMetric);
    Label200->SetCaption(toMetric ? "Ohms per km" : "Ohms per 1000'");
  };
}

}  // namespace trellis
