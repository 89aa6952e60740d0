// The developer window that dumps the main window's texts.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm10 : public vcl::TForm {
 public:
  TForm10();
};

}  // namespace trellis
