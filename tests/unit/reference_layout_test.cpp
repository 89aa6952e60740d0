// Design state of the conversion and mechanical-information panels and of the
// About, References, EDA Resources and PCB Design Rules windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "reference/design_rules_form.h"
#include "tests/support/harness.h"
#include "tests/support/layout_checks.h"

using namespace trellis::testing;

namespace {

const char* const kPanels[] = {"GroupBox7", "GroupBox11"};
const char* const kWindows[] = {"Form2", "Form5", "Form9", "Form11"};

struct Expect {
  const char* window;
  const char* name;
  const char* cls;
  std::optional<std::string> text;  // caption or edit text
  bool readOnly = false;            // edits and memos
  bool enabled = true;
  bool visible = true;
  std::optional<std::string> hint = std::nullopt;
};

const std::vector<Expect>& DesignStates() {
  static const std::vector<Expect> table = {
      // Conversion: inputs with their defaults, results read-only, unit boxes in imperial.
      {"Form1", "GroupBox7", "TGroupBox", " Units Conversion Data "},
      {"Form1", "GroupBox16", "TGroupBox", " Distance Conversion "},
      {"Form1", "Edit80", "TEdit", "10", false, true, true, "Enter the distance to be converted."},
      {"Form1", "Edit82", "TEdit", "mils", true},
      {"Form1", "Edit81", "TEdit", "", true, false, true, "Converted distnace."},
      {"Form1", "Edit83", "TEdit", "mm", true},
      {"Form1", "Edit142", "TEdit", "", true, false, true, "Converted distnace."},
      {"Form1", "Edit144", "TEdit", "in", true},
      {"Form1", "Edit143", "TEdit", "", true, false, true, "Converted distnace."},
      {"Form1", "Edit145", "TEdit", "um", true},
      {"Form1", "GroupBox18", "TGroupBox", " Temperature Conversion "},
      {"Form1", "Edit85", "TEdit", "72", false, true, true,
       "Enter the temperature to be converted."},
      {"Form1", "Edit86", "TEdit", "\u00b0F", true},
      {"Form1", "Edit84", "TEdit", "", true, false, true, "Converted temperature."},
      {"Form1", "Edit87", "TEdit", "\u00b0C", true},
      {"Form1", "GroupBox35", "TGroupBox", " dB to Voltage Gain Conversion "},
      {"Form1", "Edit167", "TEdit", "23", false, true, true, "Enter the dB gain to be converted."},
      {"Form1", "Edit166", "TEdit", "0", true, true, true, "Converted dB gain."},
      {"Form1", "Edit174", "TEdit", "-60", false, true, true,
       "Enter the dBm level to be converted."},
      {"Form1", "Edit402", "TEdit", "10", false, true, true,
       "Enter the value of the attenuator, if any."},
      {"Form1", "Edit175", "TEdit", "0", true, true, true, "dBm output level based on inputs."},
      {"Form1", "Edit176", "TEdit", "1", false, true, true,
       "Enter the voltage value to be converted."},
      {"Form1", "Edit177", "TEdit", "0", true, true, true, "Voltage output level based on inputs."},
      {"Form1", "GroupBox21", "TGroupBox", " Rectangular to Polar Conversion "},
      {"Form1", "Label178", "TLabel", "Real Value"},
      {"Form1", "Label179", "TLabel", "j Value"},
      {"Form1", "Label180", "TLabel", "Magnitude"},
      {"Form1", "Label181", "TLabel", "Angle (Degrees)"},
      {"Form1", "Edit215", "TEdit", "50", false, true, true,
       "Enter the real value of the complex number."},
      {"Form1", "Edit216", "TEdit", "0", false, true, true,
       "Enter the j vlaue of the complex number."},
      {"Form1", "Edit217", "TEdit", "", true, false, true, "Converted magnitude in Polar form."},
      {"Form1", "Edit218", "TEdit", "", true, false, true,
       "Converted angle, in degrees, in Polar form."},
      {"Form1", "CheckBox3", "TCheckBox", "swap"},
      {"Form1", "BitBtn4", "TBitBtn", "Send", false, true, true,
       "Send angular result to Radians to Degrees converter."},
      {"Form1", "GroupBox40", "TGroupBox", " Angular Conversion "},
      {"Form1", "Label184", "TLabel", "Degrees"},
      {"Form1", "Label185", "TLabel", "Radians"},
      {"Form1", "Edit219", "TEdit", "1", false, true, true,
       "Enter the degrees value to be converted to radians."},
      {"Form1", "Edit220", "TEdit", "", true, false, true,
       "Converted angle in radians from degrees."},
      {"Form1", "CheckBox2", "TCheckBox", "swap"},
      {"Form1", "Button23", "TButton", "PCB Design Rules"},
      {"Form1", "Button6", "TButton", "SI Prefixes", false, true, true,
       "Click for internet resource."},
      {"Form1", "Button12", "TButton", "dBm Chart", false, true, true,
       "Click for internet resource."},
      {"Form1", "Button13", "TButton", "Ohms Law", false, true, true,
       "Click for internet resource."},
      {"Form1", "Button14", "TButton", "Capacitor uF-nF-pF", false, true, true,
       "Click for internet resource."},
      {"Form1", "Button19", "TButton", "Resistor calculator", false, true, true,
       "Click for internet resource."},

      // Mechanical information: both thread charts visible until the units switch runs.
      {"Form1", "GroupBox11", "TGroupBox", " Mechanical Info "},
      {"Form1", "GroupBox12", "TGroupBox", " Wire Gauge "},
      {"Form1", "Label74", "TLabel", "AWG"},
      {"Form1", "Label75", "TLabel", "Diameter"},
      {"Form1", "Label200", "TLabel", "Ohms per 1000 feet"},
      {"Form1", "Label201", "TLabel", "Max amps for wiring"},
      {"Form1", "Label99", "TLabel", "Max amps, power tx"},
      {"Form1", "Edit41", "TEdit", "", true, true, true, "Diameter of selected wire."},
      {"Form1", "Edit95", "TEdit", "", true, true, true, "Resistance of selected wire."},
      {"Form1", "Edit102", "TEdit", "", true, true, true,
       "Maximum estimated amps for chassis wiring of selected wire."},
      {"Form1", "Edit141", "TEdit", "", true, true, true,
       "Maximum amps for power transmission. 700circular mils per amp rule."},
      {"Form1", "Label24", "TLabel", "Load (Amps)"},
      {"Form1", "Edit146", "TEdit", "5", false, true, true,
       "Enter the load amperage flowing through the wire."},
      {"Form1", "Label146", "TLabel", "Wire Length"},
      {"Form1", "Edit148", "TEdit", "10", false, true, true,
       "Length of wire, in feet or meters, depending on the units selected."},
      {"Form1", "Label28", "TLabel", "Voltage Drop"},
      {"Form1", "Edit147", "TEdit", "Edit147", true, true, true,
       "Voltage drop across wire for the selected length. One wire only."},
      {"Form1", "BitBtn11", "TBitBtn", "!", false, true, true, "Attention!"},
      {"Form1", "GroupBox14", "TGroupBox", " Drill Chart "},
      {"Form1", "Label202", "TLabel", "Drill #"},
      {"Form1", "Label203", "TLabel", "Dia(Inches)"},
      {"Form1", "Label204", "TLabel", "Dia(mm)"},
      {"Form1", "Memo1", "TMemo", std::nullopt, true, true, true,
       "Drill chart / Diameter of drills."},
      {"Form1", "GroupBox19", "TGroupBox", " Imperial Screw Thread Sizes "},
      {"Form1", "Label205", "TLabel", "Size"},
      {"Form1", "Label206", "TLabel", "Class"},
      {"Form1", "Label217", "TLabel", "Major Diameter"},
      {"Form1", "Label209", "TLabel", "Basic"},
      {"Form1", "Label207", "TLabel", "Max"},
      {"Form1", "Label208", "TLabel", "Min"},
      {"Form1", "Label218", "TLabel", "Pitch Diameter"},
      {"Form1", "Label213", "TLabel", "Basic"},
      {"Form1", "Label214", "TLabel", "Max"},
      {"Form1", "Label215", "TLabel", "Min"},
      {"Form1", "Label219", "TLabel", "Minor Diameter"},
      {"Form1", "Label216", "TLabel", "Max"},
      {"Form1", "Memo2", "TMemo", std::nullopt, true, true, true,
       "Imperial screw thread size chart."},
      {"Form1", "GroupBox46", "TGroupBox", " Metric Screw Thread Sizes "},
      {"Form1", "Label296", "TLabel", "Size"},
      {"Form1", "Label300", "TLabel", "Outside Diameter"},
      {"Form1", "Label298", "TLabel", "Metric"},
      {"Form1", "Label299", "TLabel", "Imperial"},
      {"Form1", "Memo4", "TMemo", std::nullopt, false, true, true,
       "Metric screw thread size chart."},

      // The separate windows.
      {"Form2", "Form2", "TForm2", "About Orvane, Inc. - Trellis"},
      {"Form2", "Button2", "TButton", "Program Feedback", false, true, true,
       "Send feedback about the Trellis to Orvane, Inc."},
      {"Form2", "Button1", "TButton", "Close", false, true, true, "Close"},
      {"Form5", "Form5", "TForm5", "Program References"},
      {"Form5", "Memo1", "TMemo", std::nullopt, true},
      {"Form9", "Form9", "TForm9", "EDA Resources (This form is a \"work in progress\" resource.)"},
      {"Form9", "GroupBox1", "TGroupBox", " Schematic Symbols / PCB Footprints "},
      {"Form9", "GroupBox2", "TGroupBox", " 3D Models "},
      {"Form9", "GroupBox3", "TGroupBox", " Simulations "},
      {"Form9", "GroupBox4", "TGroupBox", " PCB / SI Learning "},
      {"Form9", "GroupBox5", "TGroupBox", " Miscellaneous "},
      {"Form9", "GroupBox6", "TGroupBox", " Books / Standards "},
      {"Form11", "Form11", "TForm11", "PCB Design Rules"},
      {"Form11", "GroupBox1", "TGroupBox", " Generic Copper Weight vs. Conductor Spacing Chart "},
      {"Form11", "Label1", "TLabel", "Copper Weight"},
      {"Form11", "Label2", "TLabel", "Minimum Gerber Width"},
      {"Form11", "Button1", "TButton", "Close"},
  };
  return table;
}

// The controls of the two panels and of the four windows (the forms themselves excluded).
std::vector<vcl::TControl*> OwnControls(Harness& h) {
  std::vector<vcl::TControl*> out = ControlsWithin(h.Main(), kPanels);
  for (const char* w : kWindows)
    for (vcl::TComponent* comp : h.Window(w).Components())
      if (auto* c = dynamic_cast<vcl::TControl*>(comp); c && comp != &h.Window(w)) out.push_back(c);
  return out;
}

std::vector<std::string> Split(const std::string& line, char sep) {
  std::vector<std::string> out;
  std::string field;
  std::istringstream in(line);
  if (sep == ' ') {
    while (in >> field) out.push_back(field);
  } else {
    while (std::getline(in, field, sep)) out.push_back(field);
  }
  return out;
}

double Number(const std::string& s) { return std::stod(s); }

class ReferenceLayout : public ::testing::Test {
 protected:
  void SetUp() override { h.Create(); }
  Harness h;
};

TEST_F(ReferenceLayout, ControlsHaveTheirDesignState) {
  for (const Expect& e : DesignStates()) {
    SCOPED_TRACE(std::string(e.window) + "." + e.name);
    auto* c = dynamic_cast<vcl::TControl*>(&h.Component(e.window, e.name));
    ASSERT_NE(c, nullptr);
    StateChecks checks{.memoReadOnly = true};
    if (std::string(e.window) == "Form1") checks.within = kPanels;
    ExpectState(*c, {e.name, e.cls, e.text, {}, -1, e.visible, e.readOnly, e.enabled, e.hint},
                checks);
  }
  auto& f = h.Main();
  EXPECT_FALSE(f.CheckBox2->Checked());
  EXPECT_FALSE(f.CheckBox3->Checked());
}

TEST_F(ReferenceLayout, ResultsAreBoldNavyAndWireResultsTakeNoTabStop) {
  auto& f = h.Main();
  for (vcl::TEdit* e : {f.Edit81, f.Edit142, f.Edit143, f.Edit84, f.Edit166, f.Edit175, f.Edit177,
                        f.Edit217, f.Edit218, f.Edit220, f.Edit41, f.Edit95, f.Edit102, f.Edit141,
                        f.Edit147, f.Edit146, f.Edit148}) {
    SCOPED_TRACE(e->Name);
    EXPECT_EQ(e->Font().Color, vcl::clNavy);
    EXPECT_EQ(e->Font().Style, static_cast<unsigned>(vcl::fsBold));
  }
  for (vcl::TEdit* e : {f.Edit41, f.Edit95, f.Edit102, f.Edit141, f.Edit147})
    EXPECT_FALSE(e->TabStop) << e->Name;
  EXPECT_EQ(f.BitBtn11->Font().Color, vcl::clRed);
  EXPECT_EQ(f.BitBtn11->Font().Style, static_cast<unsigned>(vcl::fsBold));
  for (vcl::TMemo* m : {f.Memo1, f.Memo2, f.Memo4}) {
    SCOPED_TRACE(m->Name);
    EXPECT_EQ(m->Font().Color, vcl::clNavy);
    EXPECT_EQ(m->Font().Style, static_cast<unsigned>(vcl::fsBold));
    EXPECT_EQ(m->ScrollBars, "ssVertical");
  }
}

TEST_F(ReferenceLayout, WireGaugeListRunsFromFourOughtToForty) {
  auto& f = h.Main();
  std::vector<std::string> expected = {"4/0", "3/0", "2/0", "1/0"};
  for (int i = 1; i <= 40; ++i) expected.push_back(std::to_string(i));
  EXPECT_EQ(f.ComboBox3->Items().Items(), expected);
  EXPECT_EQ(f.ComboBox3->ItemIndex(), 0);
  EXPECT_EQ(f.ComboBox3->Style, vcl::TComboBoxStyle::csDropDownList);
  EXPECT_TRUE(static_cast<bool>(f.ComboBox3->OnChange));
}

TEST_F(ReferenceLayout, DrillChartListsNumberThenLetterSizes) {
  const auto& lines = h.Main().Memo1->Lines().Items();
  ASSERT_EQ(lines.size(), 123u);
  EXPECT_FALSE(h.Main().Memo1->WordWrap);
  const std::vector<std::vector<std::string>> telling = {
      {"97", "0.0059", "0.14986"}, {"93", "0.0075", "0.1905"}, {"87", "0.0100", "0.2540"},
      {"80", "0.0135", "0.343"},   {"74", "0.0225", "0.572"},  {"60", "0.040", "1.016"},
      {"40", "0.098", "2.489"},    {"1", "0.228", "5.791"},    {"A", "0.234", "5.944"},
      {"W", "0.386", "9.804"},     {"X", "0.397", "10.08"},    {"Z", "0.413", "10.49"}};
  for (const auto& t : telling) {
    SCOPED_TRACE(t[0]);
    bool found = false;
    for (const auto& line : lines)
      if (Split(line, '\t') == t) found = true;
    EXPECT_TRUE(found);
  }
  // Sizes in order, 97 down to 1 and A to Z; every millimetre value is the inch value × 25.4
  // to its shown precision, and the diameters grow down the list.
  double previous = 0;
  for (size_t i = 0; i < lines.size(); ++i) {
    auto f = Split(lines[i], '\t');
    ASSERT_EQ(f.size(), 3u) << lines[i];
    const std::string size =
        i < 97 ? std::to_string(97 - i) : std::string(1, static_cast<char>('A' + (i - 97)));
    EXPECT_EQ(f[0], size);
    const double inch = Number(f[1]), mm = Number(f[2]);
    const size_t dot = f[2].find('.');
    const int decimals = dot == std::string::npos ? 0 : static_cast<int>(f[2].size() - dot - 1);
    EXPECT_LE(std::fabs(inch * 25.4 - mm), 0.5 * std::pow(10.0, -decimals) + 1e-9) << lines[i];
    EXPECT_GT(inch, previous) << lines[i];
    previous = inch;
  }
}

TEST_F(ReferenceLayout, ImperialThreadChartFollowsTheUnifiedThreadLimits) {
  const auto& lines = h.Main().Memo2->Lines().Items();
  ASSERT_EQ(lines.size(), 50u);
  const std::vector<std::string> sizes = {
      "0-80",   "1-64",    "1-72",    "2-56",   "2-64",   "3-48",    "3-56",   "4-40",  "4-48",
      "5-40",   "5-44",    "6-32",    "6-40",   "8-32",   "8-36",    "10-24",  "10-32", "1/4-20",
      "1/4-28", "5/16-18", "5/16-24", "3/8-16", "3/8-24", "7/16-14", "7/16-20"};
  const std::vector<std::vector<std::string>> telling = {
      {"0-80", "2A", "0.0600", "0.0595", "0.0563", "0.0519", "0.0514", "0.0496", "0.0442"},
      {"0-80", "3A", "0.0600", "0.0600", "0.0568", "0.0519", "0.0519", "0.0506", "0.0447"},
      {"2-56", "2A", "0.0860", "0.0854", "0.0813", "0.0744", "0.0738", "0.0717", "0.0635"},
      {"5-40", "2A", "0.1250", "0.1242", "0.1191", "0.1088", "0.1080", "0.1054", "0.0935"},
      {"5-40", "3A", "0.1250", "0.1250", "0.1199", "0.1088", "0.1088", "0.1069", "0.0943"},
      {"1/4-20", "2A", "0.2500", "0.2489", "0.2408", "0.2175", "0.2164", "0.2127", "0.1876"},
      {"7/16-20", "3A", "0.4375", "0.4375", "0.4294", "0.4050", "0.4050", "0.4019", "0.3762"}};
  for (const auto& t : telling) {
    bool found = false;
    for (const auto& line : lines)
      if (Split(line, ' ') == t) found = true;
    EXPECT_TRUE(found) << t[0] << " " << t[1];
  }
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    auto f = Split(lines[i], ' ');
    ASSERT_EQ(f.size(), 9u);
    EXPECT_EQ(f[0], sizes[i / 2]);
    EXPECT_EQ(f[1], i % 2 == 0 ? "2A" : "3A");
    const double tpi = Number(f[0].substr(f[0].find('-') + 1));
    const double basic = Number(f[2]), pitchBasic = Number(f[5]);
    EXPECT_NEAR(pitchBasic, basic - 0.649519 / tpi, 0.00005 + 1e-9);
    const double majorAllowance = basic - Number(f[3]);
    const double pitchAllowance = pitchBasic - Number(f[6]);
    EXPECT_NEAR(majorAllowance, pitchAllowance, 1e-9);
    if (i % 2 == 0)
      EXPECT_GT(majorAllowance, 0);
    else
      EXPECT_NEAR(majorAllowance, 0, 1e-9);
    EXPECT_LT(Number(f[4]), Number(f[3]));
    EXPECT_LT(Number(f[7]), Number(f[6]));
    EXPECT_LT(Number(f[8]), Number(f[7]));
  }
}

