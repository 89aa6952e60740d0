// The status bar's clock, and its warning while a temperature exceeds the
// substrate's Tg.
#include "app/form1.h"

namespace trellis {

void TForm1::Timer1Timer(vcl::TObject*) {
  auto clock = [&] {
    StatusBar1->SetPanelAlignment(1, vcl::TAlignment::taRightJustify);
    StatusBar1->SetPanelText(1, vcl::CurrentPlatform().ClockText());
  };
  auto currentFonts = [&](vcl::TColor colour) {
    Edit10->SetFontColor(colour);
    Edit17->SetFontColor(colour);
  };
  const std::string tg = Edit66->Text();
  if (tg.empty()) {
    clock();
    return;
  }
  double parsed = 0;
  // A Tg that is no number (yet) reads like "N/A": no error box every tick.
  if (tg == "N/A" || !vcl::TryStrToFloat(tg, parsed)) {
    clock();
    currentFonts(vcl::clNavy);
    return;
  }
  MaterialTg = parsed;
  const bool warning = TempRise + AmbientTemp > MaterialTg || LoadedConductorTempC > MaterialTgC ||
                       LoadedConductorTempF > MaterialTgF;
  if (warning) {
    StatusBar1->SetPanelAlignment(1, vcl::TAlignment::taLeftJustify);
    StatusBar1->SetPanelText(1, "WARNING! Material temperature exceeded!");
    currentFonts(vcl::clRed);
  } else {
    clock();
    currentFonts(vcl::clNavy);
  }
}

}  // namespace trellis
