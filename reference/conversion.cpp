// The conversion solve and its panel's handlers: six converters, each read,
// computed and written in turn, so a box that holds no number stops the pass
// with the converters before it already written.
#include "app/form1.h"
#include "app/links.h"
#include "reference/conversion_model.h"
#include "reference/conversion_values.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;
using vcl::TObject;

void TForm1::SolveConversion(TObject*) {
  namespace r = reference;
  const LengthUnit unit = UnitsShown(*this);
  if (unit.Imperial()) {
    Edit84->SetText(Shown(Format("%0.2f", r::FahrenheitToCelsius(StrToFloat(Edit85->Text())))));
    const r::FromMils d = r::ConvertMils(StrToFloat(Edit80->Text()));
    Edit81->SetText(Shown(Format("%.4f", d.millimetres)));
    Edit142->SetText(Shown(Format("%.4f", d.inches)));
    Edit143->SetText(Shown(Format("%.4f", d.micrometres)));
  } else if (unit.Metric()) {
    const r::FromMillimetres d = r::ConvertMillimetres(StrToFloat(Edit80->Text()));
    Edit81->SetText(Shown(Format("%.2f", d.mils)));
    Edit84->SetText(Shown(Format("%0.2f", r::CelsiusToFahrenheit(StrToFloat(Edit85->Text())))));
    Edit142->SetText(Shown(Format("%.4f", d.micrometres)));
    Edit143->SetText(Shown(Format("%.4f", d.inches)));
  }

  const double gain = StrToFloat(Edit167->Text());
  const double attenuator = StrToFloat(Edit402->Text());
  const double voltageGain = r::VoltageGain(gain);
  Edit166->SetText(Shown(Format("%.4f", voltageGain)));

  const double level = r::OutputLevel(StrToFloat(Edit174->Text()), gain, attenuator);
  Edit175->SetText(Shown(Format("%.2f", level)));
  const r::ScaledPower power = r::PowerUnitScale(r::DbmToWatts(level));
  Label56->SetCaption(Shown(Format(power.format, power.value)));

  Edit177->SetText(Shown(Format("%.4f", StrToFloat(Edit176->Text()) * voltageGain)));

  ConversionValues& v = Values<ConversionValues>();
  if (!CheckBox3->Checked()) {
    const double re = StrToFloat(Edit215->Text());
    const r::Polar p = r::ToPolar(re, StrToFloat(Edit216->Text()));
    Edit217->SetText(Shown(Format("%.4f", p.magnitude)));
    v.PolarAngleText = Format("%.4f", p.degrees);
    Edit218->SetText(Shown(v.PolarAngleText));
  } else {
    const double magnitude = StrToFloat(Edit215->Text());
    v.PolarAngle = StrToFloat(Edit216->Text());
    const r::Rectangular c = r::ToRectangular(magnitude, v.PolarAngle);
    Edit217->SetText(Shown(Format("%.4f", c.re)));
    Edit218->SetText(Shown(Format("%.4f", c.im)));
  }

  const double angle = StrToFloat(Edit219->Text());
  const double converted =
      CheckBox2->Checked() ? angle * r::kDegreesPerRadian : angle * r::kRadiansPerDegree;
  Edit220->SetText(Shown(Format("%.4f", converted)));
}

void TForm1::CheckBox3Click(TObject* Sender) {
  const bool polar = CheckBox3->Checked();
  GroupBox21->SetCaption(polar ? " Polar to Rectangular Conversion "
                               : " Rectangular to Polar Conversion ");
  Label178->SetCaption(polar ? "Magnitude" : "Real Value");
  Label179->SetCaption(polar ? "Angle (Degrees)" : "j Value");
  Label180->SetCaption(polar ? "Real Value" : "Magnitude");
  Label181->SetCaption(polar ? "j Value" : "Angle (Degrees)");
  Edit215->SetHint(polar ? "Enter the magnitude to be converted."
                         : "Enter the real value of the complex number.");
  Edit216->SetHint(polar ? "Enter the angle, in degrees, to be converted."
                         : "Enter the j vlaue of the complex number.");
  Edit217->SetHint(polar ? "Converted real value in rectangular form."
                         : "Converted magnitude in Polar form.");
  Edit218->SetHint(polar ? "Converted j value in rectangular form."
                         : "Converted angle, in degrees, in Polar form.");
  Button1Click(Sender);
}

void TForm1::CheckBox2Click(TObject* Sender) {
  const bool radians = CheckBox2->Checked();
  Label184->SetCaption(radians ? "Radians" : "Degrees");
  Label185->SetCaption(radians ? "Degrees" : "Radians");
  Edit219->SetHint(radians ? "Enter the radian value to be converted to degrees."
                           : "Enter the degrees value to be converted to radians.");
  Edit220->SetHint(radians ? "Converted angle in degrees from radians."
                           : "Converted angle in radians from degrees.");
  Button1Click(Sender);
}

// Hands over the angle of the last solve, not a number typed since.
void TForm1::BitBtn4Click(TObject* Sender) {
  CheckBox2->SetChecked(false);
  const ConversionValues& v = Values<ConversionValues>();
  if (!CheckBox3->Checked())
    Edit219->SetText(Shown(v.PolarAngleText));
  else
    Edit219->SetText(Shown(vcl::FloatToStr(v.PolarAngle)));
  Button1Click(Sender);
}

// The panel's reference buttons open their pages.
void TForm1::Button6Click(vcl::TObject*) { OpenLink(Link::SiPrefixes); }
void TForm1::Button12Click(vcl::TObject*) { OpenLink(Link::DbmChart); }
void TForm1::Button13Click(vcl::TObject*) { OpenLink(Link::OhmsLaw); }
void TForm1::Button14Click(vcl::TObject*) { OpenLink(Link::CapacitorUnits); }
void TForm1::Button19Click(vcl::TObject*) { OpenLink(Link::ResistorCalculator); }

}  // namespace trellis
