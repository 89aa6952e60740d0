// The conductor and fusing calculators' table hooks, named by their rows of the calculator table.
#include <initializer_list>

#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/conductor_arrangement.h"

namespace trellis {

void TForm1::ArrangeConductorInformation() {
  Label23->SetVisible(true);
  Label27->SetVisible(true);
  Label23->SetCaption("Conductor Temperature");
  Label319->SetCaption("Loaded Conductor Temperature");
  Label319->SetVisible(true);
  Label320->SetVisible(true);
  Label106->SetCaption("Material Tg");
  Label106->SetVisible(true);
  Label110->SetVisible(true);
  Label106->SetLeft(248);
  Label110->SetLeft(248);
  Label41->SetCaption("J =");
  Label41->SetLeft(206);
  Label41->SetTop(107);
  Label41->SetVisible(true);
  Label72->SetLeft(228);
  Label72->SetVisible(true);
  for (vcl::TControl* c :
       std::initializer_list<vcl::TControl*>{Label106, Label110, Label41, Label72})
    c->SetEnabled(true);
}

UnitBoxes TForm1::ConductorUnitBoxes() {
  // The width box holds a current when the panel solves for the width; the
  // units switch sets it itself (ConductorUnitsSwitch).
  const bool widthIsLength = RadioGroup8->ItemIndex() == 0;
  return {{.value = Edit15,
           .unit = widthIsLength ? Edit57 : nullptr,
           .inUnitsSwitch = false,
           .inMicronsSwitch = widthIsLength},
          {Edit18, Edit58},
          {Edit126, Edit127},
          {Edit132, Edit133}};
}

// The width starts again from its metric default; back in mils it is converted.
std::function<void()> TForm1::ConductorUnitsSwitch(bool toMetric, bool microns) {
  const bool widthIsLength = RadioGroup8->ItemIndex() == 0;
  double width = 0;
  if (!toMetric && widthIsLength) width = vcl::StrToFloat(Edit15->Text());
  return [this, toMetric, microns, widthIsLength, width] {
    if (toMetric) {
      if (widthIsLength)
        Edit15->SetText(MetricDefaultWidth(*this, microns));
      else
        Edit15->SetText("10");
    } else {
      Edit15->SetText(widthIsLength
                          ? vcl::FloatToStr(ConvertUnits(UnitClass::Length, false, microns, width))
                          : "10");
    }
  };
}

UnitBoxes TForm1::FusingUnitBoxes() { return {{Edit140, Edit155}}; }

}  // namespace trellis
