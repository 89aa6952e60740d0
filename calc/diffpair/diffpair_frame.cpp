#include "calc/diffpair/diffpair_frame.h"

#include <limits>
#include <string_view>

#include "app/form1.h"
#include "calc/diffpair/diffpair_values.h"
#include "calc/diffpair/pair_coupling_model.h"
#include "vcl/sysutils.h"

namespace trellis {

using vcl::Format;

namespace {

// A result kept in the program's values and shown in its box.
void Put(TForm1& f, vcl::TEdit* box, double& kept, double value, std::string_view format) {
  kept = value;
  box->SetText(f.Shown(Format(format, value)));
}

}  // namespace

void WriteThickness(TForm1& f, const DiffPairPass& pass) {
  impedance::WriteThickness(f, pass.Lengths(), f.ConductorThickness);
}

void WriteSaturationLength(TForm1& f, const DiffPairPass& pass, double erS) {
  DiffPairValues& v = f.Values<DiffPairValues>();
  v.SaturationLength = diffpair::SaturationLength(erS, v.SignalRiseTime, pass.metric);
  f.Label403->SetCaption(
      f.Shown(Format(pass.metric ? "%.2f mm" : "%.2f mils", v.SaturationLength)));
}

void WriteSingleEndedZo(TForm1& f, double zo) {
  Put(f, f.Edit28, f.SingleEndedZo, zo, "%.3f Ohms");
}

void WriteDifferentialZ(TForm1& f, double zdiff) {
  Put(f, f.Edit29, f.Values<DiffPairValues>().DifferentialZ, zdiff, "%.3f Ohms");
}

void PairCouplingResults(TForm1& f, const DiffPairPass& pass, double hr) {
  DiffPairValues& v = f.Values<DiffPairValues>();
  f.WidthHeightRatio = f.ConductorWidth / hr;
  f.Label397->SetCaption(f.Shown(Format("%.3f", f.WidthHeightRatio)));
  v.SpacingHeightRatio = f.ConductorSpacing / hr;
  f.Label398->SetCaption(f.Shown(Format("%.3f", v.SpacingHeightRatio)));

  // The broadside pairs have no single-ended impedance of their own: what
  // needs one is not computed from whatever an earlier pass left.
  const bool broadside = pass.structure == 4 || pass.structure == 5;
  if (broadside) {
    Put(f, f.Edit388, v.OddModeZ, v.DifferentialZ / 2, "%.3f Ohms");
    const double none = std::numeric_limits<double>::quiet_NaN();
    v.EvenModeZ = v.TerminatedCoupling = v.UnterminatedCoupling = none;
    v.TerminatedCouplingDb = v.UnterminatedCouplingDb = none;
    v.TerminatedNextVoltage = v.UnterminatedNextVoltage = none;
    for (vcl::TEdit* box :
         {f.Edit389, f.Edit390, f.Edit391, f.Edit392, f.Edit393, f.Edit396, f.Edit397})
      box->SetText("N/A");
    return;
  }

  const diffpair::Coupling c = diffpair::PairCoupling(
      {f.SingleEndedZo, v.DifferentialZ, v.CoupledLength, v.SaturationLength, v.AggressorVoltage});
  Put(f, f.Edit388, v.OddModeZ, c.odd, "%.3f Ohms");
  Put(f, f.Edit389, v.EvenModeZ, c.even, "%.3f Ohms");
  Put(f, f.Edit390, v.TerminatedCoupling, c.terminated, "%.4f");
  Put(f, f.Edit391, v.UnterminatedCoupling, c.unterminated, "%.4f");
  Put(f, f.Edit392, v.TerminatedCouplingDb, c.terminatedDb, "%.3f");
  Put(f, f.Edit393, v.UnterminatedCouplingDb, c.unterminatedDb, "%.3f");
  Put(f, f.Edit396, v.TerminatedNextVoltage, c.terminatedNext, "%.4f V");
  Put(f, f.Edit397, v.UnterminatedNextVoltage, c.unterminatedNext, "%.4f V");
}

}  // namespace trellis
