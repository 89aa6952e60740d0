#include "app/form1.h"

namespace trellis {

// The calculator's results come with its own panel.
void TForm1::SolveConductorProperties(vcl::TObject*) {}

void TForm1::ComputeAreaCorrection() {}
void TForm1::ComputeAreaCorrectionMetric() {}
void TForm1::ComputeLoadedTemp() {}
void TForm1::ComputeLoadedTempMetric() {}

}  // namespace trellis
