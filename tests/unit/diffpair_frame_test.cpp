// The coupling results every differential-pair structure runs after its
// impedances: computed from the pass's own values, and "N/A" where a
// broadside pair has no single-ended impedance of its own.
#include "calc/diffpair/diffpair_frame.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "app/form1.h"
#include "calc/diffpair/diffpair_values.h"
#include "calc/diffpair/pair_coupling_model.h"
#include "tests/support/harness.h"
#include "vcl/user.h"

namespace trellis {
namespace {

using testing::Harness;

// W/H, S/H, Zodd, Zeven, Kb, Kb', their dB and the two NEXT voltages.
using Texts = std::vector<std::string>;

void ExpectTexts(TForm1& f, const Texts& expected) {
  const Texts got = {f.Label397->Caption(), f.Label398->Caption(), f.Edit388->Text(),
                     f.Edit389->Text(),     f.Edit390->Text(),     f.Edit391->Text(),
                     f.Edit392->Text(),     f.Edit393->Text(),     f.Edit396->Text(),
                     f.Edit397->Text()};
  EXPECT_EQ(got, expected);
}

// The worked outer-layer pair's values as a block leaves them.
void LeaveWorkedPair(TForm1& f, double zo) {
  DiffPairValues& v = f.Values<DiffPairValues>();
  f.ConductorWidth = 10;
  f.ConductorSpacing = 5;
  f.SingleEndedZo = zo;
  v.DifferentialZ = 100.97918299506952;
  v.CoupledLength = 100;
  v.SaturationLength = 3289.2733864967645;
  v.AggressorVoltage = 1;
}

TEST(PairCouplingResults, EdgeCoupledStructuresUseTheirOwnZo) {
  for (int structure : {0, 1, 2, 3}) {
    SCOPED_TRACE(structure);
    Harness h;
    h.Start();
    TForm1& f = h.Main();
    LeaveWorkedPair(f, 77.50358535910601);
    DiffPairPass pass;
    pass.structure = structure;
    PairCouplingResults(f, pass, 15);
    ExpectTexts(f, {"0.667", "0.333", "50.490 Ohms", "118.971 Ohms", "0.2111", "0.4041", "-13.512",
                    "-7.870", "0.0064 V", "0.0123 V"});
    EXPECT_NEAR(f.Values<DiffPairValues>().EvenModeZ, 118.97116941042243, 1e-9);
  }
}

// Whatever single-ended impedance an earlier pass left, a broadside pair's
// results read the same: Zodd and the ratios, and "N/A" for the rest.
TEST(PairCouplingResults, BroadsideStructuresNeedNoEarlierPass) {
  for (int structure : {4, 5}) {
    for (double staleZo : {77.50358535910601, 30.0, 0.0}) {
      SCOPED_TRACE(std::to_string(structure) + " after Zo " + std::to_string(staleZo));
      Harness h;
      h.Start();
      TForm1& f = h.Main();
      LeaveWorkedPair(f, staleZo);
      DiffPairPass pass;
      pass.structure = structure;
      PairCouplingResults(f, pass, 2);
      ExpectTexts(
          f, {"5.000", "2.500", "50.490 Ohms", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A", "N/A"});
      const DiffPairValues& v = f.Values<DiffPairValues>();
      EXPECT_NEAR(v.OddModeZ, 50.48959149753476, 1e-9);
      EXPECT_TRUE(std::isnan(v.EvenModeZ));
      EXPECT_TRUE(std::isnan(v.TerminatedNextVoltage));
      EXPECT_TRUE(h.platform.TakeMessages().empty());
    }
  }
}

// A comma user reads the same results with a decimal comma.
TEST(PairCouplingResults, CommaForms) {
  testing::HarnessOptions options;
  options.decimalSeparator = ",";
  Harness h(options);
  h.Start();
  TForm1& f = h.Main();
  LeaveWorkedPair(f, 77.50358535910601);
  PairCouplingResults(f, DiffPairPass{}, 15);
  ExpectTexts(f, {"0,667", "0,333", "50,490 Ohms", "118,971 Ohms", "0,2111", "0,4041", "-13,512",
                  "-7,870", "0,0064 V", "0,0123 V"});
}

// The window's verdict and warnings on values no box can hold: an impedance
// that is not a number lies outside; a ratio that is not a number leaves its
// label as it was.
TEST(ZdiffToleranceWindow, ValuesThatAreNotNumbers) {
  Harness h;
  h.Start();
  TForm1& f = h.Main();
  DiffPairValues& v = f.Values<DiffPairValues>();
  const double nan = std::nan("");
  f.Label397->SetCaption("0.667");
  f.Label397->SetFontColor(vcl::clBlack);
  f.Label398->SetCaption("9.000 Warning!");
  f.Label398->SetFontColor(vcl::clRed);
  f.WidthHeightRatio = nan;
  v.SpacingHeightRatio = nan;
  v.DifferentialZ = nan;
  ZdiffToleranceWindow(f);
  EXPECT_EQ(f.Shape1->BrushColor, vcl::clRed);
  EXPECT_EQ(f.Label397->Caption(), "0.667");
  EXPECT_EQ(f.Label397->Font().Color, vcl::clBlack);
  EXPECT_EQ(f.Label398->Caption(), "9.000 Warning!");
  EXPECT_EQ(f.Label398->Font().Color, vcl::clRed);
  EXPECT_EQ(f.Edit30->Text(), "112.500 Ohms");

  // Infinite ratios are numbers, far out of range.
  f.WidthHeightRatio = std::numeric_limits<double>::infinity();
  v.DifferentialZ = 100;
  ZdiffToleranceWindow(f);
  EXPECT_EQ(f.Label397->Caption(), "+INF Warning!");
  EXPECT_EQ(f.Label397->Font().Color, vcl::clRed);
  EXPECT_EQ(f.Shape1->BrushColor, vcl::clLime);
}

// A slider position off the table (a wider slider) keeps the caption and the
// factors of the last position that had them.
TEST(ZdiffToleranceWindow, PositionOffTheTableKeepsTheFactors) {
  testing::HarnessOptions options;
  options.settings["Program"] = "4";
  Harness h(options);
  h.Start();
  TForm1& f = h.Main();
  vcl::user::MoveTrackBar(*f.TrackBar1, 7);
  f.TrackBar1->SetRange(0, 20);
  const long solves = f.SolveCount;
  f.TrackBar1->SetPosition(15);
  EXPECT_EQ(f.SolveCount, solves + 1);
  EXPECT_EQ(f.Label46->Caption(), "20%");
  EXPECT_EQ(f.Values<DiffPairValues>().ZdiffTolerancePlus, 1.2);
  EXPECT_EQ(f.Values<DiffPairValues>().ZdiffToleranceMinus, 0.8);
  EXPECT_EQ(f.Edit30->Text(), "120.000 Ohms");
  EXPECT_EQ(f.Edit31->Text(), "80.000 Ohms");
}

// The protocol list shows the protocols whose targets its handler writes, in order.
TEST(DifferentialProtocols, ListAndTableAgree) {
  Harness h;
  h.Create();
  const vcl::TStrings& items = h.Main().ComboBox5->Items();
  ASSERT_EQ(items.Count(), diffpair::kProtocolCount);
  for (int i = 0; i < diffpair::kProtocolCount; ++i)
    EXPECT_EQ(items[i], diffpair::Protocols()[i].name);
}

}  // namespace
}  // namespace trellis
