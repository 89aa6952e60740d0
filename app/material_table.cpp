#include "app/material_table.h"

#include "app/form1.h"
#include "app/program.h"
#include "calc/diffpair/crosstalk_form.h"

namespace trellis {

const std::array<Material, kMaterialCount>& MaterialTable() {
  static const std::array<Material, kMaterialCount> table = {{
      {"FR-4 STD", "4.6", "130", 0.98},
      {"FR-5", "4.3", "170", 0.98},
      {"FR406", "4.6", "170", 0.98},
      {"FR408", "3.8", "180", 0.98},
      {"Getek ML200C", "3.8", "175", 0.98},
      {"Getek ML200D", "3.9", "175", 0.98},
      {"Getek ML200M", "3.8", "175", 0.98},
      {"Getek RG200D", "4.2", "175", 0.98},
      {"Isola P95", "3.78", "260", 1.0},
      {"Isola P96", "3.78", "260", 1.0},
      {"Isola P26N", "3.9", "250", 1.0},
      {"RO2800", "2.94", "N/A", 1.0},
      {"RO3003", "3.0", "N/A", 1.0},
      {"RO3006", "6.15", "N/A", 1.0},
      {"RO3010", "10.2", "N/A", 1.0},
      {"RO4003", "3.38", "280", 1.0},
      {"RO4350", "3.66", "280", 1.0},
      {"RT5500", "2.5", "260", 1.0},
      {"RT5870", "2.35", "260", 1.0},
      {"RT5880", "2.2", "260", 1.0},
      {"RT6002", "2.94", "N/A", 1.0},
      {"RT6006", "6.15", "N/A", 1.0},
      {"RT6010", "10.2", "N/A", 1.0},
      {"Teflon PTFE", "2.1", "240", 1.0},
      {"Arlon 25N", "3.38", "260", 1.0},
      {"Arlon 33N", "4.25", "250", 1.0},
      {"Arlon 85N", "4.2", "250", 1.0},
      {"PCL-FR-226", "4.5", "140", 0.98},
      {"PCL-FR-240", "4.5", "140", 0.98},
      {"PCL-FR-370", "4.5", "175", 0.98},
      {"PCL-FR-370HR", "4.6", "180", 0.98},
      {"N4000-7 EF", "4.1", "165", 0.98},
      {"N4000-13", "3.7", "210", 0.98},
      {"N4000-13SI", "3.4", "210", 0.98},
      {"N4000-13 EP", "3.7", "210", 0.98},
      {"N4000-13 EPSI", "3.4", "210", 0.98},
      {"N4000-29", "4.5", "185", 0.98},
      {"N7000-1", "3.9", "260", 1.0},
      {"Ventec VT-47", "4.6", "180", 0.98},
      {"Ventec VT-901", "4.15", "250", 1.0},
      {"Ventec VT-90H", "4.15", "250", 1.0},
      {"Megtron6", "3.4", "185", 1.0},
      {"Kappa 438", "4.38", "280", 1.0},
      {"Kapton", "3.4", "400", 1.0},
      {"Air", "1", "N/A", 1.0},
  }};
  return table;
}

void TForm1::ComboBox1Change(vcl::TObject* Sender) {
  // One material row in the form the decimal flag asks for; the comma form
  // of every Er, RO4350's included, is the same value with a comma.
  auto apply = [&](bool comma) {
    const int item = ComboBox1->ItemIndex();
    if (item >= 0 && item < kMaterialCount) {
      const Material& m = MaterialTable()[item];
      Edit7->SetText(comma ? vcl::CommaForm(m.er) : m.er);
      Edit66->SetText(m.tg);
      MaterialModifier = m.modifier;
    }
    if (item == kMaterialAir && RowOf(CalculatorIndex).options.refusesAir) {
      vcl::ShowMessage("Air cannot be selected for this calculator");
      ComboBox1->SetItemIndex(0);
      Edit7->SetText(comma ? "4,6" : "4.6");
      Edit66->SetText("130");
      MaterialModifier = 0.98;
    }
    Button1Click(Sender);
    Form12->Button1Click(Sender);
  };
  if (PointFlag())
    apply(false);
  else if (CommaFlag())
    apply(true);
}

// Typing one's own Er or Tg makes the material "Custom" without a Solve.
void TForm1::Edit7Click(vcl::TObject*) {
  Edit7->SetText("");
  ComboBox1->SetItemIndex(kMaterialCustom);
}

void TForm1::Edit66Click(vcl::TObject*) {
  Edit66->SetText("");
  ComboBox1->SetItemIndex(kMaterialCustom);
}

void TForm1::Edit7Exit(vcl::TObject*) {
  if (!Edit7->Text().empty()) return;
  if (PointFlag()) {
    ComboBox1->SetItemIndex(0);
    Edit7->SetText("4.6");
  } else if (CommaFlag()) {
    ComboBox1->SetItemIndex(0);
    Edit7->SetText("4,6");
  }
}

void TForm1::Edit66Exit(vcl::TObject*) {
  if (!Edit66->Text().empty()) return;
  ComboBox1->SetItemIndex(0);
  Edit66->SetText("130");
}

}  // namespace trellis
