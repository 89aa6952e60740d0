// Design state of the via and padstack panels: what the mode, layer-set and
// pad-type handlers and the solves rely on when the program starts.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "tests/support/layout_checks.h"

using namespace trellis::testing;

namespace {

using Expect = ControlState;

const std::vector<std::string> kPadTypes = {
    "Thru-Hole Pad",         "BGA Land Size",         "Conductor / Pad TH", "Conductor / Pad BGA",
    "2 Conductors / Pad TH", "2 Conductor / Pad BGA", "Corner to Corner"};
const std::vector<std::string> kHoleTypes = {"Custom",    "Std Tooling", "NP MTG #2", "NP MTG #4",
                                             "NP MTG #6", "NP MTG #8",   "NP MTG #10"};
const std::vector<std::string> kBallSizes = {"0.75 mm", "0.65 mm", "0.60 mm", "0.55 mm", "0.50 mm",
                                             "0.45 mm", "0.40 mm", "0.35 mm", "0.30 mm", "0.25 mm",
                                             "0.20 mm", "0.17 mm", "0.15 mm"};

// The via panel in its single-via, Multi Layer arrangement; the differential
// via's controls are present and hidden.
const std::vector<Expect>& ViaDesign() {
  static const std::vector<Expect> table = {
      {"GroupBox1", "TGroupBox", " Via Characteristics "},
      {"Label5", "TLabel", "Via Hole Diameter"},
      {"Edit3", "TEdit", ""},
      {"Edit52", "TEdit", "mils", {}, -1, true, true},
      {"Label6", "TLabel", "Internal Pad Diameter"},
      {"Edit4", "TEdit", ""},
      {"Edit53", "TEdit", "mils", {}, -1, true, true},
      {"Label7", "TLabel", "Ref Plane Opening Diam"},
      {"Edit5", "TEdit", ""},
      {"Edit54", "TEdit", "mils", {}, -1, true, true},
      {"Label8", "TLabel", "Via Height"},
      {"Edit6", "TEdit", ""},
      {"Edit55", "TEdit", "mils", {}, -1, true, true},
      {"Label11", "TLabel", "Via Plating Thickness"},
      {"Edit9", "TEdit", ""},
      {"Edit56", "TEdit", "mils", {}, -1, true, true},
      {"Edit335", "TEdit", "60", {}, -1, false},
      {"Edit336", "TEdit", "mils", {}, -1, false, true},
      {"Label102", "TLabel", "Anisotropy of Material", {}, -1, false},
      {"Edit206", "TEdit", "18", {}, -1, false},
      {"Edit208", "TEdit", "%", {}, -1, false, true},
      {"Label105", "TLabel", "Baud Rate", {}, -1, false},
      {"Edit209", "TEdit", "1", {}, -1, false},
      {"Edit210", "TEdit", "GBaud", {}, -1, false, true},
      {"Label383", "TLabel", "Differential Pair Z ", {}, -1, false},
      {"Edit386", "TEdit", "100", {}, -1, false},
      {"Edit387", "TEdit", "Ohms", {}, -1, false, true},
      {"Label10", "TLabel", "Conductor Cross Section"},
      {"Edit8", "TEdit", "", {}, -1, true, true},
      {"Label12", "TLabel", "Via Current"},
      {"Edit10", "TEdit", "", {}, -1, true, true},
      {"Label13", "TLabel", "Via Capacitance"},
      {"Edit11", "TEdit", "", {}, -1, true, true},
      {"Label14", "TLabel", "Via Inductance"},
      {"Edit12", "TEdit", "", {}, -1, true, true},
      {"Label15", "TLabel", "Step Response"},
      {"Edit13", "TEdit", "", {}, -1, true, true},
      {"Label16", "TLabel", "Resonant Frequency"},
      {"Edit14", "TEdit", "", {}, -1, true, true},
      {"Label42", "TLabel", "Via Impedance"},
      {"Edit42", "TEdit", "", {}, -1, true, true},
      {"Label83", "TLabel", "Via DC Resistance"},
      {"Edit49", "TEdit", "", {}, -1, true, true},
      {"Label84", "TLabel", "Power Dissipation"},
      {"Edit50", "TEdit", "", {}, -1, true, true},
      {"Label187", "TLabel", "IPC-2152 with modifiers mode"},
      {"Label402", "TLabel", "Warning! Maximum via aspect ratio exceeded!", {}, -1, false},
      {"Label159", "TLabel", "Note:", {}, -1, false},
      {"Label160", "TLabel", "According to the IPC-2152 standard, microvias", {}, -1, false},
      {"Label161", "TLabel", "react to temperature rise due to current in the", {}, -1, false},
      {"Label164", "TLabel", "same manner as a through-hole via.", {}, -1, false},
      {"CheckBox5", "TCheckBox", "Full Plane Opening", {}, -1, false},
      {"BitBtn7", "TBitBtn", "!", {}, -1, false},
      {"BitBtn9", "TBitBtn", std::nullopt, {}, -1, false},
      {"BitBtn10", "TBitBtn", std::nullopt, {}, -1, false},
      {"Image7", "TImage", std::nullopt},
      {"Image2", "TImage", std::nullopt, {}, -1, false},
      {"Image20", "TImage", std::nullopt, {}, -1, false},
      {"Image46", "TImage", std::nullopt, {}, -1, false},
      {"Image64", "TImage", std::nullopt, {}, -1, false},
      {"Image65", "TImage", std::nullopt, {}, -1, false},
  };
  return table;
}

// The padstack panel in its "Thru-Hole Pad", Plated, "Custom" arrangement.
const std::vector<Expect>& PadstackDesign() {
  static const std::vector<Expect> table = {
      {"GroupBox10", "TGroupBox", " Padstack Calculator "},
      {"RadioGroup14", "TRadioGroup", " Pad Calculator Type ", kPadTypes, 0},
      {"RadioGroup7", "TRadioGroup", " Pad Style ", {"Plated", "Non-Plated"}, 0},
      {"Label73", "TLabel", "Hole Type"},
      {"ComboBox2", "TComboBox", std::nullopt, kHoleTypes, 0},
      {"ComboBox4", "TComboBox", "0.75 mm", kBallSizes, 0, false},
      {"Label61", "TLabel", "Hole Diameter"},
      {"Edit33", "TEdit", "32"},
      {"Edit59", "TEdit", "mils", {}, -1, true, true},
      {"Label62", "TLabel", "Annular Ring"},
      {"Edit34", "TEdit", "12"},
      {"Edit60", "TEdit", "mils", {}, -1, true, true},
      {"Label63", "TLabel", "Isolation Width"},
      {"Edit35", "TEdit", "12"},
      {"Edit61", "TEdit", "mils", {}, -1, true, true},
      {"Label76", "TLabel", "Hole Diameter", {}, -1, false},
      {"Edit211", "TEdit", "32", {}, -1, false},
      {"Edit212", "TEdit", "mils", {}, -1, false, true},
      {"Label174", "TLabel", "Minimum Annular Ring", {}, -1, false},
      {"Edit213", "TEdit", "7", {}, -1, false},
      {"Edit214", "TEdit", "mils", {}, -1, false, true},
      {"Label68", "TLabel", "External Layers"},
      {"Edit36", "TEdit", "", {}, -1, true, true},
      {"Label70", "TLabel", "Pad Diameter"},
      {"Label67", "TLabel", "Internal Signal Layers"},
      {"Edit37", "TEdit", "", {}, -1, true, true},
      {"Label71", "TLabel", "Pad Diameter"},
      {"Label66", "TLabel", "Internal Plane Layers"},
      {"Edit38", "TEdit", "", {}, -1, true, true},
      {"Label69", "TLabel", "Outer Diameter"},
      {"Edit39", "TEdit", "", {}, -1, true, true},
      {"Label65", "TLabel", "Inner Diameter"},
      {"Edit40", "TEdit", "", {}, -1, true, true},
      {"Label64", "TLabel", "Spoke Width"},
      {"Label271", "TLabel", "Note:", {}, -1, false},
      {"Label272", "TLabel", "When sizing a hole for a square pin, use the corner ", {}, -1, false},
      {"Label273", "TLabel", "to corner distance as the pin diameter.", {}, -1, false},
      {"Label274", "TLabel", "c = sqrt(a^2+b^2)", {}, -1, false},
      {"Label357", "TLabel", "Note:", {}, -1, false},
      {"Label358", "TLabel", "IPC-7351A uses the larger land variation number ", {}, -1, false},
      {"Label359", "TLabel", "for BGA pad size, not the nominal size.", {}, -1, false},
      {"Label360", "TLabel", "Note:", {}, -1, false},
      {"Label361", "TLabel", "Compensation for system ", {}, -1, false},
      {"Label362", "TLabel", "grid may be necessary.", {}, -1, false},
      {"Memo3", "TMemo", std::nullopt, {}, -1, false},
      {"Memo5", "TMemo", std::nullopt, {}, -1, false},
      {"Image5", "TImage", std::nullopt},
      {"Image12", "TImage", std::nullopt, {}, -1, false},
      {"Image45", "TImage", std::nullopt, {}, -1, false},
      {"Image10", "TImage", std::nullopt, {}, -1, false},
      {"Image66", "TImage", std::nullopt, {}, -1, false},
      {"Image67", "TImage", std::nullopt, {}, -1, false},
      {"Image48", "TImage", std::nullopt, {}, -1, false},
  };
  return table;
}

class ViaLayout : public ::testing::Test {
 protected:
  void SetUp() override { h.Create(); }
  vcl::TControl& Control(const std::string& name) { return ControlNamed(h.Main(), name); }
  void CheckDesign(const std::vector<Expect>& table) { ExpectStates(h.Main(), table); }
  Harness h;
};

TEST_F(ViaLayout, ViaPanelStartsAsAMultiLayerSingleVia) { CheckDesign(ViaDesign()); }

TEST_F(ViaLayout, PadstackPanelStartsAsAPlatedThruHolePad) {
  CheckDesign(PadstackDesign());
  EXPECT_EQ(h.Main().ComboBox2->Style, vcl::TComboBoxStyle::csDropDownList);
  EXPECT_EQ(h.Main().ComboBox4->Style, vcl::TComboBoxStyle::csDropDown);
  EXPECT_EQ(h.Main().Memo3->Lines().Items(),
            (std::vector<std::string>{"Warning!", "Calculated maximum pad diameter",
                                      "is smaller than the minimum annular",
                                      "ring x2 + hole diameter."}));
  EXPECT_EQ(h.Main().Memo5->Lines().Items(),
            (std::vector<std::string>{"Warning!", "Calculated maximum conductor",
                                      "width is below zero."}));
  EXPECT_EQ(h.Main().Memo3->Font().Color, vcl::clRed);
  EXPECT_EQ(h.Main().Memo5->Font().Color, vcl::clRed);
}

TEST_F(ViaLayout, InputsAndResultsCarryTheirFontsAndLimits) {
  // The via panel shows its inputs and results bold navy; the length boxes take 8 characters.
  for (const char* name : {"Edit3", "Edit4", "Edit5", "Edit6", "Edit9", "Edit386"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(dynamic_cast<vcl::TEdit&>(Control(name)).MaxLength(), 8);
  }
  for (const char* name : {"Edit3", "Edit4", "Edit5", "Edit6", "Edit9", "Edit8", "Edit10", "Edit11",
                           "Edit12", "Edit13", "Edit14", "Edit42", "Edit49", "Edit50", "Edit36",
                           "Edit37", "Edit38", "Edit39", "Edit40"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(Control(name).Font().Color, vcl::clNavy);
    EXPECT_EQ(Control(name).Font().Style, unsigned{vcl::fsBold});
  }
  EXPECT_EQ(Control("Label402").Font().Color, vcl::clRed);
}

TEST_F(ViaLayout, RowsStandWhereTheLayerSetArrangementMovesThemFrom) {
  // Multi Layer places: the layer-set handler moves these rows and the inductance between
  // fixed tops and lefts, and the differential via's spacing shares the plating row.
  struct Place {
    const char* name;
    int left, top;
  };
  const Place places[] = {{"Label8", -1, 208},  {"Edit6", -1, 232},   {"Edit55", -1, 236},
                          {"Label11", -1, 272}, {"Edit9", -1, 296},   {"Edit56", -1, 300},
                          {"Edit335", -1, 296}, {"Edit336", -1, 300}, {"Label14", 16, -1},
                          {"Edit12", 16, -1}};
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    if (p.left >= 0) {
      EXPECT_EQ(Control(p.name).Left(), p.left);
    }
    if (p.top >= 0) {
      EXPECT_EQ(Control(p.name).Top(), p.top);
    }
  }
  EXPECT_EQ(Control("Edit335").Left(), Control("Edit9").Left());
  EXPECT_EQ(Control("Edit336").Left(), Control("Edit56").Left());
  // In 2 Layer the inductance moves to left 208, into the capacitance's place.
  EXPECT_EQ(Control("Label13").Left(), 208);
  EXPECT_EQ(Control("Label13").Top(), Control("Label14").Top());
  EXPECT_EQ(Control("Edit11").Top(), Control("Edit12").Top());
  // Thru-hole pad widths of the padstack results.
  for (const char* name : {"Edit36", "Edit37", "Edit38"}) EXPECT_EQ(Control(name).Width(), 121);
}

TEST_F(ViaLayout, EveryPictureExistsAtItsControlsSize) {
  const auto dir = PictureDir();
  if (!dir) GTEST_SKIP() << "TRELLIS_SOURCE_DIR is not set";
  size_t images = 0;
  for (const char* panel : {"GroupBox1", "GroupBox10"}) {
    for (vcl::TImage* im : ImagesOf(Control(panel).Children())) {
      ++images;
      SCOPED_TRACE(im->Name);
      ExpectPictureAtSize(*im, *dir);
    }
  }
  EXPECT_EQ(images, 13u);
}

TEST_F(ViaLayout, VisibleControlsNeitherOverlapNorLeaveThePanel) {
  for (const char* panel : {"GroupBox1", "GroupBox10"}) {
    std::vector<vcl::TControl*> shown;
    for (vcl::TControl* c : Control(panel).Children())
      if (c->Visible()) shown.push_back(c);
    for (const vcl::TControl* c : shown) ExpectInsideParent(*c, {8, 16, 8, 8});
    ExpectApart(shown);
  }
}

}  // namespace
