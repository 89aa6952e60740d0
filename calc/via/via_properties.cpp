// The via calculator: one plated via's current, aspect ratio, electrical and
// thermal properties, or a differential via pair's impedance and stub length.
#include <cmath>

#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/copper.h"
#include "calc/conductor/ipc_current.h"
#include "calc/via/via_limits.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;
using vcl::TObject;

namespace {

constexpr double kPi = 3.14159;

// A length in the formulas' inches, from mils or millimetres.
double Inches(double length, bool metric) { return metric ? length / 25.4 : length / 1000; }

void SolveDifferentialVia(TForm1& f, ViaInputLimits& limits) {
  const double d = f.ViaHoleDiameter;
  f.ViaAnisotropy = StrToFloat(f.Edit206->Text());

  // A reset box is read again, so no pass computes with a rejected spacing.
  limits.CheckSpacing(d);
  f.ViaSpacing = limits.ReadLength(f.Edit335);
  limits.CheckClearance(f.Edit5, d);
  f.ViaClearanceH = limits.ReadLength(f.Edit5);
  limits.CheckClearance(f.Edit6, d);
  f.ViaClearanceW = limits.ReadLength(f.Edit6);
  f.ViaBaudRate = StrToFloat(f.Edit209->Text());

  const double er = f.SubstrateEr;
  f.ViaAverageEr = (er + er * (1 + f.ViaAnisotropy / 100)) / 2;
  const double s = f.ViaSpacing / d;
  const double x = vcl::Log(s + vcl::Sqrt(s * s - 1));
  const double y = vcl::Log((f.ViaClearanceH + f.ViaClearanceW) / (2 * d));

  f.ViaOddImpedance = 60 / vcl::Sqrt(f.ViaAverageEr) * vcl::Sqrt(x * y);
  f.Edit50->SetText(f.Shown(Format("%.3f Ohms", f.ViaOddImpedance)));
  f.ViaDiffImpedance = 2 * f.ViaOddImpedance;
  f.Edit8->SetText(f.Shown(Format("%.3f Ohms", f.ViaDiffImpedance)));
  f.ViaErEffective = x / y * f.ViaAverageEr;
  f.Edit10->SetText(f.Shown(Format("%.3f", f.ViaErEffective)));

  // A quarter wave of the signal's fundamental, with margin, in the substrate.
  const double stub = 0.84 / (vcl::Sqrt(f.ViaErEffective) * f.ViaBaudRate);
  switch (limits.Unit()) {
    case ViaUnit::Mils:
      f.ViaMaxStubLength = stub * 1000;
      f.Edit49->SetText(f.Shown(Format("%.2f mils", f.ViaMaxStubLength)));
      break;
    case ViaUnit::Millimetres:
      f.ViaMaxStubLength = stub * 25.4;
      f.Edit49->SetText(f.Shown(Format("%.4f mm", f.ViaMaxStubLength)));
      break;
    case ViaUnit::Micrometres:
      f.ViaMaxStubLength = stub * 25.4;
      f.Edit49->SetText(f.Shown(Format("%.2f um", f.ViaMaxStubLength * 1000)));
      break;
  }

  f.PairImpedance = StrToFloat(f.Edit386->Text());
  const double gamma =
      (f.PairImpedance - f.ViaDiffImpedance) / (f.PairImpedance + f.ViaDiffImpedance);
  f.ViaTransitionLoss = 20 * vcl::Log10(1 - std::fabs(gamma));
  // The signal meets the mismatch twice: into the via pair and out of it.
  f.ViaInsertionLoss = 2 * f.ViaTransitionLoss;
  f.Edit13->SetText(f.Shown(Format("%.4f dB", f.ViaInsertionLoss)));
}

}  // namespace

