#include "reference/design_rules_form.h"

namespace trellis {

TForm11::TForm11() : vcl::TForm("TForm11") {
#define BIND(name) Bind(#name, name)
  BIND(Panel1);
  BIND(GroupBox1);
  BIND(Label1);
  BIND(Label2);
  BIND(Edit1);
  BIND(Edit2);
  BIND(Edit3);
  BIND(Edit4);
  BIND(Edit5);
  BIND(Edit6);
  BIND(Edit7);
  BIND(Edit8);
  BIND(Edit9);
  BIND(Edit10);
  BIND(Edit11);
  BIND(Edit12);
  BIND(Edit13);
  BIND(Edit14);
  BIND(Edit15);
  BIND(Edit16);
  BIND(Button1);
#undef BIND
  LoadLayout("Form11");
  FinishLoading();
}

}  // namespace trellis
