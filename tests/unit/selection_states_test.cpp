// The Options and Information states each calculator's selection leaves,
// walked over every calculator in both directions so that no state is merely
// left over from the calculator before.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/form1.h"
#include "settings/options_form.h"
#include "tests/support/harness.h"
#include "vcl/user.h"

namespace {

using trellis::Calculator;
using trellis::TForm1;
using trellis::testing::Harness;
using C = Calculator;

// 1 on, 0 off, -1 not set by the selection. Plane: 0 hidden, 1 shown off,
// 2 shown on, 3 shown by the conductor panel's plane group.
struct Options {
  int units, base, plating, structure, plane, substrate, er, tg, rise, ambient, manual;
};

// Each calculator's menu item and the Options its selection leaves. A
// calculator with no row here fails the walk.
struct Expected {
  Calculator id;
  const char* menuItem;
  Options options;
};

constexpr Expected kExpected[] = {
    {C::Bandwidth, "SignalProperties1", {1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0}},
    {C::ConductorImpedance, "RFImpedances1", {1, 1, -1, 1, 0, 1, 1, 0, 0, 0, 1}},
    {C::ConductorProperties, "ConductorProperties1", {1, 1, -1, 1, 3, 1, 0, 1, 1, 1, 1}},
    {C::Conversion, "ConversionData1", {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::DifferentialPairs, "DifferentialPairs1", {1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 1}},
    {C::EmbeddedResistors, "EmbeddedRs1", {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::ErEffective, "ErEffective1", {1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1}},
    {C::FusingCurrent, "FuseCurrent1", {1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1}},
    {C::Mechanical, "Mechanical1", {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::ConductorSpacing, "ConductorSpacing1", {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::OhmsLaw, "OhmsLaw1", {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::Padstack, "Padstacks1", {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::Pdn, "PDNImpedance1", {1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0}},
    {C::PlanarInductors, "PlanarInductors1", {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}},
    {C::PpmCalculator, "PPMCalculator1", {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::Thermal, "ThermalManagement1", {0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0}},
    {C::ViaProperties, "ViaProperties1", {1, 0, 0, 1, 2, 1, 1, 1, 1, 1, 0}},
    {C::Wavelength, "WavelengthCalculator1", {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
    {C::Reactance, "XlXcReactance1", {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}},
};

// The row of a calculator; none, and a failure, when it has none.
const Expected* ExpectedOf(Calculator c) {
  for (const Expected& e : kExpected)
    if (e.id == c) return &e;
  ADD_FAILURE() << "calculator " << trellis::Number(c) << " has no expected states";
  return nullptr;
}

std::string Name(Calculator c) {
  const Expected* e = ExpectedOf(c);
  return "calculator " + std::to_string(trellis::Number(c)) +
         (e ? std::string(" ") + e->menuItem : "");
}

void Select(Harness& h, Calculator c) {
  const Expected* e = ExpectedOf(c);
  ASSERT_NE(e, nullptr);
  auto* item = dynamic_cast<vcl::TMenuItem*>(h.Main().FindComponent(e->menuItem));
  ASSERT_NE(item, nullptr) << e->menuItem;
  vcl::user::PickMenuItem(*item);
}

// Every calculator, by number, then back down to the first.
std::vector<Calculator> BothWays() {
  std::vector<Calculator> walk;
  for (int n = 0; n < trellis::kCalculatorCount; ++n) walk.push_back(static_cast<Calculator>(n));
  for (int n = trellis::kCalculatorCount - 2; n >= 0; --n) walk.push_back(walk[n]);
  return walk;
}

struct Selector {
  std::string caption;
  std::vector<std::string> items;
  int index;
};

const std::vector<std::string> kLayers = {"Internal Layer", "External Layer"};

Selector SelectorOf(Calculator c) {
  switch (c) {
    case C::Bandwidth:
      return {" Passive Circuits ", {"Microstrip", "Stripline"}, 0};
    case C::ConductorImpedance:
      return {" Passive Circuits ",
              {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym", "Dual Stripline",
               "Coplanar Wave"},
              0};
    case C::ConductorProperties:
      return {" Conductor Layer ", kLayers, 1};
    case C::DifferentialPairs:
      return {" Differential Layer ",
              {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym", "Edge Cpld Embed",
               "Broad Cpld Shld", "Broad Cpld NShld"},
              0};
    case C::PlanarInductors:
      return {" Inductor Geometry ", {"Square", "Hexagonal", "Octagonal", "Circular"}, 0};
    case C::ViaProperties:
      return {" Layer Set ", {"2 Layer", "Multi Layer", "Microvia"}, 1};
    case C::Wavelength:
      return {" Conductor Layer ", {"Microstrip", "Stripline"}, 0};
    default:
      return {" Conductor Layer ", kLayers, -1};
  }
}

// The Information rows each calculator shows; every other row is hidden.
std::set<std::string> ShownRows(Calculator c) {
  switch (c) {
    case C::ConductorImpedance:
      return {"Label23", "Label27"};  // by the structure selector's Microstrip
    case C::ConductorProperties:
      return {"Label23",  "Label27",  "Label319", "Label320",
              "Label106", "Label110", "Label41",  "Label72"};
    case C::DifferentialPairs:
      return {"Label319", "Label397", "Label396", "Label398", "Label23", "Label403"};
    case C::OhmsLaw:
      return {"Label319", "Label320"};
    case C::ViaProperties:
      return {"Label23",  "Label27",  "Label319", "Label350", "Label320", "Label398", "Label106",
              "Label110", "Label284", "Label285", "Label41",  "Label72",  "Edit227",  "UpDown6"};
    default:
      return {};
  }
}

const char* const kRows[] = {"Label319", "Label320", "Label23",  "Label27",  "Label350", "Label396",
                             "Label397", "Label398", "Label403", "Label106", "Label110", "Label284",
                             "Label285", "Label41",  "Label72",  "Edit227",  "UpDown6"};

void CheckOptions(TForm1& f, const Expected& e) {
  const Calculator k = e.id;
  const Options& o = e.options;
  auto group = [&](int state, std::initializer_list<vcl::TControl*> controls) {
    if (state < 0) return;
    for (vcl::TControl* c : controls) EXPECT_EQ(c->Enabled(), state == 1) << c->Name;
  };
  group(o.units, {f.RadioGroup6});
  group(o.base, {f.RadioGroup4});
  group(o.plating, {f.RadioGroup1});
  group(o.structure, {f.RadioGroup3});
  group(o.substrate, {f.ComboBox1, f.Label35});
  group(o.er, {f.Edit7, f.Label36});
  group(o.tg, {f.Edit66, f.Label9});
  group(o.rise, {f.Edit1, f.UpDown1, f.Label1, f.Label2});
  group(o.ambient, {f.Edit2, f.UpDown2, f.Label3, f.Label4});
  group(o.manual, {f.Edit136, f.Edit137, f.Edit138, f.Edit139});
  EXPECT_EQ(f.RadioGroup5->Visible(), o.plane != 0);
  if (o.plane == 1 || o.plane == 2) {
    EXPECT_EQ(f.RadioGroup5->Enabled(), o.plane == 2);
  }
  if (o.plane == 3) {
    EXPECT_EQ(f.RadioGroup5->Enabled(), f.RadioGroup2->ItemIndex() == 1);
  }

  // A selection only ever enables the boxes around the inputs.
  const std::set<Calculator> rise = {C::ConductorProperties, C::ViaProperties},
                             ambient = {C::ConductorProperties, C::FusingCurrent, C::Thermal,
                                        C::ViaProperties},
                             base = {C::ConductorImpedance, C::ConductorProperties,
                                     C::DifferentialPairs, C::ErEffective, C::FusingCurrent},
                             plating = {C::ErEffective, C::FusingCurrent};
  if (rise.count(k)) {
    EXPECT_TRUE(f.GroupBox3->Enabled());
  }
  if (ambient.count(k)) {
    EXPECT_TRUE(f.GroupBox4->Enabled());
  }
  if (base.count(k)) {
    EXPECT_TRUE(f.GroupBox31->Enabled());
  }
  if (plating.count(k)) {
    EXPECT_TRUE(f.GroupBox32->Enabled());
  }

  const Selector s = SelectorOf(k);
  EXPECT_EQ(f.RadioGroup3->Caption(), s.caption);
  EXPECT_EQ(f.RadioGroup3->Items().Items(), s.items);
  EXPECT_EQ(f.RadioGroup3->ItemIndex(), s.index);
  const bool tall =
      k == C::ConductorImpedance || k == C::DifferentialPairs || k == C::PlanarInductors;
  EXPECT_EQ(f.RadioGroup3->Height(), tall ? 169 : 81);
  EXPECT_EQ(f.RadioGroup3->Top(), tall ? 336 : 424);

  EXPECT_EQ(f.RadioGroup5->Caption(),
            k == C::ViaProperties ? " Property Selection " : " Plane Thickness ");
  if (k != C::Padstack) {
    EXPECT_TRUE(f.Button1->Enabled());
  }
  EXPECT_EQ(f.TabControl1->TabIndex(), trellis::Number(k));
  EXPECT_EQ(f.CalculatorIndex, k);
}

void CheckInformation(TForm1& f, Calculator k) {
  const std::set<std::string> shown = ShownRows(k);
  for (const char* row : kRows)
    EXPECT_EQ(dynamic_cast<vcl::TControl&>(*f.FindComponent(row)).Visible(), shown.count(row) > 0)
        << row;

  if (k != C::ViaProperties) {
    for (vcl::TControl* c : {f.Label55, f.Label56, f.Label319, f.Label23, f.Label27, f.Label350})
      EXPECT_TRUE(c->Enabled()) << c->Name;
  }
  const std::string label55 = k == C::Conversion      ? "dBm to Watts Conversion"
                              : k == C::ViaProperties ? "Power Dissipation (dBm)"
                                                      : "Total Copper Thickness";
  // The ohms-law and padstack solves write the first row themselves.
  if (k != C::OhmsLaw && k != C::Padstack) {
    EXPECT_EQ(f.Label55->Caption(), label55);
  }
  const std::string label23 = k == C::ConductorImpedance  ? "Er Effective"
                              : k == C::DifferentialPairs ? "Lsat = "
                              : k == C::ViaProperties     ? "Via Temperature"
                                                          : "Conductor Temperature";
  EXPECT_EQ(f.Label23->Caption(), label23);

  // The fusing and padstack solves write the copper row themselves, the via
  // solve its power in dBm over the selection's "N/A".
  const std::set<Calculator> keeps56 = {C::ConductorImpedance, C::ConductorProperties,
                                        C::Conversion,         C::DifferentialPairs,
                                        C::ErEffective,        C::FusingCurrent,
                                        C::Padstack,           C::ViaProperties},
                             keeps110 = {C::ConductorImpedance, C::ConductorProperties,
                                         C::DifferentialPairs, C::ViaProperties};
  if (!keeps56.count(k)) {
    EXPECT_EQ(f.Label56->Caption(), "N/A");
  }
  if (!keeps110.count(k)) {
    EXPECT_EQ(f.Label110->Caption(), "N/A");
    EXPECT_EQ(f.Label285->Caption(), "N/A");
  }
  if (k != C::ConductorProperties && k != C::ViaProperties) {
    EXPECT_EQ(f.Label72->Caption(), "N/A");
  }
  // The microstrip impedance writes its effective dielectric constant there.
  EXPECT_EQ(f.Label27->Caption(), k == C::ConductorProperties || k == C::ViaProperties ? "107.6F"
                                  : k == C::ConductorImpedance                         ? "3.2776"
                                                                                       : "N/A");
  if (k == C::OhmsLaw || k == C::Reactance) {
    EXPECT_EQ(f.Label320->Caption(), "N/A");
  }

  switch (k) {
    case C::ConductorProperties:
      EXPECT_EQ(f.Label319->Caption(), "Loaded Conductor Temperature");
      EXPECT_EQ(f.Label106->Caption(), "Material Tg");
      EXPECT_EQ(f.Label41->Caption(), "J =");
      EXPECT_EQ(f.Label106->Left(), 248);
      EXPECT_EQ(f.Label110->Left(), 248);
      EXPECT_EQ(f.Label41->Left(), 206);
      EXPECT_EQ(f.Label41->Top(), 107);
      EXPECT_EQ(f.Label72->Left(), 228);
      for (vcl::TControl* c : {f.Label106, f.Label110, f.Label41, f.Label72})
        EXPECT_TRUE(c->Enabled()) << c->Name;
      break;
    case C::DifferentialPairs:
      EXPECT_EQ(f.Label319->Caption(), "W/H = ");
      EXPECT_EQ(f.Label398->Left(), 56);
      break;
    case C::OhmsLaw:
      EXPECT_EQ(f.Label319->Caption(), "Series Current");
      break;
    case C::ViaProperties:
      EXPECT_TRUE(f.Label56->Caption().ends_with(" dBm")) << f.Label56->Caption();
      EXPECT_EQ(f.Label319->Caption(), "Aspect Ratio = ");
      EXPECT_EQ(f.Label320->Caption(), "J = ");
      EXPECT_EQ(f.Label106->Caption(), "Via Thermal Resistance");
      EXPECT_EQ(f.Label284->Caption(), "Via Count:");
      EXPECT_EQ(f.Label41->Caption(), "Via Voltage Drop");
      EXPECT_EQ(f.Label398->Left(), 32);
      for (vcl::TControl* c : {f.Label106, f.Label110, f.Label41, f.Label72})
        EXPECT_EQ(c->Left(), 178) << c->Name;
      EXPECT_EQ(f.Label41->Top(), 91);
      EXPECT_TRUE(f.Edit227->Enabled());
      EXPECT_TRUE(f.UpDown6->Enabled());
      break;
    default:
      break;
  }
}

// One row of expected states per calculator: a calculator added without its
// row fails here rather than being left out of the walk.
TEST(SelectionStates, EveryCalculatorHasItsExpectedStates) {
  EXPECT_EQ(std::size(kExpected), static_cast<size_t>(trellis::kCalculatorCount));
  for (int n = 0; n < trellis::kCalculatorCount; ++n) {
    int rows = 0;
    for (const Expected& e : kExpected) rows += trellis::Number(e.id) == n;
    EXPECT_EQ(rows, 1) << "calculator " << n;
  }
}

TEST(SelectionStates, EveryCalculatorInBothDirections) {
  Harness h;
  h.Start();
  TForm1& f = h.Main();
  for (Calculator k : BothWays()) {
    SCOPED_TRACE(Name(k));
    const Expected* e = ExpectedOf(k);
    ASSERT_NE(e, nullptr);
    Select(h, k);
    CheckOptions(f, *e);
    CheckInformation(f, k);
  }
  EXPECT_TRUE(h.platform.TakeMessages().empty());
}

TEST(SelectionStates, PlaneGroupFollowsThePlaneOnConductorProperties) {
  Harness h;
  h.Start();
  TForm1& f = h.Main();
  for (int plane : {1, 0, 1}) {
    Select(h, C::Bandwidth);
    f.RadioGroup2->SetItemIndex(plane);
    Select(h, C::ConductorProperties);
    EXPECT_TRUE(f.RadioGroup5->Visible());
    EXPECT_EQ(f.RadioGroup5->Enabled(), plane == 1) << "plane " << plane;
  }
  EXPECT_TRUE(h.platform.TakeMessages().empty());
}

TEST(SelectionStates, PadstackSolvesOnlyForItsThruHoleTypes) {
  Harness h;
  h.Start();
  TForm1& f = h.Main();
  for (int type = 0; type < f.RadioGroup14->Items().Count(); ++type) {
    Select(h, C::Bandwidth);
    f.RadioGroup14->SetItemIndex(type);
    Select(h, C::Padstack);
    EXPECT_EQ(f.Button1->Enabled(), type == 0 || type == 2) << "type " << type;
    Select(h, C::Wavelength);
    EXPECT_TRUE(f.Button1->Enabled());
  }
  h.platform.TakeMessages();
}

TEST(SelectionStates, ProgramOptionsTextsFollowAtTheSelection) {
  Harness h;
  h.Start();
  TForm1& f = h.Main();
  const char* const kModes[3] = {"IPC-2152 with modifiers mode", "IPC-2152 without modifiers mode",
                                 "IPC-2221 mode"};
  const char* const kEtch[3] = {"1:1", "2:1", "None"};
  for (int i : {2, 0, 1}) {
    trellis::Form6->RadioGroup1->SetItemIndex(i);
    trellis::Form6->RadioGroup2->SetItemIndex(i);
    Select(h, C::ConductorProperties);
    EXPECT_EQ(f.Label243->Caption(), kModes[i]);
    EXPECT_EQ(f.Label126->Caption(), kEtch[i]);
    vcl::TImage* const conductor[3] = {f.Image68, f.Image73, f.Image69};
    for (int p = 0; p < 3; ++p) EXPECT_EQ(conductor[p]->Visible(), p == i) << "picture " << p;
    Select(h, C::FusingCurrent);
    EXPECT_EQ(f.Label380->Caption(), kEtch[i]);
    vcl::TImage* const fusing[3] = {f.Image74, f.Image76, f.Image75};
    for (int p = 0; p < 3; ++p) EXPECT_EQ(fusing[p]->Visible(), p == i) << "picture " << p;
    Select(h, C::ViaProperties);
    EXPECT_EQ(f.Label187->Caption(), kModes[i]);
  }
  EXPECT_TRUE(h.platform.TakeMessages().empty());
}

// The right-hand Information column moves between the conductor calculator's
// places and the via calculator's, and back.
TEST(SelectionStates, RightColumnMovesBetweenViaAndConductor) {
  Harness h;
  h.Start();
  TForm1& f = h.Main();
  struct Place {
    int label106, label110, label41, label41Top, label72;
  };
  const Place via{178, 178, 178, 91, 178}, conductor{248, 248, 206, 107, 228};
  for (Calculator k :
       {C::ViaProperties, C::ConductorProperties, C::ViaProperties, C::ConductorProperties}) {
    SCOPED_TRACE(Name(k));
    Select(h, k);
    const Place& p = k == C::ViaProperties ? via : conductor;
    EXPECT_EQ(f.Label106->Left(), p.label106);
    EXPECT_EQ(f.Label110->Left(), p.label110);
    EXPECT_EQ(f.Label41->Left(), p.label41);
    EXPECT_EQ(f.Label41->Top(), p.label41Top);
    EXPECT_EQ(f.Label72->Left(), p.label72);
    EXPECT_TRUE(f.Label41->Visible());
    EXPECT_TRUE(f.Label72->Visible());
  }
  EXPECT_TRUE(h.platform.TakeMessages().empty());
}

}  // namespace
