// The PI and T attenuator pads between unequal impedances.
#include "app/form1.h"
#include "calc/circuit/ohms_law_tabs.h"

namespace trellis {

void SolvePiPad(TForm1&) {}
void SolveTPad(TForm1&) {}

}  // namespace trellis
