#include "calc/conductor/ipc_current.h"

#include "vcl/sysutils.h"

namespace trellis::conductor {

namespace {
// Upper bounds of the ten lower bands; the metric ones are the stated decimals,
// not conversions, so a typed 1.524 lands in the band of 60 mils.
constexpr double kMilBounds[10] = {10, 20, 30, 40, 50, 60, 70, 80, 90, 100};
constexpr double kMmBounds[10] = {0.254, 0.508, 0.762, 1.016, 1.27,
                                  1.524, 1.778, 2.032, 2.286, 2.54};

int Band(double value, bool metric) {
  const double* bounds = metric ? kMmBounds : kMilBounds;
  int i = 0;
  while (i < 10 && !(value < bounds[i])) ++i;
  return i;
}
}  // namespace

IpcCoefficients SelectIpcCoefficients(int version, int layer) {
  const double k = (version == kIpc2221A && layer == 1) ? 0.048 : 0.024;
  return {k, 0.44, 0.725};
}

double BoardThicknessModifier(double thickness, bool metric) {
  static constexpr double kFactors[11] = {0.4,  0.48, 0.58, 0.67, 0.75, 0.85,
                                          0.95, 1.0,  1.1,  1.2,  1.3};
  return kFactors[Band(thickness, metric)];
}

double PlaneModifier(double distance, int planeItem, bool metric) {
  static constexpr double kLight[11] = {1.59, 1.55, 1.52, 1.48, 1.45, 1.42,
                                        1.39, 1.37, 1.33, 1.3,  1.2};
  static constexpr double kHeavy[11] = {1.63, 1.59, 1.56, 1.52, 1.49, 1.46,
                                        1.43, 1.41, 1.37, 1.34, 1.24};
  const int band = Band(distance, metric);
  return planeItem == 1 ? kHeavy[band] : kLight[band];
}

double AreaCorrection(double a, double rise) {
  if (rise <= 20) return 3.0364 * vcl::Pow(a, -0.145);
  if (rise < 60) return 2.9143 * vcl::Pow(a, -0.129);
  if (rise < 100) return 2.7877 * vcl::Pow(a, -0.114);
  return 2.801 * vcl::Pow(a, -0.111);
}

namespace {
// The current equation without its rise term.
double RiseFreeCurrent(int version, const IpcCoefficients& c, double a, const IpcModifiers& m) {
  const double plain = c.k * vcl::Pow(a, c.c);
  if (version != kIpc2152WithModifiers) return plain;
  const double f = plain * m.areaCorrection * m.boardThickness * m.plane * m.material * m.fixed;
  return m.parallel ? f / m.parallelCount : f;
}
}  // namespace

double IpcCurrent(int version, const IpcCoefficients& c, double rise, double a,
                  const IpcModifiers& m) {
  return vcl::Pow(rise, c.b) * RiseFreeCurrent(version, c, a, m);
}

double IpcAreaFor(const IpcCoefficients& c, double current, double rise) {
  return vcl::Pow(current / (c.k * vcl::Pow(rise, c.b)), 1 / c.c);
}

double IpcRiseFor(int version, const IpcCoefficients& c, double current, double a,
                  const IpcModifiers& m) {
  return vcl::Pow(current / RiseFreeCurrent(version, c, a, m), 1 / c.b);
}

}  // namespace trellis::conductor
