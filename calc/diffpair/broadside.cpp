// The embedded edge-coupled pair and the broadside-coupled pairs.
#include "app/form1.h"
#include "app/range_check.h"
#include "calc/diffpair/broadside_model.h"
#include "calc/diffpair/diffpair_frame.h"
#include "vcl/sysutils.h"

namespace trellis {

using range::Row;
using range::Test;

namespace {

// The two broadside structures differ only in the planes' factor of h'.
void SolveBroadside(TForm1& f, const DiffPairPass& pass, bool shielded) {
  f.ConductorThickness = f.BaseCopperThickness;
  WriteThickness(f, pass);
  const double t = f.ConductorThickness, s = f.ConductorSpacing;
  const double scale = pass.BoxScale();

  range::Input height(f.Edit27, scale, true);
  f.ConductorHeight = diffpair::BroadsideOffset(height.Read(), t, s);

  // The nested pass solves the reset height and leaves its h' behind; a reset
  // that is refused again (no copper, or one printing as the refused height)
  // re-solves only once.
  const Row heightRow = {
      .test = Test::AtMost,
      .forms = range::InEveryUnit(
          {range::Under::AnyFlag,
           range::Decimal(diffpair::BroadsideStackHeight(t, s)),
           {"Conductor height can't be less than or equal to conductor thickness + spacing"}}),
      .derived =
          [&](std::span<const Row>) {
            return vcl::FloatToStr(diffpair::BroadsideResetHeight(t, s) * scale);
          },
      .resolve = "broadside height"};
  range::Checker(f, pass.sender, pass.Lengths().Unit()).Check(height, heightRow);

  // From here on the pass works with the values a nested pass has left.
  const double offset = f.ConductorHeight;
  WriteSaturationLength(f, pass, f.SubstrateEr);
  const double w = f.ConductorWidth, er = f.SubstrateEr;
  const double tNow = f.ConductorThickness, sNow = f.ConductorSpacing;
  WriteDifferentialZ(
      f, shielded ? diffpair::BroadsideShieldedZdiff(w, sNow, tNow, er, pass.BlockToMils(offset))
                  : diffpair::BroadsideUnshieldedZdiff(w, sNow, tNow, er));
  PairCouplingResults(f, pass, pass.Lengths().ReadLength(f.Edit27));
}

}  // namespace

void SolveEmbeddedPair(TForm1& f, const DiffPairPass& pass) {
  f.ConductorThickness = f.BaseCopperThickness;
  // Both unit blocks work in mils.
  double thicknessMils = f.ConductorThickness;
  if (pass.metric) {
    WriteThickness(f, pass);
    const ImpedancePass lengths = pass.Lengths();
    auto mils = [&lengths](const vcl::TEdit* box) {
      return lengths.TypedToMils(vcl::StrToFloat(box->Text()));
    };
    f.ConductorHeight1 = mils(f.Edit27);
    f.ConductorHeight2 = mils(f.Edit32);
    f.ConductorWidth = mils(f.Edit21);
    f.ConductorSpacing = mils(f.Edit26);
    thicknessMils = pass.BlockToMils(f.ConductorThickness);
  } else {
    f.ConductorHeight1 = vcl::StrToFloat(f.Edit27->Text());
    f.ConductorHeight2 = vcl::StrToFloat(f.Edit32->Text());
    WriteThickness(f, pass);
  }
  const double h1 = f.ConductorHeight1, h2 = f.ConductorHeight2;

  f.ErPrime = diffpair::EmbeddedErPrime(f.SubstrateEr, h1, h2);
  WriteSaturationLength(f, pass, f.ErPrime);

  WriteSingleEndedZo(f, diffpair::EmbeddedZo(f.ErPrime, f.ConductorWidth, thicknessMils, h1));

  WriteDifferentialZ(f, diffpair::EmbeddedZdiff(f.SingleEndedZo, f.ConductorSpacing, h2));
  PairCouplingResults(f, pass, h2);
}

void SolveBroadsideShielded(TForm1& f, const DiffPairPass& pass) { SolveBroadside(f, pass, true); }

void SolveBroadsideUnshielded(TForm1& f, const DiffPairPass& pass) {
  SolveBroadside(f, pass, false);
}

}  // namespace trellis
