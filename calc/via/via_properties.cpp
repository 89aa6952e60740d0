// The via calculator: one plated via's current, aspect ratio, electrical and
// thermal properties, or a differential via pair's impedance and stub length.
#include <optional>

#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/conductor_items.h"
#include "calc/conductor/conductor_model.h"
#include "calc/via/via_limits.h"
#include "calc/via/via_model.h"
#include "calc/via/via_values.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;
using vcl::TObject;

namespace {

// The layer-set group (RadioGroup3) of the via calculator: 0 "2 Layer",
// 1 "Multi Layer", 2 "Microvia".
std::optional<via::ViaLayerSet> LayerSetOfItem(int item) {
  if (item < 0 || item > static_cast<int>(via::ViaLayerSet::Microvia)) return std::nullopt;
  return static_cast<via::ViaLayerSet>(item);
}

void SolveDifferentialVia(TForm1& f, ViaInputLimits& limits) {
  ViaValues& kept = f.Values<ViaValues>();
  const double d = kept.ViaHoleDiameter;
  kept.ViaAnisotropy = StrToFloat(f.Edit206->Text());

  // A reset box is read again, so no pass computes with a rejected spacing.
  limits.CheckSpacing(d);
  kept.ViaSpacing = limits.ReadLength(f.Edit335);
  limits.CheckClearance(f.Edit5, d);
  kept.ViaClearanceH = limits.ReadLength(f.Edit5);
  limits.CheckClearance(f.Edit6, d);
  kept.ViaClearanceW = limits.ReadLength(f.Edit6);
  kept.ViaBaudRate = StrToFloat(f.Edit209->Text());

  const via::DifferentialVia v =
      via::DifferentialViaProperties({d, kept.ViaSpacing, kept.ViaClearanceH, kept.ViaClearanceW,
                                      f.SubstrateEr, kept.ViaAnisotropy, kept.ViaBaudRate});
  kept.ViaAverageEr = v.averageEr;
  kept.ViaOddImpedance = v.oddImpedance;
  f.Edit50->SetText(f.Shown(Format("%.3f Ohms", kept.ViaOddImpedance)));
  kept.ViaDiffImpedance = v.diffImpedance;
  f.Edit8->SetText(f.Shown(Format("%.3f Ohms", kept.ViaDiffImpedance)));
  kept.ViaErEffective = v.erEffective;
  f.Edit10->SetText(f.Shown(Format("%.3f", kept.ViaErEffective)));

  switch (limits.Unit()) {
    case LengthSystem::Mils:
      kept.ViaMaxStubLength = via::FromInches(v.maxStubInches, false);
      f.Edit49->SetText(f.Shown(Format("%.2f mils", kept.ViaMaxStubLength)));
      break;
    case LengthSystem::Millimetres:
      kept.ViaMaxStubLength = via::FromInches(v.maxStubInches, true);
      f.Edit49->SetText(f.Shown(Format("%.4f mm", kept.ViaMaxStubLength)));
      break;
    case LengthSystem::Micrometres:
      kept.ViaMaxStubLength = via::FromInches(v.maxStubInches, true);
      f.Edit49->SetText(f.Shown(Format("%.2f um", kept.ViaMaxStubLength * 1000)));
      break;
  }

  kept.PairImpedance = StrToFloat(f.Edit386->Text());
  const via::ViaMismatchLoss loss = via::MismatchLoss(kept.PairImpedance, kept.ViaDiffImpedance);
  kept.ViaTransitionLoss = loss.transition;
  kept.ViaInsertionLoss = loss.insertion;
  f.Edit13->SetText(f.Shown(Format("%.4f dB", kept.ViaInsertionLoss)));
}

}  // namespace

