#include "calc/diffpair/diffpair_frame.h"

#include "app/form1.h"
#include "calc/diffpair/diffpair_values.h"

namespace trellis {

void PairCouplingResults(TForm1&, const DiffPairPass&, double) {}

}  // namespace trellis
