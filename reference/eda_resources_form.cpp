#include "reference/eda_resources_form.h"

namespace trellis {

TForm9::TForm9() : vcl::TForm("TForm9") {
  BindPublished();
  LoadLayout("Form9");
  FinishLoading();
}

}  // namespace trellis
