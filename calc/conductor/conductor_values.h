// The conductor calculators' working values; a nested re-solve leaves its
// values here for the outer pass. What the via and fusing solves share with
// them stays with the program's shared values.
#pragma once

namespace trellis {

// Conductor properties and the loaded conductor temperature.
struct ConductorValues {
  double HalfThickness = 0, ConductorLength = 0;
  double PlaneDistance = 0, ParallelCount = 0;
  double PlaneModifier = 0, FixedModifier = 0;
  double LoadCurrent = 0, SkinDepth = 0;
};

struct FusingValues {
  double FuseTime = 0, FusingMultiplier = 0, CircularMils = 0;
};

struct SpacingValues {
  double SpacingVoltage = 0, SpacingResult = 0;
};

struct ThermalValues {
  double DeviceThermalResistance = 0, DevicePower = 0, DeviceJunctionTemp = 0;
  double HeatSinkThermalResistance = 0, HeatSinkPower = 0, HeatSinkJunctionTemp = 0;
};

}  // namespace trellis
