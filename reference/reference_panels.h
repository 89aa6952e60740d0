// The main window's controls of the conversion and mechanical-information panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ReferencePanels {
  vcl::TGroupBox* GroupBox7 = nullptr;  // 3 conversion
  vcl::TGroupBox* GroupBox11 = nullptr;  // 8 mechanical information
  vcl::TEdit* Edit80 = nullptr;  // conversion distance
  vcl::TEdit* Edit85 = nullptr;  // conversion temperature
  vcl::TComboBox* ComboBox3 = nullptr;  // wire gauge
  vcl::TEdit* Edit146 = nullptr;  // wire load current
  vcl::TEdit* Edit147 = nullptr;  // wire voltage drop
  vcl::TEdit* Edit148 = nullptr;  // wire length

 protected:
  void LoadReferencePanels(vcl::TForm& form);
  void BindReferencePanels(vcl::TForm& form);
};

}  // namespace trellis
