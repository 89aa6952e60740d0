// The splash window: it loads the settings while the start-up sequence runs.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm4 : public vcl::TForm {
 public:
#include "Form4.published.inc"

  TForm4();

  // The settings loader.
  void DetectDecimalSeparator();
};

}  // namespace trellis
