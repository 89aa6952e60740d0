// The registry-key installer window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm8 : public vcl::TForm {
 public:
  TForm8();
};

}  // namespace trellis
