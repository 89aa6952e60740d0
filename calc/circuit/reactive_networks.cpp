// Capacitors and inductors in series and in parallel.
#include "app/form1.h"
#include "calc/circuit/ohms_law_tabs.h"

namespace trellis {

void SolveCapacitorSeries(TForm1&) {}
void SolveCapacitorParallel(TForm1&) {}
void SolveInductorSeries(TForm1&) {}
void SolveInductorParallel(TForm1&) {}

}  // namespace trellis
