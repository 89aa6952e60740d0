// The Program References window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm5 : public vcl::TForm {
 public:
#include "Form5.published.inc"

  TForm5();
};

}  // namespace trellis
