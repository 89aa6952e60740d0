// Design state of the differential-pair panel and the Crosstalk Calculator
// window: what the structure selector, the solves and the handlers rely on.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "calc/diffpair/crosstalk_form.h"
#include "tests/support/harness.h"
#include "tests/support/layout_checks.h"

using namespace trellis::testing;

namespace {

using Expect = ControlState;

const std::vector<std::string> kProtocols = {"DDR2 CLK/DQS",
                                             "DDR3 CLK/DQS",
                                             "DDR4 CLK/DQS",
                                             "USB 2.X",
                                             "USB 3.X",
                                             "LVDS",
                                             "HDMI",
                                             "SATA",
                                             "Ethernet",
                                             "DisplayPort",
                                             "DisplayPort Eaglelake",
                                             "DisplayPort Calpella",
                                             "PCIe Gen1",
                                             "PCIe Gen2",
                                             "PCIe Gen3",
                                             "PCIe Gen4",
                                             "SSRX/SSTX",
                                             "Custom"};

// The panel as it stands for structure 0, "Edge Cpld Ext".
const std::vector<Expect>& PanelStates() {
  static const std::vector<Expect> table = {
      {"GroupBox8", "TGroupBox", " Differential Pairs "},
      {"Edit21", "TEdit", "10"},
      {"Edit62", "TEdit", "mils", {}, -1, true, true},
      {"Edit26", "TEdit", "5"},
      {"Edit63", "TEdit", "mils", {}, -1, true, true},
      {"Label40", "TLabel", "Conductor Height (H)"},
      {"Edit27", "TEdit", "15"},
      {"Edit64", "TEdit", "mils", {}, -1, true, true},
      {"Label58", "TLabel", "Conductor Height (H2)", {}, -1, false},
      {"Edit32", "TEdit", "5", {}, -1, false},
      {"Edit65", "TEdit", "mils", {}, -1, false, true},
      {"Label391", "TLabel", "Applied Voltage"},
      {"Edit394", "TEdit", "1"},
      {"Edit395", "TEdit", "Volts", {}, -1, true, true},
      {"Label47", "TLabel", "Coupled Length"},
      {"Edit398", "TEdit", "100"},
      {"Edit399", "TEdit", "mils", {}, -1, true, true},
      {"Label401", "TLabel", "Signal Risetime"},
      {"Edit400", "TEdit", "1"},
      {"Edit401", "TEdit", "ns", {}, -1, true, true},
      {"Edit151", "TEdit", "100"},
      {"Edit152", "TEdit", "Ohms", {}, -1, true, true},
      {"ComboBox5", "TComboBox", std::nullopt, kProtocols, 0},
      {"Label45", "TLabel", "+/- Tolerance ="},
      {"Label46", "TLabel", "12.5%"},
      {"Label43", "TLabel", "Zo"},
      {"Edit28", "TEdit", "", {}, -1, true, true},
      {"Edit29", "TEdit", "", {}, -1, true, true},
      {"Edit30", "TEdit", "", {}, -1, true, true},
      {"Edit31", "TEdit", "", {}, -1, true, true},
      {"Edit388", "TEdit", "", {}, -1, true, true},
      {"Edit389", "TEdit", "", {}, -1, true, true},
      {"Edit390", "TEdit", "", {}, -1, true, true},
      {"Edit391", "TEdit", "", {}, -1, true, true},
      {"Edit392", "TEdit", "", {}, -1, true, true},
      {"Edit393", "TEdit", "", {}, -1, true, true},
      {"Edit396", "TEdit", "", {}, -1, true, true},
      {"Edit397", "TEdit", "", {}, -1, true, true},
      {"Label87", "TLabel", "Formula Restrictions:"},
      {"Label88", "TLabel", "0.1 < W/H < 3.0"},
      {"Label89", "TLabel", "0.1 < S/H < 3.0"},
      {"Button18", "TButton", "Send to Via Calculator"},
      {"BitBtn6", "TBitBtn", "!"},
      {"BitBtn8", "TBitBtn", std::nullopt},
      {"Image1", "TImage", std::nullopt},
      {"Image4", "TImage", std::nullopt, {}, -1, false},
      {"Image23", "TImage", std::nullopt, {}, -1, false},
      {"Image21", "TImage", std::nullopt, {}, -1, false},
      {"Image17", "TImage", std::nullopt, {}, -1, false},
      {"Image18", "TImage", std::nullopt, {}, -1, false},
      {"Label169", "TLabel", std::nullopt, {}, -1, false},
      {"Label170", "TLabel", std::nullopt, {}, -1, false},
      {"Label171", "TLabel", std::nullopt, {}, -1, false},
      {"Label172", "TLabel", std::nullopt, {}, -1, false},
      {"Label173", "TLabel", std::nullopt, {}, -1, false},
  };
  return table;
}

std::vector<std::string> Materials() {
  return {"FR-4 STD",      "FR-5",         "FR406",        "FR408",        "Getek ML200C",
          "Getek ML200D",  "Getek ML200M", "Getek RG200D", "Isola P95",    "Isola P96",
          "Isola P26N",    "RO2800",       "RO3003",       "RO3006",       "RO3010",
          "RO4003",        "RO4350",       "RT5500",       "RT5870",       "RT5880",
          "RT6002",        "RT6006",       "RT6010",       "Teflon PTFE",  "Arlon 25N",
          "Arlon 33N",     "Arlon 85N",    "PCL-FR-226",   "PCL-FR-240",   "PCL-FR-370",
          "PCL-FR-370HR",  "N4000-7 EF",   "N4000-13",     "N4000-13SI",   "N4000-13 EP",
          "N4000-13 EPSI", "N4000-29",     "N7000-1",      "Ventec VT-47", "Ventec VT-901",
          "Ventec VT-90H", "Megtron6",     "Kappa 438",    "Kapton",       "Air",
          "Custom"};
}

// The crosstalk window in microstrip mode.
const std::vector<Expect>& CrosstalkStates() {
  static const std::vector<Expect> table = {
      {"ComboBox1", "TComboBox", std::nullopt, Materials(), 0},
      {"Edit7", "TEdit", "4.6"},
      {"RadioGroup1", "TRadioGroup", " Conductor Type ", {"Microstrip", "Stripline"}, 0},
      {"Edit146", "TEdit", "1"},
      {"Edit147", "TEdit", "ns", {}, -1, true, true},
      {"Edit148", "TEdit", "5"},
      {"Edit149", "TEdit", "Volts", {}, -1, true, true},
      {"Edit195", "TEdit", "250"},
      {"Edit196", "TEdit", "mils", {}, -1, true, true},
      {"Edit203", "TEdit", "10"},
      {"Edit204", "TEdit", "mils", {}, -1, true, true},
      {"Edit197", "TEdit", "30"},
      {"Edit198", "TEdit", "mils", {}, -1, true, true},
      {"Label197", "TLabel", "Conductor Height (H1)", {}, -1, false},
      {"Edit199", "TEdit", "20", {}, -1, false},
      {"Edit200", "TEdit", "mils", {}, -1, false, true},
      {"Label198", "TLabel", "Conductor Height (H2)", {}, -1, false},
      {"Edit201", "TEdit", "10", {}, -1, false},
      {"Edit202", "TEdit", "mils", {}, -1, false, true},
      {"Edit205", "TEdit", "", {}, -1, true, true},
      {"Edit207", "TEdit", "", {}, -1, true, true},
      {"Button1", "TButton", "Solve!"},
      {"Image70", "TImage", std::nullopt},
      {"Image29", "TImage", std::nullopt},
      {"Image30", "TImage", std::nullopt, {}, -1, false},
  };
  return table;
}

// Read-only boxes that are not unit boxes carry results: navy, bold, no tab stop.
void CheckResults(vcl::TForm& form, const std::vector<Expect>& table) {
  for (const Expect& e : table) {
    auto* edit = form.Find<vcl::TEdit>(e.name);
    if (!edit || !edit->ReadOnly()) continue;
    SCOPED_TRACE(form.Name + "." + e.name);
    EXPECT_FALSE(edit->TabStop);
    if (edit->Text().empty()) {
      EXPECT_EQ(edit->Font().Color, vcl::clNavy);
      EXPECT_EQ(edit->Font().Style, unsigned{vcl::fsBold});
    }
  }
}

// Visible children lie inside their parent and clear of one another.
void CheckPlacement(const vcl::TControl& parent) {
  SCOPED_TRACE(parent.Name);
  std::vector<vcl::TControl*> shown;
  for (vcl::TControl* c : parent.Children())
    if (c->Visible()) shown.push_back(c);
  for (const vcl::TControl* c : shown) {
    ExpectInsideParent(*c);
    if (!c->Children().empty()) CheckPlacement(*c);
  }
  ExpectApart(shown);
}

void CheckPictures(const vcl::TControl& parent) {
  const auto dir = PictureDir();
  for (const vcl::TControl* c : parent.Children()) {
    if (auto* image = dynamic_cast<const vcl::TImage*>(c)) {
      SCOPED_TRACE(image->Name);
      EXPECT_FALSE(image->Picture().empty());
      EXPECT_TRUE(image->Stretch && image->Proportional);
      if (dir) {
        EXPECT_TRUE(std::filesystem::exists(PictureFile(*dir, image->Picture())));
      }
    }
    CheckPictures(*c);
  }
}

}  // namespace

