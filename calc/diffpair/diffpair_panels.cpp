#include "calc/diffpair/diffpair_panels.h"

namespace trellis {

void DiffPairPanels::LoadDiffPairPanels(vcl::TForm& form) {
  form.LoadLayout("Form1_DifferentialPairs", "Panel1");
}

void DiffPairPanels::BindDiffPairPanels(vcl::TForm& form) {
#define BIND(name) form.Bind(#name, name)
  BIND(GroupBox8);
  BIND(Edit21);
  BIND(Edit62);
  BIND(Edit26);
  BIND(Edit63);
  BIND(Label40);
  BIND(Edit27);
  BIND(Edit64);
  BIND(Label58);
  BIND(Edit32);
  BIND(Edit65);
  BIND(Label391);
  BIND(Edit394);
  BIND(Edit395);
  BIND(Label47);
  BIND(Edit398);
  BIND(Edit399);
  BIND(Label401);
  BIND(Edit400);
  BIND(Edit401);
  BIND(Image1);
  BIND(Image4);
  BIND(Image23);
  BIND(Image21);
  BIND(Image17);
  BIND(Image18);
  BIND(Label43);
  BIND(Edit28);
  BIND(Edit29);
  BIND(Shape1);
  BIND(Edit388);
  BIND(Edit389);
  BIND(Edit390);
  BIND(Edit391);
  BIND(Edit392);
  BIND(Edit393);
  BIND(Edit396);
  BIND(Edit397);
  BIND(Edit151);
  BIND(Edit152);
  BIND(ComboBox5);
  BIND(TrackBar1);
  BIND(Label45);
  BIND(Label46);
  BIND(Edit30);
  BIND(Edit31);
  BIND(Label87);
  BIND(Label88);
  BIND(Label89);
  BIND(BitBtn6);
  BIND(Button18);
  BIND(BitBtn8);
  BIND(Label169);
  BIND(Label170);
  BIND(Label171);
  BIND(Label172);
  BIND(Label173);
#undef BIND
}

}  // namespace trellis