TEST_F(ReferenceLayout, MetricThreadChartKeepsItsColumnsOfSpaces) {
  const auto& lines = h.Main().Memo4->Lines().Items();
  ASSERT_EQ(lines.size(), 18u);
  EXPECT_EQ(lines.front(), "M1.6     1.6mm     0.063\"");
  EXPECT_EQ(lines[2], "M2.0     2.0mm     0.078\"");
  EXPECT_EQ(lines[4], "M3.5     3.5mm     0.138\"");
  EXPECT_EQ(lines[10], "M10      10mm     0.394\"");
  EXPECT_EQ(lines.back(), "M22      22mm     0.866\"");
}

TEST_F(ReferenceLayout, ThreadChartsShareOnePlaceWithTheImperialInFront) {
  auto& f = h.Main();
  EXPECT_EQ(f.GroupBox19->Left(), f.GroupBox46->Left());
  EXPECT_EQ(f.GroupBox19->Top(), f.GroupBox46->Top());
  EXPECT_EQ(f.GroupBox19->Width(), f.GroupBox46->Width());
  EXPECT_EQ(f.GroupBox19->Height(), f.GroupBox46->Height());
  const auto& siblings = f.GroupBox11->Children();
  auto at = [&](vcl::TControl* c) { return std::find(siblings.begin(), siblings.end(), c); };
  EXPECT_LT(at(f.GroupBox46), at(f.GroupBox19));
}

