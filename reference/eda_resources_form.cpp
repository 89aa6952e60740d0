#include "reference/eda_resources_form.h"

namespace trellis {

TForm9::TForm9() : vcl::TForm("TForm9") {
#define BIND(name) Bind(#name, name)
  BIND(GroupBox1);
  BIND(ButtonGroup2);
  BIND(GroupBox2);
  BIND(ButtonGroup3);
  BIND(GroupBox3);
  BIND(ButtonGroup1);
  BIND(GroupBox4);
  BIND(ButtonGroup4);
  BIND(GroupBox5);
  BIND(ButtonGroup6);
  BIND(GroupBox6);
  BIND(ButtonGroup5);
#undef BIND
  LoadLayout("Form9");
  FinishLoading();
}

}  // namespace trellis
