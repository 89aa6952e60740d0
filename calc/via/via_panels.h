// The main window's controls of the via and padstack panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ViaPanels {
  vcl::TGroupBox* GroupBox1 = nullptr;  // 16 via properties
  vcl::TGroupBox* GroupBox10 = nullptr;  // 11 padstack

 protected:
  void LoadViaPanels(vcl::TForm& form);
  void BindViaPanels(vcl::TForm& form);
};

}  // namespace trellis