TEST(DiffPairLayout, PanelStartsInTheEdgeCoupledExternalArrangement) {
  Harness h;
  h.Create();
  ExpectStates(h.Main(), PanelStates());
  CheckResults(h.Main(), PanelStates());
}

TEST(DiffPairLayout, ToleranceWindowStartsAtItsDesignState) {
  Harness h;
  h.Create();
  auto& f = h.Main();
  EXPECT_EQ(f.TrackBar1->Min(), 0);
  EXPECT_EQ(f.TrackBar1->Max(), 9);
  EXPECT_EQ(f.TrackBar1->Position(), 4);
  EXPECT_EQ(f.Shape1->BrushColor, vcl::clLime);
}

// The structure selector moves these rows; their places are fixed.
TEST(DiffPairLayout, MovingRowsStandAtTheirDesignTops) {
  Harness h;
  h.Create();
  auto& f = h.Main();
  struct Row {
    vcl::TControl* caption;
    vcl::TControl* box;
    vcl::TControl* unit;
    int top;
  };
  const Row rows[] = {{f.Label58, f.Edit32, f.Edit65, 208},
                      {f.Label391, f.Edit394, f.Edit395, 208},
                      {f.Label47, f.Edit398, f.Edit399, 264},
                      {f.Label401, f.Edit400, f.Edit401, 320}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.box->Name);
    EXPECT_EQ(r.caption->Top(), r.top);
    EXPECT_EQ(r.box->Top(), r.top + 24);
    EXPECT_EQ(r.unit->Top(), r.top + 28);
  }
}

