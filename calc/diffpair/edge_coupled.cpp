// The edge-coupled pairs: outer layer, and stripline with equal or unequal planes.
#include "app/form1.h"
#include "calc/diffpair/diffpair_frame.h"

namespace trellis {

void SolveEdgeCoupledExternal(TForm1&, const DiffPairPass&) {}
void SolveEdgeCoupledSymmetric(TForm1&, const DiffPairPass&) {}
void SolveEdgeCoupledAsymmetric(TForm1&, const DiffPairPass&) {}

}  // namespace trellis
