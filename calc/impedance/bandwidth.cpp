// The bandwidth and maximum conductor length: from a risetime, the bandwidth,
// the propagation speed and both length estimates; from a frequency, the
// wavelength and its fraction alone.
#include <algorithm>
#include <array>

#include "app/form1.h"
#include "app/links.h"
#include "app/range_check.h"
#include "calc/impedance/bandwidth_model.h"
#include "calc/impedance/bandwidth_values.h"
#include "vcl/sysutils.h"

namespace trellis {

using vcl::Format;

namespace {

// The rise-distance slider multiplies, whatever its caption says.
struct RiseStep {
  double factor;
  const char* point;
  const char* comma;
};
constexpr std::array<RiseStep, 7> kRiseSteps = {{{0.2, "0.2Sr", "0,2Sr"},
                                                 {0.25, "0.25Sr", "0,25Sr"},
                                                 {0.3, "0.3Sr", "0,3Sr"},
                                                 {0.35, "0.35Sr", "0,35Sr"},
                                                 {0.4, "0.4Sr", "0,4Sr"},
                                                 {0.45, "0.45Sr", "0,45Sr"},
                                                 {0.5, "0.5Sr", "0,5Sr"}}};

// A seventh to six digits, as users' figures have always had it.
struct LambdaStep {
  double factor;
  const char* text;
};
constexpr std::array<LambdaStep, 4> kLambdaSteps = {
    {{0.25, "1/4"}, {0.142857, "1/7"}, {0.1, "1/10"}, {0.05, "1/20"}}};

struct FrequencyUnit {
  double toMhz;
  const char* text;
  int left, width;
};
constexpr std::array<FrequencyUnit, 4> kFrequencyUnits = {{{1000, "GHz", 131, 42},
                                                           {1, "MHz", 131, 42},
                                                           {0.001, "KHz", 134, 42},
                                                           {0.000001, "Hz", 146, 28}}};

// The slider's bounds keep its position inside the tables.
template <class Steps>
const auto& StepAt(const Steps& steps, const vcl::TTrackBar* bar) {
  const int last = static_cast<int>(steps.size()) - 1;
  return steps[static_cast<std::size_t>(std::clamp(bar->Position(), 0, last))];
}

const range::Row kErRow = range::ErAtLeastOne({.resolve = "bandwidth Er", .readAgain = true});

}  // namespace

void TForm1::SolveBandwidth(vcl::TObject* Sender) {
  BandwidthValues& v = Values<BandwidthValues>();
  // Two successive tests of the live units mode; any other index runs neither.
  const LengthUnit unit = UnitsShown(*this);
  for (const bool metric : {false, true}) {
    if (!unit.InBlock(metric)) continue;
    const char* lengthFormat = metric ? "%.5f cm" : "%.5f Inches";
    auto length = [metric](const impedance::SignalLength& l) {
      return metric ? l.centimetres : l.inches;
    };

    const RiseStep& rise = StepAt(kRiseSteps, TrackBar2);
    // The caption in the flag's form from the first pass on, not only once
    // the slider has moved.
    Edit44->SetText(CommaFlag() ? rise.comma : rise.point);
    v.RiseDistanceFraction = rise.factor;
    v.BandwidthLambdaFraction = StepAt(kLambdaSteps, TrackBar3).factor;

    if (RadioGroup12->ItemIndex() == 0) {
      v.Risetime = vcl::StrToFloat(Edit19->Text());
      range::Checker checks(*this, Sender, unit);
      range::Input er(Edit7);
      // A nested Solve has written every result for the reset Er; this pass
      // goes on with it, and writes the same.
      SubstrateEr = checks.Check(er, kErRow);

      const impedance::RisetimeResults r = impedance::RisetimeModel(
          {v.Risetime, SubstrateEr,
           RadioGroup3->ItemIndex() == 1 ? impedance::SignalLayer::Stripline
                                         : impedance::SignalLayer::Microstrip,
           v.RiseDistanceFraction, v.BandwidthLambdaFraction});
      v.Bandwidth = r.bandwidth;
      v.Wavelength = length(r.wavelength);
      v.RiseDistance = r.riseDistance;
      v.RiseMaxLength = length(r.riseLength);
      v.PropagationSpeed = r.speed;
      v.LambdaMaxLength = length(r.lambdaLength);

      Edit22->SetText(Shown(Format("%.5f MHz", v.Bandwidth)));
      Edit23->SetText(Shown(Format(lengthFormat, v.Wavelength)));
      Edit24->SetText(Shown(Format(lengthFormat, v.RiseMaxLength)));
      Edit43->SetText(Shown(Format("%.3f m/s", v.PropagationSpeed)));
      Edit45->SetText(Shown(Format(lengthFormat, v.LambdaMaxLength)));
    } else if (RadioGroup12->ItemIndex() == 1) {
      const int unit = RadioGroup20->ItemIndex();
      const double toMhz = unit >= 0 && unit < static_cast<int>(kFrequencyUnits.size())
                               ? kFrequencyUnits[unit].toMhz
                               : 1;
      v.SignalFrequency = vcl::StrToFloat(Edit19->Text()) * toMhz;
      const impedance::FrequencyResults r =
          impedance::FrequencyModel(v.SignalFrequency, v.BandwidthLambdaFraction);
      v.Wavelength = length(r.wavelength);
      v.LambdaMaxLength = length(r.lambdaLength);
      Edit23->SetText(Shown(Format(lengthFormat, v.Wavelength)));
      Edit45->SetText(Shown(Format(lengthFormat, v.LambdaMaxLength)));
    }
  }
}

void TForm1::RadioGroup12Click(vcl::TObject* Sender) {
  const bool frequency = RadioGroup12->ItemIndex() == 1;
  Edit19->SetText(frequency ? "100" : "1");
  if (frequency) {
    RadioGroup20->SetVisible(true);
    RadioGroup20->SetItemIndex(1);
  } else {
    RadioGroup20->SetVisible(false);
  }
  Label30->SetCaption(frequency ? "Frequency" : "Signal Risetime");
  Edit279->SetText(frequency ? "MHz" : "ns");
  Edit279->SetWidth(frequency ? 42 : 28);
  Edit279->SetLeft(frequency ? 132 : 146);
  GroupBox41->SetVisible(!frequency);
  RadioGroup3->SetEnabled(!frequency);
  Edit19->SetHint(frequency ? "Enter the signal frequency." : "Enter the signal risetime.");
  Button1Click(Sender);
}

// The typed number is read anew in the chosen unit, not converted.
void TForm1::RadioGroup20Click(vcl::TObject* Sender) {
  const int unit = RadioGroup20->ItemIndex();
  if (unit >= 0 && unit < static_cast<int>(kFrequencyUnits.size())) {
    const FrequencyUnit& u = kFrequencyUnits[unit];
    Edit279->SetText(u.text);
    Edit279->SetLeft(u.left);
    Edit279->SetWidth(u.width);
  }
  Button1Click(Sender);
}

void TForm1::TrackBar2Change(vcl::TObject* Sender) {
  const RiseStep& rise = StepAt(kRiseSteps, TrackBar2);
  Edit44->SetText(CommaFlag() ? rise.comma : rise.point);
  Button1Click(Sender);
}

void TForm1::TrackBar3Change(vcl::TObject* Sender) {
  Edit47->SetText(StepAt(kLambdaSteps, TrackBar3).text);
  Button1Click(Sender);
}

// The panel's reference button opens its page.
void TForm1::Button10Click(vcl::TObject*) { OpenLink(Link::SpeedOfLight); }

}  // namespace trellis
