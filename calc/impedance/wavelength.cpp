// The wavelength calculator: a period or frequency and an effective dielectric
// constant give the wavelength in the substrate, or a fraction of it.
#include <array>
#include <optional>

#include "app/form1.h"
#include "app/links.h"
#include "calc/impedance/wavelength_model.h"
#include "calc/impedance/wavelength_values.h"
#include "vcl/sysutils.h"

namespace trellis {

using impedance::SignalUnit;
using impedance::WaveFraction;

namespace {

constexpr int kPeriod = 0, kFrequency = 1;

// What Edit103 holds, by the input method and the unit group's item.
std::optional<SignalUnit> SignalUnitOf(const TForm1& f) {
  static constexpr std::array<SignalUnit, 2> kPeriodUnits = {SignalUnit::Nanoseconds,
                                                             SignalUnit::Picoseconds};
  static constexpr std::array<SignalUnit, 4> kFrequencyUnits = {
      SignalUnit::Gigahertz, SignalUnit::Megahertz, SignalUnit::Kilohertz, SignalUnit::Hertz};
  const int item = f.RadioGroup21->ItemIndex();
  switch (f.RadioGroup22->ItemIndex()) {
    case kPeriod:
      if (item >= 0 && item < 2) return kPeriodUnits[item];
      break;
    case kFrequency:
      if (item >= 0 && item < 4) return kFrequencyUnits[item];
      break;
  }
  return std::nullopt;
}

struct FractionRow {
  WaveFraction fraction;
  const char* caption;
};
constexpr std::array<FractionRow, 9> kFractions = {{
    {WaveFraction::Full, "Full Wave Length"},
    {WaveFraction::ThreeQuarters, "3/4 Wave Length"},
    {WaveFraction::FiveEighths, "5/8 Wave Length"},
    {WaveFraction::Half, "1/2 Wave Length"},
    {WaveFraction::Quarter, "1/4 Wave Length"},
    {WaveFraction::Tenth, "1/10 Wave Length"},
    {WaveFraction::Fifteenth, "1/15 Wave Length"},
    {WaveFraction::Sixteenth, "1/16 Wave Length"},
    {WaveFraction::Twentieth, "1/20 Wave Length"},
}};

const FractionRow* FractionAt(int position) {
  if (position < 0 || position >= static_cast<int>(kFractions.size())) return nullptr;
  return &kFractions[position];
}

// The unit label beside the input: its text, left and width.
struct UnitLabel {
  const char* text;
  int left, width;
};
UnitLabel UnitLabelOf(SignalUnit unit) {
  switch (unit) {
    case SignalUnit::Nanoseconds:
      return {"ns", 138, 23};
    case SignalUnit::Picoseconds:
      return {"ps", 138, 23};
    case SignalUnit::Gigahertz:
      return {"GHz", 122, 42};
    case SignalUnit::Megahertz:
      return {"MHz", 122, 42};
    case SignalUnit::Kilohertz:
      return {"KHz", 125, 42};
    case SignalUnit::Hertz:
      return {"Hz", 137, 28};
  }
  return {"", 138, 23};
}

}  // namespace

void TForm1::SolveWavelength(vcl::TObject*) {
  WavelengthValues& v = Values<WavelengthValues>();
  // Two successive tests of the live units mode; any other index runs neither.
  const LengthUnit unit = UnitsShown(*this);
  for (const bool metric : {false, true}) {
    if (!unit.InBlock(metric)) continue;

    const FractionRow* row = FractionAt(TrackBar4->Position());
    if (row) v.WavelengthFraction = row->fraction;

    const double typed = vcl::StrToFloat(Edit103->Text());
    if (const auto unit = SignalUnitOf(*this))
      v.WavelengthFrequency = impedance::FrequencyMhz(*unit, typed);

    // Required to be a number, though this calculator has no use for it.
    SubstrateEr = vcl::StrToFloat(Edit7->Text());
    v.WavelengthErEffective = vcl::StrToFloat(Edit150->Text());

    v.Wavelength = (metric ? impedance::WavelengthCm : impedance::WavelengthInches)(
        v.WavelengthFrequency, v.WavelengthErEffective, v.WavelengthFraction);
    Edit104->SetText(vcl::Format(metric ? "%.5f cm" : "%.5f Inches", v.Wavelength));
    if (CommaFlag()) Edit104->SetText(vcl::CommaForm(Edit104->Text()));
  }
}

void TForm1::RadioGroup22Click(vcl::TObject* Sender) {
  const bool period = RadioGroup22->ItemIndex() == kPeriod;
  Label220->SetCaption(period ? "Period" : "Frequency");
  // Each item set runs the unit group's own handler when the item changes;
  // after the refill there is no item, so the second set always does.
  RadioGroup21->SetItemIndex(period ? 0 : 1);
  RadioGroup21->Items().Clear();
  if (period) {
    for (const char* unit : {"ns", "ps"}) RadioGroup21->Items().Add(unit);
  } else {
    for (const char* unit : {"GHz", "MHz", "KHz", "Hz"}) RadioGroup21->Items().Add(unit);
  }
  RadioGroup21->SetItemIndex(period ? 0 : 1);
  Edit280->SetWidth(period ? 23 : 42);
  Edit280->SetLeft(period ? 138 : 122);
  RadioGroup21->SetHint(period ? "Select units for time." : "Select units for frequency.");
  Edit103->SetHint(period ? "Enter the signal period." : "Enter the signal frequency.");
  Button1Click(Sender);
}

void TForm1::RadioGroup21Click(vcl::TObject* Sender) {
  if (const auto unit = SignalUnitOf(*this)) {
    const UnitLabel label = UnitLabelOf(*unit);
    Edit280->SetText(label.text);
    Edit280->SetLeft(label.left);
    Edit280->SetWidth(label.width);
  }
  Button1Click(Sender);
}

void TForm1::TrackBar4Change(vcl::TObject* Sender) {
  if (const FractionRow* row = FractionAt(TrackBar4->Position()))
    Label222->SetCaption(row->caption);
  Button1Click(Sender);
}

// The Er-effective panel types its frequency in MHz, so the period or
// frequency goes over in MHz, never as the bare number.
void TForm1::Button4Click(vcl::TObject* Sender) {
  const double typed = vcl::StrToFloat(Edit103->Text());
  if (const auto unit = SignalUnitOf(*this))
    Edit224->SetText(Shown(vcl::FloatToStr(impedance::FrequencyMhz(*unit, typed))));
  ErEffective1Click(Sender);
}

// The panel's reference buttons open their pages.
void TForm1::Button7Click(vcl::TObject*) { OpenLink(Link::Wavelength); }
void TForm1::Button8Click(vcl::TObject*) { OpenLink(Link::ErEffective); }
void TForm1::Button9Click(vcl::TObject*) { OpenLink(Link::SpeedOfLight); }

}  // namespace trellis
