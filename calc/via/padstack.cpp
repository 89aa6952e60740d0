// The padstack calculator: pads around a hole, conductors between pads or
// lands, and the drill for a rectangular pin.
#include <cmath>
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "calc/via/padstack_values.h"
#include "settings/options_form.h"
#include "vcl/arrange.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;
using vcl::TEdit;
using vcl::TObject;

double ConvertLength(double value, PadstackUnit from, PadstackUnit to) {
  auto toMm = [](double v, PadstackUnit u) {
    return u == PadstackUnit::Mils ? v * 0.0254 : u == PadstackUnit::Micrometres ? v / 1000 : v;
  };
  if (from == to) return value;
  const double mm = toMm(value, from);
  if (to == PadstackUnit::Mils) return mm / 0.0254;
  if (to == PadstackUnit::Micrometres) return mm * 1000;
  return mm;
}

namespace {

// The unit a pass works in and how it reads and writes the boxes.
struct PadstackPass {
  TForm1& f;
  bool imperial, microns;

  explicit PadstackPass(TForm1& form)
      : f(form),
        imperial(form.RadioGroup6->ItemIndex() == 0),
        microns(form.RadioGroup6->ItemIndex() == 1 && Form6->CheckBox3->Checked()) {}

  PadstackUnit Unit() const { return imperial ? PadstackUnit::Mils : PadstackUnit::Millimetres; }

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
    const double shown = microns ? limit * 1000 : limit;
    std::string text = vcl::FloatToStr(shown);
    if (!std::isfinite(shown) || shown == 0) return text;
    const double step = std::pow(10.0, std::floor(std::log10(std::fabs(shown))) - 14);
    for (int i = 0; i < 4; ++i) {
      double back = StrToFloat(text);
      if ((microns ? back / 1000 : back) >= limit) break;
      text = vcl::FloatToStr(back + step);
    }
    return text;
  }
};

struct Spoke {
  double mils, mm;
  const char *imperial, *mmPoint, *mmComma, *umPoint, *umComma;
};

constexpr Spoke kSpokeWidthTable[] = {
    {14, 0.3556, "6 mils", "0.1524 mm", "0,1524 mm", "152.4 um", "152,4 um"},
    {22, 0.5588, "8 mils", "0.2032 mm", "0,2032 mm", "203.2 um", "203,2 um"},
    {45, 1.143, "10 mils", "0.254 mm", "0,254 mm", "254 um", "254 um"},
    {65, 1.651, "15 mils", "0.381 mm", "0,381 mm", "381 um", "381 um"},
    {124, 3.1496, "20 mils", "0.508 mm", "0,508 mm", "508 um", "508 um"},
    {HUGE_VAL, HUGE_VAL, "25 mils", "0.635 mm", "0,635 mm", "635 um", "635 um"},
};

