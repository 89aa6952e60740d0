#include <span>

#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/conductor/conductor_items.h"
#include "calc/conductor/conductor_model.h"
#include "calc/conductor/conductor_values.h"
#include "calc/conductor/fusing_model.h"
#include "settings/options_form.h"

namespace trellis {

using range::Row;
using range::Test;
using vcl::Format;

namespace {

constexpr double kSqMilsPerSqMm = kSquareMilsPerSquareMillimetre;
constexpr range::Under kAnyFlag = range::Under::AnyFlag;

// The fuse time and the multiplier reset without solving again; the pass
// goes on with the reset.
const Row kFuseTimeRow = {.test = Test::AtMost,
                          .forms = range::InEveryUnit(
                              {kAnyFlag, 0, {"Fuse time can't be less than or equal to 0"}, {"1"}}),
                          .readAgain = true};
const Row kMultiplierRow = {
    .test = Test::Below,
    .forms = range::InEveryUnit({kAnyFlag, 1, {"Multiplier can't be less than 1"}, {"1"}}),
    .readAgain = true};

// The width must exceed the copper's thickness, both as the decimals they
// stand for; the reset is half as much again, in the box's unit.
Row WidthRow(double thickness, bool microns) {
  return {.test = Test::AtMost,
          .forms = range::InEveryUnit(
              {kAnyFlag,
               range::Decimal(thickness),
               {"Conductor width can't be less than or equal to conductor thickness"}}),
          .derived =
              [thickness, microns](std::span<const Row>) {
                const double reset = thickness + thickness * 0.5;
                return vcl::FloatToStr(microns ? reset * 1000 : reset);
              },
          .resolve = "fusing width"};
}

}  // namespace

void TForm1::SolveFusingCurrent(vcl::TObject* Sender) {
  FusingValues& values = Values<FusingValues>();
  const LengthUnit unit = UnitsShown(*this);
  if (!unit.Known()) return;
  const bool imperial = unit.Imperial();
  const bool metric = unit.Metric();
  const bool microns = unit.Microns();

  // Bare copper: no layer, so the plating always counts.
  ReadCopperWeights(metric);
  Label355->SetCaption(Shown("1084.62°C"));
  ConductorThickness = PlatingThickness + BaseCopperThickness;
  Label56->SetCaption(metric ? Shown(Format("%4.0f um", ConductorThickness * 1000))
                             : Shown(Format("%.2f mils", ConductorThickness)));

  range::Checker checks(*this, Sender, unit);
  range::Input width(Edit140, microns ? 1000 : 1, true);
  ConductorWidth = width.Read();
  // The nested pass stores the reset width, which this pass goes on with.
  checks.Check(width, WidthRow(ConductorThickness, microns));

  range::Input time(Edit153);
  values.FuseTime = checks.Check(time, kFuseTimeRow);
  range::Input multiplier(Edit337);
  values.FusingMultiplier = checks.Check(multiplier, kMultiplierRow);

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

// The panel's reference button opens its page.
void TForm1::Button17Click(vcl::TObject*) { OpenLink(Link::FusingCurrent); }

}  // namespace trellis
