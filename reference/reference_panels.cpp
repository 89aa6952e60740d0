#include "reference/reference_panels.h"

namespace trellis {

void ReferencePanels::LoadReferencePanels(vcl::TForm& form) {
  form.LoadLayout("Form1_Conversion", "Panel1");
  form.LoadLayout("Form1_Mechanical", "Panel1");
}

void ReferencePanels::BindReferencePanels(vcl::TForm& form) {
  form.Bind("GroupBox7", GroupBox7);
  form.Bind("GroupBox11", GroupBox11);
  form.Bind("Edit80", Edit80);
  form.Bind("Edit85", Edit85);
  form.Bind("ComboBox3", ComboBox3);
  form.Bind("Edit146", Edit146);
  form.Bind("Edit147", Edit147);
  form.Bind("Edit148", Edit148);
}

}  // namespace trellis