TEST_F(ReferenceLayout, DesignRulesChartHoldsItsDesignTexts) {
  auto& w = dynamic_cast<trellis::TForm11&>(h.Window("Form11"));
  const std::vector<vcl::TEdit*> weights = {w.Edit1, w.Edit2, w.Edit3, w.Edit4,
                                            w.Edit5, w.Edit6, w.Edit7, w.Edit8};
  const std::vector<vcl::TEdit*> widths = {w.Edit9,  w.Edit10, w.Edit11, w.Edit12,
                                           w.Edit13, w.Edit14, w.Edit15, w.Edit16};
  const char* weightTexts[] = {"1/4 oz", "1/2 oz", "1 oz", "2 oz", "3 oz", "4 oz", "5 oz", "6 oz"};
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(weights[i]->Text(), weightTexts[i]);
    EXPECT_EQ(widths[i]->Text(), i == 0 ? "3mil" : std::to_string(i + 2) + "mil");
    for (vcl::TEdit* e : {weights[i], widths[i]}) {
      EXPECT_TRUE(e->ReadOnly());
      EXPECT_EQ(e->Font().Color, vcl::clNavy);
      EXPECT_EQ(e->Font().Style, static_cast<unsigned>(vcl::fsBold));
    }
    // Each weight sits beside its width.
    EXPECT_EQ(weights[i]->Top(), widths[i]->Top());
    EXPECT_LT(weights[i]->Left(), widths[i]->Left());
  }
  EXPECT_EQ(w.BorderStyle, vcl::TFormBorderStyle::bsDialog);
  EXPECT_EQ(w.Position, vcl::TPosition::poScreenCenter);
}

