// The conductor-impedance solve: the frame every structure runs after (unit
// block, copper weights, Er, width and height, W/H) and the microstrip,
// embedded microstrip and symmetric stripline.
#include <array>
#include <iterator>

#include "app/form1.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/impedance/impedance_frame.h"
#include "calc/impedance/microstrip_model.h"
#include "calc/impedance/stripline_model.h"
#include "settings/options_form.h"
#include "vcl/sysutils.h"

namespace trellis {

using impedance::AnyZero;
using impedance::ImperialZero;
using impedance::MetricZero;
using range::Form;
using range::Row;
using range::Test;
using vcl::Format;

namespace {

constexpr range::Under kAnyFlag = range::Under::AnyFlag, kKnownFlag = range::Under::KnownFlag;

constexpr const char* kWidthMessage = "Conductor width cannot be less than or equal to zero.";
constexpr const char* kHeightMessage = "Conductor height cannot be less than or equal to zero.";

// The rows go on with the box read again, so no result of the pass comes from
// a rejected value: in mils the nested Solve has already solved the reset one.
const Row kErRow = {
    .test = Test::AtMost,
    .forms = range::InEveryUnit(
        {kAnyFlag, 1, {"Minimum Er value can't be less than or equal to 1"}, {"1.01", "1,01"}}),
    .resolve = "impedance Er",
    .readAgain = true};

const Row kWidthRows[] = {
    {.test = Test::AtMost,
     .forms = {ImperialZero(kWidthMessage), Form{}, Form{}},
     .resolve = "impedance width",
     .readAgain = true},
    {.test = Test::AtMost, .forms = MetricZero(kWidthMessage), .readAgain = true},
};

const Row kHeightRows[] = {
    {.test = Test::AtMost,
     .forms = {ImperialZero(kHeightMessage), Form{}, Form{}},
     .resolve = "impedance height",
     .readAgain = true},
    {.test = Test::AtMost, .forms = MetricZero(kHeightMessage), .readAgain = true},
};

// The structures' own checks never solve again.
const Row kMetricWidthRow = {
    .test = Test::AtMost, .forms = MetricZero(kWidthMessage), .readAgain = true};
const Row kHeightRow = {.test = Test::AtMost, .forms = AnyZero(kHeightMessage), .readAgain = true};
const Row kMetricHeightRow = {
    .test = Test::AtMost, .forms = MetricZero(kHeightMessage), .readAgain = true};

// Length boxes in the block's unit: mils, or millimetres from micrometres.
range::Input LengthInput(vcl::TEdit* box, const ImpedancePass& pass) {
  return range::Input(box, pass.Unit().BoxScale());
}

range::Checker ChecksOf(TForm1& f, const ImpedancePass& pass) {
  return range::Checker(f, pass.sender, pass.Unit());
}

// Restriction captions that quote a decimal, in the flag's form.
const char* ByFlag(const TForm1& f, const char* point, const char* comma) {
  return f.CommaFlag() ? comma : point;
}

// The warning ranges of the embedded microstrip's and the stripline's width
// and height: mils, or millimetres a hair wider than the captions'.
struct LengthRange {
  double low, high;
};
LengthRange LengthRangeOf(const ImpedancePass& pass) {
  return pass.metric ? LengthRange{0.1269, 0.3811} : LengthRange{5, 15};
}

void ShowLength(TForm1& f, vcl::TLabel* label, double value, const LengthRange& r) {
  impedance::ShowRanged(f, label, value, r.low, r.high, Format("%.1f", value),
                        vcl::FloatToStr(value));
}

void ShowZo(TForm1& f, double zo) {
  f.ZoText = Format("%.4f", zo);
  impedance::ShowRanged(f, f.Label261, zo, 40, 90, f.ZoText);
}

// The restriction captions of the embedded microstrip and the stripline.
void WriteLengthRestrictions(TForm1& f, const ImpedancePass& pass) {
  if (pass.metric) {
    f.Label85->SetCaption(ByFlag(f, "0.127mm < (W) < 0.381mm", "0,127mm < (W) < 0,381mm"));
    f.Label86->SetCaption(ByFlag(f, "0.127mm < (H) < 0.381mm", "0,127mm < (H) < 0,381mm"));
  } else {
    f.Label85->SetCaption("5mils < (W) < 15mils");
    f.Label86->SetCaption("5mils < (H) < 15mils");
  }
  f.Label246->SetCaption("40< Ohms < 90");
}

void SolveMicrostrip(TForm1& f, const ImpedancePass& pass) {
  f.ConductorThickness = f.BaseCopperThickness + f.PlatingThickness;
  impedance::WriteThickness(f, pass, f.ConductorThickness);

  f.ConductorWidth = pass.ReadLength(f.Edit67);
  f.ConductorHeight = pass.ReadLength(f.Edit68);
  const double toMm = pass.metric ? 1 : kMillimetresPerMil;
  f.ModelHeight = f.ConductorHeight * toMm;
  const double ghz = vcl::StrToFloat(f.Edit226->Text()) / 1000;

  const impedance::Microstrip m = impedance::MicrostripModel(
      {f.ConductorWidth * toMm, f.ModelHeight, f.ConductorThickness * toMm, f.SubstrateEr, ghz});
  f.ErEffective = m.erEffective;
  f.Label27->SetCaption(f.Shown(Format("%.4f", f.ErEffective)));

  f.SingleEndedZo = m.zo;
  f.Edit70->SetText(f.Shown(Format("%.4f Ohms", m.zo)));
  impedance::WriteDelay(f, pass, impedance::MicrostripDelayPerInch(f.ErEffective), m.zo);

  // Hidden for this structure, but kept up to date.
  f.Label85->SetCaption(ByFlag(f, "0.1 < W/H < 3.0", "0,1 < W/H < 3,0"));
  f.Label86->SetCaption("1 < Er < 15");
  f.Label107->SetCaption("W/H = ");
  f.WidthHeightRatio = f.ConductorWidth / f.ConductorHeight;
  f.WidthHeightRatioText = Format("%.3f", f.WidthHeightRatio);
  impedance::ShowRanged(f, f.Label108, f.WidthHeightRatio, 0.1, 3, f.WidthHeightRatioText);
  f.Label111->SetCaption("Er = ");
  impedance::ShowRanged(f, f.Label112, f.SubstrateEr, 1, 15, Format("%.1f", f.SubstrateEr),
                        vcl::FloatToStr(f.SubstrateEr));
}

// Works in inches.
void SolveMicrostripEmbed(TForm1& f, const ImpedancePass& pass) {
  f.ConductorThickness = f.BaseCopperThickness;
  impedance::WriteThickness(f, pass, f.ConductorThickness);

  range::Checker checks = ChecksOf(f, pass);
  const double toInches = pass.metric ? 1 / kMillimetresPerInch : 1 / kMilsPerInch;
  range::Input width = LengthInput(f.Edit67, pass);
  f.ConductorWidth = checks.Check(width, kMetricWidthRow) * toInches;
  range::Input h1 = LengthInput(f.Edit68, pass);
  f.ConductorHeight1 = checks.Check(h1, kHeightRow) * toInches;
  range::Input h2 = LengthInput(f.Edit74, pass);
  f.ConductorHeight2 = checks.Check(h2, kHeightRow) * toInches;

  const double w = f.ConductorWidth, height1 = f.ConductorHeight1;
  const impedance::EmbeddedMicrostripInputs in{w, f.ConductorThickness * toInches, height1,
                                               f.ConductorHeight2, f.SubstrateEr};
  // The results are still those of the inputs as they stand.
  if (impedance::ConductorReachesSurface(in))
    vcl::ShowMessage(
        "Conductor Height2 can't be greater than or equal to Conductor Height1 + Copper Weight");

  const impedance::EmbeddedMicrostrip m = impedance::EmbeddedMicrostripModel(in);
  f.ErPrime = m.erPrime;
  const double zo = m.zo;
  f.SingleEndedZo = zo;
  f.Edit70->SetText(f.Shown(Format("%.4f Ohms", zo)));
  impedance::WriteDelay(f, pass, m.tpdPerInch, zo);

  WriteLengthRestrictions(f, pass);

  const double fromInches = pass.metric ? kMillimetresPerInch : kMilsPerInch;
  const LengthRange range = LengthRangeOf(pass);
  f.Label107->SetCaption("(W) = ");
  ShowLength(f, f.Label108, w * fromInches, range);
  f.Label111->SetCaption("(H) = ");
  ShowLength(f, f.Label112, height1 * fromInches, range);
  ShowZo(f, zo);
}

// Symmetric, between two planes at H each; works in the block's unit.
void SolveStripline(TForm1& f, const ImpedancePass& pass) {
  f.ConductorThickness = f.BaseCopperThickness;
  impedance::WriteThickness(f, pass, f.ConductorThickness);

  double h = 0;
  if (!pass.metric) {
    f.ConductorWidth = pass.ReadLength(f.Edit67);
    f.ConductorHeight = pass.ReadLength(f.Edit68);
    h = f.ConductorHeight;
  } else {
    // The second height box is hidden here, and checked all the same.
    range::Checker checks = ChecksOf(f, pass);
    range::Input width = LengthInput(f.Edit67, pass);
    f.ConductorWidth = checks.Check(width, kMetricWidthRow);
    range::Input h1 = LengthInput(f.Edit68, pass);
    f.ConductorHeight1 = checks.Check(h1, kMetricHeightRow);
    range::Input h2 = LengthInput(f.Edit74, pass);
    f.ConductorHeight2 = checks.Check(h2, kMetricHeightRow);
    h = f.ConductorHeight1;
  }
  const double w = f.ConductorWidth;

  const impedance::Stripline s =
      impedance::StriplineModel({w, f.ConductorThickness, h, f.SubstrateEr});
  const double zo = s.zo;
  f.SingleEndedZo = zo;
  f.Edit70->SetText(f.Shown(Format("%.3f Ohms", zo)));
  impedance::WriteDelay(f, pass, s.tpdPerInch, zo);

  // The height range applies to H, the distance to each plane, as shown.
  WriteLengthRestrictions(f, pass);

  const LengthRange range = LengthRangeOf(pass);
  f.Label107->SetCaption("(W) = ");
  ShowLength(f, f.Label108, w, range);
  f.Label111->SetCaption("(H) = ");
  ShowLength(f, f.Label112, h, range);
  ShowZo(f, zo);
}

}  // namespace

void TForm1::SolveConductorImpedance(vcl::TObject* Sender) {
  // Two successive tests of the live units mode; any other index runs neither.
  const LengthUnit unit = UnitsShown(*this);
  for (const bool metric : {false, true}) {
    if (!unit.InBlock(metric)) continue;
    const ImpedancePass pass{metric, unit.Microns(), Sender};
    range::Checker checks(*this, Sender, unit);

    ReadCopperWeights(metric);

    range::Input er(Edit7);
    SubstrateEr = checks.Check(er, kErRow);
    range::Input width = LengthInput(Edit67, pass);
    ConductorWidth = checks.Check(width, kWidthRows);
    range::Input height = LengthInput(Edit68, pass);
    ConductorHeight = checks.Check(height, kHeightRows);

    WidthHeightRatio = ConductorWidth / ConductorHeight;
    WidthHeightRatioText = Format("%.3f", WidthHeightRatio);
    Label108->SetCaption(Shown(WidthHeightRatioText));

    // The structure selector's items, in order.
    static void (*const kStructures[])(TForm1&, const ImpedancePass&) = {
        SolveMicrostrip,    SolveMicrostripEmbed, SolveStripline,
        SolveStriplineAsym, SolveDualStripline,   SolveCoplanarWave};
    const int structure = RadioGroup3->ItemIndex();
    if (structure >= 0 && structure < static_cast<int>(std::size(kStructures)))
      kStructures[structure](*this, pass);
  }
}

void TForm1::BitBtn3Click(vcl::TObject*) {
  vcl::ShowMessage(
      "Conductor thickness is disabled for this calculator due to formula restrictions.");
}

}  // namespace trellis
