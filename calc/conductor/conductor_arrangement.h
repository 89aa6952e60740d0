// The conductor panel's drawing of its arrangement, shared by the panel's own
// groups and the structure selector's layer.
#pragma once

#include <string>

namespace trellis {

class TForm1;

// Shows the one drawing of the parallel, plane and layer choices and hides the
// other seven; with any group holding no item, nothing changes.
void ShowConductorDrawing(TForm1& f);

// The metric width the panel starts from: 1.27 mm, or 1270 um.
std::string MetricDefaultWidth(const TForm1& f, bool microns);

}  // namespace trellis
