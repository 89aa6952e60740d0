// Enter solves from every box the layouts give a key-down handler: one Solve
// each, on the panel that shows the box, in the state that shows it. The
// tables are every such box of the main window's and the crosstalk window's
// layouts, listed here by hand so that a box losing its handler fails.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "calc/diffpair/crosstalk_form.h"
#include "settings/options_form.h"
#include "tests/support/harness.h"
#include "vcl/user.h"

namespace {

using trellis::Calculator;
using trellis::TForm1;
using trellis::testing::Harness;
using C = Calculator;

struct Row {
  const char* layout;
  Calculator calculator;
  std::function<void(TForm1&)> arrange;  // what shows the boxes, after the selection
  std::vector<const char*> boxes;
};

void Nothing(TForm1&) {}

// An item of a radio group picked as the user picks it.
std::function<void(TForm1&)> Choose(vcl::TRadioGroup* TForm1::*group, int item) {
  return [group, item](TForm1& f) { vcl::user::ChooseItem(*(f.*group), item); };
}

// A tab of the Ohm's-law panel, and on the network tabs four parts, so that
// every row of boxes shows.
std::function<void(TForm1&)> OhmsTab(int tab, vcl::TRadioGroup* TForm1::*count = nullptr) {
  return [tab, count](TForm1& f) {
    vcl::user::PickTab(*f.TabControl3, tab);
    if (count) vcl::user::ChooseItem(*(f.*count), 2);
  };
}

const std::vector<Row>& Rows() {
  static const std::vector<Row> rows = {
      // The frame's boxes: temperatures, substrate, the information panel.
      {"Form1", C::ConductorProperties, Nothing, {"Edit1", "Edit2", "Edit66"}},
      {"Form1", C::ConductorImpedance, Nothing, {"Edit7"}},
      {"Form1", C::ViaProperties, Nothing, {"Edit227"}},
      // Manual copper weights, typed in place of the weight groups.
      {"Form1",
       C::FusingCurrent,
       [](TForm1& f) {
         vcl::user::PickMenuItem(*f.CopperWeight1);
         vcl::user::Click(*trellis::Form6->CheckBox1);
         vcl::user::Click(*trellis::Form6->Button1);
       },
       {"Edit136", "Edit138"}},
      {"Form1_Bandwidth", C::Bandwidth, Nothing, {"Edit19"}},
      {"Form1_ConductorImpedance", C::ConductorImpedance, Nothing, {"Edit67", "Edit68", "Edit226"}},
      // The offset stripline's second height.
      {"Form1_ConductorImpedance",
       C::ConductorImpedance,
       Choose(&TForm1::RadioGroup3, 3),
       {"Edit74"}},
      {"Form1_ConductorProperties",
       C::ConductorProperties,
       Nothing,
       {"Edit15", "Edit18", "Edit126", "Edit130", "Edit69"}},
      // Parallel conductors, and a plane nearby.
      {"Form1_ConductorProperties",
       C::ConductorProperties,
       Choose(&TForm1::RadioGroup15, 1),
       {"Edit128"}},
      {"Form1_ConductorProperties",
       C::ConductorProperties,
       Choose(&TForm1::RadioGroup2, 1),
       {"Edit132"}},
      // The typed voltage above 500 V.
      {"Form1_ConductorSpacing", C::ConductorSpacing, Choose(&TForm1::RadioGroup9, 9), {"Edit79"}},
      {"Form1_Conversion",
       C::Conversion,
       Nothing,
       {"Edit80", "Edit85", "Edit167", "Edit174", "Edit402", "Edit176", "Edit215", "Edit216",
        "Edit219"}},
      {"Form1_DifferentialPairs",
       C::DifferentialPairs,
       Nothing,
       {"Edit21", "Edit26", "Edit27", "Edit394", "Edit398", "Edit400", "Edit151"}},
      // The offset pair's second height.
      {"Form1_DifferentialPairs",
       C::DifferentialPairs,
       Choose(&TForm1::RadioGroup3, 2),
       {"Edit32"}},
      {"Form1_EmbeddedResistors", C::EmbeddedResistors, Nothing, {"Edit154", "Edit157", "Edit158"}},
      {"Form1_ErEffective", C::ErEffective, Nothing, {"Edit25", "Edit46", "Edit224"}},
      {"Form1_FusingCurrent", C::FusingCurrent, Nothing, {"Edit140", "Edit153", "Edit337"}},
      {"Form1_Mechanical", C::Mechanical, Nothing, {"Edit146", "Edit148"}},
      {"Form1_OhmsLaw", C::OhmsLaw, Nothing, {"Edit245", "Edit246", "Edit244"}},
      {"Form1_OhmsLaw", C::OhmsLaw, OhmsTab(0), {"Edit236", "Edit238", "Edit239"}},
      {"Form1_OhmsLaw",
       C::OhmsLaw,
       OhmsTab(1, &TForm1::RadioGroup16),
       {"Edit252", "Edit253", "Edit254", "Edit255", "Edit256"}},
      {"Form1_OhmsLaw",
       C::OhmsLaw,
       OhmsTab(2, &TForm1::RadioGroup23),
       {"Edit309", "Edit310", "Edit311", "Edit312", "Edit313"}},
      {"Form1_OhmsLaw", C::OhmsLaw, OhmsTab(3), {"Edit288", "Edit281", "Edit282"}},
      {"Form1_OhmsLaw", C::OhmsLaw, OhmsTab(4), {"Edit290", "Edit292", "Edit294"}},
      {"Form1_OhmsLaw",
       C::OhmsLaw,
       OhmsTab(5, &TForm1::RadioGroup25),
       {"Edit346", "Edit347", "Edit348", "Edit349"}},
      {"Form1_OhmsLaw",
       C::OhmsLaw,
       OhmsTab(6, &TForm1::RadioGroup27),
       {"Edit356", "Edit357", "Edit358", "Edit359"}},
      {"Form1_OhmsLaw",
       C::OhmsLaw,
       OhmsTab(7, &TForm1::RadioGroup29),
       {"Edit366", "Edit367", "Edit368", "Edit369"}},
      {"Form1_OhmsLaw",
       C::OhmsLaw,
       OhmsTab(8, &TForm1::RadioGroup31),
       {"Edit376", "Edit377", "Edit378", "Edit379"}},
      {"Form1_Padstack", C::Padstack, Nothing, {"Edit33", "Edit34", "Edit35"}},
      // The BGA pad type's land and mask.
      {"Form1_Padstack", C::Padstack, Choose(&TForm1::RadioGroup14, 2), {"Edit211", "Edit213"}},
      {"Form1_Pdn",
       C::Pdn,
       Nothing,
       {"Edit105", "Edit228", "Edit229", "Edit234", "Edit107", "Edit108", "Edit110"}},
      {"Form1_PlanarInductors",
       C::PlanarInductors,
       Nothing,
       {"Edit88", "Edit89", "Edit91", "Edit92"}},
      {"Form1_PpmCalculator",
       C::PpmCalculator,
       Nothing,
       {"Edit170", "Edit171", "Edit181", "Edit182", "Edit106", "Edit115", "Edit339", "Edit338"}},
      {"Form1_Reactance", C::Reactance, Nothing, {"Edit270", "Edit271", "Edit272"}},
      {"Form1_Thermal", C::Thermal, Nothing, {"Edit116", "Edit117", "Edit121", "Edit124"}},
      {"Form1_ViaProperties",
       C::ViaProperties,
       Nothing,
       {"Edit3", "Edit4", "Edit5", "Edit6", "Edit9"}},
      // The differential via's boxes.
      {"Form1_ViaProperties",
       C::ViaProperties,
       Choose(&TForm1::RadioGroup5, 1),
       {"Edit335", "Edit206", "Edit209", "Edit386"}},
      {"Form1_Wavelength", C::Wavelength, Nothing, {"Edit103", "Edit150"}},
  };
  return rows;
}

TEST(EnterSolves, EveryBoxWithTheKeySolvesOnce) {
  for (const Row& row : Rows()) {
    for (const char* name : row.boxes) {
      SCOPED_TRACE(std::string(row.layout) + " " + name);
      Harness h;
      h.Start();
      TForm1& f = h.Main();
      vcl::user::PickTab(*f.TabControl1, static_cast<int>(row.calculator));
      row.arrange(f);
      ASSERT_TRUE(h.platform.TakeMessages().empty());
      auto& box = dynamic_cast<vcl::TControl&>(h.Component("Form1", name));
      if (!vcl::user::Accepts(box)) {
        ADD_FAILURE() << "the box takes no input";
        continue;
      }
      const long before = f.SolveCount;
      vcl::user::PressKey(box, vcl::VK_RETURN);
      EXPECT_EQ(f.SolveCount - before, 1);
      EXPECT_TRUE(h.platform.TakeMessages().empty());
    }
  }
}

// The crosstalk window's boxes solve that window, which writes its results
// again; the stripline's two heights show for the stripline only.
TEST(EnterSolves, EveryCrosstalkBoxSolvesItsWindow) {
  struct Case {
    int type;
    std::vector<const char*> boxes;
  };
  const Case cases[] = {
      {0, {"Edit7", "Edit146", "Edit148", "Edit195", "Edit203", "Edit197"}},
      {1, {"Edit199", "Edit201"}},
  };
  for (const Case& c : cases) {
    for (const char* name : c.boxes) {
      SCOPED_TRACE(name);
      Harness h;
      h.Start();
      auto& w = dynamic_cast<trellis::TForm12&>(h.Window("Form12"));
      vcl::user::PickMenuItem(*h.Main().Crosstalk1);
      vcl::user::ChooseItem(*w.RadioGroup1, c.type);
      auto& box = dynamic_cast<vcl::TControl&>(h.Component("Form12", name));
      if (!vcl::user::Accepts(box)) {
        ADD_FAILURE() << "the box takes no input";
        continue;
      }
      w.Edit205->SetText("");
      w.Edit207->SetText("");
      vcl::user::PressKey(box, vcl::VK_RETURN);
      EXPECT_FALSE(w.Edit205->Text().empty());
      EXPECT_FALSE(w.Edit207->Text().empty());
      EXPECT_TRUE(h.platform.TakeMessages().empty());
    }
  }
}

}  // namespace
