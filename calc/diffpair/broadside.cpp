// The embedded edge-coupled pair and the broadside-coupled pairs.
#include "app/form1.h"
#include "calc/diffpair/diffpair_frame.h"

namespace trellis {

void SolveEmbeddedPair(TForm1&, const DiffPairPass&) {}
void SolveBroadsideShielded(TForm1&, const DiffPairPass&) {}
void SolveBroadsideUnshielded(TForm1&, const DiffPairPass&) {}

}  // namespace trellis
