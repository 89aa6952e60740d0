// Design state of the bandwidth, conductor-impedance, Er-effective and
// wavelength panels, and whether each arrangement the panel handlers make
// of them stays free of overlaps.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "app/form1.h"
#include "tests/support/harness.h"
#include "tests/support/layout_checks.h"
#include "vcl/user.h"

using namespace trellis::testing;

namespace {

const char* const kPanels[] = {"GroupBox6", "GroupBox15", "GroupBox43", "GroupBox22"};

using Expect = ControlState;

const std::string kMaxLengthHint =
    "Maximum length a conductor can be before it is considered a transmission line. ";
const std::string kAboveHint = "Enter the conductor's distance above its reference plane.";
const std::string kLinkHint = "Click for internet resource.";

const std::vector<Expect>& DesignStates() {
  static const std::vector<Expect> table = {
      // Bandwidth: the risetime method.
      {"GroupBox6", "TGroupBox", " Bandwidth && Max Conductor Length "},
      {"RadioGroup12",
       "TRadioGroup",
       " Input Method ",
       {"Signal Risetime", "Frequency"},
       0,
       true,
       false,
       true,
       "Select input method."},
      {"RadioGroup20",
       "TRadioGroup",
       " f Units ",
       {"GHz", "MHz", "KHz", "Hz"},
       1,
       false,
       false,
       true,
       "Select units for frequency."},
      {"Label30", "TLabel", "Signal Risetime"},
      {"Edit19", "TEdit", "1", {}, -1, true, false, true, "Enter the signal risetime."},
      {"Edit279", "TEdit", "ns", {}, -1, true, true},
      {"GroupBox41", "TGroupBox", " IPC-2251 Method "},
      {"Edit22", "TEdit", "", {}, -1, true, true},
      {"Edit43", "TEdit", "", {}, -1, true, false},
      {"Edit44", "TEdit", "0.25Sr", {}, -1, true, true, false, "Value of Sr."},
      {"Edit24", "TEdit", "", {}, -1, true, true, true, kMaxLengthHint},
      {"GroupBox42", "TGroupBox", " Frequency Domain Method "},
      {"Edit23", "TEdit", "", {}, -1, true, true},
      {"Edit47", "TEdit", "1/7", {}, -1, true, true, false, "Lambda divide by amount."},
      {"Edit45", "TEdit", "", {}, -1, true, true, true, kMaxLengthHint},
      {"Button10", "TButton", "Speed of Light", {}, -1, true, false, true, kLinkHint},

      // Conductor impedance: the arrangement for "Microstrip".
      {"GroupBox15", "TGroupBox", " Conductor Impedance "},
      {"Edit67", "TEdit", "17", {}, -1, true, false, true, "Enter the width of the conductor."},
      {"Edit71", "TEdit", "mils", {}, -1, true, true},
      {"Label101", "TLabel", "Conductor Height (H)"},
      {"Edit68", "TEdit", "10", {}, -1, true, false, true, kAboveHint},
      {"Edit72", "TEdit", "mils", {}, -1, true, true},
      {"Label104", "TLabel", std::nullopt, {}, -1, false},
      {"Edit74", "TEdit", "8", {}, -1, false},
      {"Edit75", "TEdit", "mils", {}, -1, false, true},
      {"Label288", "TLabel", "Frequency (MHz)"},
      {"Edit226", "TEdit", "500"},
      {"Edit70", "TEdit", "", {}, -1, true, true, true, "Impedance of the conductor."},
      {"Label115", "TLabel", "Tpd"},
      {"Edit77", "TEdit", "", {}, -1, true, true},
      {"Label114", "TLabel", "Co"},
      {"Edit76", "TEdit", "", {}, -1, true, true},
      {"Label54", "TLabel", "Lo"},
      {"Edit73", "TEdit", "", {}, -1, true, true},
      {"Label107", "TLabel", "(W) = ", {}, -1, false},
      {"Label108", "TLabel", std::nullopt, {}, -1, false},
      {"Label111", "TLabel", "(H) = ", {}, -1, false},
      {"Label112", "TLabel", std::nullopt, {}, -1, false},
      {"Label260", "TLabel", "Ohm = ", {}, -1, false},
      {"Label261", "TLabel", std::nullopt, {}, -1, false},
      {"Label116", "TLabel", std::nullopt, {}, -1, false},
      {"Label57", "TLabel", "Formula Restrictions:", {}, -1, false},
      {"Label85", "TLabel", "0.1 < W/H < 3.0", {}, -1, false},
      {"Label86", "TLabel", "1 < Er < 15", {}, -1, false},
      {"Label246", "TLabel", "0.25 < T/H", {}, -1, false},
      {"Label188", "TLabel", "Attention!", {}, -1, false},
      {"Label191", "TLabel", "Please use Stripline Calculator if H1 = H2", {}, -1, false},
      {"RadioGroup24",
       "TRadioGroup",
       " Formula Selection ",
       {"Default", "IPC-2141", "Wadell"},
       0,
       false},
      {"BitBtn3",
       "TBitBtn",
       std::nullopt,
       {},
       -1,
       false,
       false,
       true,
       "Click for help on this topic."},
      {"Image8", "TImage", std::nullopt},
      {"Image16", "TImage", std::nullopt, {}, -1, false},
      {"Image22", "TImage", std::nullopt, {}, -1, false},
      {"Image9", "TImage", std::nullopt, {}, -1, false},
      {"Image47", "TImage", std::nullopt, {}, -1, false},
      {"Image19", "TImage", std::nullopt, {}, -1, false},

      // Er effective.
      {"GroupBox43", "TGroupBox", " Er Effective "},
      {"Edit25", "TEdit", "17", {}, -1, true, false, true, "Enter the width of the conductor."},
      {"Edit222", "TEdit", "mils", {}, -1, true, true},
      {"Edit46", "TEdit", "10", {}, -1, true, false, true, kAboveHint},
      {"Edit223", "TEdit", "mils", {}, -1, true, true},
      {"Edit224", "TEdit", "500", {}, -1, true, false, true, "Enter the frequency in MHz."},
      {"Edit221", "TEdit", "", {}, -1, true, true, true, "Er Effective based on inputs."},
      {"Edit225", "TEdit", "", {}, -1, false, true},
      {"Button5",
       "TButton",
       "Send to Wavelength Calculator",
       {},
       -1,
       true,
       false,
       true,
       "Send results to Wavelength Calculator."},
      {"Button16", "TButton", "Er Effective Information", {}, -1, true, false, true, kLinkHint},
      {"Label81", "TLabel", "Note:"},

      // Wavelength: the period method.
      {"GroupBox22", "TGroupBox", " Wavelength Calculator "},
      {"RadioGroup22",
       "TRadioGroup",
       " Input Method ",
       {"Period", "Frequency"},
       0,
       true,
       false,
       true,
       "Select input method."},
      {"RadioGroup21",
       "TRadioGroup",
       " Units ",
       {"ns", "ps"},
       0,
       true,
       false,
       true,
       "Select units for time."},
      {"Label220", "TLabel", "Period"},
      {"Edit103", "TEdit", "10", {}, -1, true, false, true, "Enter the signal period."},
      {"Edit280", "TEdit", "ns", {}, -1, true, true},
      {"Edit150",
       "TEdit",
       "4",
       {},
       -1,
       true,
       false,
       true,
       "Enter effective dielectric constant; this may not always be the Er of the PCB "
       "substrate."},
      {"Label222", "TLabel", "Full Wave Length"},
      {"Edit104",
       "TEdit",
       "",
       {},
       -1,
       true,
       true,
       true,
       "Wavelength for given frequency in substrate."},
      {"Button4", "TButton", "Er Eff Calculator"},
      {"Button7", "TButton", "Wavelength Information", {}, -1, true, false, true, kLinkHint},
      {"Button8", "TButton", "Er Effective Information", {}, -1, true, false, true, kLinkHint},
      {"Button9", "TButton", "Speed of Light", {}, -1, true, false, true, kLinkHint},
  };
  return table;
}

std::vector<vcl::TControl*> PanelControls(vcl::TForm& f) { return ControlsWithin(f, kPanels); }

// Pairs of shown siblings that cover each other, inside one panel.
std::vector<std::string> Overlaps(vcl::TForm& f, const std::string& panel) {
  std::vector<std::string> out;
  for (const auto& [a, b] : OverlappingSiblings(ShownUnder(PanelControls(f), panel)))
    out.push_back(a->Name + " / " + b->Name);
  return out;
}

class ImpedanceLayout : public ::testing::Test {
 protected:
  void SetUp() override { h.Create(); }
  Harness h;
};

TEST_F(ImpedanceLayout, ControlsHaveTheirDesignState) {
  ExpectStates(h.Main(), DesignStates(), {.within = kPanels});
}

TEST_F(ImpedanceLayout, SlidersResultsAndLimits) {
  auto& f = h.Main();
  const std::vector<std::tuple<vcl::TTrackBar*, int, int, int>> sliders = {
      {f.TrackBar2, 0, 6, 1}, {f.TrackBar3, 0, 3, 1}, {f.TrackBar4, 0, 8, 0}};
  for (const auto& [bar, min, max, position] : sliders) {
    SCOPED_TRACE(bar->Name);
    EXPECT_EQ(bar->Min(), min);
    EXPECT_EQ(bar->Max(), max);
    EXPECT_EQ(bar->Position(), position);
  }
  for (vcl::TEdit* e : {f.Edit22, f.Edit43, f.Edit23, f.Edit70, f.Edit77, f.Edit76, f.Edit73,
                        f.Edit221, f.Edit104}) {
    EXPECT_EQ(e->Font().Color, vcl::clNavy) << e->Name;
    EXPECT_EQ(e->Font().Style, static_cast<unsigned>(vcl::fsBold)) << e->Name;
  }
  for (vcl::TEdit* e : {f.Edit24, f.Edit45}) EXPECT_EQ(e->Font().Color, vcl::clRed) << e->Name;
  EXPECT_EQ(f.Edit19->MaxLength(), 12);
  // The unit labels' places are moved by the unit handlers; these are the design ones.
  EXPECT_EQ(f.Edit279->Left(), 146);
  EXPECT_EQ(f.Edit279->Width(), 28);
  EXPECT_EQ(f.Edit280->Left(), 138);
  EXPECT_EQ(f.Edit280->Width(), 23);
  for (vcl::TEdit* e : {f.Edit71, f.Edit72, f.Edit75, f.Edit222, f.Edit223, f.Edit279, f.Edit280})
    EXPECT_FALSE(e->TabStop) << e->Name;
  EXPECT_EQ(f.BitBtn3->Kind, "bkHelp");
}

TEST_F(ImpedanceLayout, EveryPictureExistsAtItsControlsSize) {
  const auto dir = PictureDir();
  if (!dir) GTEST_SKIP() << "TRELLIS_SOURCE_DIR is not set";
  ExpectPicturesAtSize(ImagesOf(PanelControls(h.Main())), *dir, 9u);
}

TEST_F(ImpedanceLayout, ControlsLieInsideTheirParent) {
  for (vcl::TControl* c : PanelControls(h.Main()))
    if (!OnPanelStack(*c)) ExpectInsideParent(*c);
}

TEST_F(ImpedanceLayout, TabOrderIsUniqueWithinEachParent) {
  ExpectUniqueTabOrder(PanelControls(h.Main()), OnPanelStack);
}

// The panels as the user arranges them: started, picked, and each choice made
// through its group, so the handlers' own arrangements are the ones checked.
class ArrangedImpedanceLayout : public ::testing::Test {
 protected:
  void SetUp() override { h.Start(); }
  trellis::TForm1& f() { return h.Main(); }
  void Pick(trellis::Calculator c) { vcl::user::PickTab(*f().TabControl1, trellis::Number(c)); }
  void Choose(vcl::TRadioGroup* group, int item) { vcl::user::ChooseItem(*group, item); }
  Harness h;
};

TEST_F(ArrangedImpedanceLayout, EveryImpedanceStructureLeavesItsControlsApart) {
  Pick(trellis::Calculator::ConductorImpedance);
  const vcl::TImage* pictures[] = {f().Image8, f().Image16, f().Image22,
                                   f().Image9, f().Image47, f().Image19};
  for (int s : {1, 2, 3, 4, 5, 0}) {
    SCOPED_TRACE("structure " + std::to_string(s));
    Choose(f().RadioGroup3, s);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pictures[i]->Visible(), i == s) << i;
    EXPECT_EQ(Overlaps(f(), "GroupBox15"), std::vector<std::string>{});
  }
  // The offset stripline's warning when H1 = H2, among the formula choices.
  Choose(f().RadioGroup3, 3);
  vcl::user::TypeText(*f().Edit74, f().Edit68->Text());
  vcl::user::Click(*f().Button1);
  ASSERT_TRUE(f().Label188->Visible());
  ASSERT_TRUE(f().RadioGroup24->Visible());
  EXPECT_EQ(Overlaps(f(), "GroupBox15"), std::vector<std::string>{});
}

