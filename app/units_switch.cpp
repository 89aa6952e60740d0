// The units switch: converts every typed length in place and relabels its unit box.
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/program.h"
#include "app/units.h"
#include "calc/circuit/planar_inductor_values.h"
#include "calc/diffpair/crosstalk_form.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"

namespace trellis {

using vcl::TObject;

namespace {

void Refill(vcl::TRadioGroup* group, std::initializer_list<const char*> items) {
  group->Items().Clear();
  for (const char* item : items) group->Items().Add(item);
}

}  // namespace

UnitBoxes TForm1::OptionsUnitBoxes() {
  constexpr UnitClass um = UnitClass::Micrometre;
  return {{Edit136, Edit137, um}, {Edit138, Edit139, um}};
}

UnitBoxes TForm1::AllUnitBoxes() {
  UnitBoxes all = OptionsUnitBoxes();
  for (const CalculatorRow& row : CalculatorTable()) {
    if (!row.unitBoxes) continue;
    const UnitBoxes boxes = (this->*row.unitBoxes)();
    all.insert(all.end(), boxes.begin(), boxes.end());
  }
  const UnitBoxes crosstalk = Form12->LengthBoxes();
  all.insert(all.end(), crosstalk.begin(), crosstalk.end());
  return all;
}

namespace {

// The text of a unit box in the units switched to.
const char* UnitText(UnitClass unitClass, bool toMetric, bool microns) {
  switch (unitClass) {
    case UnitClass::Length:
      return toMetric ? (microns ? "um" : "mm") : "mils";
    case UnitClass::Micrometre:
      return toMetric ? "um" : "mils";
    case UnitClass::Millimetre:
      return toMetric ? "mm" : "mils";
    case UnitClass::Area:
      return toMetric ? (microns ? "Sq.um" : "Sq.mm") : "Sq.In";
  }
  return "";
}

}  // namespace

void TForm1::RadioGroup6Click(TObject* Sender) {
  const bool toMetric = RadioGroup6->ItemIndex() == 1;
  if (RadioGroup6->ItemIndex() != 0 && !toMetric) return;
  const bool microns = Form6->CheckBox3->Checked();

  // A stored index the group does not have reads as its default.
  const int baseWeight = vcl::StrToInt(ReadSetting("Base_Weight"));
  const int plateWeight = vcl::StrToInt(ReadSetting("Plate_Weight"));

  // Every value is read before any is written, so a box that holds no number
  // leaves the whole window in the units it was in.
  UnitBoxes boxes = AllUnitBoxes();
  std::erase_if(boxes, [](const UnitBox& b) { return !b.inUnitsSwitch; });
  std::vector<double> values(boxes.size());
  std::vector<std::function<void()>> panelWrites;
  try {
    for (size_t i = 0; i < boxes.size(); ++i) {
      if (!boxes[i].value) continue;
      const std::string& text = boxes[i].value->Text();
      if (boxes[i].keepsNA && text == "N/A") continue;
      values[i] = boxes[i].eitherSeparator ? InductorNumber(text) : vcl::StrToFloat(text);
    }
    for (const CalculatorRow& row : CalculatorTable())
      if (row.unitsSwitch) panelWrites.push_back((this->*row.unitsSwitch)(toMetric, microns));
  } catch (...) {
    RadioGroup6->SetItemIndexQuietly(toMetric ? 0 : 1);
    throw;
  }

  for (size_t i = 0; i < boxes.size(); ++i) {
    const UnitBox& b = boxes[i];
    if (b.unit) b.unit->SetText(UnitText(b.unitClass, toMetric, microns));
    if (!b.value || (b.keepsNA && b.value->Text() == "N/A")) continue;
    b.value->SetText(vcl::FloatToStr(ConvertUnits(b.unitClass, toMetric, microns, values[i])));
  }
  for (const auto& write : panelWrites) write();

  if (toMetric) {
    Refill(RadioGroup1, {"Bare PCB", "18um", "35um", "53um", "70um", "88um", "106um"});
  } else {
    Refill(RadioGroup1, {"Bare PCB", "0.5oz", "1oz", "1.5oz", "2oz", "2.5oz", "3oz"});
    if (CommaFlag())
      Refill(RadioGroup1, {"Bare PCB", "0,5oz", "1oz", "1,5oz", "2oz", "2,5oz", "3oz"});
  }
  RadioGroup1->SetItemIndex(plateWeight);

  if (toMetric) {
    Refill(RadioGroup4, {"9um", "18um", "35um", "53um", "70um", "88um", "106um", "142um", "178um"});
  } else {
    Refill(RadioGroup4, {"0.25oz", "0.5oz", "1oz", "1.5oz", "2oz", "2.5oz", "3oz", "4oz", "5oz"});
    if (CommaFlag())
      Refill(RadioGroup4, {"0,25oz", "0,5oz", "1oz", "1,5oz", "2oz", "2,5oz", "3oz", "4oz", "5oz"});
  }
  RadioGroup4->SetItemIndex(baseWeight);

  const CalculatorRow* tab = TabRow();
  if (tab && !tab->options.planeGroup.modes.empty()) {
    const int mode = RadioGroup5->ItemIndex();
    RadioGroup5->Items().Clear();
    for (const char* item : tab->options.planeGroup.modes) RadioGroup5->Items().Add(item);
    RadioGroup5->SetItemIndex(mode == 1 ? 1 : 0);
  } else {
    if (toMetric)
      Refill(RadioGroup5, {"35um", "70um"});
    else
      Refill(RadioGroup5, {"1oz", "2oz"});
    RadioGroup5->SetItemIndex(0);
  }

  swap_current_width_labels();

  WriteSetting("Units", toMetric ? "1" : "0");

  Button1Click(Sender);
  Form12->Button1Click(Sender);
}

}  // namespace trellis
