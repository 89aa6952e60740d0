#include "app/form1.h"

namespace trellis {

// The calculator's results come with its own panel.
void TForm1::SolveReactance(vcl::TObject*) {}

}  // namespace trellis
