#include "calc/circuit/circuit_panels.h"

namespace trellis {

void CircuitPanels::LoadCircuitPanels(vcl::TForm& form) {
  form.LoadLayout("Form1_EmbeddedResistors", "Panel1");
  form.LoadLayout("Form1_OhmsLaw", "Panel1");
  form.LoadLayout("Form1_Pdn", "Panel1");
  form.LoadLayout("Form1_PlanarInductors", "Panel1");
  form.LoadLayout("Form1_PpmCalculator", "Panel1");
  form.LoadLayout("Form1_Reactance", "Panel1");
}

void CircuitPanels::BindCircuitPanels(vcl::TForm& form) {
  form.Bind("GroupBox34", GroupBox34);
  form.Bind("GroupBox47", GroupBox47);
  form.Bind("GroupBox23", GroupBox23);
  form.Bind("GroupBox20", GroupBox20);
  form.Bind("GroupBox36", GroupBox36);
  form.Bind("GroupBox48", GroupBox48);
  form.Bind("Edit107", Edit107);
  form.Bind("UpDown4", UpDown4);
  form.Bind("Edit110", Edit110);
  form.Bind("UpDown5", UpDown5);
}

}  // namespace trellis
