#include "settings/options_form.h"

namespace trellis {

#include "Form6.bind.inc"

TForm6::TForm6() : vcl::TForm("TForm6") {
  BindPublished();
  LoadLayout("Form6");
  FinishLoading();
}

const char* IpcModeText(int mode) {
  static const char* const kModes[3] = {"IPC-2152 with modifiers mode",
                                        "IPC-2152 without modifiers mode", "IPC-2221 mode"};
  return mode >= 0 && mode < 3 ? kModes[mode] : nullptr;
}

const char* EtchText(int etch) {
  static const char* const kTexts[3] = {"1:1", "2:1", "None"};
  return etch >= 0 && etch < 3 ? kTexts[etch] : nullptr;
}

}  // namespace trellis
