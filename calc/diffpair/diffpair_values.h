// The differential-pair calculator's working values, kept as its last pass
// leaves them.
#pragma once

namespace trellis {

struct DiffPairValues {
  double CoupledLength = 0, SignalRiseTime = 0, AggressorVoltage = 0;
  double DifferentialZ = 0, OddModeZ = 0, EvenModeZ = 0;
  double PairErEffective = 0, SaturationLength = 0, SpacingHeightRatio = 0;
  double TerminatedCoupling = 0, TerminatedCouplingDb = 0, TerminatedNextVoltage = 0;
  double UnterminatedCoupling = 0, UnterminatedCouplingDb = 0, UnterminatedNextVoltage = 0;
  double TargetZdiff = 0, TargetZdiffPlus = 0, TargetZdiffMinus = 0;
  double ZdiffTolerancePlus = 0, ZdiffToleranceMinus = 0;
};

}  // namespace trellis
