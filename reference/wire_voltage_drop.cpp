#include "app/form1.h"

namespace trellis {

// Runs before every calculator, so a non-number here blocks every Solve.
void TForm1::WireVoltageDrop() {
  const double current = vcl::StrToFloat(Edit146->Text());
  const double length = vcl::StrToFloat(Edit148->Text());
  const double drop = current * WireResistance / 1000 * length;
  Edit147->SetText(Shown(vcl::Format("%.4f V", drop)));
}

}  // namespace trellis
