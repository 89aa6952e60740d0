#include "settings/options_form.h"

namespace trellis {

#include "Form6.bind.inc"

TForm6::TForm6() : vcl::TForm("TForm6") {
  BindPublished();
  LoadLayout("Form6");
  FinishLoading();
}

}  // namespace trellis
