#include "reference/design_rules_form.h"

namespace trellis {

TForm11::TForm11() : vcl::TForm("TForm11") {
  BindPublished();
  LoadLayout("Form11");
  FinishLoading();
}

}  // namespace trellis
