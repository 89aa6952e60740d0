// The differential-pair solve: its entry in each unit block, the structure
// dispatch, the target window at the end of every pass, and the panel's handlers.
#include <iterator>

#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/diffpair/diffpair_frame.h"
#include "calc/diffpair/diffpair_values.h"
#include "calc/diffpair/pair_coupling_model.h"
#include "settings/options_form.h"
#include "vcl/sysutils.h"

namespace trellis {

using range::Row;
using range::Test;
using vcl::Format;
using vcl::StrToFloat;

namespace {

// The pass goes on with the typed value; the next one reads the reset.
const Row kErRow = range::ErAtLeastOne();

constexpr int kCustomProtocol = diffpair::kProtocolCount - 1;

void ReadEntry(TForm1& f, const DiffPairPass& pass) {
  DiffPairValues& v = f.Values<DiffPairValues>();
  f.ReadCopperWeights(pass.metric);

  const ImpedancePass lengths = pass.Lengths();
  v.CoupledLength = lengths.ReadLength(f.Edit398);
  v.SignalRiseTime = StrToFloat(f.Edit400->Text());
  v.AggressorVoltage = StrToFloat(f.Edit394->Text());

  range::Checker checks(f, pass.sender, lengths.Unit());
  range::Input er(f.Edit7);
  f.SubstrateEr = checks.Check(er, kErRow);

  f.ConductorWidth = lengths.ReadLength(f.Edit21);
  f.ConductorSpacing = lengths.ReadLength(f.Edit26);
}

// The tolerance factors of the slider's position; a position off the slider
// keeps the last ones.
void SetZdiffTolerance(TForm1& f) {
  DiffPairValues& v = f.Values<DiffPairValues>();
  if (const auto t = diffpair::ToleranceAt(f.TrackBar1->Position())) {
    v.ZdiffTolerancePlus = t->plus;
    v.ZdiffToleranceMinus = t->minus;
  }
}

void ShowRatio(TForm1& f, vcl::TLabel* label, double ratio) {
  switch (diffpair::RatioRange(ratio)) {
    case diffpair::RatioVerdict::OutOfRange:
      label->SetFontColor(vcl::clRed);
      label->SetCaption(f.Shown(Format("%.3f Warning!", ratio)));
      break;
    case diffpair::RatioVerdict::InRange:
      label->SetFontColor(vcl::clBlack);
      label->SetCaption(f.Shown(Format("%.3f", ratio)));
      break;
    case diffpair::RatioVerdict::NotANumber:
      break;
  }
}

}  // namespace

void ZdiffToleranceWindow(TForm1& f) {
  DiffPairValues& v = f.Values<DiffPairValues>();
  SetZdiffTolerance(f);
  v.TargetZdiff = StrToFloat(f.Edit151->Text());
  const diffpair::Window w =
      diffpair::TargetWindow(v.TargetZdiff, v.ZdiffTolerancePlus, v.ZdiffToleranceMinus);
  v.TargetZdiffPlus = w.plus;
  v.TargetZdiffMinus = w.minus;
  f.Edit30->SetText(f.Shown(Format("%.3f Ohms", w.plus)));
  f.Edit31->SetText(f.Shown(Format("%.3f Ohms", w.minus)));
  f.Shape1->SetBrushColor(diffpair::InWindow(v.DifferentialZ, w) ? vcl::clLime : vcl::clRed);
  ShowRatio(f, f.Label397, f.WidthHeightRatio);
  ShowRatio(f, f.Label398, v.SpacingHeightRatio);
}

void TForm1::SolveDifferentialPairs(vcl::TObject* Sender) {
  Label110->SetCaption("N/A");
  Label285->SetCaption("N/A");

  // The structure selector's items, in order.
  static void (*const kStructures[])(TForm1&, const DiffPairPass&) = {
      SolveEdgeCoupledExternal, SolveEdgeCoupledSymmetric, SolveEdgeCoupledAsymmetric,
      SolveEmbeddedPair,        SolveBroadsideShielded,    SolveBroadsideUnshielded};

  // Two successive tests of the live units mode; any other index runs neither.
  const LengthUnit unit = UnitsShown(*this);
  for (const bool metric : {false, true}) {
    if (!unit.InBlock(metric)) continue;
    DiffPairPass pass;
    pass.metric = metric;
    pass.microns = unit.Microns();
    pass.structure = RadioGroup3->ItemIndex();
    pass.sender = Sender;

    ReadEntry(*this, pass);
    // No matching structure leaves the results of earlier passes.
    if (pass.structure >= 0 && pass.structure < static_cast<int>(std::size(kStructures)))
      kStructures[pass.structure](*this, pass);
    ZdiffToleranceWindow(*this);
  }
}

void TForm1::TrackBar1Change(vcl::TObject* Sender) {
  if (const auto t = diffpair::ToleranceAt(TrackBar1->Position())) {
    Label46->SetCaption(t->caption);
    if (CommaFlag()) Label46->SetCaption(t->commaCaption);
  }
  Button1Click(Sender);
}

void TForm1::ComboBox5Change(vcl::TObject* Sender) {
  const int i = ComboBox5->ItemIndex();
  if (i >= 0 && i < diffpair::kProtocolCount) {
    if (const char* target = diffpair::Protocols()[i].target) Edit151->SetText(target);
  }
  Button1Click(Sender);
}

// Neither runs a pass: the window keeps its texts until the next Solve.
void TForm1::Edit151Click(vcl::TObject*) {
  Edit151->SetText("");
  ComboBox5->SetItemIndex(kCustomProtocol);
}

void TForm1::Edit151Exit(vcl::TObject*) {
  if (!Edit151->Text().empty()) return;
  ComboBox5->SetItemIndex(0);
  Edit151->SetText("100");
}

void TForm1::Button18Click(vcl::TObject* Sender) {
  ViaProperties1Click(Sender);
  RadioGroup5->SetItemIndex(1);
  Edit386->SetText(Shown(Format("%.3f", Values<DiffPairValues>().DifferentialZ)));
  Button1Click(Sender);
}

void TForm1::BitBtn6Click(vcl::TObject*) {
  vcl::ShowMessage(
      "These values are subject to variations, please consult datasheets for specific values");
}

// The panel's reference button opens its page.
void TForm1::BitBtn8Click(vcl::TObject*) { OpenLink(Link::CoupledLines); }

}  // namespace trellis
