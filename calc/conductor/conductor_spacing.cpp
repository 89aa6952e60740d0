#include <optional>
#include <string>

#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/conductor/conductor_values.h"
#include "calc/conductor/spacing_model.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::Format;

namespace {

// Checked whatever the band, even while the box is disabled.
const range::Row kVoltageRow = {
    .test = range::Test::Below,
    .forms = range::InEveryUnit(
        {range::Under::AnyFlag, 501, {"Voltage must be equal to or greater than 501V"}, {"501"}}),
    .resolve = "spacing voltage"};

// The band group (RadioGroup9): "0 -15V" to "301 - 500V", then "> 500V".
std::optional<conductor::SpacingBand> SpacingBandOfItem(int item) {
  if (item < 0 || item > static_cast<int>(conductor::SpacingBand::Above500V)) return std::nullopt;
  return static_cast<conductor::SpacingBand>(item);
}

// The type group (RadioGroup10): "B1 - Bare PCB" to "A7 - Assembly".
std::optional<conductor::SpacingType> SpacingTypeOfItem(int item) {
  if (item < 0 || item > static_cast<int>(conductor::SpacingType::A7)) return std::nullopt;
  return static_cast<conductor::SpacingType>(item);
}

}  // namespace

void TForm1::SolveConductorSpacing(vcl::TObject* Sender) {
  SpacingValues& values = Values<SpacingValues>();
  const LengthUnit unit = UnitsShown(*this);
  if (!unit.Known()) return;
  const bool imperial = unit.Imperial();
  const bool metric = unit.Metric();
  const bool microns = unit.Microns();

  range::Checker checks(*this, Sender, unit);
  range::Input voltage(Edit79);
  values.SpacingVoltage = voltage.Read();
  // The nested pass stores the reset voltage, which this pass goes on with.
  checks.Check(voltage, kVoltageRow);

  const auto band = SpacingBandOfItem(RadioGroup9->ItemIndex());
  const auto type = SpacingTypeOfItem(RadioGroup10->ItemIndex());
  if (!type) return;

  if (band && *band != conductor::SpacingBand::Above500V) {
    const conductor::TabledSpacing spacing = conductor::TabledConductorSpacing(*band, *type);
    const int um = spacing.micrometres;
    const std::string mm = Format("%.2f mm", um / 1000.0);
    const std::string mils = Format("%.2f mils", spacing.mils);
    if (imperial) {
      Edit51->SetText(mils);
      if (CommaFlag()) Edit51->SetText(vcl::CommaForm(mils));
    } else {
      Edit51->SetText(mm);
      if (microns) Edit51->SetText(vcl::IntToStr(um) + " um");
      if (CommaFlag() && !microns) Edit51->SetText(vcl::CommaForm(mm));
    }
  } else if (band) {
    values.SpacingResult = conductor::SpacingAbove500V(*type, values.SpacingVoltage, metric);
    std::string text;
    if (imperial) {
      text = Format("%.4f mils", values.SpacingResult);
    } else {
      text = microns ? Format("%.2f um", values.SpacingResult * 1000)
                     : Format("%.4f mm", values.SpacingResult);
    }
    Edit51->SetText(text);
    if (CommaFlag()) Edit51->SetText(vcl::CommaForm(text));
  }
}

void TForm1::RadioGroup9Click(vcl::TObject* Sender) {
  const bool typed =
      SpacingBandOfItem(RadioGroup9->ItemIndex()) == conductor::SpacingBand::Above500V;
  Label21->SetEnabled(typed);
  Edit79->SetEnabled(typed);
  SolveConductorSpacing(Sender);
}

void TForm1::RadioGroup10Click(vcl::TObject* Sender) {
  const int type = RadioGroup10->ItemIndex();
  // B2 and B3 share a picture; B3 adds the altitude label.
  Image38->SetVisible(type == 0);
  Image39->SetVisible(type == 1 || type == 2);
  Label168->SetVisible(type == 2);
  Image37->SetVisible(type == 3);
  Image40->SetVisible(type == 4);
  Image41->SetVisible(type == 5);
  Image42->SetVisible(type == 6);
  SolveConductorSpacing(Sender);
}

// The panel's reference button opens its page.
void TForm1::Button11Click(vcl::TObject*) { OpenLink(Link::IpcStandards); }

}  // namespace trellis
