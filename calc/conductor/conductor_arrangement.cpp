#include "app/form1.h"

namespace trellis {

// The conductor panel's arrangement for its " Solve For " group comes with the
// conductor calculator; the units switch and the IPC option rely on its Solve.
void TForm1::swap_current_width_labels() { Button1Click(Button1); }

}  // namespace trellis
