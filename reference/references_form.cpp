#include "reference/references_form.h"

namespace trellis {

TForm5::TForm5() : vcl::TForm("TForm5") {
  LoadLayout("Form5");
  FinishLoading();
}

}  // namespace trellis
