// Selecting a calculator: the one sequence behind the menu items, the tabs and
// the hand-over buttons.
#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"

namespace trellis {

using vcl::TObject;

namespace {

struct Selector {
  const char* caption;
  std::vector<const char*> items;
  int index;  // -1: none set
};

const Selector& SelectorOf(int k) {
  static const Selector layer{" Conductor Layer ", {"Internal Layer", "External Layer"}, -1};
  static const Selector table[19] = {
      {" Passive Circuits ", {"Microstrip", "Stripline"}, 0},
      {" Passive Circuits ",
       {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym", "Dual Stripline",
        "Coplanar Wave"},
       0},
      {" Conductor Layer ", {"Internal Layer", "External Layer"}, 1},
      layer,
      {" Differential Layer ",
       {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym", "Edge Cpld Embed",
        "Broad Cpld Shld", "Broad Cpld NShld"},
       0},
      layer,
      layer,
      layer,
      layer,
      layer,
      layer,
      layer,
      layer,
      {" Inductor Geometry ", {"Square", "Hexagonal", "Octagonal", "Circular"}, 0},
      layer,
      layer,
      {" Layer Set ", {"2 Layer", "Multi Layer", "Microvia"}, 1},
      {" Conductor Layer ", {"Microstrip", "Stripline"}, 0},
      layer,
  };
  return table[k];
}

// Enabled states of the Options panel by calculator: 1 on, 0 off, -1 left as is.
struct OptionsState {
  int units, baseCopper, plating, structure;
  int plane;  // 0 hidden, 1 shown and disabled, 2 shown and enabled, 3 shown, by plane
  int substrate, er, tg, rise, ambient, manual;
};

constexpr OptionsState kOptions[19] = {
    {1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0},   // 0 bandwidth
    {1, 1, -1, 1, 0, 1, 1, 0, 0, 0, 1},  // 1 conductor impedance
    {1, 1, -1, 1, 3, 1, 0, 1, 1, 1, 1},  // 2 conductor properties
    {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 3 conversion
    {1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 1},   // 4 differential pairs
    {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 5 embedded resistors
    {1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1},   // 6 Er effective
    {1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1},   // 7 fusing current
    {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 8 mechanical information
    {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 9 minimum spacing
    {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 10 Ohm's law
    {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 11 padstack
    {1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0},   // 12 PDN
    {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0},   // 13 planar inductors
    {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 14 PPM-XTAL
    {0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0},   // 15 thermal management
    {1, 0, 0, 1, 2, 1, 1, 1, 1, 1, 0},   // 16 via properties
    {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 17 wavelength
    {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0},   // 18 reactance
};

void Enable(int state, std::initializer_list<vcl::TControl*> controls) {
  if (state < 0) return;
  for (vcl::TControl* c : controls) c->SetEnabled(state == 1);
}

}  // namespace

void TForm1::SelectCalculator(int k, TObject* Sender) {
  CalculatorIndex = k;

  if (k == 16) {
    RadioGroup5->SetCaption(" Property Selection ");
    RadioGroup5->SetHint("Select between single via properties and differential via properties.");
  } else {
    RadioGroup5->SetCaption(" Plane Thickness ");
    RadioGroup5->SetHint("Select between a 1oz and a 2oz plane.");
  }

  ApplyInformationState(k);

  const Selector& selector = SelectorOf(k);
  RadioGroup3->SetCaption(selector.caption);
  if (k == 1 || k == 4 || k == 13) {
    RadioGroup3->SetHeight(169);
    RadioGroup3->SetTop(336);
  } else {
    RadioGroup3->SetHeight(81);
    RadioGroup3->SetTop(424);
  }

  if (k == 11) {
    const int type = RadioGroup14->ItemIndex();
    if (type == 0 || type == 2)
      Button1->SetEnabled(true);
    else
      Button1->SetEnabled(false);
  } else {
    Button1->SetEnabled(true);
  }

  const OptionsState& o = kOptions[k];
  Enable(o.units, {RadioGroup6});
  Enable(o.baseCopper, {RadioGroup4});
  Enable(o.plating, {RadioGroup1});
  Enable(o.structure, {RadioGroup3});
  switch (o.plane) {
    case 0:
      RadioGroup5->SetVisible(false);
      break;
    case 1:
      RadioGroup5->SetVisible(true);
      RadioGroup5->SetEnabled(false);
      break;
    case 2:
      RadioGroup5->SetVisible(true);
      RadioGroup5->SetEnabled(true);
      break;
    case 3:
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
  if (k == 2 || k == 16) GroupBox3->SetEnabled(true);
  if (k == 2 || k == 7 || k == 15 || k == 16) GroupBox4->SetEnabled(true);
  if (k == 1 || k == 2 || k == 4 || k == 6 || k == 7) GroupBox31->SetEnabled(true);
  if (k == 6 || k == 7) GroupBox32->SetEnabled(true);

  ApplyProgramOptionTexts(k);

  vcl::TGroupBox* const panels[19] = {GroupBox6,  GroupBox15, GroupBox5,  GroupBox7,  GroupBox8,
                                      GroupBox34, GroupBox43, GroupBox33, GroupBox11, GroupBox13,
                                      GroupBox47, GroupBox10, GroupBox23, GroupBox20, GroupBox36,
                                      GroupBox27, GroupBox1,  GroupBox22, GroupBox48};
  for (int i = 0; i < 19; ++i) panels[i]->SetVisible(i == k);

  TabControl1->SetTabIndex(k);

  auto refillSelector = [&] {
    RadioGroup3->Items().Clear();
    for (const char* item : selector.items) RadioGroup3->Items().Add(item);
    if (k == 17) Label27->SetCaption("N/A");
    if (selector.index >= 0) RadioGroup3->SetItemIndex(selector.index);
    if (k != 2 && k != 3 && k != 16 && k != 17) Label27->SetCaption("N/A");
  };
  refillSelector();

  auto refillPlane = [&](bool comma) {
    RadioGroup5->Items().Clear();
    if (k == 16) {
      RadioGroup5->Items().Add("Via Properties");
      RadioGroup5->Items().Add("Via Stub Length");
    } else {
      RadioGroup5->Items().Add(comma ? "0,5oz / 1oz" : "0.5oz / 1oz");
      RadioGroup5->Items().Add("2oz");
    }
    RadioGroup5->SetItemIndex(0);
  };
  if (k != 3) refillPlane(false);

  if (CommaFlag()) {
    if (k == 0 || k == 2 || k == 8 || k == 9 || k == 11) refillSelector();
    if (k != 3 && k != 4 && k != 16) refillPlane(true);
  }

  WriteSetting("Program", vcl::IntToStr(k));

  Button1Click(Sender);
}

void TForm1::ApplyInformationState(int k) {
  if (k == 16) {
    Label55->SetCaption("Power Dissipation (dBm)");
    Label56->SetCaption("N/A");
    for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{
             Label23, Label27, Label319, Label350, Label320, Label398, Label106, Label110, Label284,
             Label285, Label41, Label72, Edit227, UpDown6})
      c->SetVisible(true);
    Label23->SetCaption("Via Temperature");
    Label319->SetCaption("Aspect Ratio = ");
    Label320->SetCaption("J = ");
    Label398->SetLeft(32);
    Label106->SetCaption("Via Thermal Resistance");
    Label284->SetCaption("Via Count:");
    Label41->SetCaption("Via Voltage Drop");
    Edit227->SetEnabled(true);
    UpDown6->SetEnabled(true);
    for (vcl::TControl* c :
         std::initializer_list<vcl::TControl*>{Label106, Label110, Label41, Label72})
      c->SetLeft(178);
    Label41->SetTop(91);
    for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{Label396, Label397, Label403})
      c->SetVisible(false);
    return;
  }

  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{Label55, Label56, Label319, Label23,
                                                                Label27, Label350})
    c->SetEnabled(true);
  if (k != 1) {
    for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{Label23, Label27})
      c->SetVisible(false);
  }
  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{
           Label319, Label320, Label350, Label396, Label397, Label398, Label403, Label106, Label110,
           Label284, Label285, Label41, Label72, Edit227, UpDown6})
    c->SetVisible(false);
  if (k != 10) Label55->SetCaption("Total Copper Thickness");
  if (k != 1) Label23->SetCaption("Conductor Temperature");
  if (k != 1 && k != 2 && k != 3 && k != 4 && k != 6) Label56->SetCaption("N/A");
  if (k != 1 && k != 2 && k != 4) {
    Label110->SetCaption("N/A");
    Label285->SetCaption("N/A");
  }
  if (k != 2) Label72->SetCaption("N/A");

  switch (k) {
    case 2:
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
      break;
    case 3:
      Label55->SetCaption("dBm to Watts Conversion");
      break;
    case 4:
      Label319->SetCaption("W/H = ");
      Label319->SetVisible(true);
      Label397->SetVisible(true);
      Label396->SetVisible(true);
      Label398->SetVisible(true);
      Label398->SetLeft(56);
      Label23->SetCaption("Lsat = ");
      Label23->SetVisible(true);
      Label403->SetVisible(true);
      break;
    case 10:
      Label319->SetCaption("Series Current");
      Label319->SetVisible(true);
      Label320->SetVisible(true);
      Label320->SetCaption("N/A");
      break;
    case 18:
      Label320->SetCaption("N/A");
      break;
    default:
      break;
  }
}

// The selection copies the live Program Options into its panel's texts.
void TForm1::ApplyProgramOptionTexts(int k) {
  if (k == 2 || k == 16) {
    const char* text = nullptr;
    switch (Form6->RadioGroup1->ItemIndex()) {
      case 0:
        text = "IPC-2152 with modifiers mode";
        break;
      case 1:
        text = "IPC-2152 without modifiers mode";
        break;
      case 2:
        text = "IPC-2221 mode";
        break;
    }
    if (text) (k == 2 ? Label243 : Label187)->SetCaption(text);
  }
  if (k == 2 || k == 7) {
    const int etch = Form6->RadioGroup2->ItemIndex();
    static const char* const kTexts[3] = {"1:1", "2:1", "None"};
    if (etch >= 0 && etch <= 2) {
      (k == 2 ? Label126 : Label380)->SetCaption(kTexts[etch]);
      vcl::TImage* const pictures[3] = {k == 2 ? Image68 : Image74, k == 2 ? Image73 : Image76,
                                        k == 2 ? Image69 : Image75};
      for (int i = 0; i < 3; ++i) pictures[i]->SetVisible(i == etch);
    }
  }
}

void TForm1::SignalProperties1Click(TObject* Sender) { SelectCalculator(0, Sender); }
void TForm1::RFImpedances1Click(TObject* Sender) { SelectCalculator(1, Sender); }
void TForm1::ConductorProperties1Click(TObject* Sender) { SelectCalculator(2, Sender); }
void TForm1::ConversionData1Click(TObject* Sender) { SelectCalculator(3, Sender); }
void TForm1::DifferentialPairs1Click(TObject* Sender) { SelectCalculator(4, Sender); }
void TForm1::EmbeddedRs1Click(TObject* Sender) { SelectCalculator(5, Sender); }
void TForm1::ErEffective1Click(TObject* Sender) { SelectCalculator(6, Sender); }
void TForm1::FuseCurrent1Click(TObject* Sender) { SelectCalculator(7, Sender); }
void TForm1::Mechanical1Click(TObject* Sender) { SelectCalculator(8, Sender); }
void TForm1::ConductorSpacing1Click(TObject* Sender) { SelectCalculator(9, Sender); }
void TForm1::OhmsLaw1Click(TObject* Sender) { SelectCalculator(10, Sender); }
void TForm1::Padstacks1Click(TObject* Sender) { SelectCalculator(11, Sender); }
void TForm1::PDNImpedance1Click(TObject* Sender) { SelectCalculator(12, Sender); }
void TForm1::PlanarInductors1Click(TObject* Sender) { SelectCalculator(13, Sender); }
void TForm1::PPMCalculator1Click(TObject* Sender) { SelectCalculator(14, Sender); }
void TForm1::ThermalManagement1Click(TObject* Sender) { SelectCalculator(15, Sender); }
void TForm1::ViaProperties1Click(TObject* Sender) { SelectCalculator(16, Sender); }
void TForm1::WavelengthCalculator1Click(TObject* Sender) { SelectCalculator(17, Sender); }
void TForm1::XlXCReactance1Click(TObject* Sender) { SelectCalculator(18, Sender); }

void TForm1::TabControl1Change(TObject* Sender) {
  // Each test reads the tab anew; the selection sets the tab to its own number.
  static const int kOrder[19] = {16, 2, 0, 4, 11, 8, 9, 1, 3, 13, 12, 15, 7, 5, 14, 17, 6, 10, 18};
  for (int k : kOrder) {
    if (TabControl1->TabIndex() != k) continue;
    if (k == 4) RadioGroup3->Items().Clear();
    SelectCalculator(k, Sender);
  }
}

}  // namespace trellis
