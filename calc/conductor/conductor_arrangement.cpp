// The conductor panel's own groups: solve mode, parallel conductors, plane,
// "DC" and the help button beside the mode.
#include "calc/conductor/conductor_arrangement.h"

#include <initializer_list>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"
#include "vcl/arrange.h"

namespace trellis {

using vcl::TObject;

namespace {

// The layer is the structure selector's item on the conductor tab.
bool KnownLayer(const TForm1& f) {
  const int layer = f.RadioGroup3->ItemIndex();
  return layer == 0 || layer == 1;
}

}  // namespace

void ShowConductorDrawing(TForm1& f) {
  const int layer = f.RadioGroup3->ItemIndex();
  const int parallel = f.RadioGroup15->ItemIndex();
  const int plane = f.RadioGroup2->ItemIndex();
  if ((layer != 0 && layer != 1) || parallel < 0 || plane < 0) return;
  vcl::TImage* const drawings[2][2][2] = {{{f.Image51, f.Image52}, {f.Image54, f.Image53}},
                                          {{f.Image49, f.Image15}, {f.Image50, f.Image3}}};
  for (vcl::TImage* d :
       {f.Image51, f.Image52, f.Image54, f.Image53, f.Image49, f.Image15, f.Image50, f.Image3})
    d->SetVisible(false);
  drawings[layer][parallel ? 1 : 0][plane ? 1 : 0]->SetVisible(true);
}

std::string MetricDefaultWidth(const TForm1& f, bool microns) {
  return microns ? "1270" : (f.CommaFlag() ? "1,27" : "1.27");
}

void TForm1::swap_current_width_labels() {
  const int mode = RadioGroup8->ItemIndex();
  const LengthUnit unit = UnitsShown(*this);
  if (mode == 0) {
    Label19->SetCaption("Conductor Current");
    Label17->SetCaption("Conductor Width");
    Edit15->SetHint("Enter the width of the conductor.");
    if (unit.Known()) Edit57->SetText(unit.Name());
    Edit57->SetLeft(508);
    Edit57->SetWidth(41);
    vcl::ShowAll(false, {Label339, Label340});
  }
  if (mode == 1) {
    Label19->SetCaption("Conductor Width");
    Label17->SetCaption("Conductor Current");
    Edit15->SetHint("Enter the desired amperage of the conductor.");
    Edit57->SetText("Amps");
    Edit57->SetLeft(493);
    Edit57->SetWidth(50);
    vcl::ShowAll(true, {Label339, Label340});
  }
  Button1Click(Button1);
}

void TForm1::RadioGroup8Click(TObject* Sender) {
  const int mode = RadioGroup8->ItemIndex();
  if (mode == 0) {
    // The etch factor stays where the width solve put it.
    Form6->RadioGroup2->SetEnabled(true);
    vcl::ShowAll(true, {Label405, Edit69, Edit407, Label53, Edit406});
    const LengthUnit unit = UnitsShown(*this);
    if (unit.Imperial()) Edit15->SetText("50");
    if (unit.Metric()) Edit15->SetText(MetricDefaultWidth(*this, unit.Microns()));
  }
  if (mode == 1) {
    // The width is area over thickness only without an etch factor; the
    // option's own handler stores and solves when this changes it.
    Form6->RadioGroup2->SetItemIndex(2);
    Form6->RadioGroup2->SetEnabled(false);
    vcl::ShowAll(false, {Label405, Edit69, Edit407, Label53, Edit406});
    Edit15->SetText("10");
  }
  swap_current_width_labels();
  Button1Click(Sender);
}

void TForm1::RadioGroup15Click(TObject* Sender) {
  if (KnownLayer(*this)) {
    const bool parallel = RadioGroup15->ItemIndex() == 1;
    vcl::ShowAll(parallel, {Label236, Edit128});
    Label18->SetCaption(parallel ? "Total Cross Section" : "Conductor Cross Section");
    ShowConductorDrawing(*this);
  }
  Button1Click(Sender);
}

void TForm1::RadioGroup2Click(TObject* Sender) {
  if (KnownLayer(*this)) {
    const bool plane = RadioGroup2->ItemIndex() == 1;
    RadioGroup5->SetEnabled(plane);
    vcl::ShowAll(plane, {Label37, Edit132, Edit133});
    ShowConductorDrawing(*this);
  }
  Button1Click(Sender);
}

void TForm1::CheckBox1Click(TObject* Sender) {
  if (CheckBox1->Checked()) {
    // Without a frequency there is no skin depth; the last results stay.
    vcl::ShowAll(false, {Edit129, Edit134, Label237, Label239});
    Edit130->SetText("DC");
    Edit130->SetEnabled(false);
    Edit131->SetText("");
    Edit131->SetEnabled(false);
    return;
  }
  vcl::ShowAll(true, {Edit129, Edit134, Label237, Label239});
  Edit130->SetText("1");
  Edit130->SetEnabled(true);
  Edit131->SetText("MHz");
  Edit131->SetEnabled(true);
  Button1Click(Sender);
}

void TForm1::BitBtn1Click(TObject*) {
  vcl::ShowMessage(
      "This selection is only enabled for the IPC-2152 Without Modifiers and the IPC-2221 "
      "options. See Program Options to change settings.");
}

}  // namespace trellis
