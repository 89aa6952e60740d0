#include "calc/circuit/ohms_law_model.h"

#include <algorithm>

namespace trellis::circuit {

namespace {

int Clamped(int count) { return std::clamp(count, 0, kMaxResistors); }

}  // namespace

OhmsLawResult OhmsLaw(SolveFor target, double first, double second) {
  switch (target) {
    case SolveFor::Volts: {
      const double volts = first * second;
      return {volts, volts * first};
    }
    case SolveFor::Amps: {
      const double amps = first / second;
      return {amps, first * amps};
    }
    case SolveFor::Ohms:
      return {first / second, first * second};
  }
  return {};
}

LedBiasResult LedBias(LedSolve target, double supply, double forward, double given) {
  const double drop = supply - forward;
  if (target == LedSolve::Resistor) {
    const double amps = given / 1000;
    return {drop / amps, drop * amps};
  }
  const double milliamps = drop / given * 1000;
  return {milliamps, drop * (milliamps / 1000)};
}

SeriesResult SeriesResistors(double volts, const ResistorRow& ohms, int count) {
  const int n = Clamped(count);
  SeriesResult r;
  for (int k = 0; k < n; ++k) r.total += ohms[k];
  r.current = volts / r.total;
  for (int k = 0; k < n; ++k) {
    r.drop[k] = ohms[k] * r.current;
    r.power[k] = r.drop[k] * r.current;
  }
  return r;
}

ParallelResult ParallelResistors(double volts, const ResistorRow& ohms, int count) {
  const int n = Clamped(count);
  ParallelResult r;
  double conductance = 0;
  for (int k = 0; k < n; ++k) conductance += 1 / ohms[k];
  r.total = 1 / conductance;
  r.current = volts / r.total;
  for (int k = 0; k < n; ++k) {
    r.branch[k] = volts / ohms[k];
    r.power[k] = volts * r.branch[k];
  }
  return r;
}

}  // namespace trellis::circuit
