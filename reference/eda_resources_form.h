// The EDA Resources window of links.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm9 : public vcl::TForm {
 public:
#include "Form9.published.inc"

  TForm9();
};

}  // namespace trellis
