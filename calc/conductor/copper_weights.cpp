#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/copper.h"
#include "settings/options_form.h"

namespace trellis {

void TForm1::ReadCopperWeights(bool metric) {
  if (Form6->CheckBox1->Checked()) {
    // Manual weights are micrometres in metric units, with or without "Use Microns".
    const double scale = metric ? 1000.0 : 1.0;
    BaseCopperThickness = vcl::StrToFloat(Edit136->Text()) / scale;
    PlatingThickness = vcl::StrToFloat(Edit138->Text()) / scale;
    return;
  }
  // A group with no item keeps the last thickness.
  if (auto t = conductor::BaseCopperThickness(RadioGroup4->ItemIndex(), metric))
    BaseCopperThickness = *t;
  if (auto t = conductor::PlatingThickness(RadioGroup1->ItemIndex(), metric)) PlatingThickness = *t;
}

}  // namespace trellis
