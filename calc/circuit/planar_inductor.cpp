// The planar spiral inductor: turns, conductor width and spacing and the outer
// diameter give the inner diameter, the fill factor and the inductance.
#include "app/form1.h"
#include "app/links.h"
#include "calc/circuit/planar_inductor_model.h"
#include "calc/circuit/planar_inductor_values.h"
#include "vcl/sysutils.h"

namespace trellis {

using vcl::Format;

double InductorNumber(const std::string& text) {
  std::string number = text;
  for (char& c : number)
    if (c == '.' || c == ',') c = vcl::FormatSettings.DecimalSeparator;
  double value = 0;
  if (!vcl::TryStrToFloat(number, value))
    throw vcl::EConvertError("'" + text + "' is not a valid floating point value");
  return value;
}

void TForm1::SolvePlanarInductor(vcl::TObject*) {
  PlanarInductorValues& v = Values<PlanarInductorValues>();
  static constexpr circuit::InductorGeometry kGeometries[] = {
      circuit::InductorGeometry::Square, circuit::InductorGeometry::Hexagonal,
      circuit::InductorGeometry::Octagonal, circuit::InductorGeometry::Circular};
  const int item = RadioGroup3->ItemIndex();
  const circuit::InductorGeometry geometry =
      item >= 0 && item < 4 ? kGeometries[item] : circuit::InductorGeometry::Square;
  // Metric lengths are micrometres, whatever "Use Microns" says.
  const bool metric = UnitsShown(*this).Metric();
  const double toMicrometres = metric ? 1 : kMillimetresPerInch;

  v.Turns = InductorNumber(Edit88->Text());
  v.TraceWidth = InductorNumber(Edit89->Text()) * toMicrometres;
  v.TraceSpacing = InductorNumber(Edit91->Text()) * toMicrometres;
  v.OuterDiameter = InductorNumber(Edit92->Text()) * toMicrometres;

  const circuit::PlanarInductor r = circuit::PlanarInductorModel(geometry, v.Turns, v.TraceWidth,
                                                                 v.TraceSpacing, v.OuterDiameter);
  v.InnerDiameter = r.innerDiameter;
  v.FillFactor = r.fillFactor;
  v.Inductance = r.nanohenries;
  if (v.InnerDiameter <= 0) vcl::ShowMessage("Inner diameter too small");

  Edit94->SetText(Shown(Format("%.3f", v.InnerDiameter / toMicrometres)));
  Edit93->SetText(Shown(Format("%.4f", v.FillFactor)));
  Edit90->SetText(Shown(Format("%.4f", v.Inductance)));
}

// The panel's reference button opens its page.
void TForm1::Button15Click(vcl::TObject*) { OpenLink(Link::PlanarInductances); }

}  // namespace trellis
