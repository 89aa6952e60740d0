// The padstack calculator: pads around a hole, conductors between pads or
// lands, and the drill for a rectangular pin.
#include <array>
#include <span>
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/via/padstack_model.h"
#include "calc/via/padstack_values.h"
#include "settings/options_form.h"
#include "vcl/arrange.h"

namespace trellis {

using range::Row;
using range::Test;
using vcl::Format;
using vcl::StrToFloat;
using vcl::TEdit;
using vcl::TObject;

double ConvertLength(double value, LengthSystem from, LengthSystem to) {
  auto toMm = [](double v, LengthSystem u) {
    return u == LengthSystem::Mils          ? v * kMillimetresPerMil
           : u == LengthSystem::Micrometres ? v / kMicrometresPerMillimetre
                                            : v;
  };
  if (from == to) return value;
  const double mm = toMm(value, from);
  if (to == LengthSystem::Mils) return mm / kMillimetresPerMil;
  if (to == LengthSystem::Micrometres) return mm * kMicrometresPerMillimetre;
  return mm;
}

namespace {

// The unit a pass works in and how it reads and writes the boxes.
struct PadstackPass {
  TForm1& f;
  LengthUnit unit;
  bool imperial, microns;

  PadstackPass(TForm1& form, LengthUnit shown)
      : f(form), unit(shown), imperial(shown.Imperial()), microns(shown.Microns()) {}

  LengthSystem Unit() const { return imperial ? LengthSystem::Mils : LengthSystem::Millimetres; }
  double Scale() const { return microns ? kMicrometresPerMillimetre : 1; }

  // Micrometre boxes are read as millimetres, so the metric arithmetic is one.
  double Read(TEdit* box) const {
    const double v = StrToFloat(box->Text());
    return microns ? v / 1000 : v;
  }

  std::string Text(double v, const char* mils, const char* mm, const char* um) const {
    if (imperial) return f.Shown(Format(mils, v));
    if (microns) return f.Shown(Format(um, v * 1000));
    return f.Shown(Format(mm, v));
  }

