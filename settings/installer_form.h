// The registry-key installer window.
#pragma once

#include <string>

#include "vcl/forms.h"

namespace trellis {

class TForm8 : public vcl::TForm {
 public:
#include "Form8.published.inc"

  TForm8();

  // Where "Run " writes the script: the working directory at start-up.
  std::string RegInstallerPath;
};

}  // namespace trellis
