// The Er-effective calculator: the microstrip model's effective dielectric
// constant at the panel's frequency, and its hand-over to the wavelength
// calculator.
#include <string>

#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/impedance/microstrip_model.h"
#include "settings/options_form.h"
#include "vcl/sysutils.h"

namespace trellis {

namespace {

// No Solve follows: the next one, the user's, reads the reset text.
const range::Row kErRow = {
    .test = range::Test::AtMost,
    .forms = range::InEveryUnit({range::Under::AnyFlag,
                                 1,
                                 {"Minimum Er value can't be less than or equal to 1"},
                                 {"1.001", "1,001"}}),
    .endsPass = true};

std::string EveryPointToComma(std::string text) {
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

}  // namespace

void TForm1::SolveErEffective(vcl::TObject* Sender) {
  // Two successive tests of the live units mode; any other index runs neither.
  const LengthUnit unit = UnitsShown(*this);
  for (const bool metric : {false, true}) {
    if (!unit.InBlock(metric)) continue;
    const bool microns = unit.Microns();
    // Millimetres from mils, or from micrometres under "Use Microns".
    auto toMm = [&](double typed) {
      return metric ? (microns ? typed / kMicrometresPerMillimetre : typed)
                    : MilsToMillimetres(typed);
    };

    ReadCopperWeights(metric);
    ConductorThickness = BaseCopperThickness + PlatingThickness;
    Label56->SetCaption(Shown(metric ? vcl::Format("%3.0f um", ConductorThickness * 1000)
                                     : vcl::Format("%.2f mils", ConductorThickness)));

    ConductorWidth = toMm(vcl::StrToFloat(Edit25->Text()));
    const double thickness = metric ? ConductorThickness : MilsToMillimetres(ConductorThickness);

    range::Checker checks(*this, Sender, unit);
    range::Input er(Edit7);
    SubstrateEr = checks.Check(er, kErRow);
    if (checks.Stopped()) return;

    ModelHeight = toMm(vcl::StrToFloat(Edit46->Text()));
    const double ghz = vcl::StrToFloat(Edit224->Text()) / 1000;

    const impedance::Microstrip m =
        impedance::MicrostripModel({ConductorWidth, ModelHeight, thickness, SubstrateEr, ghz});
    ErEffective = m.erEffective;

    const std::string result = vcl::Format("%.4f", ErEffective);
    if (PointFlag())
      Edit221->SetText(result);
    else if (CommaFlag())
      Edit221->SetText(EveryPointToComma(result));
    const std::string zo = vcl::FloatToStr(m.zo);
    Edit225->SetText(CommaFlag() ? EveryPointToComma(zo) : zo);
  }
}

// The wavelength panel is set to a frequency in MHz first, so the copied
// frequency keeps its meaning there.
void TForm1::Button5Click(vcl::TObject* Sender) {
  RadioGroup22->SetItemIndex(1);
  RadioGroup21->SetItemIndex(1);
  Edit103->SetText(Edit224->Text());
  Edit150->SetText(Edit221->Text());
  WavelengthCalculator1Click(Sender);
}

// The panel's reference button opens its page.
void TForm1::Button16Click(vcl::TObject*) { OpenLink(Link::ErEffective); }

}  // namespace trellis
