// The Program Options window: its controls are the live settings.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm6 : public vcl::TForm {
 public:
  TForm6();
};

}  // namespace trellis