  // The reset for a value that must not be below `limit`: the general-format
  // text, raised in its last digit when reading it back would fall short, so
  // the re-solve does not reject it again.
  std::string ResetNotBelow(double limit) const {
    return range::PassingText(microns ? limit * 1000 : limit,
                              [&](double back) { return (microns ? back / 1000 : back) >= limit; });
  }
};

constexpr range::Under kAnyFlag = range::Under::AnyFlag, kKnownFlag = range::Under::KnownFlag;

// The padstack's range checks: each reports, resets its box and re-solves
// once; the pass goes on with the kept values or the locals it read.
Row BelowZero(const char* check, const char* message) {
  return {.test = Test::Below,
          .forms = range::InEveryUnit({kAnyFlag, 0, {message}, {"0"}}),
          .resolve = check};
}
const Row kRingRow =
    BelowZero("padstack ring", "Annular ring should be greater than zero for plated holes.");
const Row kIsolationRow =
    BelowZero("padstack isolation",
              "Isolation width should be greater than zero for plated holes with thermal reliefs.");
const Row kWidthRow = BelowZero("padstack width", "Conductor width should be greater than zero.");
const Row kSpacingRow =
    BelowZero("padstack spacing", "Spacing constraint should be at least zero.");
const Row kLandRow = BelowZero("padstack land", "Land diameter should be greater than zero.");
const Row kLandSpacingRow =
    BelowZero("padstack land spacing", "Spacing constraint should be at least zero.");
const Row kSideARow = BelowZero("padstack side a", "Side a should be greater than zero.");
const Row kSideBRow = BelowZero("padstack side b", "Side b should be greater than zero.");

// The hole of a thru-hole pad, per unit: mils, millimetres, micrometres.
// Metric messages that quote a fraction follow the flag; under an unknown
// flag they neither show nor reset.
std::array<Row, 2> HoleRows(bool plated) {
  return {{
      {.test = Test::Below,
       .forms = {{{kAnyFlag,
                   1,
                   {plated ? "Hole diameter can't be less than 1mil."
                           : "Hole diameter can't be less than 1mil..."},
                   {"1"}},
                  {kKnownFlag,
                   kMillimetresPerMil,
                   {"Hole diameter can't be less than 0.0254mm",
                    "Hole diameter can't be less than 0,0254mm"},
                   {"0.0254", "0,0254"}},
                  {kKnownFlag,
                   kMillimetresPerMil,
                   {"Hole diameter can't be less than 25.4um",
                    "Hole diameter can't be less than 25,4um"},
                   {"25.4", "25,4"}}}},
       .resolve = "padstack hole min"},
      {.test = Test::Above,
       .forms = {{{kAnyFlag,
                   250,
                   {plated ? "Hole diameter can't be greater than 250mils. Holes larger the "
                             "250mils usually need to be routed out."
                           : "Hole diameter can't be greater than 250mils. Holes larger the "
                             "250mils need to be routed out"},
                   {"250"}},
                  {kKnownFlag,
                   6.35,
                   {"Hole diameter can't be greater than 6.35mm. Holes larger the 6.35mm "
                    "usually need to be routed out",
                    "Hole diameter can't be greater than 6,35mm. Holes larger the 6,35mm "
                    "usually need to be routed out"},
                   {"6.35", "6,35"}},
                  {kAnyFlag,
                   6.35,
                   {"Hole diameter can't be greater than 6350um. Holes larger the 6350um "
                    "usually need to be routed out"},
                   {"6350"}}}},
       .resolve = "padstack hole max"},
  }};
}

// A pitch that must not fall below `least`: reset to the passing text of it.
Row PitchRow(const PadstackPass& p, const char* check, const char* message, double least) {
  return {.test = Test::Below,
          .forms = range::InEveryUnit({kAnyFlag, least, {message}}),
          .derived = [&p, least](std::span<const Row>) { return p.ResetNotBelow(least); },
          .resolve = check};
}

struct Spoke {
  const char *imperial, *mmPoint, *mmComma, *umPoint, *umComma;
};

// The spoke-width rows' texts, by the model's row.
constexpr Spoke kSpokeWidthTexts[via::kSpokeWidthRows] = {
    {"6 mils", "0.1524 mm", "0,1524 mm", "152.4 um", "152,4 um"},
    {"8 mils", "0.2032 mm", "0,2032 mm", "203.2 um", "203,2 um"},
    {"10 mils", "0.254 mm", "0,254 mm", "254 um", "254 um"},
    {"15 mils", "0.381 mm", "0,381 mm", "381 um", "381 um"},
    {"20 mils", "0.508 mm", "0,508 mm", "508 um", "508 um"},
    {"25 mils", "0.635 mm", "0,635 mm", "635 um", "635 um"},
};

std::string SpokeWidth(const PadstackPass& p, double hole) {
  const int row = via::SpokeWidthRow(hole, !p.imperial);
  const Spoke& s = kSpokeWidthTexts[row];
  if (p.imperial) return s.imperial;
  // The micrometre texts with a fraction exist in two forms; an unknown flag
  // leaves those two rows in millimetres.
  if (p.microns) {
    if (row >= 2) return s.umPoint;
    if (p.f.PointFlag()) return s.umPoint;
    if (p.f.CommaFlag()) return s.umComma;
    return s.mmPoint;
  }
  return p.f.CommaFlag() ? s.mmComma : s.mmPoint;
}

}  // namespace

void TForm1::SolvePadstack(TObject* Sender) {
  const LengthUnit unit = UnitsShown(*this);
  if (!unit.Known()) return;
  const PadstackPass p(*this, unit);
  const int type = RadioGroup14->ItemIndex();
  PadstackValues& k = Values<PadstackValues>();
  range::Checker checks(*this, Sender, p.unit);

  if (type == 0) {
    if (Edit34->Text() != "N/A") {
      range::Input ring(Edit34, p.Scale());
      k.AnnularRing = ring.Read();
      k.RingUnit = p.Unit();
      checks.Check(ring, kRingRow);
    }
    if (Edit35->Text() != "N/A") {
      range::Input isolation(Edit35, p.Scale());
      k.IsolationWidth = isolation.Read();
      k.IsolationUnit = p.Unit();
      checks.Check(isolation, kIsolationRow);
    }

    const bool plated = RadioGroup7->ItemIndex() == 0;
    range::Input hole(Edit33, p.Scale());
    k.HoleDiameter = hole.Read();
    checks.Check(hole, HoleRows(plated));

    // From here on the kept values: a re-solve above has left the corrected ones.
    const double h = k.HoleDiameter;
    const double ring = ConvertLength(k.AnnularRing, k.RingUnit, p.Unit());
    const double isolation = ConvertLength(k.IsolationWidth, k.IsolationUnit, p.Unit());
    auto pad = [&](double v) { return p.Text(v, "%.2f mils", "%.4f mm", "%.2f um"); };
    if (plated) {
      Label69->SetCaption("Outer Diameter");
      Edit34->SetEnabled(true);
      Edit35->SetEnabled(true);
      vcl::ShowAll(true, {Edit39, Edit40, Label64, Label65});
      const via::ThruHolePads pads = via::PlatedPads(h, ring, isolation);
      Edit36->SetText(pad(pads.outer));
      Edit37->SetText(pad(pads.internal));
      Edit39->SetText(pad(pads.relief));
      Edit38->SetText(pad(pads.plane));
      Label55->SetCaption("Pad Diameter");
      Label56->SetCaption(Edit36->Text());
      Edit40->SetText(SpokeWidth(p, h));
    } else {
      Label69->SetCaption("Pad Diameter");
      Edit34->SetText("N/A");
      Edit35->SetText("N/A");
      Edit34->SetEnabled(false);
      Edit35->SetEnabled(false);
      vcl::ShowAll(false, {Edit39, Edit40, Label64, Label65});
      const via::ThruHolePads pads = via::NonPlatedPads(h, ring, isolation, !p.imperial);
      Edit36->SetText(pad(pads.outer));
      Edit37->SetText(pad(pads.internal));
      Edit38->SetText(pad(pads.plane));
      Edit39->SetText(pad(pads.relief));
      Label55->SetCaption("Pad Diameter");
      Label56->SetCaption(Edit36->Text());
    }
  }

  if (type == 2 || type == 4) {
    // Locals only: a re-solve rewrites every text, while the warning below
    // still judges the values this pass was given.
    range::Input pitchBox(Edit33, p.Scale()), widthBox(Edit34, p.Scale()),
        spacingBox(Edit35, p.Scale());
    const double pitch = pitchBox.Read(), width = widthBox.Read(), spacing = spacingBox.Read();
    const double hole = p.Read(Edit211), ring = p.Read(Edit213);
    const bool two = type == 4;
    const via::PadsAroundConductors pads =
        via::PadsBetweenConductors(two ? 2 : 1, pitch, width, spacing, hole, ring);
    const double minPad = pads.minPad;
    Label55->SetCaption("Pad Diameter");
    // One conductor's minimum pad stays in millimetres in micrometre mode.
    if (two)
      Label56->SetCaption(p.Text(minPad, "%.2f mils", "%.4f mm", "%.2f um"));
    else
      Label56->SetCaption(Shown(Format(p.imperial ? "%.2f mils" : "%.4f mm", minPad)));
    Edit36->SetText(two ? p.Text(pads.maxPad, "%.2f mils", "%.4f mm", "%.2f um")
                        : p.Text(pads.maxPad, "%.2f mils", "%.3f mm", "%.2f um"));
    Edit37->SetText(p.Text(pads.ring, "%.2f mils", "%.4f mm", "%.2f um"));
    checks.Check(widthBox, kWidthRow);
    checks.Check(spacingBox, kSpacingRow);
    checks.Check(pitchBox, PitchRow(p, "padstack pitch",
                                    "Distance between pads cannont be less than the hole "
                                    "diameter + annular ring x2.",
                                    minPad));
    const bool impossible = pads.impossible;
    Edit36->SetFontColor(impossible ? vcl::clRed : vcl::clNavy);
    Edit37->SetFontColor(impossible ? vcl::clRed : vcl::clNavy);
    Memo3->SetVisible(impossible);
  }

  if (type == 3 || type == 5) {
    Edit36->SetFontColor(vcl::clNavy);
    Edit37->SetFontColor(vcl::clNavy);
    Memo3->SetVisible(false);
    // Kept: after a check re-solves, the rest judge what the nested pass left.
    range::Input pitch(Edit33, k.LandPitch, p.Scale()), land(Edit34, k.LandDiameter, p.Scale()),
        spacing(Edit35, k.LandSpacing, p.Scale());
    pitch.Read();
    land.Read();
    spacing.Read();
    checks.Check(pitch, PitchRow(p, "padstack land pitch",
                                 "Distance between lands cannont be less than the land diameter.",
                                 land.AsRead()));
    checks.Check(land, kLandRow);
    checks.Check(spacing, kLandSpacingRow);
    const double maxWidth =
        via::ConductorBetweenLands(type == 5 ? 2 : 1, k.LandPitch, k.LandDiameter, k.LandSpacing);
    Edit36->SetText(p.Text(maxWidth, "%.3f mils", "%.4f mm", "%.2f um"));
    Edit36->SetFontColor(maxWidth < 0 ? vcl::clRed : vcl::clNavy);
    Memo5->SetVisible(maxWidth < 0);
    Label55->SetCaption("Land Diameter");
    Label56->SetCaption(p.Text(k.LandDiameter, "%.2f mils", "%.4f mm", "%.2f um"));
  }

  if (type == 6) {
    Edit36->SetFontColor(vcl::clNavy);
    Edit37->SetFontColor(vcl::clNavy);
    Memo3->SetVisible(false);
    range::Input a(Edit33, k.SideA, p.Scale()), b(Edit34, k.SideB, p.Scale());
    a.Read();
    b.Read();
    checks.Check(a, kSideARow);
    checks.Check(b, kSideBRow);
    const via::CornerDrill drill = via::CornerToCorner(k.SideA, k.SideB, !p.imperial);
    Edit36->SetText(p.Text(drill.corner, "%.2f mils", "%.3f mm", "%.2f um"));
    Edit37->SetText(p.Text(drill.minDrill, "%0.2f mils", "%0.3f mm", "%.2f um"));
    Edit38->SetText(p.Text(drill.maxDrill, "%0.2f mils", "%0.3f mm", "%.2f um"));
    Label55->SetCaption("Formula");
    Label56->SetCaption("Pythagorean");
  }

  if (type == 1 && RadioGroup7->ItemIndex() == 0)
    vcl::ShowAll(false, {Edit39, Edit40, Label64, Label65});
}

}  // namespace trellis
