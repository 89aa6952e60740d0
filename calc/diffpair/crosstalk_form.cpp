#include "calc/diffpair/crosstalk_form.h"

namespace trellis {

TForm12::TForm12() : vcl::TForm("TForm12") {
#define BIND(name) Bind(#name, name)
  BIND(GroupBox51);
  BIND(GroupBox52);
  BIND(ComboBox1);
  BIND(Edit7);
  BIND(RadioGroup1);
  BIND(Edit146);
  BIND(Edit147);
  BIND(Edit148);
  BIND(Edit149);
  BIND(Edit195);
  BIND(Edit196);
  BIND(Edit203);
  BIND(Edit204);
  BIND(Edit197);
  BIND(Edit198);
  BIND(Label197);
  BIND(Edit199);
  BIND(Edit200);
  BIND(Label198);
  BIND(Edit201);
  BIND(Edit202);
  BIND(Image70);
  BIND(Image29);
  BIND(Image30);
  BIND(Edit205);
  BIND(Edit207);
  BIND(Button1);
#undef BIND
  Handler("Button1Click", this, &TForm12::Button1Click);
  LoadLayout("Form12");
  FinishLoading();
}

// The crosstalk results come with the window's own controls.
void TForm12::Button1Click(vcl::TObject*) {}

}  // namespace trellis
