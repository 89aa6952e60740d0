#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/conductor_items.h"
#include "calc/conductor/conductor_model.h"
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
  if (const auto weight = conductor::CopperWeightOfItem(RadioGroup4->ItemIndex()))
    BaseCopperThickness = conductor::BaseCopperThickness(*weight, metric);
  if (const auto weight = conductor::PlatingWeightOfItem(RadioGroup1->ItemIndex()))
    PlatingThickness = conductor::PlatingThickness(*weight, metric);
}

}  // namespace trellis