TEST_F(ReferenceLayout, ResourceButtonGroupsHaveTheirButtons) {
  struct Group {
    const char* name;
    const char* box;
    std::vector<std::string> captions;
    int count;
  };
  const std::vector<Group> groups = {
      {"ButtonGroup2", "GroupBox1", {"Scheme-it", "Snap EDA"}, 11},
      {"ButtonGroup3", "GroupBox2", {"3D Content Central"}, 11},
      {"ButtonGroup1",
       "GroupBox3",
       {"Circuit Lab", "Mathcad", "Multisim", "Sonnet", "Ansys HFSS", "PathWave RF Synthesis",
        "Sigrity Advanced SI", "HyperLynx", "WEBENCH", "PSpice for TI"},
       21},
      {"ButtonGroup4", "GroupBox4", {"FEDEVEL Academy"}, 11},
      {"ButtonGroup6", "GroupBox5", {"EEVblog "}, 11},
      {"ButtonGroup5",
       "GroupBox6",
       {"IPC", "IEEE", "Printed Circuits Handbook, Seventh Edition",
        "The Hitchhiker's Guide to PCB Design"},
       11},
  };
  for (const Group& g : groups) {
    SCOPED_TRACE(g.name);
    auto& bg = dynamic_cast<vcl::TButtonGroup&>(h.Component("Form9", g.name));
    EXPECT_EQ(bg.Parent()->Name, g.box);
    const auto& items = bg.Items().Items();
    ASSERT_EQ(static_cast<int>(items.size()), g.count);
    for (size_t i = 0; i < g.captions.size(); ++i) EXPECT_EQ(items[i], g.captions[i]);
    // Blank buttons follow the captioned ones (the learning group's second names its author).
    const size_t captioned = std::string(g.name) == "ButtonGroup4" ? 2 : g.captions.size();
    EXPECT_FALSE(items[captioned - 1].empty());
    for (size_t i = captioned; i < items.size(); ++i) EXPECT_EQ(items[i], "");
    // The Simulations group shows all its captioned buttons and its eleventh.
    if (g.count == 21) {
      EXPECT_GE(bg.Height(), 11 * 24);
    }
  }
}

