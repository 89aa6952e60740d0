#include "calc/diffpair/broadside_model.h"

// Checked math: a domain or singularity error is reported as the program
// reports it.
#include "vcl/sysutils.h"

namespace trellis::diffpair {

double EmbeddedErPrime(double er, double height1, double height2) {
  return er * (1 - vcl::Exp(-1.55 * height2 / height1));
}

double EmbeddedZo(double erPrime, double width, double thickness, double height1) {
  return 60 / vcl::Sqrt(erPrime) * vcl::Log(5.98 * height1 / (0.8 * width + thickness));
}

double EmbeddedZdiff(double zo, double spacing, double height2) {
  return 2 * zo * (1 - 0.48 * vcl::Exp(-0.96 * spacing / height2));
}

EmbeddedPair EmbeddedPairModel(const EmbeddedPairInputs& in) {
  EmbeddedPair p;
  p.erPrime = EmbeddedErPrime(in.er, in.height1, in.height2);
  p.zo = EmbeddedZo(p.erPrime, in.width, in.thickness, in.height1);
  p.zdiff = EmbeddedZdiff(p.zo, in.spacing, in.height2);
  return p;
}

double BroadsideStackHeight(double thickness, double spacing) { return 2 * thickness + spacing; }

double BroadsideResetHeight(double thickness, double spacing) { return 4 * thickness + spacing; }

double BroadsideOffset(double height, double thickness, double spacing) {
  return (height - 2 * thickness - spacing) / 2;
}

double BroadsideUnshieldedZdiff(double width, double spacing, double thickness, double er) {
  return 82.2 / vcl::Sqrt(er) * vcl::Log(5.98 * spacing / (0.8 * width + thickness));
}

double BroadsideShieldedZdiff(double width, double spacing, double thickness, double er,
                              double offsetMils) {
  return BroadsideUnshieldedZdiff(width, spacing, thickness, er) *
         (1 - vcl::Exp(-0.6 * offsetMils));
}

}  // namespace trellis::diffpair