void TForm1::SolveViaProperties(TObject*) {
  ViaValues& kept = Values<ViaValues>();
  const LengthUnit unit = UnitsShown(*this);
  if (!unit.Known()) return;
  const bool imperial = unit.Imperial();
  const bool metric = unit.Metric();
  const bool differential = RadioGroup5->ItemIndex() == 1;
  const int layerSet = RadioGroup3->ItemIndex();
  const std::optional<via::ViaLayerSet> layer = LayerSetOfItem(layerSet);
  ViaInputLimits limits(*this, unit);
  const bool microns = limits.Unit() == LengthSystem::Micrometres;
  auto length = [&](const vcl::TEdit* box) { return limits.ReadLength(box); };

  limits.CheckHole();
  if (!differential) limits.CheckSingleVia(layerSet);
  limits.CheckEr();
  ReadTempRise();
  ReadAmbientTemp();
  UpdateConductorTemp();

  IpcK = via::kViaIpcCoefficients.k;
  IpcB = via::kViaIpcCoefficients.b;
  IpcC = via::kViaIpcCoefficients.c;
  PlatingThickness = length(Edit9);
  SubstrateEr = StrToFloat(Edit7->Text());
  PcbThickness = length(Edit6);
  BoardThicknessModifier = conductor::BoardThicknessModifier(PcbThickness, metric);
  kept.ViaHoleDiameter = length(Edit3);
  if (differential) {
    SolveDifferentialVia(*this, limits);
    return;
  }

  const double d = kept.ViaHoleDiameter;
  const double area = via::BarrelCrossSection(d, PlatingThickness);
  CrossSection = area;
  if (imperial) {
    Edit8->SetText(Shown(Format("%.2f Sq.mils", area)));
  } else {
    Edit8->SetText(microns ? Shown(Format("%.2f Sq.um", area * 1000000))
                           : Shown(Format("%.4f Sq.mm", area)));
    CrossSectionSqMils = area * kSquareMilsPerSquareMillimetreRound;
  }
  const double sqMils = imperial ? area : CrossSectionSqMils;
  if (imperial)
    ComputeAreaCorrection();
  else
    ComputeAreaCorrectionMetric();

  via::ViaCurrentInputs current;
  // With no version chosen the current takes no modifiers.
  current.version = conductor::IpcVersionOfItem(Form6->RadioGroup1->ItemIndex())
                        .value_or(conductor::IpcVersion::Ipc2152WithoutModifiers);
  current.tempRise = TempRise;
  current.areaSqMils = sqMils;
  current.areaCorrection = AreaCorrection;
  current.boardThickness = BoardThicknessModifier;
  current.heightDisabled = Form6->CheckBox2->Checked();
  current.material = MaterialModifier;
  ConductorCurrent = via::ViaCurrent(current);
  Edit10->SetText(Shown(Format("%.4f Amps", ConductorCurrent)));

  // Height over hole as typed: the same unit on both sides.
  kept.ViaAspectLimit =
      StrToFloat((layer == via::ViaLayerSet::Microvia ? Form6->Edit2 : Form6->Edit1)->Text());
  const double height = StrToFloat(Edit6->Text()), hole = StrToFloat(Edit3->Text());
  kept.ViaAspectRatio = via::AspectRatio(height, hole);
  Label350->SetCaption(Shown(Format("%.2f:1", kept.ViaAspectRatio)));
  const bool exceeded = via::AspectRatioExceeded(height, hole, kept.ViaAspectLimit);
  Label350->SetFontColor(exceeded ? vcl::clRed : vcl::clBlack);
  Label402->SetVisible(exceeded);

  kept.ViaPadDiameter = via::Inches(length(Edit4), metric);
  kept.ViaPlaneOpening = via::Inches(length(Edit5), metric);
  kept.ViaLength = via::Inches(length(Edit6), metric);
  SubstrateEr = StrToFloat(Edit7->Text());

  via::ViaElectricalInputs electrical;
  // A microvia (or no layer set) has no capacitance of its own; its hidden
  // results keep the last one.
  electrical.layerSet = layer.value_or(via::ViaLayerSet::Microvia);
  electrical.hole = via::Inches(d, metric);
  electrical.padDiameter = kept.ViaPadDiameter;
  electrical.planeOpening = kept.ViaPlaneOpening;
  electrical.length = kept.ViaLength;
  electrical.er = SubstrateEr;
  electrical.previousCapacitance = kept.ViaCapacitance;
  const via::ViaElectrical e = via::ViaElectricalProperties(electrical);
  kept.ViaCapacitance = e.capacitance;
  kept.ViaInductance = e.inductance;
  kept.ViaResonance = e.resonance;
  kept.ViaImpedance = e.impedance;
  kept.ViaStepResponse = e.stepResponse;
  Edit11->SetText(Shown(Format("%.4f pF", kept.ViaCapacitance)));
  Edit12->SetText(Shown(Format("%.4f nH", kept.ViaInductance)));
  Edit13->SetText(Shown(Format("%.4f ps", kept.ViaStepResponse)));
  Edit14->SetText(Shown(Format("%.3f MHz", kept.ViaResonance)));
  Edit42->SetText(Shown(Format("%.3f Ohms", kept.ViaImpedance)));

  const double base = conductor::ResistivityBand(ConductorTemp, metric);
  (metric ? BaseResistivityMetric : BaseResistivity) = base;
  Resistivity = conductor::CorrectedResistivity(base, ConductorTemp);
  ConductorResistance = via::ViaResistance(Resistivity, length(Edit6), sqMils);
  Edit49->SetText(Shown(Format("%.5f Ohms", ConductorResistance)));

  PowerDissipation = via::ViaPowerDissipation(ConductorCurrent, ConductorResistance);
  Edit50->SetText(Shown(Format("%.5f Watts", PowerDissipation)));
  PowerDbm = conductor::PowerDbm(PowerDissipation);
  Label56->SetCaption(Shown(Format("%.4f dBm", PowerDbm)));

  kept.ViaThermalResistance = via::ViaThermalResistance(kept.ViaLength, sqMils);
  Label110->SetCaption(Shown(Format("%.1f °C/W", kept.ViaThermalResistance)));
  limits.CheckViaCount();
  kept.ViaCountThermalResistance =
      via::ViaCountThermalResistance(kept.ViaThermalResistance, StrToFloat(Edit227->Text()));
  Label285->SetCaption(Shown(Format("%.1f °C/W per via", kept.ViaCountThermalResistance)));

  kept.ViaVoltageDrop = via::ViaVoltageDrop(ConductorCurrent, ConductorResistance);
  Label72->SetCaption(Shown(Format("%.4f mV", kept.ViaVoltageDrop)));
  kept.ViaCurrentDensity = conductor::CurrentDensity(ConductorCurrent, sqMils);
  Label398->SetCaption(Shown(Format("%.2f A/m2", kept.ViaCurrentDensity)));
}

}  // namespace trellis
