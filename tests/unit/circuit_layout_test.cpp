// Design state of the circuit calculators' panels (embedded resistors, Ohm's law, PDN, planar
// inductors, PPM and crystal, reactance): what their handlers and solves find at start-up.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "tests/support/layout_checks.h"

using namespace trellis::testing;

namespace {

const char* const kCircuitPanels[] = {"GroupBox34", "GroupBox47", "GroupBox23",
                                      "GroupBox20", "GroupBox36", "GroupBox48"};

enum class Kind { Input, Result, Unit, Other };

struct Row {
  const char* name;
  const char* cls;
  std::optional<std::string> text;  // caption, or an edit's text
  Kind kind = Kind::Other;
  std::vector<std::string> items = {};
  int itemIndex = -1;
  bool visible = true;
};

using K = Kind;
const std::vector<std::string> kCounts = {"2", "3", "4"};
const std::vector<std::string> kCapUnits = {"uF", "nF", "pF"};
const std::vector<std::string> kIndUnits = {"mH", "uH", "nH"};

const std::vector<Row>& DesignTable() {
  static const std::vector<Row> rows = {
      // Embedded resistors: type 0, imperial.
      {"GroupBox34", "TGroupBox", "  PTF Embedded Resistors  "},
      {"RadioGroup11",
       "TRadioGroup",
       " PTF Embedded Type  ",
       K::Other,
       {"Additive screened process", "Subtractive copper nickel", "Embedded Annular Resistor"},
       0},
      {"Label250", "TLabel", "Resistance/Sq. Inch"},
      {"Edit154", "TEdit", "25", K::Input},
      {"Label251", "TLabel", "Length (L)"},
      {"Edit157", "TEdit", "100", K::Input},
      {"Edit164", "TEdit", "mils", K::Unit},
      {"Label252", "TLabel", "Width (W)"},
      {"Edit158", "TEdit", "50", K::Input},
      {"Edit165", "TEdit", "mils", K::Unit},
      {"Label253", "TLabel", "Resistor Area"},
      {"Edit161", "TEdit", "", K::Result},
      {"Label254", "TLabel", "Power", K::Other, {}, -1, false},
      {"Edit162", "TEdit", "", K::Result, {}, -1, false},
      {"Label255", "TLabel", "Ohms"},
      {"Edit163", "TEdit", "", K::Result},
      {"Label247", "TLabel", "Copper contact area"},
      {"Label248", "TLabel", "Material overlap area"},
      {"Label249", "TLabel", "Resistor"},
      {"Shape701", "TShape", std::nullopt},
      {"Shape702", "TShape", std::nullopt},
      {"Image25", "TImage", std::nullopt},
      {"Image26", "TImage", std::nullopt, K::Other, {}, -1, false},
      {"Image27", "TImage", std::nullopt, K::Other, {}, -1, false},

      // Ohm's law: E-I-R box solving for volts, tab "LED Bias".
      {"GroupBox47", "TGroupBox", " Ohm's Law "},
      {"GroupBox49", "TGroupBox", "  E - I - R  "},
      {"RadioGroup13", "TRadioGroup", "  Solve For  ", K::Other, {"Volts", "Amps", "Ohms"}, 0},
      {"Label307", "TLabel", "Amps"},
      {"Edit245", "TEdit", "1", K::Input},
      {"Edit248", "TEdit", "Amps", K::Unit},
      {"Label308", "TLabel", "Ohms"},
      {"Edit246", "TEdit", "12", K::Input},
      {"Edit247", "TEdit", "Ohms", K::Unit},
      {"Label306", "TLabel", "Volts"},
      {"Edit244", "TEdit", "12", K::Result},
      {"Edit249", "TEdit", "Volts", K::Unit},
      {"Label309", "TLabel", "Wattage"},
      {"Edit250", "TEdit", "", K::Result},
      {"Edit251", "TEdit", "Watts", K::Unit},
      {"Image58", "TImage", std::nullopt},
      {"Panel17", "TPanel", std::nullopt},
      {"Label302", "TLabel", "+V Value"},
      {"Edit236", "TEdit", "12", K::Input},
      {"Edit241", "TEdit", "Volts", K::Unit},
      {"Label304", "TLabel", "LED Voltage Drop"},
      {"Edit238", "TEdit", "2", K::Input},
      {"Edit242", "TEdit", "Volts", K::Unit},
      {"Label305", "TLabel", "LED Current"},
      {"Edit239", "TEdit", "10", K::Input},
      {"Edit243", "TEdit", "mA", K::Unit},
      {"Label303", "TLabel", "Resistor Value"},
      {"Edit237", "TEdit", "", K::Result},
      {"Edit240", "TEdit", "Ohms", K::Unit},
      {"Label341", "TLabel", "Resistor Power Dissipation"},
      {"Edit299", "TEdit", "", K::Result},
      {"Edit300", "TEdit", "Watts", K::Unit},
      {"CheckBox6", "TCheckBox", "Solve for LED Current"},
      {"Image59", "TImage", std::nullopt},
      // R Series; rows 3 and 4 wait for the count.
      {"Panel15", "TPanel", std::nullopt, K::Other, {}, -1, false},
      {"RadioGroup16", "TRadioGroup", " R Count ", K::Other, kCounts, 0, false},
      {"Label310", "TLabel", "Voltage", K::Other, {}, -1, false},
      {"Edit252", "TEdit", "5", K::Input, {}, -1, false},
      {"Edit261", "TEdit", "Volts", K::Unit, {}, -1, false},
      {"Edit253", "TEdit", "330", K::Input, {}, -1, false},
      {"Edit262", "TEdit", "", K::Result, {}, -1, false},
      {"Edit266", "TEdit", "V", K::Unit, {}, -1, false},
      {"Edit301", "TEdit", "", K::Result, {}, -1, false},
      {"Edit305", "TEdit", "W", K::Unit, {}, -1, false},
      {"Label313", "TLabel", "R3", K::Other, {}, -1, false},
      {"Edit255", "TEdit", "330", K::Input, {}, -1, false},
      {"Edit264", "TEdit", "", K::Result, {}, -1, false},
      {"Edit308", "TEdit", "W", K::Unit, {}, -1, false},
      // R Parallel.
      {"RadioGroup23", "TRadioGroup", " R Count ", K::Other, kCounts, 0, false},
      {"Edit309", "TEdit", "5", K::Input, {}, -1, false},
      {"Edit310", "TEdit", "330", K::Input, {}, -1, false},
      {"Edit319", "TEdit", "", K::Result, {}, -1, false},
      {"Edit323", "TEdit", "A", K::Unit, {}, -1, false},
      {"Edit313", "TEdit", "330", K::Input, {}, -1, false},
      {"Edit330", "TEdit", "", K::Result, {}, -1, false},
      // Pads: the results carry their unit.
      {"Label332", "TLabel", "Attenuation", K::Other, {}, -1, false},
      {"Edit288", "TEdit", "3", K::Input, {}, -1, false},
      {"Edit289", "TEdit", "dB", K::Unit, {}, -1, false},
      {"Edit281", "TEdit", "50", K::Input, {}, -1, false},
      {"Edit282", "TEdit", "50", K::Input, {}, -1, false},
      {"Label329", "TLabel", "R1", K::Other, {}, -1, false},
      {"Edit283", "TEdit", "", K::Result, {}, -1, false},
      {"Edit285", "TEdit", "", K::Result, {}, -1, false},
      {"Edit290", "TEdit", "3", K::Input, {}, -1, false},
      {"Edit292", "TEdit", "50", K::Input, {}, -1, false},
      {"Edit298", "TEdit", "Ohms", K::Unit, {}, -1, false},
      {"Label334", "TLabel", "R3", K::Other, {}, -1, false},
      {"Edit297", "TEdit", "", K::Result, {}, -1, false},
      // Capacitors and inductors.
      {"RadioGroup25", "TRadioGroup", " C Count ", K::Other, kCounts, 0, false},
      {"RadioGroup26", "TRadioGroup", " Units ", K::Other, kCapUnits, 0, false},
      {"Edit346", "TEdit", "330", K::Input, {}, -1, false},
      {"Edit353", "TEdit", "uF", K::Unit, {}, -1, false},
      {"Label297", "TLabel", "C4", K::Other, {}, -1, false},
      {"Edit349", "TEdit", "330", K::Input, {}, -1, false},
      {"Edit354", "TEdit", "", K::Result, {}, -1, false},
      {"RadioGroup28", "TRadioGroup", " Units ", K::Other, kCapUnits, 0, false},
      {"Edit364", "TEdit", "", K::Result, {}, -1, false},
      {"RadioGroup29", "TRadioGroup", " L Count ", K::Other, kCounts, 0, false},
      {"RadioGroup30", "TRadioGroup", " Units ", K::Other, kIndUnits, 0, false},
      {"Edit373", "TEdit", "mH", K::Unit, {}, -1, false},
      {"Edit374", "TEdit", "", K::Result, {}, -1, false},
      {"RadioGroup31", "TRadioGroup", " L Count ", K::Other, kCounts, 0, false},
      {"RadioGroup32", "TRadioGroup", " Units ", K::Other, kIndUnits, 0, false},
      {"Label377", "TLabel", "L4", K::Other, {}, -1, false},
      {"Edit379", "TEdit", "330", K::Input, {}, -1, false},
      {"Edit384", "TEdit", "", K::Result, {}, -1, false},

      // PDN: "DC" clear, so the reactance shows.
      {"GroupBox23", "TGroupBox", " Plane Information "},
      {"Edit105", "TEdit", "5", K::Input},
      {"Edit107", "TEdit", "5", K::Input},
      {"Edit108", "TEdit", "2", K::Input},
      {"Edit110", "TEdit", "50", K::Input},
      {"Edit109", "TEdit", "", K::Result},
      {"Edit228", "TEdit", "5", K::Input},
      {"Edit231", "TEdit", "Sq.In", K::Unit},
      {"Edit229", "TEdit", "2", K::Input},
      {"Edit232", "TEdit", "mils", K::Unit},
      {"Edit234", "TEdit", "1", K::Input},
      {"Edit233", "TEdit", "MHz", K::Unit},
      {"CheckBox4", "TCheckBox", "DC"},
      {"Edit230", "TEdit", "", K::Result},
      {"Label295", "TLabel", "Capacitive Reactance"},
      {"Edit235", "TEdit", "", K::Result},

      // Planar inductors: "Square".
      {"GroupBox20", "TGroupBox", " Planar Inductors Calculator "},
      {"Edit88", "TEdit", "5", K::Input},
      {"Edit89", "TEdit", "10", K::Input},
      {"Edit96", "TEdit", "mils", K::Unit},
      {"Edit91", "TEdit", "10", K::Input},
      {"Edit97", "TEdit", "mils", K::Unit},
      {"Edit92", "TEdit", "350", K::Input},
      {"Edit98", "TEdit", "mils", K::Unit},
      {"Edit94", "TEdit", "", K::Result},
      {"Edit101", "TEdit", "mils", K::Unit},
      {"Edit93", "TEdit", "", K::Result},
      {"Edit100", "TEdit", "mils", K::Unit},
      {"Edit90", "TEdit", "", K::Result},
      {"Image13", "TImage", std::nullopt},
      {"Image33", "TImage", std::nullopt, K::Other, {}, -1, false},
      {"Image34", "TImage", std::nullopt, K::Other, {}, -1, false},
      {"Image35", "TImage", std::nullopt, K::Other, {}, -1, false},

      // PPM and crystal.
      {"GroupBox36", "TGroupBox", " PPM Calculator "},
      {"GroupBox37", "TGroupBox", " PPM to Hertz "},
      {"Edit170", "TEdit", "50000000", K::Input},
      {"Edit171", "TEdit", "25", K::Input},
      {"Edit172", "TEdit", "", K::Result},
      {"Edit173", "TEdit", "", K::Result},
      {"Edit180", "TEdit", "", K::Result},
      {"GroupBox38", "TGroupBox", " Hertz to PPM "},
      {"Edit181", "TEdit", "32000", K::Input},
      {"Edit182", "TEdit", "32001", K::Input},
      {"Edit183", "TEdit", "", K::Result},
      {"Edit184", "TEdit", "", K::Result},
      {"GroupBox50", "TGroupBox", " XTAL Capacitor Value  "},
      {"Edit106", "TEdit", "10", K::Input},
      {"Edit115", "TEdit", "3", K::Input},
      {"Edit339", "TEdit", "14", K::Input},
      {"Edit338", "TEdit", "14", K::Input},
      {"Edit341", "TEdit", "", K::Result},
      {"Edit340", "TEdit", "", K::Result},

      // Reactance: 1 MHz, 1 uF, 1 mH.
      {"GroupBox48", "TGroupBox", " XC XL Reactance "},
      {"Edit270", "TEdit", "1", K::Input},
      {"RadioGroup19", "TRadioGroup", "Units ", K::Other, {"GHz", "MHz", "KHz", "Hz"}, 1},
      {"Edit278", "TEdit", "MHz", K::Unit},
      {"Edit271", "TEdit", "1", K::Input},
      {"RadioGroup17", "TRadioGroup", "Units ", K::Other, kCapUnits, 0},
      {"Edit276", "TEdit", "uF", K::Unit},
      {"Edit272", "TEdit", "1", K::Input},
      {"RadioGroup18", "TRadioGroup", "Units ", K::Other, kIndUnits, 0},
      {"Edit277", "TEdit", "mH", K::Unit},
      {"Edit273", "TEdit", "", K::Result},
      {"Edit274", "TEdit", "", K::Result},
      {"Edit275", "TEdit", "", K::Result},
  };
  return rows;
}

std::vector<vcl::TControl*> CircuitControls(const vcl::TForm& f) {
  return ControlsWithin(f, kCircuitPanels);
}

class CircuitLayout : public ::testing::Test {
 protected:
  void SetUp() override { h.Create(); }
  Harness h;
};

TEST_F(CircuitLayout, ControlsHaveTheirDesignState) {
  auto& f = h.Main();
  for (const Row& r : DesignTable()) {
    SCOPED_TRACE(r.name);
    auto* c = f.Find<vcl::TControl>(r.name);
    ASSERT_NE(c, nullptr);
    // Shown means its own flag and that of its parent (the tab panel it lies on); the kind
    // below stands for the edits' read-only flag.
    ExpectState(*c, {r.name, r.cls, r.text, r.items, r.itemIndex, r.visible},
                {.visibleWithParent = true,
                 .enabled = false,
                 .editReadOnly = false,
                 .within = kCircuitPanels});
    auto* ed = dynamic_cast<vcl::TEdit*>(c);
    switch (r.kind) {
      case Kind::Input:
        ASSERT_NE(ed, nullptr);
        EXPECT_FALSE(ed->ReadOnly());
        break;
      case Kind::Result:
        ASSERT_NE(ed, nullptr);
        EXPECT_TRUE(ed->ReadOnly());
        EXPECT_EQ(ed->Font().Color, vcl::clNavy);
        EXPECT_EQ(ed->Font().Style, static_cast<unsigned>(vcl::fsBold));
        break;
      case Kind::Unit:
        ASSERT_NE(ed, nullptr);
        EXPECT_TRUE(ed->ReadOnly());
        EXPECT_FALSE(ed->TabStop);
        break;
      case Kind::Other:
        break;
    }
  }
  EXPECT_FALSE(f.CheckBox6->Checked());
  EXPECT_FALSE(f.CheckBox4->Checked());
}

TEST_F(CircuitLayout, RowsThreeAndFourWaitForTheirCount) {
  auto& f = h.Main();
  // Every member of rows 3 and 4 is hidden, rows 1 and 2 shown, on all six counted panels.
  const std::vector<std::vector<vcl::TControl*>> rows34 = {
      {f.Label313, f.Edit255, f.Edit258, f.Label317, f.Edit264, f.Edit268, f.Edit303, f.Edit307},
      {f.Label314, f.Edit256, f.Edit257, f.Label318, f.Edit265, f.Edit269, f.Edit304, f.Edit308},
      {f.Label343, f.Edit312, f.Edit315, f.Label347, f.Edit321, f.Edit325, f.Edit329, f.Edit333},
      {f.Label344, f.Edit313, f.Edit314, f.Label348, f.Edit322, f.Edit326, f.Edit330, f.Edit334},
      {f.Label286, f.Edit348, f.Edit351, f.Label297, f.Edit349, f.Edit350},
      {f.Label366, f.Edit358, f.Edit361, f.Label367, f.Edit359, f.Edit360},
      {f.Label371, f.Edit368, f.Edit371, f.Label372, f.Edit369, f.Edit370},
      {f.Label376, f.Edit378, f.Edit381, f.Label377, f.Edit379, f.Edit380}};
  for (const auto& row : rows34)
    for (vcl::TControl* c : row) EXPECT_FALSE(c->Visible()) << c->Name;
  const std::vector<vcl::TControl*> rows12 = {f.Label312, f.Edit254,  f.Edit306,
                                              f.Label342, f.Edit332,  f.Label282,
                                              f.Edit352,  f.Label375, f.Edit382};
  for (vcl::TControl* c : rows12) EXPECT_TRUE(c->Visible()) << c->Name;
}

TEST_F(CircuitLayout, TabPanelsShareOnePlaceAndFollowTheTabs) {
  auto& f = h.Main();
  ASSERT_EQ(f.TabControl3->Tabs().Items(),
            (std::vector<std::string>{"LED Bias", "R Series", "R Parallel", "PI Pad", "T Pad",
                                      "C Series", "C Parallel", "L Series", "L Parallel"}));
  EXPECT_EQ(f.TabControl3->TabIndex(), 0);
  const std::vector<vcl::TPanel*> panels = {f.Panel17, f.Panel15, f.Panel22, f.Panel20, f.Panel21,
                                            f.Panel25, f.Panel27, f.Panel29, f.Panel31};
  for (size_t i = 0; i < panels.size(); ++i) {
    SCOPED_TRACE(panels[i]->Name);
    EXPECT_EQ(panels[i]->Parent(), f.TabControl3);
    EXPECT_EQ(panels[i]->Visible(), i == 0);
    EXPECT_EQ(panels[i]->Left(), panels[0]->Left());
    EXPECT_EQ(panels[i]->Top(), panels[0]->Top());
    EXPECT_EQ(panels[i]->Width(), panels[0]->Width());
    EXPECT_EQ(panels[i]->Height(), panels[0]->Height());
  }
}

// Places the handlers move controls between; the design place must be one of theirs.
TEST_F(CircuitLayout, ControlsStartWhereTheHandlersPutThem) {
  auto& f = h.Main();
  struct Place {
    vcl::TControl* c;
    int left, top, width;  // -1: free
  };
  const std::vector<Place> places = {
      {f.Edit248, 486, -1, -1}, {f.Edit247, 486, -1, -1},  {f.Edit249, 492, -1, -1},
      {f.Edit243, 106, -1, 33}, {f.Edit240, 262, -1, 57},  {f.Edit283, -1, 40, -1},
      {f.Edit284, -1, 96, -1},  {f.Edit285, -1, 152, -1},  {f.Edit295, -1, 40, -1},
      {f.Edit296, -1, 96, -1},  {f.Edit297, -1, 152, -1},  {f.Edit165, 140, -1, 37},
      {f.Shape702, -1, 96, -1}, {f.Label249, -1, 104, -1}, {f.Edit278, 124, -1, 42},
      {f.Edit277, 134, -1, 32},
  };
  for (const Place& p : places) {
    SCOPED_TRACE(p.c->Name);
    if (p.left >= 0) {
      EXPECT_EQ(p.c->Left(), p.left);
    }
    if (p.top >= 0) {
      EXPECT_EQ(p.c->Top(), p.top);
    }
    if (p.width >= 0) {
      EXPECT_EQ(p.c->Width(), p.width);
    }
  }
  // The wider forms the handlers give the unit boxes must still clear their inputs.
  EXPECT_LE(f.Edit239->Left() + f.Edit239->Width(), 86);   // "Ohms" at 86
  EXPECT_LE(f.Edit237->Left() + f.Edit237->Width(), 262);  // "Ohms" at 262
  EXPECT_LE(f.Edit158->Left() + f.Edit158->Width(), 124);  // "Ohms" at 124
  EXPECT_LE(f.Edit245->Left() + f.Edit245->Width(), 486);
  EXPECT_LE(f.Edit244->Left() + f.Edit244->Width(), 486);
  EXPECT_LE(f.Edit270->Left() + f.Edit270->Width(), 124);
  EXPECT_LE(f.Edit272->Left() + f.Edit272->Width(), 134);
  // The legend's second shape sits where the third moves for the annular type.
  EXPECT_EQ(f.Shape701->Top(), 64);
  EXPECT_EQ(f.Label248->Top(), 72);
}

TEST_F(CircuitLayout, InputsKeepTheirLimitsAndSpinButtons) {
  auto& f = h.Main();
  for (vcl::TEdit* e : {f.Edit88, f.Edit89, f.Edit91, f.Edit92, f.Edit105, f.Edit107, f.Edit108,
                        f.Edit110, f.Edit229, f.Edit234})
    EXPECT_EQ(e->MaxLength(), 8) << e->Name;
  EXPECT_EQ(f.Edit228->MaxLength(), 16);
  EXPECT_EQ(f.UpDown4->Associate, f.Edit107);
  EXPECT_EQ(f.UpDown4->Position(), 5);
  EXPECT_EQ(f.UpDown5->Associate, f.Edit110);
  EXPECT_EQ(f.UpDown5->Min(), 1);
  EXPECT_EQ(f.UpDown5->Position(), 50);
  EXPECT_TRUE(f.UpDown4->OnChanging && f.UpDown4->OnClick);
  EXPECT_TRUE(f.UpDown5->OnChanging && f.UpDown5->OnClick);
}

TEST_F(CircuitLayout, ControlsNeitherOverlapNorLeaveTheirParent) {
  const auto controls = CircuitControls(h.Main());
  for (vcl::TControl* c : controls)
    if (!OnPanelStack(*c)) ExpectInsideParent(*c);
  ExpectApart(controls, [](const vcl::TControl& a, const vcl::TControl& b) {
    // Pictures of one place and the tab panels are shown one at a time.
    return OnPanelStack(a) || BothImages(a, b) ||
           (dynamic_cast<const vcl::TPanel*>(&a) && dynamic_cast<const vcl::TPanel*>(&b));
  });
}

TEST_F(CircuitLayout, LabelsAreWideEnoughForTheirCaptions) {
  // About 6 px a character at the program's 12 px font; the captions the handlers write
  // later are checked with their longest form.
  auto& f = h.Main();
  for (vcl::TControl* c : CircuitControls(f)) {
    auto* l = dynamic_cast<vcl::TLabel*>(c);
    if (!l) continue;
    EXPECT_GE(l->Width(), 6 * static_cast<int>(l->Caption().size())) << l->Name;
  }
  const std::vector<std::pair<vcl::TLabel*, std::string>> later = {
      {f.Label250, "Resistance/Sq. Inch"}, {f.Label251, "Inside Diameter"},
      {f.Label252, "Target Resistance"},   {f.Label254, "Resistor Thickness"},
      {f.Label255, "Outer Diameter"},      {f.Label248, "Soldermask overlap area"},
      {f.Label305, "Resistor Value"},      {f.Label303, "Resistor Value"}};
  for (const auto& [label, caption] : later)
    EXPECT_GE(label->Width(), 6 * static_cast<int>(caption.size())) << label->Name;
}

TEST_F(CircuitLayout, TabOrderIsUniqueWithinEachParent) {
  ExpectUniqueTabOrder(CircuitControls(h.Main()), [](const vcl::TControl& c) {
    if (!c.TabStop && dynamic_cast<const vcl::TEdit*>(&c)) return true;  // unit boxes
    return dynamic_cast<const vcl::TShape*>(&c) || dynamic_cast<const vcl::TUpDown*>(&c) ||
           OnPanelStack(c);
  });
}

TEST_F(CircuitLayout, EveryPictureExistsAtItsControlsSize) {
  const auto dir = PictureDir();
  if (!dir) GTEST_SKIP() << "TRELLIS_SOURCE_DIR is not set";
  const auto pictures = ImagesOf(CircuitControls(h.Main()));
  for (vcl::TImage* im : pictures) {
    SCOPED_TRACE(im->Name);
    EXPECT_EQ(im->Picture().rfind("circ_", 0), 0u) << im->Picture();
    ExpectPictureAtSize(*im, *dir);
  }
  EXPECT_EQ(pictures.size(), 11u);
}

}  // namespace
