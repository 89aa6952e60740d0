// The conductor panel's drawing of its arrangement, shared by the panel's own
// groups and the structure selector's layer.
#pragma once

namespace trellis {

class TForm1;

// Shows the one drawing of the parallel, plane and layer choices and hides the
// other seven; with any group holding no item, nothing changes.
void ShowConductorDrawing(TForm1& f);

}  // namespace trellis
