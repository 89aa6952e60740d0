// The main window's controls of the impedance, Er effective, bandwidth and wavelength panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ImpedancePanels {
  vcl::TGroupBox* GroupBox6 = nullptr;  // 0 bandwidth
  vcl::TGroupBox* GroupBox15 = nullptr;  // 1 conductor impedance
  vcl::TGroupBox* GroupBox43 = nullptr;  // 6 Er effective
  vcl::TGroupBox* GroupBox22 = nullptr;  // 17 wavelength

 protected:
  void LoadImpedancePanels(vcl::TForm& form);
  void BindImpedancePanels(vcl::TForm& form);
};

}  // namespace trellis
