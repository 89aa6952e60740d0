#include "calc/diffpair/edge_coupled_model.h"

// Checked math: a domain or singularity error is reported as the program
// reports it, whoever calls the model.
#include "vcl/sysutils.h"

namespace trellis::diffpair {

std::optional<double> ExternalPairErEffective(double w, double h, double er) {
  const double ratio = h / w;
  const double base = (er + 1) / 2 + (er - 1) / 2 * vcl::Pow(1 + 12 * h / w, -0.5);
  if (ratio <= 1) return base;
  if (ratio > 1) {
    const double spread = 1 - w / h;
    return base + 0.04 * spread * spread;
  }
  return std::nullopt;
}

double ExternalPairZo(double w, double h, double t, double er) {
  return 87 / vcl::Sqrt(er + 1.41) * vcl::Log(5.98 * h / (0.8 * w + t));
}

double ExternalPairZdiff(double zo, double s, double h) {
  return 2 * zo * (1 - 0.48 * vcl::Exp(-0.96 * s / h));
}

double SymmetricPairZo(double w, double h, double t, double er, SymmetricConstants constants) {
  const double width = 0.8 * w + t;
  const double argument =
      constants == SymmetricConstants::Imperial ? 4 * h / (2.1048653 * width) : 1.9 * h / width;
  return 60 / vcl::Sqrt(er) * vcl::Log(argument);
}

double StriplinePairZdiff(double zo, double s, double b) {
  return 2 * zo * (1 - 0.374 * vcl::Exp(-2.9 * s / b));
}

}  // namespace trellis::diffpair
