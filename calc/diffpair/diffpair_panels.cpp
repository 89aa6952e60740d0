#include "calc/diffpair/diffpair_panels.h"

namespace trellis {

void DiffPairPanels::LoadDiffPairPanels(vcl::TForm& form) {
  form.LoadLayout("Form1_DifferentialPairs", "Panel1");
}

void DiffPairPanels::BindDiffPairPanels(vcl::TForm& form) {
  form.Bind("GroupBox8", GroupBox8);
}

}  // namespace trellis
