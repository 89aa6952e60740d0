#include "calc/via/via_panels.h"

namespace trellis {

void ViaPanels::LoadViaPanels(vcl::TForm& form) {
  form.LoadLayout("Form1_ViaProperties", "Panel1");
  form.LoadLayout("Form1_Padstack", "Panel1");
}

void ViaPanels::BindViaPanels(vcl::TForm& form) {
  form.Bind("GroupBox1", GroupBox1);
  form.Bind("GroupBox10", GroupBox10);
}

}  // namespace trellis
