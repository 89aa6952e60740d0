// The dual stripline and the coplanar waveguide.
#include "app/form1.h"
#include "calc/impedance/impedance_frame.h"

namespace trellis {

void SolveDualStripline(TForm1&, const ImpedancePass&) {}
void SolveCoplanarWave(TForm1&, const ImpedancePass&) {}

}  // namespace trellis
