// The via calculator's physics: one plated via's barrel, current, aspect ratio,
// electrical and thermal figures, and a differential via pair's impedances,
// longest stub and mismatch loss. Each function states its units; "the via's
// unit" is mils, or millimetres in metric, as the solve reads the boxes.
#pragma once

#include "calc/conductor/conductor_model.h"

namespace trellis::via {

enum class ViaLayerSet { TwoLayer, MultiLayer, Microvia };

// ---- one via

// A length of the via's unit in inches, the unit of the electrical formulas,
// and back.
double Inches(double length, bool metric);
double FromInches(double inches, bool metric);

// The barrel: a copper ring of the plating around the hole, both in the via's
// unit; the area in its square (sq.mils or sq.mm).
double BarrelCrossSection(double hole, double plating);

// Vias are internal in every IPC version: no external-layer constant.
constexpr conductor::IpcCoefficients kViaIpcCoefficients{0.024, 0.44, 0.725};

struct ViaCurrentInputs {
  conductor::IpcVersion version = conductor::IpcVersion::Ipc2152WithModifiers;
  double tempRise = 0;          // degrees C
  double areaSqMils = 0;        // the barrel
  double areaCorrection = 1;    // the modifiers of IPC-2152 with modifiers
  double boardThickness = 1;    // the height band
  bool heightDisabled = false;  // "Disable Via Height for via current"
  double material = 1;
};

// The current in amperes that heats the barrel by the rise: IPC-2152 with its
// modifiers (no plane, no fixed factor), or else the plain fit, also for IPC-2221A.
double ViaCurrent(const ViaCurrentInputs& in);

// Height over hole, both in one unit.
double AspectRatio(double height, double hole);
// Whether height over hole is strictly above the limit, the three taken as the
// decimals typed, so a ratio equal to its limit never exceeds it.
bool AspectRatioExceeded(double height, double hole, double limit);

struct ViaElectricalInputs {
  ViaLayerSet layerSet = ViaLayerSet::MultiLayer;
  // inches
  double hole = 0, padDiameter = 0, planeOpening = 0, length = 0;
  double er = 0;
  // pF: a microvia computes no capacitance of its own and keeps this one.
  double previousCapacitance = 0;
};

struct ViaElectrical {
  double capacitance = 0;   // pF (2 Layer: 1 pF; never negative)
  double inductance = 0;    // nH (never negative)
  double resonance = 0;     // MHz
  double impedance = 0;     // ohms
  double stepResponse = 0;  // ps, T10-90% into 50 ohms
};

ViaElectrical ViaElectricalProperties(const ViaElectricalInputs& in);

// DC resistance in ohms: resistivity (ohm sq.mil per mil, or per mm) times the
// length (mils, or mm) over the area in sq.mils.
double ViaResistance(double resistivity, double length, double areaSqMils);
// Thermal resistance in degrees C per watt of a barrel of this length in inches.
double ViaThermalResistance(double lengthInches, double areaSqMils);
// n vias in parallel.
double ViaCountThermalResistance(double thermalResistance, double count);
// Watts in the via, and millivolts across it, at a current in amperes.
double ViaPowerDissipation(double current, double resistance);
double ViaVoltageDrop(double current, double resistance);

// ---- a differential via pair

struct DifferentialViaInputs {
  // the via's unit (only their ratios count)
  double hole = 0, spacing = 0, clearanceH = 0, clearanceW = 0;
  double er = 0;
  double anisotropy = 0;  // percent
  double baudRate = 0;    // GBaud
};

struct DifferentialVia {
  double averageEr = 0;
  double oddImpedance = 0;   // ohms
  double diffImpedance = 0;  // ohms
  double erEffective = 0;
  // The longest stub: a quarter wave of the fundamental, with margin, in the substrate.
  double maxStubInches = 0;
};

DifferentialVia DifferentialViaProperties(const DifferentialViaInputs& in);

struct ViaMismatchLoss {
  double transition = 0;  // dB, into the via pair
  double insertion = 0;   // dB, into the pair and out of it
};

// The loss of the mismatch between the pair's and the via pair's differential impedance (ohms).
ViaMismatchLoss MismatchLoss(double pairImpedance, double viaDiffImpedance);

}  // namespace trellis::via
