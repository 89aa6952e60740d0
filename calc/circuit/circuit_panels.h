// The main window's controls of the circuit calculators' panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct CircuitPanels {
  vcl::TGroupBox* GroupBox34 = nullptr;  // 5 embedded resistors
  vcl::TGroupBox* GroupBox47 = nullptr;  // 10 Ohm's law
  vcl::TGroupBox* GroupBox23 = nullptr;  // 12 PDN
  vcl::TGroupBox* GroupBox20 = nullptr;  // 13 planar inductors
  vcl::TGroupBox* GroupBox36 = nullptr;  // 14 PPM and crystal
  vcl::TGroupBox* GroupBox48 = nullptr;  // 18 reactance
  vcl::TEdit* Edit107 = nullptr;  // PDN ripple
  vcl::TUpDown* UpDown4 = nullptr;
  vcl::TEdit* Edit110 = nullptr;  // PDN transient current
  vcl::TUpDown* UpDown5 = nullptr;

 protected:
  void LoadCircuitPanels(vcl::TForm& form);
  void BindCircuitPanels(vcl::TForm& form);
};

}  // namespace trellis
