// The dual stripline and the coplanar waveguide.
#include <array>
#include <span>
#include <string>

#include "app/form1.h"
#include "app/range_check.h"
#include "calc/impedance/dual_coplanar_model.h"
#include "calc/impedance/impedance_frame.h"
#include "vcl/sysutils.h"

namespace trellis {

using range::Row;
using range::Test;

namespace {

// The second box's check; the pass goes on with the reset value, so a
// rejected number never reaches the formulas.
const Row kSpacingRows[] = {
    {.test = Test::AtMost,
     .forms = impedance::AnyZero("Conductor spacing cannot be less than or equal to zero."),
     .readAgain = true},
};
const Row kGapRows[] = {
    {.test = Test::AtMost,
     .forms = impedance::AnyZero("Conductor gap cannot be less than or equal to zero."),
     .readAgain = true},
};

// The typed number of a checked box, or of its reset; the checks test only
// its sign, so the typed number serves in every unit.
double CheckedTyped(TForm1& f, const ImpedancePass& pass, vcl::TEdit* box,
                    std::span<const Row> rows) {
  range::Checker checks(f, pass.sender, pass.Unit());
  range::Input input(box);
  return checks.Check(input, rows);
}

}  // namespace

// Worked in mils in both blocks.
void SolveDualStripline(TForm1& f, const ImpedancePass& pass) {
  impedance::WriteThickness(f, pass, f.BaseCopperThickness);
  f.ConductorThickness =
      pass.metric ? MillimetresToMils(f.BaseCopperThickness) : f.BaseCopperThickness;

  f.ConductorWidth = pass.TypedToMils(vcl::StrToFloat(f.Edit67->Text()));
  f.ConductorHeight = pass.TypedToMils(vcl::StrToFloat(f.Edit68->Text()));
  f.ConductorSpacing = pass.TypedToMils(CheckedTyped(f, pass, f.Edit74, kSpacingRows));

  const impedance::DualStripline d = impedance::DualStriplineModel(
      f.ConductorWidth, f.ConductorHeight, f.ConductorSpacing, f.ConductorThickness, f.SubstrateEr);
  f.SingleEndedZo = d.zo;
  f.Edit70->SetText(f.Shown(vcl::Format("%.3f Ohms", d.zo)));
  impedance::WriteDelayOrError(f, pass, d.tpdPerInch, d.zo);
}

// Worked in the block's unit; the formula is free of scale.
void SolveCoplanarWave(TForm1& f, const ImpedancePass& pass) {
  f.Label107->SetCaption("W/H = ");
  f.ConductorThickness = f.BaseCopperThickness + f.PlatingThickness;
  impedance::WriteThickness(f, pass, f.ConductorThickness);

  f.ConductorWidth = pass.ReadLength(f.Edit67);
  f.ConductorHeight = pass.ReadLength(f.Edit68);
  const double typedGap = CheckedTyped(f, pass, f.Edit74, kGapRows);
  const double gap = pass.metric && pass.microns ? typedGap / 1000 : typedGap;

  const impedance::CoplanarWave w =
      impedance::CoplanarWaveModel(f.ConductorWidth, f.ConductorHeight, gap, f.SubstrateEr);
  f.SingleEndedZo = w.zo;
  f.Edit70->SetText(f.Shown(vcl::Format("%.4f Ohms", w.zo)));

  const bool comma = f.CommaFlag();
  f.Label85->SetCaption(comma ? "0,1 < W/H < 2,0" : "0.1 < W/H < 2.0");
  f.Label86->SetCaption(pass.metric ? "T = 53um" : comma ? "T = 2,10mils" : "T = 2.10mils");

  f.WidthHeightRatio = f.ConductorWidth / f.ConductorHeight;
  f.Label108->SetCaption(f.Shown(vcl::Format("%.3f", f.WidthHeightRatio)));
  // Black strictly inside the restriction, red on and beyond its bounds (and
  // for a ratio that is not a number), so no colour outlives its solve.
  const bool inside = f.WidthHeightRatio > 0.1 && f.WidthHeightRatio < 2.0;
  f.Label108->SetFontColor(inside ? vcl::clBlack : vcl::clRed);
}

}  // namespace trellis
