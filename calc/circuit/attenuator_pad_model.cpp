#include "calc/circuit/attenuator_pad_model.h"

#include "vcl/sysutils.h"

namespace trellis::circuit {

namespace {

struct PadTerms {
  double k, k2, zmax, zmin;
};

PadTerms TermsOf(double attenuationDb, double zin, double zout) {
  PadTerms t{};
  t.k = vcl::Pow(10, attenuationDb / 20);
  t.k2 = vcl::Pow(t.k, 2);
  t.zmax = LargerAtLoad(zin, zout) ? zout : zin;
  t.zmin = LargerAtLoad(zin, zout) ? zin : zout;
  return t;
}

}  // namespace

bool LargerAtLoad(double zin, double zout) { return zin < zout; }

PadResistors PiPad(double attenuationDb, double zin, double zout) {
  const PadTerms t = TermsOf(attenuationDb, zin, zout);
  PadResistors r;
  r.atLarger = t.zmax * (t.k2 - 1) / (t.k2 - 2 * t.k * vcl::Sqrt(t.zmax / t.zmin) + 1);
  r.atSmaller = t.zmin * (t.k2 - 1) / (t.k2 - 2 * t.k / vcl::Sqrt(t.zmax / t.zmin) + 1);
  r.middle = ((t.k2 - 1) / t.k) * 0.5 * vcl::Sqrt(t.zmax * t.zmin);
  return r;
}

PadResistors TPad(double attenuationDb, double zin, double zout) {
  const PadTerms t = TermsOf(attenuationDb, zin, zout);
  PadResistors r;
  r.middle = (t.k / (t.k2 - 1)) * 2 * vcl::Sqrt(t.zmax * t.zmin);
  r.atLarger = ((t.k2 + 1) / (t.k2 - 1)) * t.zmax - r.middle;
  r.atSmaller = ((t.k2 + 1) / (t.k2 - 1)) * t.zmin - r.middle;
  return r;
}

}  // namespace trellis::circuit
