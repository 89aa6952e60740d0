#include "calc/diffpair/diffpair_frame.h"

#include <limits>

#include "app/form1.h"
#include "calc/diffpair/diffpair_values.h"
#include "calc/diffpair/pair_coupling_model.h"
#include "vcl/sysutils.h"

namespace trellis {

using vcl::Format;

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
  f.SingleEndedZo = zo;
  f.Edit28->SetText(f.Shown(Format("%.3f Ohms", zo)));
}

void WriteDifferentialZ(TForm1& f, double zdiff) {
  f.Values<DiffPairValues>().DifferentialZ = zdiff;
  f.Edit29->SetText(f.Shown(Format("%.3f Ohms", zdiff)));
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
    v.OddModeZ = v.DifferentialZ / 2;
    f.Edit388->SetText(f.Shown(Format("%.3f Ohms", v.OddModeZ)));
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
  v.OddModeZ = c.odd;
  f.Edit388->SetText(f.Shown(Format("%.3f Ohms", c.odd)));
  v.EvenModeZ = c.even;
  f.Edit389->SetText(f.Shown(Format("%.3f Ohms", c.even)));
  v.TerminatedCoupling = c.terminated;
  f.Edit390->SetText(f.Shown(Format("%.4f", c.terminated)));
  v.UnterminatedCoupling = c.unterminated;
  f.Edit391->SetText(f.Shown(Format("%.4f", c.unterminated)));
  v.TerminatedCouplingDb = c.terminatedDb;
  f.Edit392->SetText(f.Shown(Format("%.3f", c.terminatedDb)));
  v.UnterminatedCouplingDb = c.unterminatedDb;
  f.Edit393->SetText(f.Shown(Format("%.3f", c.unterminatedDb)));
  v.TerminatedNextVoltage = c.terminatedNext;
  f.Edit396->SetText(f.Shown(Format("%.4f V", c.terminatedNext)));
  v.UnterminatedNextVoltage = c.unterminatedNext;
  f.Edit397->SetText(f.Shown(Format("%.4f V", c.unterminatedNext)));
}

}  // namespace trellis