TEST_F(ReferenceLayout, ReferencesListTheStandardsThenTheWorks) {
  auto& memo = dynamic_cast<vcl::TMemo&>(h.Component("Form5", "Memo1"));
  EXPECT_EQ(memo.Color(), vcl::clWhite);
  EXPECT_EQ(memo.ScrollBars, "ssVertical");
  const std::string text = memo.Text();
  const std::vector<std::string> inOrder = {
      "IPC",
      "IPC-2221",
      "IPC-2251",
      "IPC-2152",
      "IPC-2141",
      "\"Analytical Calculation for DC Inductances of Rectangular Spiral Inductors\n"
      "With Finite Metal Thickness in the PEEC Formulation\"",
      "\"DC Line Resistance and Current Carrying Capacity\"",
      "\"Power Delivery Network (PDN) Tool for Stratix IV Devices\"",
      "\"Width and Effective Dielectric Constant Equations for\n"
      "Design of Microstrip Transmission Lines\"",
      "\"Fusing Current, When Traces Melt Without a Trace\"",
      "\"Embedded Microstrip, Impedance Formula\"",
      "1991",
      "\"Simple Accurate Expressions for Planar Spiral Inductances\"",
      "\"Accurate Models for Microstrip Computer-\nAided Design\"",
      "\"Choosing the Right Crystal and Caps for your Design\"",
      "Special thanks to:",
      "Everyone who has helped via the program feedback form, thank you all :)"};
  size_t at = 0;
  for (const std::string& s : inOrder) {
    const size_t found = text.find(s, at);
    ASSERT_NE(found, std::string::npos) << s;
    at = found + s.size();
  }
}

