#include "settings/installer_form.h"

namespace trellis {

TForm8::TForm8() : vcl::TForm("TForm8") {
  LoadLayout("Form8");
  FinishLoading();
}

}  // namespace trellis
