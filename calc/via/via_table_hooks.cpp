// The via and padstack calculators' table hooks, named by their rows of the calculator table.
#include <initializer_list>

#include "app/form1.h"
#include "app/program.h"
#include "calc/via/bga_lands.h"

namespace trellis {

// The via calculator arranges the whole Information panel.
void TForm1::ArrangeViaInformation() {
  Label55->SetCaption("Power Dissipation (dBm)");
  Label56->SetCaption("N/A");
  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{
           Label23, Label27, Label319, Label350, Label320, Label398, Label106, Label110, Label284,
           Label285, Label41, Label72, Edit227, UpDown6})
    c->SetVisible(true);
  Label23->SetCaption("Via Temperature");
  Label319->SetCaption("Aspect Ratio = ");
  Label320->SetCaption("J = ");
  Label398->SetLeft(32);
  Label106->SetCaption("Via Thermal Resistance");
  Label284->SetCaption("Via Count:");
  Label41->SetCaption("Via Voltage Drop");
  Edit227->SetEnabled(true);
  UpDown6->SetEnabled(true);
  for (vcl::TControl* c :
       std::initializer_list<vcl::TControl*>{Label106, Label110, Label41, Label72})
    c->SetLeft(178);
  Label41->SetTop(91);
  // The off-centre pair's notice may have lifted the via count's caption.
  Label284->SetTop(52);
  for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{Label396, Label397, Label403})
    c->SetVisible(false);
}

// The via height enters the single via's current only with the modifiers.
void TForm1::ViaIpcModeChanged(int m) {
  const int mode = RadioGroup5->ItemIndex();
  int enable = -1;
  if (m == 0 && mode == 0) enable = 1;
  if (m != 0 && mode == 0) enable = 0;
  if (m != 0 && mode == 1) enable = 1;
  if (enable >= 0)
    for (vcl::TControl* c : std::initializer_list<vcl::TControl*>{Edit6, Label8, Edit55})
      c->SetEnabled(enable == 1);
}

// The selection leaves Solve enabled for the thru-hole pad and the conductor / thru-hole pad types.
bool TForm1::PadstackSolvable() const {
  const int type = RadioGroup14->ItemIndex();
  return type == 0 || type == 2;
}

UnitBoxes TForm1::ViaUnitBoxes() {
  return {{Edit3, Edit52}, {Edit4, Edit53},    {Edit5, Edit54},
          {Edit6, Edit55}, {Edit335, Edit336}, {Edit9, Edit56}};
}

UnitBoxes TForm1::PadstackUnitBoxes() {
  // The plating boxes hold "N/A" for a non-plated hole, and numbers again for
  // the other types whatever the pad style: an exact "N/A" stays as it is.
  return {{Edit33, Edit59},
          {.value = Edit34,
           .unit = Edit60,
           .keepsNA = true,
           .inMicronsSwitch = Edit34->Text() != "N/A"},
          {.value = Edit35,
           .unit = Edit61,
           .keepsNA = true,
           .inMicronsSwitch = Edit35->Text() != "N/A"},
          {Edit211, Edit212},
          {Edit213, Edit214}};
}

// The ball-size list follows the unit; the check box already names the new one.
void TForm1::PadstackMicronsSwitch(bool) { RefillBallSizes(*this); }

}  // namespace trellis
