// The Crosstalk Calculator window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm12 : public vcl::TForm {
 public:
  TForm12();
  vcl::TEdit* Edit7 = nullptr;

  // The window's own Solve.
  void Button1Click(vcl::TObject* Sender);
};

}  // namespace trellis
