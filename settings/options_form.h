// The Program Options window: its controls are the live settings.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm6 : public vcl::TForm {
 public:
#include "Form6.published.inc"

  TForm6();

 private:
  void ShowEtchPicture(int e);
};

// The panels' names for an IPC mode (the options' RadioGroup1) and an etch
// factor (RadioGroup2); null for an index outside their items.
const char* IpcModeText(int mode);
const char* EtchText(int etch);

}  // namespace trellis
