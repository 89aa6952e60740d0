// The EDA Resources window of links.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm9 : public vcl::TForm {
 public:
  TForm9();

  vcl::TGroupBox* GroupBox1 = nullptr;  // schematic symbols and footprints
  vcl::TButtonGroup* ButtonGroup2 = nullptr;
  vcl::TGroupBox* GroupBox2 = nullptr;  // 3D models
  vcl::TButtonGroup* ButtonGroup3 = nullptr;
  vcl::TGroupBox* GroupBox3 = nullptr;  // simulations
  vcl::TButtonGroup* ButtonGroup1 = nullptr;
  vcl::TGroupBox* GroupBox4 = nullptr;  // board and signal-integrity learning
  vcl::TButtonGroup* ButtonGroup4 = nullptr;
  vcl::TGroupBox* GroupBox5 = nullptr;  // miscellaneous
  vcl::TButtonGroup* ButtonGroup6 = nullptr;
  vcl::TGroupBox* GroupBox6 = nullptr;  // books and standards
  vcl::TButtonGroup* ButtonGroup5 = nullptr;
};

}  // namespace trellis
