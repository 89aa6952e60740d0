// The via panel's two layouts: the single via and the differential via.
#include <initializer_list>

#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"
#include "settings/options_form.h"
#include "vcl/arrange.h"

namespace trellis {

using vcl::TObject;

namespace {

// The Information box's single-via values, greyed while the pair is shown.
void EnableViaInformation(TForm1& f, bool enabled) {
  vcl::EnableAll(enabled,
                 {f.Label319, f.Label350, f.Label23, f.Label27, f.Label55, f.Label56, f.Label106,
                  f.Label110, f.Label284, f.Edit227, f.UpDown6, f.Label285, f.Label41, f.Label72});
}

struct Caption {
  vcl::TLabel* label;
  const char* caption;
  vcl::TEdit* box;  // nullptr: no hint
  const char* hint;
};

void Write(std::initializer_list<Caption> captions) {
  for (const Caption& c : captions) {
    c.label->SetCaption(c.caption);
    if (c.box) c.box->SetHint(c.hint);
  }
}

void ArrangeSingleVia(TForm1& f) {
  vcl::EnableAll(Form6->RadioGroup1->ItemIndex() == 0, {f.Edit6, f.Label8, f.Edit55});
  f.CheckBox5->SetVisible(false);
  f.CheckBox5->SetChecked(false);

  Write({{f.Label5, "Via Hole Diameter", f.Edit3, "Enter the finished hole diameter of the via."}});
  vcl::EnableAll(
      true, {f.Label350, f.Label319, f.Label23, f.Label27, f.Label55, f.Label56, f.Edit1, f.Edit2});
  vcl::ShowAll(true, {f.Edit9, f.Edit56});
  vcl::ShowAll(false, {f.Edit335, f.Edit336});
  vcl::EnableAll(true, {f.GroupBox3, f.GroupBox4});
  f.Image7->SetVisible(true);
  vcl::ShowAll(false, {f.Image2, f.Image20, f.Image46, f.Image64, f.Image65, f.Label159, f.Label160,
                       f.Label161, f.Label164});

  f.RadioGroup3->SetEnabled(true);
  f.RadioGroup3->SetItemIndex(1);

  vcl::ShowAll(true, {f.Label6, f.Edit4, f.Edit53, f.Edit49, f.Edit13, f.Edit50, f.Label83,
                      f.Label15, f.Label84, f.Edit11, f.Edit12, f.Edit42, f.Edit14, f.Label13,
                      f.Label14, f.Label42, f.Label16, f.Label187});
  vcl::ShowAll(false, {f.Label102, f.Edit206, f.Edit208, f.Label105, f.Edit209, f.Edit210,
                       f.Label383, f.Edit386, f.Edit387});
  EnableViaInformation(f, true);
  Write({
      {f.Label7, "Ref Plane Opening Diam", f.Edit5,
       "Enter the internal reference plane opening diameter of the via."},
      {f.Label8, "Via Height", f.Edit6, "Enter the length of the via."},
      {f.Label11, "Via Plating Thickness", nullptr, nullptr},
      {f.Label10, "Conductor Cross Section", f.Edit8,
       "Approximated equivilent conductor cross section of via."},
      {f.Label12, "Via Current", f.Edit10,
       "Approximated current that will cause given temprise in via body."},
      {f.Label83, "Via DC Resistance", f.Edit49, "Via DC resistance in Ohms."},
      {f.Label84, "Power Dissipation", f.Edit50, "Via power dissipation in Watts."},
      {f.Label15, "Step Response", f.Edit13,
       "T10-90% step response. Impact on the rise time of a 50 Ohm transmission line."},
  });
  vcl::ShowAll(false, {f.BitBtn7, f.BitBtn9, f.BitBtn10});
}

void ArrangeDifferentialVia(TForm1& f) {
  // Under a change of layer set its own arrangement and Solve run first.
  f.RadioGroup3->SetItemIndex(1);
  vcl::EnableAll(true, {f.Edit6, f.Label8, f.Edit55});
  f.CheckBox5->SetVisible(true);

  vcl::ShowAll(false, {f.Label6,   f.Edit4,    f.Edit53,   f.Edit9,   f.Edit56,  f.Edit11,
                       f.Edit12,   f.Edit42,   f.Edit14,   f.Label13, f.Label14, f.Label42,
                       f.Label16,  f.Label187, f.Image2,   f.Image7,  f.Image20, f.Image64,
                       f.Label159, f.Label160, f.Label161, f.Label164});
  vcl::ShowAll(true, {f.Edit335, f.Edit336, f.Label102, f.Edit206, f.Edit208, f.Label105, f.Edit209,
                      f.Edit210, f.Label383, f.Edit386, f.Edit387, f.Edit49, f.Edit13, f.Edit50,
                      f.Label83, f.Label15, f.Label84, f.Image46, f.Image65});
  vcl::EnableAll(false, {f.GroupBox3, f.GroupBox4, f.Edit1, f.Edit2});
  EnableViaInformation(f, false);
  f.RadioGroup3->SetEnabled(false);
  Write({
      {f.Label5, "Drill Hole Diameter", f.Edit3, "Enter the drill diameter of the via."},
      {f.Label7, "Ref Plane Opening H", f.Edit5,
       "Enter the internal reference plane opening H of the via."},
      {f.Label8, "Ref Plane Opening W", f.Edit6,
       "Enter the internal reference plane opening W of the via."},
      {f.Label11, "Via Spacing S", nullptr, nullptr},
      {f.Label10, "Differential Impedance", f.Edit8,
       "Differential impedance based on via structure."},
      {f.Label12, "Er Effective", f.Edit10,
       "Effective dielectric constant based on via structure."},
      {f.Label83, "Maximum Stub Length", f.Edit49,
       "Maximum stub length of via to avoid unwanted resonant frequency nulls."},
      {f.Label84, "Odd Mode Impedance", f.Edit50, "Odd mode impedance based on via structure."},
      {f.Label15, "Insertion Loss", f.Edit13, "Insertion loss based on differential calculations."},
  });
  vcl::ShowAll(true, {f.BitBtn7, f.BitBtn9, f.BitBtn10});
  f.Label402->SetVisible(false);
}

}  // namespace

// The property selection: the single via or the differential via.
void TForm1::ArrangeViaPropertySelection() {
  if (RadioGroup5->ItemIndex() == 0) ArrangeSingleVia(*this);
  if (RadioGroup5->ItemIndex() == 1) ArrangeDifferentialVia(*this);
}

// The picture only: the plane opening is no input of the pair's formulas.
void TForm1::CheckBox5Click(TObject* Sender) {
  Image64->SetVisible(CheckBox5->Checked());
  Image46->SetVisible(!CheckBox5->Checked());
  Button1Click(Sender);
}

void TForm1::BitBtn7Click(TObject*) {
  vcl::ShowMessage(
      "Insertion loss requires a complex formula with multiple variables for a differential via "
      "structure, this is simply a rough estimate based on known impedance values.");
}

// The panel's reference buttons open their pages.
void TForm1::BitBtn9Click(vcl::TObject*) { OpenLink(Link::ViaStubs); }
void TForm1::BitBtn10Click(vcl::TObject*) { OpenLink(Link::ViaModelling); }

}  // namespace trellis
