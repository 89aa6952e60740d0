// Selecting a calculator: the one sequence behind the menu items, the tabs and
// the hand-over buttons.
#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"

namespace trellis {

using vcl::TObject;

namespace {

void Enable(Enabling state, std::initializer_list<vcl::TControl*> controls) {
  if (state == Enabling::Kept) return;
  for (vcl::TControl* c : controls) c->SetEnabled(state == Enabling::On);
}

}  // namespace

Calculator TForm1::TabCalculator() const {
  return static_cast<Calculator>(TabControl1->TabIndex());
}

const CalculatorRow* TForm1::TabRow() const { return RowOfNumber(TabControl1->TabIndex()); }

void TForm1::SelectCalculator(Calculator k, TObject* Sender) {
  const CalculatorRow& row = RowOf(k);
  CalculatorIndex = k;

  const PlaneGroupRow& plane = row.options.planeGroup;
  RadioGroup5->SetCaption(plane.caption);
  RadioGroup5->SetHint(plane.hint);

  ApplyInformationState(row);

  const SelectorRow& selector = row.selector;
  RadioGroup3->SetCaption(selector.caption);
  if (selector.tall) {
    RadioGroup3->SetHeight(169);
    RadioGroup3->SetTop(336);
  } else {
    RadioGroup3->SetHeight(81);
    RadioGroup3->SetTop(424);
  }

  Button1->SetEnabled(!row.solvable || (this->*row.solvable)());

  const OptionsRow& o = row.options;
  Enable(o.units, {RadioGroup6});
  Enable(o.baseCopper, {RadioGroup4});
  Enable(o.plating, {RadioGroup1});
  Enable(o.structure, {RadioGroup3});
  switch (o.plane) {
    case OptionsRow::Hidden:
      RadioGroup5->SetVisible(false);
      break;
    case OptionsRow::ShownDisabled:
      RadioGroup5->SetVisible(true);
      RadioGroup5->SetEnabled(false);
      break;
    case OptionsRow::ShownEnabled:
      RadioGroup5->SetVisible(true);
      RadioGroup5->SetEnabled(true);
      break;
    case OptionsRow::ByPlaneType:
      RadioGroup5->SetVisible(true);
      if (RadioGroup2->ItemIndex() == 1) RadioGroup5->SetEnabled(true);
      if (RadioGroup2->ItemIndex() == 0) RadioGroup5->SetEnabled(false);
      break;
  }
  Enable(o.substrate, {ComboBox1, Label35});
  Enable(o.er, {Edit7, Label36});
  Enable(o.tg, {Edit66, Label9});
  Enable(o.rise, {Edit1, UpDown1, Label1, Label2});
  Enable(o.ambient, {Edit2, UpDown2, Label3, Label4});
  Enable(o.manual, {Edit136, Edit137, Edit138, Edit139});
  if (o.rise == Enabling::On) GroupBox3->SetEnabled(true);
  if (o.ambient == Enabling::On) GroupBox4->SetEnabled(true);
  if (o.baseCopper == Enabling::On) GroupBox31->SetEnabled(true);
  if (o.platingBox) GroupBox32->SetEnabled(true);

  ApplyProgramOptionTexts(row);

  for (const CalculatorRow& r : CalculatorTable()) (this->*r.panel)->SetVisible(r.id == k);

  TabControl1->SetTabIndex(Number(k));

  auto refillSelector = [&] {
    RadioGroup3->Items().Clear();
    for (const char* item : selector.items) RadioGroup3->Items().Add(item);
    if (row.information.conductorTempNA == InformationRow::BeforeChoice) Label27->SetCaption("N/A");
    if (selector.index >= 0) RadioGroup3->SetItemIndex(selector.index);
    if (row.information.conductorTempNA == InformationRow::AfterChoice) Label27->SetCaption("N/A");
  };
  refillSelector();

  auto refillPlane = [&](bool comma) {
    RadioGroup5->Items().Clear();
    if (!plane.modes.empty()) {
      for (const char* mode : plane.modes) RadioGroup5->Items().Add(mode);
    } else {
      RadioGroup5->Items().Add(comma ? "0,5oz / 1oz" : "0.5oz / 1oz");
      RadioGroup5->Items().Add("2oz");
    }
    RadioGroup5->SetItemIndex(0);
  };
  if (o.planeFill != OptionsRow::Kept) refillPlane(false);

  if (CommaFlag()) {
    if (selector.refillWithComma) refillSelector();
    if (o.planeFill == OptionsRow::CommaToo) refillPlane(true);
  }

  WriteSetting("Program", ProgramText(k));

  Button1Click(Sender);
}

void TForm1::ApplyInformationState(const CalculatorRow& row) {
  const InformationRow& info = row.information;
  if (info.ownsPanel) {
    (this->*info.arrange)();
    return;
  }

  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{Label55, Label56, Label319, Label23,
                                                                Label27, Label350})
    c->SetEnabled(true);
  if (!info.temperature) {
    for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{Label23, Label27})
      c->SetVisible(false);
  }
  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{
           Label319, Label320, Label350, Label396, Label397, Label398, Label403, Label106, Label110,
           Label284, Label285, Label41, Label72, Edit227, UpDown6})
    c->SetVisible(false);
  if (!info.first) Label55->SetCaption("Total Copper Thickness");
  if (!info.temperature) Label23->SetCaption("Conductor Temperature");
  if (!info.copper) Label56->SetCaption("N/A");
  if (!info.right) {
    Label110->SetCaption("N/A");
    Label285->SetCaption("N/A");
  }
  if (!info.current) Label72->SetCaption("N/A");
  if (info.arrange) (this->*info.arrange)();
}

