// The EDA Resources window of links.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm9 : public vcl::TForm {
 public:
  TForm9();
};

}  // namespace trellis
