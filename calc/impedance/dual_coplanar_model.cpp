#include "calc/impedance/dual_coplanar_model.h"

#include <cmath>

#include "calc/impedance/stripline_model.h"
// Checked math: a domain error is reported as the program reports it.
#include "vcl/sysutils.h"

namespace trellis::impedance {

namespace {
constexpr double kPi = 3.14159;
}  // namespace

DualStripline DualStriplineModel(double w, double h, double c, double t, double er) {
  DualStripline r;
  r.zo = (80 / vcl::Sqrt(er)) * vcl::Log(1.9 * (2 * h + t) / (0.8 * w + t)) *
         (1 - h / (4 * (h + c + t)));
  r.tpdPerInch = StriplineDelayPerInch(er);
  return r;
}

double EllipticK(double x) {
  double a = 1, b = vcl::Pow(1 - x * x, 0.5);
  for (int step = 0; step < 7; ++step) {
    const double mean = (a + b) / 2;
    b = vcl::Pow(a * b, 0.5);
    a = mean;
  }
  return kPi / (2 * a);
}

CoplanarWave CoplanarWaveModel(double w, double h, double g, double er) {
  CoplanarWave r;
  r.k = w / (w + 2 * g);
  r.kPrime = vcl::Sqrt(1 - r.k * r.k);
  r.k1 = std::tanh(kPi * w / (4 * h)) / std::tanh(kPi * (w + 2 * g) / (4 * h));
  r.k1Prime = vcl::Sqrt(1 - r.k1 * r.k1);
  const double kk = EllipticK(r.k), kkPrime = EllipticK(r.kPrime);
  const double kk1 = EllipticK(r.k1), kk1Prime = EllipticK(r.k1Prime);
  const double q = kkPrime * kk1 / (kk * kk1Prime);
  r.erEffective = (1 + er * q) / (1 + q);
  r.zo = (188.4954 / vcl::Sqrt(r.erEffective)) / (kk / kkPrime + kk1 / kk1Prime);
  return r;
}

}  // namespace trellis::impedance
