#include "calc/via/via_model.h"

#include <cmath>

#include "calc/length_units.h"

// Checked math only: a domain or singularity error is reported as the program
// reports it, whoever calls the model.
#include "vcl/sysutils.h"

namespace trellis::via {

namespace {
constexpr double kPi = 3.14159;
}  // namespace

double Inches(double length, bool metric) {
  return metric ? MillimetresToInches(length) : length / kMilsPerInch;
}

double FromInches(double inches, bool metric) {
  return metric ? InchesToMillimetres(inches) : inches * kMilsPerInch;
}

double BarrelCrossSection(double d, double t) {
  return kPi / 4 * (2 * t + d) * (2 * t + d) - kPi / 4 * d * d;
}

double ViaCurrent(const ViaCurrentInputs& in) {
  using conductor::IpcVersion;
  conductor::IpcModifiers m;
  m.areaCorrection = in.areaCorrection;
  m.boardThickness = in.heightDisabled ? 1.0 : in.boardThickness;
  m.material = in.material;
  const IpcVersion version = in.version == IpcVersion::Ipc2152WithModifiers
                                 ? IpcVersion::Ipc2152WithModifiers
                                 : IpcVersion::Ipc2152WithoutModifiers;
  return conductor::IpcCurrent(version, kViaIpcCoefficients, in.tempRise, in.areaSqMils, m);
}

double AspectRatio(double height, double hole) { return height / hole; }

bool AspectRatioExceeded(double height, double hole, double limit) {
  // The quotient as the typed decimals give it: 8.4 / 1.4 is 6, though its
  // binary quotient lies a hair above.
  return vcl::RoundToFifteenDigits(AspectRatio(height, hole)) > limit;
}

ViaElectrical ViaElectricalProperties(const ViaElectricalInputs& in) {
  const double h = in.length;
  ViaElectrical e;
  double c = in.previousCapacitance;
  if (in.layerSet == ViaLayerSet::MultiLayer)
    c = 1.41 * in.er * h * in.padDiameter / (in.planeOpening - in.padDiameter);
  if (c < 0) c = 0;
  if (in.layerSet == ViaLayerSet::TwoLayer) c = 1.0;
  e.capacitance = c;
  double l = 5.08 * h * (vcl::Log(4 * h / in.hole) + 1);
  if (l < 0) l = 0;
  e.inductance = l;
  e.resonance = 1 / (6.28318 * vcl::Sqrt(l * 1e-9 * c * 1e-12)) / 1000000;
  e.impedance = vcl::Sqrt(l / (c * 0.001));
  e.stepResponse = 2.2 * c * (e.impedance / 2);
  return e;
}

double ViaResistance(double resistivity, double length, double areaSqMils) {
  return resistivity * length / areaSqMils;
}

double ViaThermalResistance(double lengthInches, double areaSqMils) {
  return lengthInches / (areaSqMils / 1000 * 10.008) * 1000;
}

double ViaCountThermalResistance(double thermalResistance, double count) {
  return thermalResistance / count;
}

double ViaPowerDissipation(double current, double resistance) {
  return current * current * resistance;
}

double ViaVoltageDrop(double current, double resistance) { return current * resistance * 1000; }

DifferentialVia DifferentialViaProperties(const DifferentialViaInputs& in) {
  const double d = in.hole, er = in.er;
  DifferentialVia v;
  v.averageEr = (er + er * (1 + in.anisotropy / 100)) / 2;
  const double s = in.spacing / d;
  const double x = vcl::Log(s + vcl::Sqrt(s * s - 1));
  const double y = vcl::Log((in.clearanceH + in.clearanceW) / (2 * d));
  v.oddImpedance = 60 / vcl::Sqrt(v.averageEr) * vcl::Sqrt(x * y);
  v.diffImpedance = 2 * v.oddImpedance;
  v.erEffective = x / y * v.averageEr;
  v.maxStubInches = 0.84 / (vcl::Sqrt(v.erEffective) * in.baudRate);
  return v;
}

ViaMismatchLoss MismatchLoss(double pairImpedance, double viaDiffImpedance) {
  const double gamma = (pairImpedance - viaDiffImpedance) / (pairImpedance + viaDiffImpedance);
  ViaMismatchLoss loss;
  loss.transition = 20 * vcl::Log10(1 - std::fabs(gamma));
  // The signal meets the mismatch twice: into the via pair and out of it.
  loss.insertion = 2 * loss.transition;
  return loss;
}

}  // namespace trellis::via
