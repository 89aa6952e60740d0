// The About window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm2 : public vcl::TForm {
 public:
#include "Form2.published.inc"

  TForm2();
};

}  // namespace trellis
