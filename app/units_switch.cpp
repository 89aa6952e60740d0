// The units switch: converts every typed length in place and relabels its unit box.
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/program.h"
#include "app/units.h"
#include "calc/circuit/planar_inductor_values.h"
#include "calc/conductor/conductor_arrangement.h"
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

std::vector<TForm1::UnitField> TForm1::UnitFields() {
  const bool resistorWidth = RadioGroup11->ItemIndex() == 0 || RadioGroup11->ItemIndex() == 1;
  std::vector<UnitField> f = {
      {Edit3, UnitClass::Length},
      {Edit4, UnitClass::Length},
      {Edit5, UnitClass::Length},
      {Edit6, UnitClass::Length},
      {Edit335, UnitClass::Length},
      {Edit9, UnitClass::Length},
      {Edit18, UnitClass::Length},
      {Edit126, UnitClass::Length},
      {Edit132, UnitClass::Length},
      {Edit136, UnitClass::Micrometre},
      {Edit138, UnitClass::Micrometre},
      {Edit21, UnitClass::Length},
      {Edit26, UnitClass::Length},
      {Edit27, UnitClass::Length},
      {Edit32, UnitClass::Length},
      {Edit398, UnitClass::Length},
      {Edit33, UnitClass::Length},
      {Edit34, UnitClass::Length, true},
      {Edit35, UnitClass::Length, true},
      {Edit211, UnitClass::Length},
      {Edit213, UnitClass::Length},
      {Edit67, UnitClass::Length},
      {Edit68, UnitClass::Length},
      {Edit74, UnitClass::Length},
      {Edit80, UnitClass::Millimetre},
      {Edit140, UnitClass::Length},
      {Edit228, UnitClass::Area},
      {Edit229, UnitClass::Length},
      {Edit89, UnitClass::Micrometre, false, true},
      {Edit91, UnitClass::Micrometre, false, true},
      {Edit92, UnitClass::Micrometre, false, true},
      {Edit25, UnitClass::Length},
      {Edit46, UnitClass::Length},
      {Edit157, UnitClass::Length},
  };
  if (resistorWidth) f.push_back({Edit158, UnitClass::Length});
  f.push_back({Form12->Edit195, UnitClass::Length});
  f.push_back({Form12->Edit203, UnitClass::Length});
  f.push_back({Form12->Edit197, UnitClass::Length});
  f.push_back({Form12->Edit199, UnitClass::Length});
  f.push_back({Form12->Edit201, UnitClass::Length});
  return f;
}

void TForm1::WriteUnitTexts(bool toMetric, bool microns) {
  const std::string length = toMetric ? (microns ? "um" : "mm") : "mils";
  for (vcl::TEdit* box :
       {Edit52,          Edit53,         Edit54,  Edit55,          Edit336,         Edit56,
        Edit58,          Edit127,        Edit133, Edit62,          Edit63,          Edit64,
        Edit65,          Edit399,        Edit59,  Edit60,          Edit61,          Edit212,
        Edit214,         Edit71,         Edit72,  Edit75,          Edit155,         Edit232,
        Edit222,         Edit223,        Edit164, Form12->Edit196, Form12->Edit204, Form12->Edit198,
        Form12->Edit200, Form12->Edit202})
    box->SetText(length);
  Edit82->SetText(toMetric ? "mm" : "mils");
  Edit83->SetText(toMetric ? "mils" : "mm");
  Edit144->SetText(toMetric ? "um" : "in");
  Edit145->SetText(toMetric ? "in" : "um");
  Edit86->SetText(toMetric ? "\u00B0C" : "\u00B0F");
  Edit87->SetText(toMetric ? "\u00B0F" : "\u00B0C");
  for (vcl::TEdit* box : {Edit96, Edit97, Edit98, Edit100, Edit101, Edit137, Edit139})
    box->SetText(toMetric ? "um" : "mils");
  Edit231->SetText(toMetric ? (microns ? "Sq.um" : "Sq.mm") : "Sq.In");
  // The resistor's width box holds ohms for the annular type.
  if (RadioGroup11->ItemIndex() == 0 || RadioGroup11->ItemIndex() == 1) {
    Edit165->SetText(length);
    Edit165->SetLeft(140);
    Edit165->SetWidth(37);
  } else if (RadioGroup11->ItemIndex() == 2) {
    Edit165->SetText("Ohms");
    Edit165->SetLeft(124);
    Edit165->SetWidth(53);
  }
}

void TForm1::RadioGroup6Click(TObject* Sender) {
  const bool toMetric = RadioGroup6->ItemIndex() == 1;
  if (RadioGroup6->ItemIndex() != 0 && !toMetric) return;
  const bool microns = Form6->CheckBox3->Checked();

  // A stored index the group does not have reads as its default.
  const int baseWeight = vcl::StrToInt(ReadSetting("Base_Weight"));
  const int plateWeight = vcl::StrToInt(ReadSetting("Plate_Weight"));

  // Every value is read before any is written, so a box that holds no number
  // leaves the whole window in the units it was in.
  const std::vector<UnitField> fields = UnitFields();
  std::vector<double> values(fields.size());
  const bool widthIsLength = RadioGroup8->ItemIndex() == 0;
  double width = 0;
  try {
    for (size_t i = 0; i < fields.size(); ++i) {
      const std::string& text = fields[i].box->Text();
      if (fields[i].keepsNA && text == "N/A") continue;
      values[i] = fields[i].eitherSeparator ? InductorNumber(text) : vcl::StrToFloat(text);
    }
    if (!toMetric && widthIsLength) width = vcl::StrToFloat(Edit15->Text());
  } catch (...) {
    RadioGroup6->SetItemIndexQuietly(toMetric ? 0 : 1);
    throw;
  }

  GroupBox19->SetVisible(!toMetric);
  GroupBox46->SetVisible(toMetric);
  Label200->SetCaption(toMetric ? "Ohms per km" : "Ohms per 1000'");
  WriteUnitTexts(toMetric, microns);

  for (size_t i = 0; i < fields.size(); ++i) {
    const UnitField& f = fields[i];
    if (f.keepsNA && f.box->Text() == "N/A") continue;
    f.box->SetText(vcl::FloatToStr(ConvertUnits(f.unitClass, toMetric, microns, values[i])));
  }
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
  Edit154->SetHint(toMetric ? "Enter the resistive value of the material per square mm."
                            : "Enter the resistive value of the material per square inch.");

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

  if (TabCalculator() == Calculator::ViaProperties) {
    const int mode = RadioGroup5->ItemIndex();
    Refill(RadioGroup5, {"Via Properties", "Via Stub Length"});
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
