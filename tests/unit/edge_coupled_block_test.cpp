// The edge-coupled solve blocks of the differential-pair calculator: what they
// read from the frame's entry and the boxes, and what they show.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/form1.h"
#include "calc/diffpair/diffpair_frame.h"
#include "calc/diffpair/diffpair_values.h"
#include "tests/support/c_text.h"
#include "tests/support/harness.h"
#include "tests/support/math_errors.h"
#include "vcl/user.h"

using trellis::testing::Text;

namespace {

// The blocks read what the frame's entry leaves in the program's values and
// the height boxes as typed.
class EdgeCoupledBlock : public ::testing::Test {
 protected:
  void Open(bool metric, bool microns, int structure) {
    harness = std::make_unique<trellis::testing::Harness>(trellis::testing::HarnessOptions{
        .settings = {{"Units", metric ? "1" : "0"}, {"Microns", microns ? "1" : "0"}}});
    harness->Start();
    auto& menu = dynamic_cast<vcl::TMenuItem&>(harness->Component("Form1", "DifferentialPairs1"));
    vcl::user::PickMenuItem(menu);
    vcl::user::ChooseItem(*F().RadioGroup3, structure);
    harness->platform.TakeMessages();
  }
  trellis::TForm1& F() { return harness->Main(); }
  trellis::DiffPairValues& V() { return F().Values<trellis::DiffPairValues>(); }
  // What the entry would have read: W, S, copper, Er and the rise time.
  void Entry(const char* typedW, double w, double s, double base, double plating, double er) {
    vcl::user::TypeText(*F().Edit21, typedW);
    F().ConductorWidth = w;
    F().ConductorSpacing = s;
    F().BaseCopperThickness = base;
    F().PlatingThickness = plating;
    F().SubstrateEr = er;
    V().SignalRiseTime = 1;
  }
  std::unique_ptr<trellis::testing::Harness> harness;
};

TEST_F(EdgeCoupledBlock, OffCentrePairInMicrometres) {
  Open(true, true, 2);
  trellis::TForm1& f = F();
  Entry("127", 0.127, 0.127, 0.035, 0.018, 4.6);
  vcl::user::TypeText(*f.Edit27, "254");
  vcl::user::TypeText(*f.Edit32, "127");
  trellis::DiffPairPass pass{.metric = true, .microns = true, .structure = 2};
  trellis::SolveEdgeCoupledAsymmetric(f, pass);

  // The plating is left out; the model's values are in mils.
  EXPECT_DOUBLE_EQ(f.ConductorThickness, 0.035);
  EXPECT_NEAR(f.ConductorHeight, 0.416, 1e-12);
  EXPECT_NEAR(f.ModelHeight, 16.37795275590551, 1e-12);
  EXPECT_EQ(Text("%.3f", f.SingleEndedZo), "45.582");
  EXPECT_EQ(Text("%.3f", V().DifferentialZ), "77.096");
  EXPECT_NEAR(V().SaturationLength, 11.8 / std::sqrt(4.6) * 0.5 * 25.4, 1e-9);
  EXPECT_EQ(f.Label56->Caption(), " 35 um");
  EXPECT_EQ(f.Label403->Caption(), "69.87 mm");
  EXPECT_EQ(f.Edit28->Text(), "45.582 Ohms");
  EXPECT_EQ(f.Edit29->Text(), "77.096 Ohms");
  EXPECT_EQ(f.Label169->Caption(), "Narrow calculation mode");
  EXPECT_EQ(f.Label170->Caption(), "5.68897637795276");
  EXPECT_EQ(f.Label171->Caption(), "0.305288461538462");
  EXPECT_EQ(f.Label172->Caption(), "0.275590551181102");
  EXPECT_EQ(f.Label173->Caption(), "0.915865384615385");
  EXPECT_FALSE(f.Label106->Visible());
  EXPECT_FALSE(f.Label110->Visible());
  EXPECT_FALSE(f.Label284->Visible());
  EXPECT_EQ(f.Label284->Top(), 52);
  EXPECT_TRUE(harness->platform.TakeMessages().empty());
}

// Equal heights show the notice and compute all the same; unequal ones take
// it away and put its second line back in place.
TEST_F(EdgeCoupledBlock, EqualHeightsNotice) {
  Open(false, false, 2);
  trellis::TForm1& f = F();
  Entry("5", 5, 5, 1.4, 0.7, 4.6);
  vcl::user::TypeText(*f.Edit27, "8");
  vcl::user::TypeText(*f.Edit32, "8");
  trellis::DiffPairPass pass{.structure = 2};
  trellis::SolveEdgeCoupledAsymmetric(f, pass);
  EXPECT_TRUE(f.Label106->Visible());
  EXPECT_TRUE(f.Label110->Visible());
  EXPECT_TRUE(f.Label284->Visible());
  EXPECT_EQ(f.Label106->Caption(), "Attention!");
  EXPECT_EQ(f.Label110->Caption(), "Please use Edge Cpld Int");
  EXPECT_EQ(f.Label284->Caption(), "Sym Calculator if H1 = H2");
  EXPECT_EQ(f.Label284->Top(), 48);
  EXPECT_EQ(f.Edit28->Text(), "50.713 Ohms");
  EXPECT_EQ(f.Edit29->Text(), "84.940 Ohms");
  EXPECT_EQ(f.Label170->Caption(), "8.7");
  EXPECT_EQ(f.Label172->Caption(), "0.28");

  vcl::user::TypeText(*f.Edit32, "5");
  trellis::SolveEdgeCoupledAsymmetric(f, pass);
  EXPECT_FALSE(f.Label106->Visible());
  EXPECT_FALSE(f.Label110->Visible());
  EXPECT_FALSE(f.Label284->Visible());
  EXPECT_EQ(f.Label284->Top(), 52);
  EXPECT_EQ(f.Edit28->Text(), "48.029 Ohms");
  EXPECT_EQ(f.Edit29->Text(), "82.932 Ohms");
}

// With no width and no heights the ratio that picks the form is not a
// number: neither form runs and Zo and Zdiff keep what they had; the outer
// pair likewise keeps its effective Er.
TEST_F(EdgeCoupledBlock, NoRatioKeepsTheStep) {
  Open(false, false, 2);
  trellis::TForm1& f = F();
  Entry("0", 0, 5, 1.4, 0.7, 4.6);
  vcl::user::TypeText(*f.Edit27, "0");
  vcl::user::TypeText(*f.Edit32, "0");
  f.SingleEndedZo = 12;
  V().DifferentialZ = 21;
  f.Edit28->SetText("kept");
  f.Edit29->SetText("kept too");
  f.Label169->SetCaption("before");
  {
    trellis::testing::MathErrors errors;
    trellis::SolveEdgeCoupledAsymmetric(f, {.structure = 2});
    EXPECT_TRUE(errors.shown.empty());
  }
  EXPECT_EQ(f.SingleEndedZo, 12);
  EXPECT_EQ(V().DifferentialZ, 21);
  EXPECT_EQ(f.Edit28->Text(), "kept");
  EXPECT_EQ(f.Edit29->Text(), "kept too");
  EXPECT_EQ(f.Label169->Caption(), "before");
  EXPECT_EQ(f.Label56->Caption(), "1.40 mils");

  V().PairErEffective = 3.5;
  f.Label110->SetCaption("N/A");
  {
    trellis::testing::MathErrors errors;
    trellis::SolveEdgeCoupledExternal(f, {.structure = 0});
    EXPECT_FALSE(errors.shown.empty());  // the logarithm of 0 / 0
  }
  EXPECT_EQ(V().PairErEffective, 3.5);
  EXPECT_EQ(f.Label110->Caption(), "N/A");
  EXPECT_EQ(f.Label56->Caption(), "2.10 mils");
  EXPECT_NEAR(V().SaturationLength, 11.8 / std::sqrt(3.5) * 500, 1e-9);
}

}  // namespace
