// The offset stripline between two planes at unequal distances.
#include <optional>

#include "app/form1.h"
#include "app/range_check.h"
#include "calc/impedance/asym_stripline_model.h"
#include "calc/impedance/impedance_frame.h"
#include "calc/impedance/stripline_model.h"
#include "vcl/arrange.h"
#include "vcl/sysutils.h"

namespace trellis {

using impedance::AsymFormulaSet;
using range::Row;
using range::Test;
using vcl::Format;

namespace {

constexpr const char* kHeightMessage = "Conductor height cannot be less than or equal to zero.";

// H2 in the unit it is typed in; the pass computes with the reset value.
const Row kHeight2Row = {
    .test = Test::AtMost, .forms = impedance::AnyZero(kHeightMessage), .readAgain = true};

// RadioGroup24 " Formula Selection ": 0 "Default", 1 "IPC-2141", 2 "Wadell".
std::optional<AsymFormulaSet> FormulaSetOfItem(int item) {
  if (item < 0 || item > 2) return std::nullopt;
  return static_cast<AsymFormulaSet>(item);
}

}  // namespace

void SolveStriplineAsym(TForm1& f, const ImpedancePass& pass) {
  // The plating stays on the outer layers.
  f.ConductorThickness =
      pass.metric ? MillimetresToMils(f.BaseCopperThickness) : f.BaseCopperThickness;
  impedance::WriteThickness(f, pass, f.BaseCopperThickness);

  // The frame has checked (and reset) the width and H1; H2 is this
  // structure's own.
  range::Checker checks(f, pass.sender, pass.Unit());
  const double w = vcl::StrToFloat(f.Edit67->Text());
  const double h1 = vcl::StrToFloat(f.Edit68->Text());
  range::Input height2(f.Edit74);
  const double h2 = checks.Check(height2, kHeight2Row);
  f.ConductorWidth = pass.TypedToMils(w);
  f.ConductorHeight1 = pass.TypedToMils(h1);
  f.ConductorHeight2 = pass.TypedToMils(h2);

  vcl::ShowAll(h1 == h2, {f.Label188, f.Label191});

  const std::optional<AsymFormulaSet> set = FormulaSetOfItem(f.RadioGroup24->ItemIndex());
  if (!set) return;
  const impedance::AsymStriplineInputs in{f.ConductorWidth, f.ConductorThickness,
                                          f.ConductorHeight1, f.ConductorHeight2, f.SubstrateEr};
  double zo = 0;
  if (*set == AsymFormulaSet::Default) {
    // The form follows the ratio as typed, so a boundary ratio is wide in
    // every unit; a ratio that is not a number is not narrow.
    const impedance::AsymStriplineForm form =
        impedance::AsymStriplineFormFor(w, h1, h2).value_or(impedance::AsymStriplineForm::Wide);
    const impedance::AsymStripline model = impedance::AsymStriplineModel(in, form);
    zo = f.SingleEndedZo = model.zo;
    f.ModelHeight = model.b;
    if (form == impedance::AsymStriplineForm::Narrow) {
      f.ImpedanceScratch = model.y;
      f.Label116->SetCaption("Narrow calculation mode");
    } else {
      f.Label116->SetCaption("Wide calculation mode");
    }
  } else {
    // These sets leave the single-ended impedance to the model.
    const impedance::OffsetStripline offset = *set == AsymFormulaSet::Ipc2141
                                                  ? impedance::Ipc2141Stripline(in)
                                                  : impedance::WadellStripline(in);
    zo = offset.zo;
    f.ModelHeight = offset.b;
  }
  f.Edit70->SetText(f.Shown(Format("%.3f Ohms", zo)));

  impedance::WriteDelayOrError(f, pass, impedance::StriplineDelayPerInch(f.SubstrateEr), zo);
}

void TForm1::RadioGroup24Click(vcl::TObject* Sender) {
  const int item = RadioGroup24->ItemIndex();
  if (item == 0) Label116->SetVisible(true);
  if (item == 1 || item == 2) Label116->SetVisible(false);
  Button1Click(Sender);
}

}  // namespace trellis