TEST_F(ArrangedImpedanceLayout, BothBandwidthMethodsAndEveryUnitLabelPlaceStayApart) {
  Pick(trellis::Calculator::Bandwidth);
  EXPECT_EQ(Overlaps(f(), "GroupBox6"), std::vector<std::string>{});
  // The frequency method shows the unit group and hides the rise-distance box.
  Choose(f().RadioGroup12, 1);
  ASSERT_TRUE(f().RadioGroup20->Visible());
  ASSERT_FALSE(f().GroupBox41->Visible());
  for (int unit : {0, 1, 2, 3}) {
    Choose(f().RadioGroup20, unit);
    EXPECT_EQ(Overlaps(f(), "GroupBox6"), std::vector<std::string>{}) << f().Edit279->Text();
  }
}

TEST_F(ArrangedImpedanceLayout, BothWavelengthMethodsAndEveryUnitLabelPlaceStayApart) {
  Pick(trellis::Calculator::Wavelength);
  for (int method : {0, 1}) {
    Choose(f().RadioGroup22, method);
    for (int unit = 0; unit < f().RadioGroup21->Items().Count(); ++unit) {
      Choose(f().RadioGroup21, unit);
      EXPECT_EQ(Overlaps(f(), "GroupBox22"), std::vector<std::string>{}) << f().Edit280->Text();
    }
  }
  // The frequency units fill the unit group with four items; it must hold them.
  ASSERT_EQ(f().RadioGroup21->Items().Count(), 4);
  const int rows = (f().RadioGroup21->Items().Count() + f().RadioGroup21->Columns - 1) /
                   f().RadioGroup21->Columns;
  EXPECT_GE(f().RadioGroup21->Height(), 24 + rows * 20);
}

TEST_F(ImpedanceLayout, ErEffectivePanelStaysApart) {
  EXPECT_EQ(Overlaps(h.Main(), "GroupBox43"), std::vector<std::string>{});
}

}  // namespace
