// The main window's controls of the conductor current, fusing, spacing and thermal panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ConductorPanels {
  vcl::TGroupBox* GroupBox5 = nullptr;  // 2 conductor properties
  vcl::TGroupBox* GroupBox33 = nullptr;  // 7 fusing current
  vcl::TGroupBox* GroupBox13 = nullptr;  // 9 minimum conductor spacing
  vcl::TGroupBox* GroupBox27 = nullptr;  // 15 thermal management

 protected:
  void LoadConductorPanels(vcl::TForm& form);
  void BindConductorPanels(vcl::TForm& form);
};

}  // namespace trellis
