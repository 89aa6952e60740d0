// The embedded resistor: a rectangle's resistance and area, or the ring
// around a via that reaches a target resistance.
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "calc/circuit/embedded_resistor_model.h"
#include "calc/circuit/embedded_resistor_values.h"
#include "settings/options_form.h"
#include "vcl/sysutils.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;

namespace {

constexpr int kAnnular = 2;

}  // namespace

void TForm1::SolveEmbeddedResistor(vcl::TObject*) {
  EmbeddedResistorValues& v = Values<EmbeddedResistorValues>();
  const LengthUnit unit = UnitsShown(*this);
  const bool metric = unit.Metric();
  const bool microns = unit.Microns();
  Label250->SetCaption(metric ? "Resistance/Sq. mm" : "Resistance/Sq. Inch");

  const int type = RadioGroup11->ItemIndex();
  if (type == 0 || type == 1) {
    // To inches: mils, millimetres or micrometres as typed.
    auto inches = [&](double typed) {
      if (!metric) return typed * 0.001;
      return microns ? MillimetresToInches(typed / kMicrometresPerMillimetre)
                     : MillimetresToInches(typed);
    };
    v.ResistorLength = inches(StrToFloat(Edit157->Text()));
    v.ResistorWidth = inches(StrToFloat(Edit158->Text()));
    // A resistance per square is the same for a square of any size.
    v.SheetResistance = StrToFloat(Edit154->Text());

    const circuit::RectangularResistor r =
        circuit::RectangularResistorModel(v.ResistorLength, v.ResistorWidth, v.SheetResistance);
    v.ResistorOhms = r.ohms;
    v.ResistorArea = r.squareInches;
    const double squareMils = 1000.0 * 1000.0 * r.squareInches;
    if (!metric)
      Edit161->SetText(Shown(Format("%.2f Sq.mils", squareMils)));
    else if (microns)
      Edit161->SetText(
          Shown(Format("%.2f Sq.um", squareMils / kSquareMilsPerSquareMillimetreRound * 1e6)));
    else
      Edit161->SetText(
          Shown(Format("%.3f Sq.mm", squareMils / kSquareMilsPerSquareMillimetreRound)));
    Edit163->SetText(Shown(Format("%.3f Ohms", v.ResistorOhms)));
  } else if (type == kAnnular) {
    v.SheetResistance = StrToFloat(Edit154->Text());
    const double d = StrToFloat(Edit157->Text());
    v.InsideDiameter = microns ? d / 1000 : d;  // mils or millimetres
    v.TargetOhms = StrToFloat(Edit158->Text());

    const circuit::AnnularResistor r =
        circuit::AnnularResistorModel(v.InsideDiameter, v.TargetOhms, v.SheetResistance);
    v.OuterDiameter = r.outerDiameter;
    v.RingWidth = r.ringWidth;
    v.RingArea = r.ringArea;
    auto length = [&](double x) {
      if (!metric) return Format("%.2f mils", x);
      return microns ? Format("%.2f um", x * 1000) : Format("%.4f mm", x);
    };
    Edit163->SetText(Shown(length(v.OuterDiameter)));
    Edit162->SetText(Shown(length(v.RingWidth)));
    if (!metric)
      Edit161->SetText(Shown(Format("%.2f Sq.mils", v.RingArea)));
    else if (microns)
      Edit161->SetText(Shown(Format("%.2f Sq.um", v.RingArea * 1e6)));
    else
      Edit161->SetText(Shown(Format("%.3f Sq.mm", v.RingArea)));
  }
}

void TForm1::RadioGroup11Click(vcl::TObject* Sender) {
  const int type = RadioGroup11->ItemIndex();
  if (type < 0 || type > kAnnular) return;
  const bool annular = type == kAnnular;
  const LengthUnit unit = UnitsShown(*this);
  const bool metric = unit.Metric();
  const bool microns = unit.Microns();

  Edit162->SetVisible(annular);
  Label254->SetVisible(annular);
  Image25->SetVisible(type == 0);
  Image26->SetVisible(type == 1);
  Image27->SetVisible(annular);
  Label248->SetCaption(type == 1 ? "Soldermask overlap area" : "Material overlap area");
  Label248->SetVisible(!annular);
  Shape701->SetVisible(!annular);
  Shape702->SetTop(annular ? 64 : 96);
  Label249->SetTop(annular ? 72 : 104);
  Label251->SetCaption(annular ? "Inside Diameter" : "Length (L)");
  Label252->SetCaption(annular ? "Target Resistance" : "Width (W)");
  Label254->SetCaption(annular ? "Resistor Thickness" : "Power");
  Label255->SetCaption(annular ? "Outer Diameter" : "Ohms");
  Edit165->SetText(annular ? "Ohms" : (metric ? (microns ? "um" : "mm") : "mils"));
  Edit165->SetLeft(annular ? 124 : 140);
  Edit165->SetWidth(annular ? 53 : 37);
  if (annular) {
    Edit157->SetText(metric ? (microns ? "2000" : "2") : "20");
    Edit158->SetText("10");
  }
  Edit158->SetHint(annular ? "Enter the target resistor value in ohms."
                           : "Enter the width of the resistive material.");
  Button1Click(Sender);
}

}  // namespace trellis
