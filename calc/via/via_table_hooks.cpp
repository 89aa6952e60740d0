// The via and padstack calculators' table hooks, named by their rows of the calculator table.
#include <initializer_list>

#include "app/form1.h"
#include "app/program.h"

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
  // The plating boxes hold "N/A" for a non-plated hole.
  const bool plated = RadioGroup7->ItemIndex() == 0;
  return {{Edit33, Edit59},
          {.value = Edit34, .unit = Edit60, .keepsNA = true, .inMicronsSwitch = plated},
          {.value = Edit35, .unit = Edit61, .keepsNA = true, .inMicronsSwitch = plated},
          {Edit211, Edit212},
          {Edit213, Edit214}};
}

// The BGA land sizes in the metric unit chosen.
void TForm1::PadstackMicronsSwitch(bool microns) {
  if (!PointFlag() && !CommaFlag()) return;
  const bool comma = CommaFlag();
  static const char* const kSizes[13] = {"75", "65", "60", "55", "50", "45", "40",
                                         "35", "30", "25", "20", "17", "15"};
  auto size = [&](const char* hundredths) {
    return microns ? std::string(hundredths) + "0 um"
                   : std::string("0") + (comma ? "," : ".") + hundredths + " mm";
  };
  ComboBox4->Items().Clear();
  for (const char* s : kSizes) ComboBox4->Items().Add(size(s));
  ComboBox4->SetItemIndex(0);
  Edit36->SetText(size("55"));
  Edit37->SetText(size("60") + " - " + size("50"));
}

}  // namespace trellis
