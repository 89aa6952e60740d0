#include "calc/impedance/stripline_model.h"

#include "vcl/sysutils.h"

namespace trellis::impedance {

Stripline StriplineModel(const StriplineInputs& in) {
  Stripline s;
  s.zo = (60 / vcl::Sqrt(in.er)) *
         vcl::Log(1.9 * (2 * in.height + in.thickness) / (0.8 * in.width + in.thickness));
  s.tpdPerInch = StriplineDelayPerInch(in.er);
  return s;
}

double StriplineDelayPerInch(double er) { return vcl::Sqrt(er) * 1.017 / 12 * 1000; }

}  // namespace trellis::impedance
