// The power-delivery network: the target impedance of a rail, the plane pair's
// capacitance and, unless the signal is DC, its reactance.
#include "app/form1.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/circuit/pdn_model.h"
#include "calc/circuit/pdn_values.h"
#include "settings/options_form.h"
#include "vcl/sysutils.h"

namespace trellis {

using range::Row;
using range::Test;
using vcl::Format;
using vcl::StrToFloat;

namespace {

constexpr range::Under kPlain = range::Under::AnyFlag;

// Both shares reset and go on with the box read again, so this pass already
// uses the reset value.
const Row kTransientRow = {
    .test = Test::AtMost,
    .forms = range::InEveryUnit({kPlain, 0, {"Transient current percentage can't be <= 0"}, {"1"}}),
    .readAgain = true};
const Row kRippleRow = {
    .test = Test::Below,
    .forms = range::InEveryUnit({kPlain, 0, {"Maximum AC ripple percentage can't be < 0"}, {"0"}}),
    .readAgain = true};
// The nested Solve writes every result for Er 1; this pass goes on with it.
const Row kErRow = range::ErAtLeastOne({.resolve = "PDN Er", .readAgain = true});

}  // namespace

void TForm1::SolvePdn(vcl::TObject* Sender) {
  PdnValues& v = Values<PdnValues>();
  const LengthUnit unit = UnitsShown(*this);
  const bool metric = unit.Metric();
  const bool microns = unit.Microns();
  range::Checker checks(*this, Sender, unit);

  v.RailVoltage = StrToFloat(Edit105->Text());
  v.SupplyCurrent = StrToFloat(Edit108->Text());
  range::Input transient(Edit110), ripple(Edit107), er(Edit7);
  v.TransientShare = checks.Check(transient, kTransientRow) / 100;
  v.RippleShare = checks.Check(ripple, kRippleRow) / 100;
  v.TargetImpedance =
      circuit::TargetImpedance(v.RailVoltage, v.RippleShare, v.SupplyCurrent, v.TransientShare);
  Edit109->SetText(Shown(Format("%.4f Ohms", v.TargetImpedance)));

  SubstrateEr = checks.Check(er, kErRow);

  const double area = StrToFloat(Edit228->Text());
  const double distance = StrToFloat(Edit229->Text());
  if (!metric) {
    v.PlaneArea = area;
    v.PlaneDistance = distance / 1000;
  } else {
    v.PlaneArea = (microns ? area / 1e6 : area) * kSquareInchesPerSquareMillimetre;
    v.PlaneDistance =
        MillimetresToInches(microns ? distance / kMicrometresPerMillimetre : distance);
  }
  v.PlaneCapacitance = circuit::PlaneCapacitancePf(SubstrateEr, v.PlaneArea, v.PlaneDistance);
  Edit230->SetText(Shown(Format("%.2f pF", v.PlaneCapacitance)));

  // With "DC" the frequency box holds no number and the reactance is hidden.
  if (!CheckBox4->Checked()) {
    v.PlaneFrequency = StrToFloat(Edit234->Text());
    v.PlaneReactance = circuit::PlaneReactance(v.PlaneFrequency, v.PlaneCapacitance);
    Edit235->SetText(Shown(Format("%.4f Ohms", v.PlaneReactance)));
  }
}

void TForm1::CheckBox4Click(vcl::TObject* Sender) {
  const bool dc = CheckBox4->Checked();
  Label295->SetVisible(!dc);
  Edit235->SetVisible(!dc);
  Edit233->SetVisible(!dc);
  Edit234->SetEnabled(!dc);
  Edit234->SetText(dc ? "DC" : "1");
  if (!dc) Button1Click(Sender);
}

// Each spin handler only solves: one click solves before and after the step.
void TForm1::UpDown4Changing(vcl::TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown4Click(vcl::TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }
void TForm1::UpDown5Changing(vcl::TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown5Click(vcl::TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }

}  // namespace trellis
