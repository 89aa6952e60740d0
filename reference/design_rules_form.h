// The PCB Design Rules chart.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm11 : public vcl::TForm {
 public:
#include "Form11.published.inc"

  TForm11();
};

}  // namespace trellis
