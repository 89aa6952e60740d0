// The via calculator's values, kept between passes as the calculator leaves them.
#pragma once

namespace trellis {

struct ViaValues {
  // single via
  double ViaHoleDiameter = 0, ViaPadDiameter = 0, ViaPlaneOpening = 0, ViaLength = 0;
  double ViaAspectLimit = 0, ViaAspectRatio = 0;
  double ViaCapacitance = 0, ViaInductance = 0, ViaResonance = 0, ViaImpedance = 0;
  double ViaStepResponse = 0;
  double ViaThermalResistance = 0, ViaCountThermalResistance = 0;
  double ViaVoltageDrop = 0, ViaCurrentDensity = 0;

  // differential via and stub length
  double ViaAnisotropy = 0, ViaSpacing = 0, ViaClearanceH = 0, ViaClearanceW = 0;
  double ViaBaudRate = 0, ViaAverageEr = 0, ViaOddImpedance = 0, ViaDiffImpedance = 0;
  double ViaErEffective = 0, ViaMaxStubLength = 0, PairImpedance = 0;
  double ViaTransitionLoss = 0, ViaInsertionLoss = 0;
};

}  // namespace trellis
