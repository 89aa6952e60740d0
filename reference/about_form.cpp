#include "reference/about_form.h"

namespace trellis {

TForm2::TForm2() : vcl::TForm("TForm2") {
  LoadLayout("Form2");
  FinishLoading();
}

}  // namespace trellis
