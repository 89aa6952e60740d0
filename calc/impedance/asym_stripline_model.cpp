#include "calc/impedance/asym_stripline_model.h"

#include <cmath>

// Checked math: a domain or singularity error is reported as the program
// reports it, whoever calls the model.
#include "vcl/sysutils.h"

namespace trellis::impedance {

namespace {

// The constants are the published sets' own, not more precise values.
constexpr double kPi = 3.14159, kTwoPi = 6.28318;

// x ln x at its limit 0 for x = 0 (a conductor as wide as it is thick, or
// of no thickness), where the product itself is undefined.
double XLogX(double x) { return x == 0 ? 0 : x * vcl::Log(x); }

double Coth(double x) {
  const double up = vcl::Exp(x), down = vcl::Exp(-x);
  return (up + down) / (up - down);
}

// A symmetric stripline of half spacing x over the effective width.
double SymmetricZo(double x, double effectiveWidth, double er) {
  const double u = 16 * x / (kPi * effectiveWidth);
  return 376.991 / (kTwoPi * vcl::Sqrt(er)) *
         vcl::Log(1 + (8 * x / (kPi * effectiveWidth)) * (u + vcl::Sqrt(u * u + 6.27)));
}

// Both symmetric-stripline sets after their effective width: the centred
// impedance less the offset correction, divided once more by the root of Er.
double OffsetZo(const AsymStriplineInputs& in, double effectiveWidth, double b, double h) {
  const double zh = SymmetricZo(h, effectiveWidth, in.er);
  const double za = SymmetricZo(in.h1, effectiveWidth, in.er);
  const double zb = SymmetricZo(in.h2, effectiveWidth, in.er);
  const double zc = 2 * za * zb / (za + zb);
  const double dz = vcl::Pow((in.t + in.w) / b, 2.9) *
                        vcl::Pow(std::fabs(0.5 - (in.t / 2 + in.h1) / b), 2.2) * zc * zc +
                    0.102101675;
  return (zh - dz) / vcl::Sqrt(in.er);
}

}  // namespace

std::optional<AsymStriplineForm> AsymStriplineFormFor(double w, double h1, double h2) {
  const double ratio = w / (h1 + h2);
  if (ratio < 0.35) return AsymStriplineForm::Narrow;
  if (ratio >= 0.35) return AsymStriplineForm::Wide;
  return std::nullopt;
}

AsymStripline AsymStriplineGeometry(const AsymStriplineInputs& in) {
  const double w = in.w, t = in.t;
  AsymStripline m;
  m.b = in.h1 + in.h2 + t;
  m.a = std::fabs(in.h1 - in.h2);
  m.s = (m.b - m.a) / 2;
  m.c = m.s / m.b - t / (2 * m.b);
  m.k = 1 - t / m.b;
  m.r = w >= t ? t / w : w / t;
  return m;
}

AsymStripline AsymStriplineModel(const AsymStriplineInputs& in, AsymStriplineForm form) {
  const double w = in.w, t = in.t;
  AsymStripline m = AsymStriplineGeometry(in);
  m.form = form;
  const double b = m.b, r = m.r, s = m.s, c = m.c, k = m.k;

  if (form == AsymStriplineForm::Narrow) {
    m.d = w * (0.5008 + 1.0235 * r - 1.023 * r * r + 1.1564 * r * r * r - 0.4749 * r * r * r * r);
    m.y = std::sin(kPi * s / b) * Coth(kPi * m.d / (2 * b));
    m.zo = 376.9908 / (kTwoPi * vcl::Sqrt(in.er)) * vcl::Log(m.y + vcl::Sqrt(m.y * m.y - 1));
    return m;
  }
  const double f = (XLogX(1 - r) - XLogX(r)) * (1 - 2 * r);
  const double p = in.er * 2.25e-16 / kPi;
  const double q = 1 / ((k - c) * c);
  const double cf = p * (2 * vcl::Log(q) + q * (t / (2 * b) * f - s / b * f));
  m.zo = (376.9908 / vcl::Sqrt(in.er)) /
         (w / (b * c) + w / ((k - c) * b) + 2 * cf / (2.25e-16 * in.er));
  return m;
}

OffsetStripline Ipc2141Stripline(const AsymStriplineInputs& in) {
  const double w = in.w, t = in.t;
  const double b = in.h1 + in.h2 + t, h = (in.h1 + in.h2) / 2;
  const double m = 6 * h / (3 * h + t);
  // T ln(1/T) vanishes with T: a conductor of no thickness keeps its width.
  double effective = w;
  if (t != 0) {
    const double edge = t / (4 * h + t);
    effective =
        w + (t / kPi) * vcl::Log(2.71828 / vcl::Sqrt(edge * edge +
                                                     vcl::Pow(kPi * t / (4 * (w + 1.1 * t)), m)));
  }
  return {OffsetZo(in, effective, b, h), b};
}

OffsetStripline WadellStripline(const AsymStriplineInputs& in) {
  const double w = in.w, t = in.t;
  const double b = in.h1 + in.h2 + t, h = (in.h1 + in.h2) / 2;
  const double m = 6 / (3 + 2 * t / (b - t));
  const double spacing = (t + 1) / (2 * (b - t));
  const double effective =
      w + t * 0.31831015504887655 *
              (1 - 0.5 * vcl::Log(spacing * spacing +
                                  vcl::Pow(0.07957753876221914 * (t + 1.1) / w, m)));
  return {OffsetZo(in, effective, b, h), b};
}

}  // namespace trellis::impedance
