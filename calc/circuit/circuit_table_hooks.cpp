// The circuit calculators' table hooks, named by their rows of the calculator table.
#include "app/form1.h"

namespace trellis {

void TForm1::ArrangeOhmsLawInformation() {
  Label319->SetCaption("Series Current");
  Label319->SetVisible(true);
  Label320->SetVisible(true);
  Label320->SetCaption("N/A");
}

void TForm1::ArrangeReactanceInformation() { Label320->SetCaption("N/A"); }

UnitBoxes TForm1::ResistorUnitBoxes() {
  // The width box holds ohms for the annular type; the two switches test the
  // type each in its own way (no type chosen: the microns switch only).
  const int type = RadioGroup11->ItemIndex();
  return {{Edit157, Edit164},
          {.value = Edit158,
           .unit = type != 2 ? Edit165 : nullptr,
           .inUnitsSwitch = type == 0 || type == 1,
           .inMicronsSwitch = type != 2}};
}

std::function<void()> TForm1::ResistorUnitsSwitch(bool toMetric, bool microns) {
  return [this, toMetric, microns] {
    const int type = RadioGroup11->ItemIndex();
    if (type == 0 || type == 1) {
      Edit165->SetText(toMetric ? (microns ? "um" : "mm") : "mils");
      Edit165->SetLeft(140);
      Edit165->SetWidth(37);
    } else if (type == 2) {
      Edit165->SetText("Ohms");
      Edit165->SetLeft(124);
      Edit165->SetWidth(53);
    }
    Edit154->SetHint(toMetric ? "Enter the resistive value of the material per square mm."
                              : "Enter the resistive value of the material per square inch.");
  };
}

UnitBoxes TForm1::PdnUnitBoxes() {
  return {{.value = Edit228, .unit = Edit231, .unitClass = UnitClass::Area}, {Edit229, Edit232}};
}

// The inductor's lengths are typed in micrometres or mils, with either separator.
UnitBoxes TForm1::InductorUnitBoxes() {
  constexpr UnitClass um = UnitClass::Micrometre;
  return {{Edit89, Edit96, um, true, true},
          {Edit91, Edit97, um, true, true},
          {Edit92, Edit98, um, true, true},
          {nullptr, Edit100, um},
          {nullptr, Edit101, um}};
}

}  // namespace trellis
