// The developer window that dumps the main window's texts.
#pragma once

#include <string>
#include <vector>

#include "vcl/forms.h"

namespace trellis {

class TForm10 : public vcl::TForm {
 public:
#include "Form10.published.inc"

  TForm10();

  // Lines "Read!" looks into; nothing fills them.
  std::vector<std::string> Lines;

  // The folder the dump files go to: "test" in the user's data folder.
  static std::string DumpFolder();
};

}  // namespace trellis