TEST(DiffPairLayout, PanelFitsInBothRowArrangements) {
  Harness h;
  h.Create();
  auto& f = h.Main();
  CheckPlacement(*f.GroupBox8);
  // The two structures with a second height show it and move three rows down by one.
  for (const char* name : {"Label58", "Edit32", "Edit65"}) ControlNamed(f, name).SetVisible(true);
  for (const char* name : {"Label391", "Edit394", "Edit395", "Label47", "Edit398", "Edit399",
                           "Label401", "Edit400", "Edit401"}) {
    vcl::TControl& c = ControlNamed(f, name);
    c.SetTop(c.Top() + 56);
  }
  f.Image1->SetVisible(false);
  f.Image23->SetVisible(true);
  CheckPlacement(*f.GroupBox8);
}

TEST(DiffPairLayout, CrosstalkWindowStartsInMicrostripMode) {
  Harness h;
  h.Create();
  auto& w = dynamic_cast<trellis::TForm12&>(h.Window("Form12"));
  EXPECT_EQ(w.Caption(), "Crosstalk Calculator");
  EXPECT_EQ(w.ClientWidth(), 580);
  EXPECT_EQ(w.ClientHeight(), 579);
  EXPECT_EQ(w.BorderStyle, vcl::TFormBorderStyle::bsDialog);
  EXPECT_EQ(w.Position, vcl::TPosition::poScreenCenter);
  EXPECT_EQ(w.Edit7->MaxLength(), 8);
  ExpectStates(w, CrosstalkStates());
  CheckResults(w, CrosstalkStates());
}

TEST(DiffPairLayout, CrosstalkWindowFitsInBothConductorTypes) {
  Harness h;
  h.Create();
  auto& w = dynamic_cast<trellis::TForm12&>(h.Window("Form12"));
  // Every control sits in the one group box, which fills the client area.
  ASSERT_EQ(w.Children().size(), 1u);
  EXPECT_LE(w.GroupBox51->Left() + w.GroupBox51->Width(), w.ClientWidth());
  EXPECT_LE(w.GroupBox51->Top() + w.GroupBox51->Height(), w.ClientHeight());
  CheckPlacement(*w.GroupBox51);
  for (const char* name : {"Label197", "Edit199", "Edit200", "Label198", "Edit201", "Edit202"})
    ControlNamed(w, name).SetVisible(true);
  w.Image29->SetVisible(false);
  w.Image30->SetVisible(true);
  CheckPlacement(*w.GroupBox51);
}

TEST(DiffPairLayout, EveryPictureExists) {
  Harness h;
  h.Create();
  CheckPictures(*h.Main().GroupBox8);
  CheckPictures(h.Window("Form12"));
}
