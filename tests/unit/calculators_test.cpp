// The calculator table against what it describes: the layouts, the bound
// handlers, the main window's load order and the stored "Program" number.
#include "app/calculators.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "vcl/layout.h"
#include "vcl/resources.h"

namespace {

using trellis::Calculator;
using trellis::CalculatorRow;
using trellis::CalculatorTable;
using trellis::Number;
using trellis::TForm1;
using trellis::testing::Harness;
using trellis::testing::HarnessOptions;

std::string Name(Calculator c) { return "calculator " + std::to_string(Number(c)); }

// "object GroupBox6: TGroupBox" gives "GroupBox6".
std::string RootObject(const std::string& layout) {
  return vcl::ParseLayout(vcl::LayoutResource(layout), layout).name;
}

// Only the selected calculator's panel is shown, its tab is up and it is stored.
void ExpectSelected(Harness& h, Calculator c) {
  TForm1& f = h.Main();
  EXPECT_EQ(Number(f.CalculatorIndex), Number(c));
  EXPECT_EQ(f.TabControl1->TabIndex(), Number(c));
  for (const CalculatorRow& r : CalculatorTable())
    EXPECT_EQ((f.*r.panel)->Visible(), r.id == c) << (f.*r.panel)->Name;
  EXPECT_EQ(h.platform.settings.Get(trellis::testing::kSettingsKey, "Program"),
            trellis::ProgramText(c));
}

TEST(Calculators, RowsAreInNumberOrderAndNumbersRoundTrip) {
  for (int n = 0; n < trellis::kCalculatorCount; ++n) {
    ASSERT_EQ(CalculatorTable()[n].id, static_cast<Calculator>(n));
    const auto c = trellis::CalculatorOfNumber(n);
    ASSERT_TRUE(c.has_value()) << n;
    EXPECT_EQ(Number(*c), n);
    EXPECT_EQ(trellis::ProgramText(*c), std::to_string(n));
  }
  EXPECT_FALSE(trellis::CalculatorOfNumber(-1).has_value());
  EXPECT_FALSE(trellis::CalculatorOfNumber(trellis::kCalculatorCount).has_value());
}

TEST(Calculators, OrdersNameEveryCalculatorOnce) {
  std::vector<Calculator> all;
  for (const CalculatorRow& r : CalculatorTable()) all.push_back(r.id);
  EXPECT_TRUE(std::is_permutation(all.begin(), all.end(), trellis::TabTestOrder().begin(),
                                  trellis::TabTestOrder().end()));
  EXPECT_TRUE(std::is_permutation(all.begin(), all.end(), trellis::PanelLoadOrder().begin(),
                                  trellis::PanelLoadOrder().end()));
}

// Each panel is the root of its own layout and lies in Panel1; the window
// loads the layouts in the table's order.
TEST(Calculators, PanelsAreTheirLayoutsRootsLoadedInOrder) {
  Harness h;
  h.Create();
  TForm1& f = h.Main();
  std::set<std::string> panels;
  for (const CalculatorRow& r : CalculatorTable()) {
    SCOPED_TRACE(Name(r.id));
    vcl::TGroupBox* panel = f.*r.panel;
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Name, RootObject(r.layout));
    EXPECT_EQ(panel->Parent(), f.Panel1);
    panels.insert(panel->Name);
  }
  EXPECT_EQ(panels.size(), CalculatorTable().size());

  std::vector<std::string> expected = {"Form1"};
  for (Calculator c : trellis::PanelLoadOrder()) expected.push_back(trellis::RowOf(c).layout);
  EXPECT_EQ(f.Layouts(), expected);
}

// The handler each menu item names selects its row's calculator, whichever
// calculator was up before.
TEST(Calculators, EachMenuHandlerSelectsItsCalculator) {
  Harness h;
  h.Start();
  TForm1& f = h.Main();
  std::vector<Calculator> walk;
  for (const CalculatorRow& r : CalculatorTable()) walk.push_back(r.id);
  for (size_t i = walk.size() - 1; i-- > 0;) walk.push_back(walk[i]);
  for (Calculator c : walk) {
    SCOPED_TRACE(Name(c));
    const CalculatorRow& r = trellis::RowOf(c);
    (f.*r.select)(nullptr);
    ExpectSelected(h, c);
  }
  h.platform.TakeMessages();
}

// The stored number starts its calculator; one outside the table starts the default.
TEST(Calculators, StoredProgramStartsItsCalculator) {
  for (const CalculatorRow& r : CalculatorTable()) {
    SCOPED_TRACE(Name(r.id));
    HarnessOptions options;
    options.settings["Program"] = trellis::ProgramText(r.id);
    Harness h(options);
    h.Start();
    ExpectSelected(h, r.id);
  }
  for (const std::string& stored :
       std::vector<std::string>{"-1", std::to_string(trellis::kCalculatorCount), "x"}) {
    SCOPED_TRACE(stored);
    HarnessOptions options;
    options.settings["Program"] = stored;
    Harness h(options);
    h.Start();
    ExpectSelected(h, trellis::kDefaultCalculator);
  }
}

// Every box that shows a length unit at start-up is declared as a unit box,
// once, so the units switches convert what it names.
TEST(Calculators, UnitTextsAreDeclaredOnce) {
  for (const char* units : {"0", "1"}) {
    SCOPED_TRACE(units);
    HarnessOptions options;
    options.settings["Units"] = units;
    Harness h(options);
    h.Start();
    TForm1& f = h.Main();
    std::multiset<const vcl::TEdit*> values, names;
    for (const trellis::UnitBox& b : f.AllUnitBoxes()) {
      if (b.value) values.insert(b.value);
      if (b.unit) names.insert(b.unit);
    }
    for (vcl::TForm* form : {static_cast<vcl::TForm*>(&f), &h.Window("Form12")}) {
      for (vcl::TComponent* c : form->Components()) {
        auto* edit = dynamic_cast<vcl::TEdit*>(c);
        if (!edit) continue;
        SCOPED_TRACE(edit->Name);
        const std::string& t = edit->Text();
        // The conversion's results name the other system; its own hook writes them.
        const bool otherSystem = edit == f.Edit83 || edit == f.Edit144 || edit == f.Edit145;
        if (!otherSystem &&
            (t == "mils" || t == "mm" || t == "um" || t == "Sq.In" || t == "Sq.mm")) {
          EXPECT_EQ(names.count(edit), 1u);
        }
        EXPECT_LE(values.count(edit), 1u);
        EXPECT_LE(names.count(edit), 1u);
      }
    }
    h.platform.TakeMessages();
  }
}

}  // namespace
