// The edge-coupled pairs: outer layer, and stripline with equal or unequal planes.
#include <optional>

#include "app/form1.h"
#include "calc/diffpair/diffpair_frame.h"
#include "calc/diffpair/diffpair_values.h"
#include "calc/diffpair/edge_coupled_model.h"
#include "calc/impedance/asym_stripline_model.h"
#include "vcl/arrange.h"
#include "vcl/sysutils.h"

namespace trellis {

using vcl::Format;

void SolveEdgeCoupledExternal(TForm1& f, const DiffPairPass& pass) {
  DiffPairValues& v = f.Values<DiffPairValues>();
  f.ConductorThickness = f.BaseCopperThickness + f.PlatingThickness;
  WriteThickness(f, pass);
  const double h = f.ConductorHeight = pass.Lengths().ReadLength(f.Edit27);

  const double w = f.ConductorWidth, t = f.ConductorThickness, er = f.SubstrateEr;
  if (const std::optional<double> erEffective = diffpair::ExternalPairErEffective(w, h, er)) {
    v.PairErEffective = *erEffective;
    f.Label110->SetCaption(f.Shown(Format("%.3f", v.PairErEffective)));
  }
  WriteSaturationLength(f, pass, v.PairErEffective);

  // The single-ended impedance takes the substrate's Er, not the effective one.
  const double zo = diffpair::ExternalPairZo(w, h, t, er);
  WriteSingleEndedZo(f, zo);
  WriteDifferentialZ(f, diffpair::ExternalPairZdiff(zo, f.ConductorSpacing, h));
  PairCouplingResults(f, pass, h);
}

void SolveEdgeCoupledSymmetric(TForm1& f, const DiffPairPass& pass) {
  // The plating stays on the outer layers.
  f.ConductorThickness = f.BaseCopperThickness;
  WriteThickness(f, pass);
  const double h = f.ConductorHeight = pass.Lengths().ReadLength(f.Edit27);
  WriteSaturationLength(f, pass, f.SubstrateEr);

  const diffpair::SymmetricConstants constants =
      pass.metric ? diffpair::SymmetricConstants::Metric : diffpair::SymmetricConstants::Imperial;
  const double zo = diffpair::SymmetricPairZo(f.ConductorWidth, h, f.ConductorThickness,
                                              f.SubstrateEr, constants);
  WriteSingleEndedZo(f, zo);
  WriteDifferentialZ(f, diffpair::StriplinePairZdiff(zo, f.ConductorSpacing, h));
  PairCouplingResults(f, pass, h);
}

void SolveEdgeCoupledAsymmetric(TForm1& f, const DiffPairPass& pass) {
  f.ConductorThickness = f.BaseCopperThickness;
  WriteThickness(f, pass);
  const double typed1 = vcl::StrToFloat(f.Edit27->Text());
  const double typed2 = vcl::StrToFloat(f.Edit32->Text());
  const double h1 = typed1 / pass.BoxScale(), h2 = typed2 / pass.BoxScale();
  const double t = f.ConductorThickness;
  const double b = f.ConductorHeight = h1 + h2 + t;

  // Centred planes have a structure of their own; the pass goes on all the same.
  const bool equal = typed1 == typed2;
  if (equal) {
    f.Label106->SetCaption("Attention!");
    f.Label110->SetCaption("Please use Edge Cpld Int");
    f.Label284->SetTop(48);
    f.Label284->SetCaption("Sym Calculator if H1 = H2");
  } else {
    f.Label284->SetTop(52);
  }
  vcl::ShowAll(equal, {f.Label106, f.Label110, f.Label284});

  WriteSaturationLength(f, pass, f.SubstrateEr);

  // The model works in mils in both blocks.
  const ImpedancePass lengths = pass.Lengths();
  const impedance::AsymStriplineInputs in{pass.BlockToMils(f.ConductorWidth), pass.BlockToMils(t),
                                          lengths.TypedToMils(typed1), lengths.TypedToMils(typed2),
                                          f.SubstrateEr};

  const impedance::AsymStripline geometry = impedance::AsymStriplineGeometry(in);
  f.ModelHeight = geometry.b;
  f.Label170->SetCaption(vcl::FloatToStr(geometry.s));
  f.Label171->SetCaption(vcl::FloatToStr(geometry.c));
  f.Label173->SetCaption(vcl::FloatToStr(geometry.k));
  f.Label172->SetCaption(vcl::FloatToStr(geometry.r));

  // The form follows the ratio of the typed numbers, so a boundary ratio is
  // wide in every unit. With no ratio (no width, no heights) neither form
  // runs, and Zo and Zdiff stay as they were.
  const double typedWidth = vcl::StrToFloat(f.Edit21->Text());
  const std::optional<impedance::AsymStriplineForm> form =
      impedance::AsymStriplineFormFor(typedWidth, typed1, typed2);
  if (form) {
    const impedance::AsymStripline m = impedance::AsymStriplineModel(in, *form);
    if (*form == impedance::AsymStriplineForm::Narrow) {
      f.ImpedanceScratch = m.y;
      f.Label169->SetCaption("Narrow calculation mode");
    } else {
      f.Label169->SetCaption("Wide calculation mode");
    }
    WriteSingleEndedZo(f, m.zo);
    WriteDifferentialZ(f, diffpair::StriplinePairZdiff(m.zo, f.ConductorSpacing, b));
  }
  PairCouplingResults(f, pass, b);
}

}  // namespace trellis
