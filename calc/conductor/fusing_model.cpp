#include "calc/conductor/fusing_model.h"

// Checked math only: a domain or singularity error is reported as the program
// reports it, whoever calls the model.
#include "vcl/sysutils.h"

namespace trellis::conductor {

namespace {
constexpr double kCircularMilsPerSqMil = 1.2732;
}  // namespace

double CircularMils(double sqMils) { return sqMils * kCircularMilsPerSqMil; }

double OnderdonkCurrent(double sqMils, double ambient, double seconds, double multiplier) {
  const double melt = vcl::Log10((kCopperMeltC - ambient) / (234 + ambient) + 1) / (33 * seconds);
  return vcl::Pow(melt, 0.5) * (sqMils * kCircularMilsPerSqMil) * multiplier;
}

}  // namespace trellis::conductor