// Nothing a user reads may be cut off by its parent or hidden under a sibling.
TEST_F(ReferenceLayout, ControlsLieInsideTheirParentsWithoutOverlapping) {
  for (vcl::TControl* c : OwnControls(h)) {
    SCOPED_TRACE(c->Name);
    const vcl::TControl* p = c->Parent();
    ASSERT_NE(p, nullptr);
    ExpectInsideParent(*c);
    EXPECT_GT(c->Width(), 0);
    EXPECT_GT(c->Height(), 0);
    // The calculators' panels lie on one another inside Panel1.
    const bool panel = OnPanelStack(*c);
    for (const vcl::TControl* s : p->Children()) {
      if (panel || s == c || !s->Visible()) continue;
      // The two thread charts share one place by design.
      const bool charts = (c->Name == "GroupBox19" && s->Name == "GroupBox46") ||
                          (c->Name == "GroupBox46" && s->Name == "GroupBox19");
      if (charts) continue;
      EXPECT_TRUE(Apart(*c, *s)) << "overlaps " << s->Name;
    }
  }
}

TEST_F(ReferenceLayout, EveryPictureNamedExists) {
  const auto dir = PictureDir();
  if (!dir) GTEST_SKIP() << "TRELLIS_SOURCE_DIR is not set";
  for (vcl::TImage* im : ImagesOf(OwnControls(h))) {
    if (im->Picture().empty()) continue;
    EXPECT_TRUE(std::filesystem::exists(PictureFile(*dir, im->Picture())))
        << im->Name << ": " << im->Picture();
  }
}

}  // namespace
