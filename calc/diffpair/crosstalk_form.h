// The Crosstalk Calculator window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm12 : public vcl::TForm {
 public:
  TForm12();

  vcl::TGroupBox* GroupBox51 = nullptr;     // " Crosstalk Calculator ", holds everything
  vcl::TGroupBox* GroupBox52 = nullptr;     // " Substrate Options "
  vcl::TComboBox* ComboBox1 = nullptr;      // substrate material
  vcl::TEdit* Edit7 = nullptr;              // Er
  vcl::TRadioGroup* RadioGroup1 = nullptr;  // microstrip or stripline

  vcl::TEdit* Edit146 = nullptr;    // rise time, ns
  vcl::TEdit* Edit147 = nullptr;    // "ns"
  vcl::TEdit* Edit148 = nullptr;    // signal voltage
  vcl::TEdit* Edit149 = nullptr;    // "Volts"
  vcl::TEdit* Edit195 = nullptr;    // coupled length
  vcl::TEdit* Edit196 = nullptr;    // unit of Edit195
  vcl::TEdit* Edit203 = nullptr;    // spacing S
  vcl::TEdit* Edit204 = nullptr;    // unit of Edit203
  vcl::TEdit* Edit197 = nullptr;    // height H
  vcl::TEdit* Edit198 = nullptr;    // unit of Edit197
  vcl::TLabel* Label197 = nullptr;  // "Conductor Height (H1)", stripline only
  vcl::TEdit* Edit199 = nullptr;    // height H1
  vcl::TEdit* Edit200 = nullptr;    // unit of Edit199
  vcl::TLabel* Label198 = nullptr;  // "Conductor Height (H2)", stripline only
  vcl::TEdit* Edit201 = nullptr;    // height H2
  vcl::TEdit* Edit202 = nullptr;    // unit of Edit201

  vcl::TImage* Image70 = nullptr;  // board traces
  vcl::TImage* Image29 = nullptr;  // microstrip cross-section
  vcl::TImage* Image30 = nullptr;  // stripline cross-section

  vcl::TEdit* Edit205 = nullptr;    // crosstalk coefficient, dB
  vcl::TEdit* Edit207 = nullptr;    // coupled voltage
  vcl::TButton* Button1 = nullptr;  // "Solve!"

  // The window's own Solve.
  void Button1Click(vcl::TObject* Sender);
};

}  // namespace trellis
