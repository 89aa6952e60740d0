// The offset stripline between two planes at unequal distances.
#include "app/form1.h"
#include "calc/impedance/impedance_frame.h"

namespace trellis {

void SolveStriplineAsym(TForm1&, const ImpedancePass&) {}

}  // namespace trellis
