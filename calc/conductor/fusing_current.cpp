#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/conductor_items.h"
#include "calc/conductor/conductor_model.h"
#include "calc/conductor/conductor_values.h"
#include "calc/conductor/fusing_model.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;

namespace {
constexpr double kSqMilsPerSqMm = 1550.0031000062;
}  // namespace

void TForm1::SolveFusingCurrent(vcl::TObject* Sender) {
  FusingValues& values = Values<FusingValues>();
  const bool imperial = RadioGroup6->ItemIndex() == 0;
  const bool metric = RadioGroup6->ItemIndex() == 1;
  if (!imperial && !metric) return;
  const bool microns = metric && Form6->CheckBox3->Checked();

  // Bare copper: no layer, so the plating always counts.
  ReadCopperWeights(metric);
  Label355->SetCaption(Shown("1084.62°C"));
  ConductorThickness = PlatingThickness + BaseCopperThickness;
  Label56->SetCaption(metric ? Shown(Format("%4.0f um", ConductorThickness * 1000))
                             : Shown(Format("%.2f mils", ConductorThickness)));

  ConductorWidth = StrToFloat(Edit140->Text());
  if (microns) ConductorWidth /= 1000;
  if (ConductorWidth <= ConductorThickness) {
    const double reset = ConductorThickness + ConductorThickness * 0.5;
    // The nested pass stores the reset width, which this pass goes on with.
    ResetAndResolve("fusing width",
                    "Conductor width can't be less than or equal to conductor thickness", Edit140,
                    vcl::FloatToStr(microns ? reset * 1000 : reset), Sender);
  }

  if (StrToFloat(Edit153->Text()) <= 0) {
    vcl::ShowMessage("Fuse time can't be less than or equal to 0");
    Edit153->SetText("1");
  }
  values.FuseTime = StrToFloat(Edit153->Text());

  if (StrToFloat(Edit337->Text()) < 1) {
    vcl::ShowMessage("Multiplier can't be less than 1");
    Edit337->SetText("1");
  }
  values.FusingMultiplier = StrToFloat(Edit337->Text());

  if (const auto etch = conductor::EtchFactorOfItem(Form6->RadioGroup2->ItemIndex()))
    CrossSection = conductor::EtchedCrossSection(*etch, ConductorWidth, ConductorThickness);

  double sqMils = CrossSection;
  if (imperial) {
    Edit159->SetText(Shown(Format("%.2f Sq.mils", CrossSection)));
  } else {
    Edit159->SetText(microns ? Shown(Format("%.2f Sq.um", CrossSection * 1000000))
                             : Shown(Format("%.4f Sq.mm", CrossSection)));
    CrossSectionSqMils = CrossSection * kSqMilsPerSqMm;
    sqMils = CrossSectionSqMils;
  }
  ConductorCurrent =
      conductor::OnderdonkCurrent(sqMils, AmbientTemp, values.FuseTime, values.FusingMultiplier);
  Edit160->SetText(Shown(Format("%.4f Amps", ConductorCurrent)));

  Label124->SetCaption("Cross section in circular mils:");
  values.CircularMils = conductor::CircularMils(sqMils);
  Label158->SetCaption(Shown(Format("%.2f mils", values.CircularMils)));
}

}  // namespace trellis
