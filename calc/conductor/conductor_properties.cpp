#include "app/form1.h"
#include "calc/conductor/ipc_current.h"

namespace trellis {

// The calculator's results come with its own panel.
void TForm1::SolveConductorProperties(vcl::TObject*) {}

// The hidden label keeps the last area the correction was computed on.
void TForm1::ComputeAreaCorrection() {
  Label33->SetCaption(vcl::FloatToStr(CrossSection));
  AreaCorrection = conductor::AreaCorrection(CrossSection, TempRise);
}

// Square millimetres enter the bands as square mils, by the round 1550.
void TForm1::ComputeAreaCorrectionMetric() {
  Label33->SetCaption(vcl::FloatToStr(CrossSection));
  AreaCorrection = conductor::AreaCorrection(CrossSection * 1550.0, TempRise);
}

void TForm1::ComputeLoadedTemp() {}
void TForm1::ComputeLoadedTempMetric() {}

}  // namespace trellis
