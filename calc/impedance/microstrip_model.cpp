#include "calc/impedance/microstrip_model.h"

#include <cmath>

// Checked math: a domain or singularity error is reported as the program
// reports it, whichever calculator runs the model.
#include "vcl/sysutils.h"

namespace trellis::impedance {

namespace {

// The model's own constants, not more precise ones: results must stay those
// users have always had.
constexpr double kPi = 3.14159;
constexpr double kTwoPi = 6.28318;
constexpr double kE = 2.7182818;
constexpr double kFourE = 10.8731272;
constexpr double kFreeSpace = 376.9908;

double PowE(double x) { return vcl::Pow(kE, x); }

// The impedance of a conductor in air for the normalised width x.
double Z01(double x) {
  const double s = -vcl::Pow(30.666 / x, 0.7528);
  const double fx = 6 + (kTwoPi - 6) * PowE(s);
  return kFreeSpace * vcl::Log(fx / x + vcl::Sqrt(1 + 4 / (x * x))) / kTwoPi;
}

}  // namespace

Microstrip MicrostripModel(const MicrostripInputs& in) {
  const double er = in.er;
  MicrostripSteps s;
  s.u = in.width / in.height;
  s.t = in.thickness / in.height;

  // t ln(1/t) vanishes with t: a conductor of no thickness needs no correction.
  if (s.t == 0) {
    s.u1 = s.u;
  } else {
    const double th = std::tanh(vcl::Sqrt(6.517 * s.u));
    s.u1 = s.u + (s.t / kPi) * vcl::Log(1 + (kFourE / s.t) * th * th);
  }
  s.ur = s.u + (s.u1 - s.u) * (1 + 1 / vcl::Cosh(vcl::Sqrt(er - 1))) / 2;

  const double ur2 = s.ur * s.ur, ur4 = ur2 * ur2;
  const double a = 1 + vcl::Log((ur4 + ur2 / 2704) / (ur4 + 0.432)) / 49 +
                   vcl::Log(1 + vcl::Pow(s.ur / 18.1, 3)) / 18.7;
  const double b = 0.564 * vcl::Pow((er - 0.9) / (er + 3), 0.053);
  s.erEffectiveUr = (er + 1) / 2 + ((er - 1) / 2) * vcl::Pow(1 + 10 / s.ur, -a * b);

  s.z01U1 = Z01(s.u1);
  s.z01Ur = Z01(s.ur);

  Microstrip m;
  m.zoStatic = s.z01Ur / vcl::Sqrt(s.erEffectiveUr);
  const double ratio = s.z01U1 / s.z01Ur;
  m.erEffectiveStatic = s.erEffectiveUr * ratio * ratio;

  // The dispersion terms take the plain ratio u.
  const double fn = in.frequency * in.height;
  const double p1 = 0.27488 + (0.6315 + 0.525 / vcl::Pow(1 + 0.0157 * fn, 20)) * s.u -
                    0.065683 * PowE(-8.7513 * s.u);
  const double p2 = 0.33622 * (1 - PowE(-0.03442 * er));
  const double p3 = 0.0363 * PowE(-4.6 * s.u) * (1 - PowE(-vcl::Pow(fn / 38.7, 4.97)));
  const double p4 = 1 + 2.751 * (1 - PowE(-vcl::Pow(er / 15.916, 8)));
  s.dispersion = p1 * p2 * vcl::Pow((0.1844 + p3 * p4) * fn, 1.5763);

  m.erEffective = er - (er - m.erEffectiveStatic) / (1 + s.dispersion);
  m.zo = m.zoStatic * vcl::Sqrt(m.erEffectiveStatic / m.erEffective) * (m.erEffective - 1) /
         (m.erEffectiveStatic - 1);
  m.steps = s;
  return m;
}

double MicrostripDelayPerInch(double erEffective) { return 1000 * vcl::Sqrt(erEffective) / 11.8; }

bool ConductorReachesSurface(const EmbeddedMicrostripInputs& in) {
  return in.thickness + in.height2 >= in.height1;
}

EmbeddedMicrostrip EmbeddedMicrostripModel(const EmbeddedMicrostripInputs& in) {
  EmbeddedMicrostrip m;
  m.erPrime = in.er * (1 - vcl::Exp(-1.55 * in.height1 / in.height2));
  m.zo =
      (60 / vcl::Sqrt(m.erPrime)) * vcl::Log(5.98 * in.height2 / (0.8 * in.width + in.thickness));
  m.tpdPerInch = vcl::Sqrt(m.erPrime) * 0.08457 * 1000;
  return m;
}

}  // namespace trellis::impedance
