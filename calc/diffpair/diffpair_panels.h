// The main window's controls of the differential-pair panel.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct DiffPairPanels {
  vcl::TGroupBox* GroupBox8 = nullptr;  // 4 differential pairs

 protected:
  void LoadDiffPairPanels(vcl::TForm& form);
  void BindDiffPairPanels(vcl::TForm& form);
};

}  // namespace trellis
