// Design state of the conductor, fusing, spacing and thermal panels: what the
// panel handlers and solves rely on when the program starts.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "tests/support/layout_checks.h"

using namespace trellis::testing;

namespace {

const char* const kPanels[] = {"GroupBox5", "GroupBox33", "GroupBox13", "GroupBox27"};

using Expect = ControlState;

const std::vector<Expect>& DesignStates() {
  static const std::vector<Expect> table = {
      // Conductor properties: the arrangement for "Amperage", one conductor, no plane, "DC" clear.
      {"GroupBox5", "TGroupBox", " Conductor Characteristics "},
      {"RadioGroup8", "TRadioGroup", " Solve For ", {"Amperage", "Conductor Width"}, 0},
      {"RadioGroup15", "TRadioGroup", "  Parallel Conductors? ", {"No", "Yes"}, 0},
      {"RadioGroup2", "TRadioGroup", " Plane Present? ", {"No", "Yes"}, 0},
      {"CheckBox1", "TCheckBox", "DC"},
      {"BitBtn1", "TBitBtn", "Help"},
      {"Label17", "TLabel", "Conductor Width"},
      {"Edit15", "TEdit", "50"},
      {"Edit57", "TEdit", "mils", {}, -1, true, true},
      {"Edit18", "TEdit", "1000"},
      {"Edit58", "TEdit", "mils", {}, -1, true, true},
      {"Label235", "TLabel", "PCB Thickness"},
      {"Edit126", "TEdit", "62"},
      {"Edit127", "TEdit", "mils", {}, -1, true, true},
      {"Label236", "TLabel", "Parallel Conductor Count", {}, -1, false},
      {"Edit128", "TEdit", "16", {}, -1, false},
      {"Label37", "TLabel", "Distance to Plane", {}, -1, false},
      {"Edit132", "TEdit", "10", {}, -1, false},
      {"Edit133", "TEdit", "mils", {}, -1, false, true},
      {"Edit130", "TEdit", "1"},
      {"Edit131", "TEdit", "MHz", {}, -1, true, true},
      {"Label405", "TLabel", "Load Current"},
      {"Edit69", "TEdit", "5"},
      {"Edit407", "TEdit", "Amps", {}, -1, true, true},
      {"Label53", "TLabel", "Loaded Voltage Drop"},
      {"Edit406", "TEdit", std::nullopt},  // takes typing, rewritten by every solve
      {"Label18", "TLabel", "Conductor Cross Section"},
      {"Label19", "TLabel", "Conductor Current"},
      {"Label237", "TLabel", "Skin Depth"},
      {"Label239", "TLabel", "Skin Depth Percentage"},
      {"Label339", "TLabel", "Etch Factor has been set", {}, -1, false},
      {"Label340", "TLabel", "to None for accuracy.", {}, -1, false},
      {"Label243", "TLabel", "IPC-2152 with modifiers mode"},
      {"Label126", "TLabel", "None"},
      {"Button20", "TButton", "Open Voltage Drop", {}, -1, false},
      {"Label351", "TLabel", "Label351", {}, -1, false},
      {"Image15", "TImage", std::nullopt},
      {"Image3", "TImage", std::nullopt, {}, -1, false},
      {"Image49", "TImage", std::nullopt, {}, -1, false},
      {"Image50", "TImage", std::nullopt, {}, -1, false},
      {"Image51", "TImage", std::nullopt, {}, -1, false},
      {"Image52", "TImage", std::nullopt, {}, -1, false},
      {"Image53", "TImage", std::nullopt, {}, -1, false},
      {"Image54", "TImage", std::nullopt, {}, -1, false},
      {"Image69", "TImage", std::nullopt},
      {"Image68", "TImage", std::nullopt, {}, -1, false},
      {"Image73", "TImage", std::nullopt, {}, -1, false},

      // Fusing current.
      {"GroupBox33", "TGroupBox", " Fusing Current "},
      {"Label241", "TLabel", "Conductor Width"},
      {"Edit140", "TEdit", "10"},
      {"Edit155", "TEdit", "mils", {}, -1, true, true},
      {"Edit153", "TEdit", "1"},
      {"Edit156", "TEdit", "Seconds", {}, -1, true, true},
      {"Edit337", "TEdit", "1"},
      {"Label355", "TLabel", "1084.62\u00b0C"},
      {"Label124", "TLabel", "Cross section in circular mils:"},
      {"Label379", "TLabel", "Etch Factor:"},
      {"Label380", "TLabel", "None"},
      {"Label275", "TLabel", "Onderdonk\u2019s Equation:"},
      {"Label276", "TLabel", "I = A*(log(1 + (Tm-Ta)/(234+Ta))/33*s)^0.5"},
      {"Button17", "TButton", "Onderdonk Multiplier"},
      {"Image75", "TImage", std::nullopt},
      {"Image74", "TImage", std::nullopt, {}, -1, false},
      {"Image76", "TImage", std::nullopt, {}, -1, false},

      // Minimum conductor spacing: band "0 -15V", type B1, voltage box off.
      {"GroupBox13", "TGroupBox", " Minimum Conductor Spacing "},
      {"RadioGroup9",
       "TRadioGroup",
       " Voltage Between Conductors ",
       {"0 -15V", "16 - 30V", "31 - 50V", "51 - 100V", "101 - 150V", "151 - 170V", "171 - 250V",
        "251 - 300V", "301 - 500V", "> 500V"},
       0},
      {"RadioGroup10",
       "TRadioGroup",
       " Device Type Selection ",
       {"B1 - Bare PCB", "B2 - Bare PCB", "B3 - Bare PCB", "B4 - Bare PCB", "A5 - Assembly",
        "A6 - Assembly", "A7 - Assembly"},
       0},
      {"Label21", "TLabel", "Voltage between conductors", {}, -1, true, false, false},
      {"Edit79", "TEdit", "501", {}, -1, true, false, false},
      {"Label97", "TLabel", "Minimum Conductor Spacing"},
      {"Edit51", "TEdit", "0.05mm", {}, -1, true, true},
      {"Label168", "TLabel", "+3050m", {}, -1, false},
      {"Button11", "TButton", "IPC-2221B Values"},
      {"Image38", "TImage", std::nullopt},
      {"Image37", "TImage", std::nullopt, {}, -1, false},
      {"Image39", "TImage", std::nullopt, {}, -1, false},
      {"Image40", "TImage", std::nullopt, {}, -1, false},
      {"Image41", "TImage", std::nullopt, {}, -1, false},
      {"Image42", "TImage", std::nullopt, {}, -1, false},

      // Thermal management.
      {"GroupBox27", "TGroupBox", " Thermal Management "},
      {"GroupBox28", "TGroupBox", " Device Junction Temperature "},
      {"GroupBox29", "TGroupBox", " Heat Sink Selection "},
      {"Edit116", "TEdit", "3"},
      {"Edit118", "TEdit", "\u00b0C/W", {}, -1, true, true},
      {"Edit117", "TEdit", "5"},
      {"Edit120", "TEdit", "Watts", {}, -1, true, true},
      {"Edit119", "TEdit", " ", {}, -1, true, true},
      {"Edit121", "TEdit", "25"},
      {"Edit122", "TEdit", "\u00b0C/W", {}, -1, true, true},
      {"Edit124", "TEdit", "5"},
      {"Edit125", "TEdit", "Watts", {}, -1, true, true},
      {"Edit123", "TEdit", std::nullopt, {}, -1, true, true},
  };
  return table;
}

std::vector<vcl::TControl*> PanelControls(vcl::TForm& f) { return ControlsWithin(f, kPanels); }

class ConductorLayout : public ::testing::Test {
 protected:
  void SetUp() override { h.Create(); }
  Harness h;
};

TEST_F(ConductorLayout, ControlsHaveTheirDesignState) {
  auto& f = h.Main();
  ExpectStates(f, DesignStates(), {.within = kPanels});
  EXPECT_FALSE(f.CheckBox1->Checked());
}

TEST_F(ConductorLayout, ResultsAreBoldNavyAndInputsKeepTheirLimits) {
  auto& f = h.Main();
  for (vcl::TEdit* e :
       {f.Edit16, f.Edit17, f.Edit20, f.Edit48, f.Edit135, f.Edit78, f.Edit406, f.Edit129,
        f.Edit134, f.Edit159, f.Edit160, f.Edit51, f.Edit119, f.Edit123}) {
    SCOPED_TRACE(e->Name);
    EXPECT_EQ(e->Font().Color, vcl::clNavy);
    EXPECT_EQ(e->Font().Style, static_cast<unsigned>(vcl::fsBold));
  }
  for (vcl::TEdit* e : {f.Edit15, f.Edit18, f.Edit116, f.Edit117, f.Edit121, f.Edit124})
    EXPECT_EQ(e->MaxLength(), 8) << e->Name;
  // The width/current swap moves the unit box between these two places.
  EXPECT_EQ(f.Edit57->Left(), 508);
  EXPECT_EQ(f.Edit57->Width(), 41);
  EXPECT_LE(f.Edit15->Left() + f.Edit15->Width(), 493);
  EXPECT_FALSE(f.Edit79->TabStop);
  EXPECT_FALSE(f.Edit51->TabStop);
}

TEST_F(ConductorLayout, EveryPictureExistsAtItsControlsSize) {
  const auto dir = PictureDir();
  if (!dir) GTEST_SKIP() << "TRELLIS_SOURCE_DIR is not set";
  ExpectPicturesAtSize(ImagesOf(PanelControls(h.Main())), *dir, 23u);
}

// Siblings must not cover each other and must lie inside their parent; only
// the alternative pictures of one place share it.
TEST_F(ConductorLayout, ControlsNeitherOverlapNorLeaveTheirParent) {
  const std::vector<vcl::TControl*> controls = PanelControls(h.Main());
  for (vcl::TControl* c : controls)
    if (!OnPanelStack(*c)) ExpectInsideParent(*c);
  ExpectApart(controls, [](const vcl::TControl& a, const vcl::TControl& b) {
    return OnPanelStack(a) || BothImages(a, b);
  });
}

TEST_F(ConductorLayout, TabOrderIsUniqueWithinEachParent) {
  ExpectUniqueTabOrder(PanelControls(h.Main()), OnPanelStack);
}

}  // namespace
