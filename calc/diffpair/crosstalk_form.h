// The Crosstalk Calculator window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm12 : public vcl::TForm {
 public:
#include "Form12.published.inc"

  TForm12();

  // The window's own Solve.
};

}  // namespace trellis
