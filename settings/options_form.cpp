#include "settings/options_form.h"

namespace trellis {

TForm6::TForm6() : vcl::TForm("TForm6") {
  BindPublished();
  LoadLayout("Form6");
  FinishLoading();
}

}  // namespace trellis