std::string SpokeWidth(const PadstackPass& p, double hole) {
  int row = 0;
  while (hole > (p.imperial ? kSpokeWidthTable[row].mils : kSpokeWidthTable[row].mm)) ++row;
  const Spoke& s = kSpokeWidthTable[row];
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
  const int units = RadioGroup6->ItemIndex();
  if (units != 0 && units != 1) return;
  const PadstackPass p(*this);
  const int type = RadioGroup14->ItemIndex();
  PadstackValues& k = Padstack;

  if (type == 0) {
    if (Edit34->Text() != "N/A") {
      const double ring = p.Read(Edit34);
      k.AnnularRing = ring;
      k.RingUnit = p.Unit();
      if (ring < 0)
        ResetAndResolve("padstack ring",
                        "Annular ring should be greater than zero for plated holes.", Edit34, "0",
                        Sender);
    }
    if (Edit35->Text() != "N/A") {
      const double isolation = p.Read(Edit35);
      k.IsolationWidth = isolation;
      k.IsolationUnit = p.Unit();
      if (isolation < 0)
        ResetAndResolve(
            "padstack isolation",
            "Isolation width should be greater than zero for plated holes with thermal reliefs.",
            Edit35, "0", Sender);
    }

    const bool plated = RadioGroup7->ItemIndex() == 0;
    const double hole = p.Read(Edit33);
    k.HoleDiameter = hole;
    if (p.imperial) {
      if (hole < 1)
        ResetAndResolve("padstack hole min",
                        plated ? "Hole diameter can't be less than 1mil."
                               : "Hole diameter can't be less than 1mil...",
                        Edit33, "1", Sender);
      if (hole > 250)
        ResetAndResolve("padstack hole max",
                        plated ? "Hole diameter can't be greater than 250mils. Holes larger the "
                                 "250mils usually need to be routed out."
                               : "Hole diameter can't be greater than 250mils. Holes larger the "
                                 "250mils need to be routed out",
                        Edit33, "250", Sender);
    } else {
      // Messages that quote a fraction follow the flag; under an unknown flag
      // they neither show nor reset.
      const bool known = PointFlag() || CommaFlag();
      if (hole < 0.0254 && known) {
        if (p.microns)
          ResetAndResolve("padstack hole min", Shown("Hole diameter can't be less than 25.4um"),
                          Edit33, Shown("25.4"), Sender);
        else
          ResetAndResolve("padstack hole min",
                          CommaFlag() ? "Hole diameter can't be less than 0,0254mm"
                                      : "Hole diameter can't be less than 0.0254mm",
                          Edit33, Shown("0.0254"), Sender);
      }
      if (hole > 6.35) {
        if (p.microns)
          ResetAndResolve("padstack hole max",
                          "Hole diameter can't be greater than 6350um. Holes larger the 6350um "
                          "usually need to be routed out",
                          Edit33, "6350", Sender);
        else if (known)
          ResetAndResolve("padstack hole max",
                          CommaFlag() ? "Hole diameter can't be greater than 6,35mm. Holes larger "
                                        "the 6,35mm usually need to be routed out"
                                      : "Hole diameter can't be greater than 6.35mm. Holes larger "
                                        "the 6.35mm usually need to be routed out",
                          Edit33, Shown("6.35"), Sender);
      }
    }

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
      const double d = h + 2 * ring;
      Edit36->SetText(pad(d));
      Edit37->SetText(pad(d));
      Edit39->SetText(pad(d));
      Edit38->SetText(pad(d + 2 * isolation));
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
      Edit36->SetText(pad(h));
      if (p.imperial) {
        Edit37->SetText(pad(h + 2 * ring));
        Edit39->SetText(pad(h + 2 * ring));
        Edit38->SetText(pad(h + 2 * ring + isolation));
      } else {
        Edit37->SetText(pad(h + 1.27));
        Edit38->SetText(pad(h + 1.27));
        Edit39->SetText(pad(h + 2 * ring));
      }
      Label55->SetCaption("Pad Diameter");
      Label56->SetCaption(Edit36->Text());
    }
  }

  if (type == 2 || type == 4) {
    // Locals only: a re-solve rewrites every text, while the warning below
    // still judges the values this pass was given.
    const double pitch = p.Read(Edit33), width = p.Read(Edit34), spacing = p.Read(Edit35);
    const double hole = p.Read(Edit211), ring = p.Read(Edit213);
    const double minPad = hole + 2 * ring;
    const bool two = type == 4;
    Label55->SetCaption("Pad Diameter");
    // One conductor's minimum pad stays in millimetres in micrometre mode.
    if (two)
      Label56->SetCaption(p.Text(minPad, "%.2f mils", "%.4f mm", "%.2f um"));
    else
      Label56->SetCaption(Shown(Format(p.imperial ? "%.2f mils" : "%.4f mm", minPad)));
    const double maxPad = two ? pitch - (2 * width + 3 * spacing) : pitch - (2 * spacing + width);
    Edit36->SetText(two ? p.Text(maxPad, "%.2f mils", "%.4f mm", "%.2f um")
                        : p.Text(maxPad, "%.2f mils", "%.3f mm", "%.2f um"));
    Edit37->SetText(p.Text((maxPad - hole) / 2, "%.2f mils", "%.4f mm", "%.2f um"));
    if (width < 0)
      ResetAndResolve("padstack width", "Conductor width should be greater than zero.", Edit34, "0",
                      Sender);
    if (spacing < 0)
      ResetAndResolve("padstack spacing", "Spacing constraint should be at least zero.", Edit35,
                      "0", Sender);
    if (minPad > pitch)
      ResetAndResolve("padstack pitch",
                      "Distance between pads cannont be less than the hole diameter + annular "
                      "ring x2.",
                      Edit33, p.ResetNotBelow(minPad), Sender);
    const bool impossible = minPad > maxPad;
    Edit36->SetFontColor(impossible ? vcl::clRed : vcl::clNavy);
    Edit37->SetFontColor(impossible ? vcl::clRed : vcl::clNavy);
    Memo3->SetVisible(impossible);
  }

  if (type == 3 || type == 5) {
    Edit36->SetFontColor(vcl::clNavy);
    Edit37->SetFontColor(vcl::clNavy);
    Memo3->SetVisible(false);
    k.LandPitch = p.Read(Edit33);
    k.LandDiameter = p.Read(Edit34);
    k.LandSpacing = p.Read(Edit35);
    const double pitch = k.LandPitch, land = k.LandDiameter, spacing = k.LandSpacing;
    if (pitch < land)
      ResetAndResolve("padstack land pitch",
                      "Distance between lands cannont be less than the land diameter.", Edit33,
                      p.ResetNotBelow(land), Sender);
    if (land < 0)
      ResetAndResolve("padstack land", "Land diameter should be greater than zero.", Edit34, "0",
                      Sender);
    if (spacing < 0)
      ResetAndResolve("padstack land spacing", "Spacing constraint should be at least zero.",
                      Edit35, "0", Sender);
    const double maxWidth = type == 3 ? k.LandPitch - k.LandDiameter - 2 * k.LandSpacing
                                      : (k.LandPitch - k.LandDiameter - 3 * k.LandSpacing) / 2;
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
    k.SideA = p.Read(Edit33);
    k.SideB = p.Read(Edit34);
    const double a = k.SideA, b = k.SideB;
    if (a < 0)
      ResetAndResolve("padstack side a", "Side a should be greater than zero.", Edit33, "0",
                      Sender);
    if (b < 0)
      ResetAndResolve("padstack side b", "Side b should be greater than zero.", Edit34, "0",
                      Sender);
    const double c = vcl::Sqrt(k.SideA * k.SideA + k.SideB * k.SideB);
    Edit36->SetText(p.Text(c, "%.2f mils", "%.3f mm", "%.2f um"));
    // Drills come in whole mils, or in micrometres in metric.
    const double minDrill = p.imperial ? vcl::RoundHalfEvenToPowerOfTen(c + 2, 0)
                                       : vcl::RoundHalfEvenToPowerOfTen(c + 0.0508, -3);
    const double maxDrill = p.imperial ? vcl::RoundHalfEvenToPowerOfTen(c + 11, 0)
                                       : vcl::RoundHalfEvenToPowerOfTen(c + 0.2794, -3);
    Edit37->SetText(p.Text(minDrill, "%0.2f mils", "%0.3f mm", "%.2f um"));
    Edit38->SetText(p.Text(maxDrill, "%0.2f mils", "%0.3f mm", "%.2f um"));
    Label55->SetCaption("Formula");
    Label56->SetCaption("Pythagorean");
  }

  if (type == 1 && RadioGroup7->ItemIndex() == 0)
    vcl::ShowAll(false, {Edit39, Edit40, Label64, Label65});
}

}  // namespace trellis
