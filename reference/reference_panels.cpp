#include "reference/reference_panels.h"

namespace trellis {

void ReferencePanels::LoadReferencePanels(vcl::TForm& form) {
  form.LoadLayout("Form1_Conversion", "Panel1");
  form.LoadLayout("Form1_Mechanical", "Panel1");
}

void ReferencePanels::BindReferencePanels(vcl::TForm& form) {
#define BIND(name) form.Bind(#name, name)
  BIND(GroupBox7);
  BIND(GroupBox16);
  BIND(Edit80);
  BIND(Edit82);
  BIND(Edit81);
  BIND(Edit83);
  BIND(Edit142);
  BIND(Edit144);
  BIND(Edit143);
  BIND(Edit145);
  BIND(GroupBox18);
  BIND(Edit85);
  BIND(Edit86);
  BIND(Edit84);
  BIND(Edit87);
  BIND(GroupBox35);
  BIND(Edit167);
  BIND(Edit1040);
  BIND(Edit166);
  BIND(Edit174);
  BIND(Edit1041);
  BIND(Edit402);
  BIND(Edit1042);
  BIND(Edit175);
  BIND(Edit1043);
  BIND(Edit176);
  BIND(Edit1044);
  BIND(Edit177);
  BIND(Edit1045);
  BIND(GroupBox21);
  BIND(Label178);
  BIND(Label179);
  BIND(Label180);
  BIND(Label181);
  BIND(Edit215);
  BIND(Edit216);
  BIND(Edit217);
  BIND(Edit218);
  BIND(CheckBox3);
  BIND(BitBtn4);
  BIND(GroupBox40);
  BIND(Label184);
  BIND(Label185);
  BIND(Edit219);
  BIND(Edit220);
  BIND(CheckBox2);
  BIND(Button23);
  BIND(Button6);
  BIND(Button12);
  BIND(Button13);
  BIND(Button14);
  BIND(Button19);

  BIND(GroupBox11);
  BIND(GroupBox12);
  BIND(ComboBox3);
  BIND(Edit41);
  BIND(Edit95);
  BIND(Edit102);
  BIND(Edit141);
  BIND(Label200);
  BIND(Edit146);
  BIND(Edit148);
  BIND(Edit147);
  BIND(BitBtn11);
  BIND(GroupBox14);
  BIND(Memo1);
  BIND(GroupBox19);
  BIND(Memo2);
  BIND(GroupBox46);
  BIND(Memo4);
#undef BIND
}

}  // namespace trellis
