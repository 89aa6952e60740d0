// The Program Options window: its controls are the live settings.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm6 : public vcl::TForm {
 public:
#include "Form6.published.inc"

  TForm6();

 private:
  void ShowEtchPicture(int e);
};

}  // namespace trellis
