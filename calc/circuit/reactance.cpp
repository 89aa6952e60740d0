// The XC and XL reactance calculator: a frequency, a capacitance and an
// inductance in the panel's units give both reactances and the resonant
// frequency. No units mode, no range checks.
#include <array>
#include <optional>

#include "app/form1.h"
#include "calc/circuit/reactance_model.h"
#include "vcl/sysutils.h"

namespace trellis {

using circuit::CapacitanceUnit;
using circuit::FrequencyUnit;
using circuit::InductanceUnit;

namespace {

template <class Unit, std::size_t N>
std::optional<Unit> UnitAt(const vcl::TRadioGroup* group, const std::array<Unit, N>& units) {
  const int item = group->ItemIndex();
  if (item < 0 || item >= static_cast<int>(N)) return std::nullopt;
  return units[item];
}

constexpr std::array<FrequencyUnit, 4> kFrequencyUnits = {
    FrequencyUnit::Gigahertz, FrequencyUnit::Megahertz, FrequencyUnit::Kilohertz,
    FrequencyUnit::Hertz};
constexpr std::array<CapacitanceUnit, 3> kCapacitanceUnits = {
    CapacitanceUnit::Microfarads, CapacitanceUnit::Nanofarads, CapacitanceUnit::Picofarads};
constexpr std::array<InductanceUnit, 3> kInductanceUnits = {
    InductanceUnit::Millihenries, InductanceUnit::Microhenries, InductanceUnit::Nanohenries};

// The unit text beside an input: its text, left and width.
struct UnitText {
  const char* text;
  int left, width;
};
constexpr std::array<UnitText, 4> kFrequencyTexts = {
    {{"GHz", 124, 42}, {"MHz", 124, 42}, {"KHz", 127, 42}, {"Hz", 139, 28}}};
constexpr std::array<const char*, 3> kCapacitanceTexts = {"uF", "nF", "pF"};
constexpr std::array<UnitText, 3> kInductanceTexts = {
    {{"mH", 134, 32}, {"uH", 139, 30}, {"nH", 139, 30}}};

void Place(vcl::TEdit* box, const UnitText& unit) {
  box->SetText(unit.text);
  box->SetLeft(unit.left);
  box->SetWidth(unit.width);
}

}  // namespace

void TForm1::SolveReactance(vcl::TObject*) {
  double hertz = vcl::StrToFloat(Edit270->Text());
  if (const auto unit = UnitAt(RadioGroup19, kFrequencyUnits)) hertz = circuit::Hertz(hertz, *unit);
  double farads = vcl::StrToFloat(Edit271->Text());
  if (const auto unit = UnitAt(RadioGroup17, kCapacitanceUnits))
    farads = circuit::Farads(farads, *unit);
  Edit273->SetText(Shown(vcl::Format("%.4f Ohms", circuit::CapacitiveReactance(hertz, farads))));

  // Read only now: a bad inductance leaves the new XC beside the old results.
  double henries = vcl::StrToFloat(Edit272->Text());
  if (const auto unit = UnitAt(RadioGroup18, kInductanceUnits))
    henries = circuit::Henries(henries, *unit);
  Edit274->SetText(Shown(vcl::Format("%.4f Ohms", circuit::InductiveReactance(hertz, henries))));
  // Always in hertz, whatever the frequency's unit.
  Edit275->SetText(Shown(vcl::Format("%.4f Hz", circuit::ResonantFrequency(farads, henries))));
}

void TForm1::RadioGroup19Click(vcl::TObject* Sender) {
  const int item = RadioGroup19->ItemIndex();
  if (item >= 0 && item < static_cast<int>(kFrequencyTexts.size()))
    Place(Edit278, kFrequencyTexts[item]);
  Button1Click(Sender);
}

void TForm1::RadioGroup17Click(vcl::TObject* Sender) {
  const int item = RadioGroup17->ItemIndex();
  if (item >= 0 && item < static_cast<int>(kCapacitanceTexts.size()))
    Edit276->SetText(kCapacitanceTexts[item]);
  Button1Click(Sender);
}

void TForm1::RadioGroup18Click(vcl::TObject* Sender) {
  const int item = RadioGroup18->ItemIndex();
  if (item >= 0 && item < static_cast<int>(kInductanceTexts.size()))
    Place(Edit277, kInductanceTexts[item]);
  Button1Click(Sender);
}

}  // namespace trellis