// The selection copies the live Program Options into its panel's texts.
void TForm1::ApplyProgramOptionTexts(const CalculatorRow& row) {
  const ProgramOptionsRow& p = row.programOptions;
  if (p.ipcMode) {
    if (const char* text = IpcModeText(Form6->RadioGroup1->ItemIndex()))
      (this->*p.ipcMode)->SetCaption(text);
  }
  if (p.etch) {
    const int etch = Form6->RadioGroup2->ItemIndex();
    if (const char* text = EtchText(etch)) {
      (this->*p.etch)->SetCaption(text);
      for (int i = 0; i < 3; ++i) (this->*p.etchPictures[i])->SetVisible(i == etch);
    }
  }
}

void TForm1::SignalProperties1Click(TObject* Sender) {
  SelectCalculator(Calculator::Bandwidth, Sender);
}
void TForm1::RFImpedances1Click(TObject* Sender) {
  SelectCalculator(Calculator::ConductorImpedance, Sender);
}
void TForm1::ConductorProperties1Click(TObject* Sender) {
  SelectCalculator(Calculator::ConductorProperties, Sender);
}
void TForm1::ConversionData1Click(TObject* Sender) {
  SelectCalculator(Calculator::Conversion, Sender);
}
void TForm1::DifferentialPairs1Click(TObject* Sender) {
  SelectCalculator(Calculator::DifferentialPairs, Sender);
}
void TForm1::EmbeddedRs1Click(TObject* Sender) {
  SelectCalculator(Calculator::EmbeddedResistors, Sender);
}
void TForm1::ErEffective1Click(TObject* Sender) {
  SelectCalculator(Calculator::ErEffective, Sender);
}
void TForm1::FuseCurrent1Click(TObject* Sender) {
  SelectCalculator(Calculator::FusingCurrent, Sender);
}
void TForm1::Mechanical1Click(TObject* Sender) { SelectCalculator(Calculator::Mechanical, Sender); }
void TForm1::ConductorSpacing1Click(TObject* Sender) {
  SelectCalculator(Calculator::ConductorSpacing, Sender);
}
void TForm1::OhmsLaw1Click(TObject* Sender) { SelectCalculator(Calculator::OhmsLaw, Sender); }
void TForm1::Padstacks1Click(TObject* Sender) { SelectCalculator(Calculator::Padstack, Sender); }
void TForm1::PDNImpedance1Click(TObject* Sender) { SelectCalculator(Calculator::Pdn, Sender); }
void TForm1::PlanarInductors1Click(TObject* Sender) {
  SelectCalculator(Calculator::PlanarInductors, Sender);
}
void TForm1::PPMCalculator1Click(TObject* Sender) {
  SelectCalculator(Calculator::PpmCalculator, Sender);
}
void TForm1::ThermalManagement1Click(TObject* Sender) {
  SelectCalculator(Calculator::Thermal, Sender);
}
void TForm1::ViaProperties1Click(TObject* Sender) {
  SelectCalculator(Calculator::ViaProperties, Sender);
}
void TForm1::WavelengthCalculator1Click(TObject* Sender) {
  SelectCalculator(Calculator::Wavelength, Sender);
}
void TForm1::XlXCReactance1Click(TObject* Sender) {
  SelectCalculator(Calculator::Reactance, Sender);
}

void TForm1::TabControl1Change(TObject* Sender) {
  // Each test reads the tab anew; the selection sets the tab to its own number.
  for (Calculator k : TabTestOrder()) {
    if (TabCalculator() != k) continue;
    if (RowOf(k).selector.clearedByTab) RadioGroup3->Items().Clear();
    SelectCalculator(k, Sender);
  }
}

}  // namespace trellis
