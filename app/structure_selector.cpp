// The Options panel's structure selector: arranges the shown panel for the
// chosen layer set, structure or geometry, then solves.
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "calc/conductor/conductor_arrangement.h"
#include "settings/options_form.h"
#include "vcl/arrange.h"

namespace trellis {

using vcl::TObject;

void TForm1::RadioGroup3Click(TObject* Sender) {
  if (const CalculatorRow* row = TabRow()) {
    if (auto arrange = row->selector.arrange) (this->*arrange)();
  }
  Button1Click(Sender);
}

// The third group: a calculator's own modes, or a plane weight that needs only a Solve.
void TForm1::RadioGroup5Click(TObject* Sender) {
  if (const CalculatorRow* row = TabRow()) {
    if (auto arrange = row->options.planeGroup.arrange) (this->*arrange)();
  }
  Button1Click(Sender);
}

void TForm1::ArrangeViaLayerSet() {
  const int set = RadioGroup3->ItemIndex();
  if (set < 0 || set > 2) return;
  Image2->SetVisible(set == 0);
  Image7->SetVisible(set == 1);
  Image20->SetVisible(set == 2);
  vcl::ShowAll(set == 2, {Label159, Label160, Label161, Label164});
  if (set == 1) Label7->SetCaption("Ref Plane Opening Diam");
  if (set == 0) Label6->SetCaption("External Pad Diameter");
  if (set == 1) Label6->SetCaption("Internal Pad Diameter");
  Label8->SetCaption("Via Height");
  Label11->SetCaption("Via Plating Thickness");
  Label12->SetCaption("Via Current");
  Label10->SetCaption("Conductor Cross Section");
  vcl::ShowAll(set == 1, {Edit4, Edit5, Edit53, Edit54, Label6, Label7});
  vcl::ShowAll(set != 2, {Edit12, Label14, Edit49, Label83});
  Edit12->SetLeft(set == 0 ? 208 : 16);
  Label14->SetLeft(set == 0 ? 208 : 16);
  vcl::ShowAll(set == 1, {Edit11, Label13, Edit42, Label42, Edit14, Label16, Edit13, Label15});
  vcl::ShowAll(true, {Edit50, Label84});
  if (set == 1) {
    vcl::Tops(
        {{Label8, 208}, {Edit6, 232}, {Edit55, 236}, {Label11, 272}, {Edit9, 296}, {Edit56, 300}});
  } else {
    vcl::Tops(
        {{Label8, 80}, {Edit6, 104}, {Edit55, 108}, {Label11, 144}, {Edit9, 168}, {Edit56, 172}});
  }
  const bool metric = RadioGroup6->ItemIndex() == 1;
  const bool microns = Form6->CheckBox3->Checked();
  Edit56->SetText(!metric ? "mils" : (microns ? "um" : "mm"));

  // The set's own via height, hole and plating replace what was typed.
  const bool point = PointFlag(), comma = CommaFlag();
  auto defaults = [&](const char* height, const char* hole, const char* plating) {
    Edit6->SetText(height);
    Edit3->SetText(hole);
    Edit9->SetText(plating);
  };
  if (set != 2) {
    if (!metric)
      defaults("62", "10", "1");
    else if (point || comma)
      defaults(microns ? "1575" : (comma ? "1,575" : "1.575"),
               microns ? "254" : (comma ? "0,254" : "0.254"),
               microns ? (comma ? "25,4" : "25.4") : (comma ? "0,0254" : "0.0254"));
  } else if (point || comma) {
    if (!metric)
      defaults("5", "5", comma ? "0,7" : "0.7");
    else if (microns)
      defaults("127", "127", comma ? "17,78" : "17.78");
    else
      defaults(comma ? "0,127" : "0.127", comma ? "0,127" : "0.127", comma ? "0,01778" : "0.01778");
  }
}

void TForm1::ArrangeConductorLayer() {
  const int layer = RadioGroup3->ItemIndex();
  if (layer < 0 || RadioGroup15->ItemIndex() < 0 || RadioGroup2->ItemIndex() < 0) return;
  ShowConductorDrawing(*this);
  vcl::EnableAll(layer == 1, {RadioGroup1, GroupBox32, Edit138, Edit139});
}

void TForm1::ArrangeImpedanceStructure() {
  const int s = RadioGroup3->ItemIndex();
  if (s < 0 || s > 5) return;
  vcl::TImage* const pictures[6] = {Image8, Image16, Image22, Image9, Image47, Image19};
  for (int i = 0; i < 6; ++i) pictures[i]->SetVisible(i == s);
  static const char* const kHeight[6] = {"Conductor Height (H)", "Conductor Height (H1)",
                                         "Conductor Height (H)", "Conductor Height (H1)",
                                         "Conductor Height (H)", "Conductor Height (H)"};
  static const char* const kHeightHint[6] = {
      "Enter the conductor's distance above its reference plane.",
      "Enter the thickness of the substrate.",
      "Enter the conductor's distance above and/or below its reference plane.",
      "Enter the conductor's distance below its reference plane.",
      "Enter the conductor's distance above and/or below its reference plane.",
      "Enter the conductor's distance below its reference plane."};
  Label101->SetCaption(kHeight[s]);
  Edit68->SetHint(kHeightHint[s]);
  static const char* const kSecond[6] = {nullptr,
                                         "Conductor Height (H2)",
                                         "Conductor Height (H2)",
                                         "Conductor Height (H2)",
                                         "Conductor Spacing (C)",
                                         "Conductor Gap (G)"};
  if (kSecond[s]) Label104->SetCaption(kSecond[s]);
  const bool second = s == 1 || s == 3 || s == 4 || s == 5;
  vcl::ShowAll(second, {Label104, Edit74, Edit75});
  if (s == 1 || s == 3)
    Edit74->SetHint("Enter the conductor's distance above its reference plane.");
  if (s == 4 || s == 5) Edit74->SetHint("Enter the conductor to conductor distance.");
  if (s >= 1) vcl::Tops({{Edit74, 160}, {Edit75, 164}, {Label104, 136}});
  vcl::ShowAll(s == 0, {Label288, Edit226});
  vcl::ShowAll(s != 5, {Edit73, Edit76, Edit77, Label54, Label114, Label115});
  vcl::ShowAll(s == 1 || s == 2 || s == 5, {Label107, Label108});
  static const int kTop107[6] = {146, 196, 146, -1, -1, 204};
  if (kTop107[s] >= 0) vcl::Tops({{Label107, kTop107[s]}, {Label108, kTop107[s]}});
  vcl::ShowAll(s == 1 || s == 2, {Label111, Label112});
  static const int kTop111[6] = {174, 224, 174, -1, -1, 232};
  if (kTop111[s] >= 0) vcl::Tops({{Label111, kTop111[s]}, {Label112, kTop111[s]}});
  vcl::ShowAll(s == 1 || s == 2, {Label260, Label261});
  if (s == 1) vcl::Tops({{Label260, 252}, {Label261, 252}});
  if (s == 2) vcl::Tops({{Label260, 202}, {Label261, 202}});
  vcl::ShowAll(s == 3, {Label116, RadioGroup24});
  vcl::ShowAll(s == 1 || s == 2 || s == 5, {Label57, Label85, Label86});
  vcl::ShowAll(s == 1 || s == 2, {Label246});
  vcl::ShowAll(false, {Label188, Label191});
  vcl::ShowAll(s == 5, {BitBtn3});
  if (s == 5) {
    // Coplanar waveguide is computed for fixed copper: 0.5 oz base, 1 oz plating.
    RadioGroup4->SetItemIndex(1);
    RadioGroup1->SetItemIndex(2);
  }
  vcl::EnableAll(s != 5, {RadioGroup4, GroupBox31, Edit136, Edit137});
  vcl::EnableAll(s == 0, {RadioGroup1, GroupBox32, Edit138, Edit139});
  vcl::ShowAll(s == 0, {Label23, Label27});
  if (s == 0) Label23->SetCaption("Er Effective");
}

void TForm1::ArrangeDifferentialMode() {
  const int m = RadioGroup3->ItemIndex();
  if (m < 0 || m > 5) return;
  vcl::TImage* const pictures[6] = {Image1, Image4, Image23, Image21, Image17, Image18};
  for (int i = 0; i < 6; ++i) pictures[i]->SetVisible(i == m);
  Label40->SetCaption(m == 2 || m == 3 ? "Conductor Height (H1)" : "Conductor Height (H)");
  static const char* const kHint[6] = {"Enter the conductor's distance above its reference plane.",
                                       "Enter the distance between the two reference planes.",
                                       "Enter the conductor's distance above its reference plane.",
                                       "Enter the conductor's distance above its reference plane.",
                                       "Enter the distance between the two reference planes.",
                                       "Enter the thickness of the substrate."};
  Edit27->SetHint(kHint[m]);
  const bool second = m == 2 || m == 3;
  vcl::ShowAll(second, {Label58, Edit32, Edit65});
  if (m == 2) Edit32->SetHint("Enter the conductor's distance below its reference plane.");
  if (m == 3) Edit32->SetHint("Enter the thickness of the substrate.");
  vcl::ShowAll(m < 4, {Edit28, Label43});
  vcl::ShowAll(false, {Label106, Label110, Label284});
  vcl::EnableAll(m == 0, {RadioGroup1, GroupBox32, Edit138, Edit139});
  const int shift = second ? 56 : 0;
  vcl::Tops({{Label391, 208 + shift},
             {Edit394, 232 + shift},
             {Edit395, 236 + shift},
             {Label47, 264 + shift},
             {Edit398, 288 + shift},
             {Edit399, 292 + shift},
             {Label401, 320 + shift},
             {Edit400, 344 + shift},
             {Edit401, 348 + shift}});
}

void TForm1::ArrangeInductorGeometry() {
  const int g = RadioGroup3->ItemIndex();
  if (g < 0 || g > 3) return;
  vcl::TImage* const pictures[4] = {Image13, Image33, Image34, Image35};
  for (int i = 0; i < 4; ++i) pictures[i]->SetVisible(i == g);
}

}  // namespace trellis
