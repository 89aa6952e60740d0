// The Program References window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm5 : public vcl::TForm {
 public:
  TForm5();
};

}  // namespace trellis
