#include "calc/diffpair/crosstalk_model.h"

#include <cmath>
#include <limits>

#include "vcl/sysutils.h"

namespace trellis::diffpair {

namespace {

// The checked power keeps quiet for an infinite base; a quotient over a zero
// height overflows the square as surely as a finite excess does.
double Square(double x) {
  if (std::isinf(x)) x = std::numeric_limits<double>::max();
  return vcl::Pow(x, 2);
}

}  // namespace

double CrosstalkInches(double typed, LengthSystem unit) {
  switch (unit) {
    case LengthSystem::Mils:
      return typed / kMilsPerInch;
    case LengthSystem::Millimetres:
      return typed / kMillimetresPerInch;
    case LengthSystem::Micrometres:
      return typed / kMicrometresPerMillimetre / kMillimetresPerInch;
  }
  return typed / kMilsPerInch;
}

double CrosstalkDelay(double er, double lengthInches) {
  return 2 * 1.017 * vcl::Sqrt(0.475 * er + 0.67) * lengthInches;
}

double MicrostripCoupling(double s, double h) { return 1 / (Square(s / h) + 1); }

double StriplineCoupling(double s, double h, double h1, double h2) {
  const double d = vcl::Sqrt(Square(s) + Square(h1 - h2));
  const double a1 = h1 * (h - h1) / h;
  const double a2 = h2 * (h - h2) / h;
  return 1 / (Square(d) / (a1 * a2) + 1);
}

Crosstalk CrosstalkOf(double coupling, double delay, double riseNs, double volts) {
  Crosstalk c{};
  c.ratio = delay / riseNs;
  c.coefficient = c.ratio <= 1 ? coupling * c.ratio : coupling;
  c.decibels = 20 * vcl::Log10(c.coefficient);
  c.volts = c.coefficient * volts;
  return c;
}

}  // namespace trellis::diffpair
