#include "app/form1.h"
#include "reference/wire_gauge_model.h"

namespace trellis {

// Runs before every calculator, so a non-number here blocks every Solve.
void TForm1::WireVoltageDrop() {
  const double current = vcl::StrToFloat(Edit146->Text());
  const double length = vcl::StrToFloat(Edit148->Text());
  const double drop = reference::WireDrop(current, WireResistance, length);
  Edit147->SetText(Shown(vcl::Format("%.4f V", drop)));
}

void TForm1::BitBtn11Click(vcl::TObject*) {
  vcl::ShowMessage(
      "Most online voltage drop calculators assume a 2-way wire path which is why they yield a 2X "
      "voltage drop comparatively.");
}

}  // namespace trellis