void TForm1::SolveViaProperties(TObject*) {
  const bool imperial = RadioGroup6->ItemIndex() == 0;
  const bool metric = RadioGroup6->ItemIndex() == 1;
  if (!imperial && !metric) return;
  const bool differential = RadioGroup5->ItemIndex() == 1;
  const int layerSet = RadioGroup3->ItemIndex();
  ViaInputLimits limits(*this);
  const bool microns = limits.Unit() == ViaUnit::Micrometres;
  auto length = [&](const vcl::TEdit* box) { return limits.ReadLength(box); };

  limits.CheckHole();
  if (!differential) limits.CheckSingleVia(layerSet);
  limits.CheckEr();
  ReadTempRise();
  ReadAmbientTemp();
  UpdateConductorTemp();

  // Vias are internal in every IPC version: no external-layer constant.
  IpcK = 0.024;
  IpcB = 0.44;
  IpcC = 0.725;
  PlatingThickness = length(Edit9);
  SubstrateEr = StrToFloat(Edit7->Text());
  PcbThickness = length(Edit6);
  BoardThicknessModifier = conductor::BoardThicknessModifier(PcbThickness, metric);
  ViaHoleDiameter = length(Edit3);
  if (differential) {
    SolveDifferentialVia(*this, limits);
    return;
  }

  // The barrel: a copper ring of the plating around the hole.
  const double d = ViaHoleDiameter, t = PlatingThickness;
  const double area = kPi / 4 * (2 * t + d) * (2 * t + d) - kPi / 4 * d * d;
  CrossSection = area;
  if (imperial) {
    Edit8->SetText(Shown(Format("%.2f Sq.mils", area)));
  } else {
    Edit8->SetText(microns ? Shown(Format("%.2f Sq.um", area * 1000000))
                           : Shown(Format("%.4f Sq.mm", area)));
    CrossSectionSqMils = area * 1550;
  }
  const double sqMils = imperial ? area : CrossSectionSqMils;
  if (imperial)
    ComputeAreaCorrection();
  else
    ComputeAreaCorrectionMetric();

  const int version = Form6->RadioGroup1->ItemIndex();
  conductor::IpcModifiers m;
  m.areaCorrection = AreaCorrection;
  m.boardThickness = Form6->CheckBox2->Checked() ? 1.0 : BoardThicknessModifier;
  m.material = MaterialModifier;
  ConductorCurrent = conductor::IpcCurrent(
      version == conductor::kIpc2152WithModifiers ? version : conductor::kIpc2152WithoutModifiers,
      {IpcK, IpcB, IpcC}, TempRise, sqMils, m);
  Edit10->SetText(Shown(Format("%.4f Amps", ConductorCurrent)));

  // Height over hole as typed: the same unit on both sides.
  ViaAspectLimit = StrToFloat((layerSet == 2 ? Form6->Edit2 : Form6->Edit1)->Text());
  ViaAspectRatio = StrToFloat(Edit6->Text()) / StrToFloat(Edit3->Text());
  Label350->SetCaption(Shown(Format("%.2f:1", ViaAspectRatio)));
  const bool exceeded = ViaAspectRatio > ViaAspectLimit;
  Label350->SetFontColor(exceeded ? vcl::clRed : vcl::clBlack);
  Label402->SetVisible(exceeded);

  ViaPadDiameter = Inches(length(Edit4), metric);
  ViaPlaneOpening = Inches(length(Edit5), metric);
  ViaLength = Inches(length(Edit6), metric);
  SubstrateEr = StrToFloat(Edit7->Text());
  const double h = ViaLength, dIn = Inches(d, metric);

  // A microvia has no capacitance of its own; its hidden results keep the last one.
  if (layerSet == 1)
    ViaCapacitance = 1.41 * SubstrateEr * h * ViaPadDiameter / (ViaPlaneOpening - ViaPadDiameter);
  if (ViaCapacitance < 0) ViaCapacitance = 0;
  if (layerSet == 0) ViaCapacitance = 1.0;
  const double c = ViaCapacitance;
  ViaInductance = 5.08 * h * (vcl::Log(4 * h / dIn) + 1);
  if (ViaInductance < 0) ViaInductance = 0;
  const double l = ViaInductance;
  ViaResonance = 1 / (6.28318 * vcl::Sqrt(l * 1e-9 * c * 1e-12)) / 1000000;
  ViaImpedance = vcl::Sqrt(l / (c * 0.001));
  ViaStepResponse = 2.2 * c * (ViaImpedance / 2);
  Edit11->SetText(Shown(Format("%.4f pF", c)));
  Edit12->SetText(Shown(Format("%.4f nH", l)));
  Edit13->SetText(Shown(Format("%.4f ps", ViaStepResponse)));
  Edit14->SetText(Shown(Format("%.3f MHz", ViaResonance)));
  Edit42->SetText(Shown(Format("%.3f Ohms", ViaImpedance)));

  const double base = conductor::ResistivityBand(ConductorTemp, metric);
  (metric ? BaseResistivityMetric : BaseResistivity) = base;
  Resistivity = conductor::CorrectedResistivity(base, ConductorTemp);
  ConductorResistance = Resistivity * length(Edit6) / sqMils;
  Edit49->SetText(Shown(Format("%.5f Ohms", ConductorResistance)));

  PowerDissipation = ConductorCurrent * ConductorCurrent * ConductorResistance;
  Edit50->SetText(Shown(Format("%.5f Watts", PowerDissipation)));
  PowerDbm = 10 * vcl::Log10(PowerDissipation / 0.001);
  Label56->SetCaption(Shown(Format("%.4f dBm", PowerDbm)));

  ViaThermalResistance = h / (sqMils / 1000 * 10.008) * 1000;
  Label110->SetCaption(Shown(Format("%.1f °C/W", ViaThermalResistance)));
  limits.CheckViaCount();
  ViaCountThermalResistance = ViaThermalResistance / StrToFloat(Edit227->Text());
  Label285->SetCaption(Shown(Format("%.1f °C/W per via", ViaCountThermalResistance)));

  ViaVoltageDrop = ConductorCurrent * ConductorResistance * 1000;
  Label72->SetCaption(Shown(Format("%.4f mV", ViaVoltageDrop)));
  ViaCurrentDensity = conductor::CurrentDensity(ConductorCurrent, sqMils);
  Label398->SetCaption(Shown(Format("%.2f A/m2", ViaCurrentDensity)));
}

}  // namespace trellis
