#include "calc/impedance/impedance_panels.h"

namespace trellis {

void ImpedancePanels::LoadImpedancePanels(vcl::TForm& form) {
  form.LoadLayout("Form1_Bandwidth", "Panel1");
  form.LoadLayout("Form1_ConductorImpedance", "Panel1");
  form.LoadLayout("Form1_ErEffective", "Panel1");
  form.LoadLayout("Form1_Wavelength", "Panel1");
}

void ImpedancePanels::BindImpedancePanels(vcl::TForm& form) {
  form.Bind("GroupBox6", GroupBox6);
  form.Bind("GroupBox15", GroupBox15);
  form.Bind("GroupBox43", GroupBox43);
  form.Bind("GroupBox22", GroupBox22);
}

}  // namespace trellis
