#include "calc/conductor/conductor_panels.h"

namespace trellis {

void ConductorPanels::LoadConductorPanels(vcl::TForm& form) {
  form.LoadLayout("Form1_ConductorProperties", "Panel1");
  form.LoadLayout("Form1_FusingCurrent", "Panel1");
  form.LoadLayout("Form1_ConductorSpacing", "Panel1");
  form.LoadLayout("Form1_Thermal", "Panel1");
}

void ConductorPanels::BindConductorPanels(vcl::TForm& form) {
  form.Bind("GroupBox5", GroupBox5);
  form.Bind("GroupBox33", GroupBox33);
  form.Bind("GroupBox13", GroupBox13);
  form.Bind("GroupBox27", GroupBox27);
}

}  // namespace trellis
