#include "calc/diffpair/pair_coupling_model.h"

#include "vcl/sysutils.h"

namespace trellis::diffpair {

double SaturationLength(double er, double riseNs, bool metric) {
  return 11.8 / vcl::Sqrt(er) * (riseNs / 2) * (metric ? 25.4 : 1000.0);
}

}  // namespace trellis::diffpair
