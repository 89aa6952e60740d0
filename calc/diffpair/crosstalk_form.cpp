#include "calc/diffpair/crosstalk_form.h"

namespace trellis {

TForm12::TForm12() : vcl::TForm("TForm12") {
  BindPublished();
  LoadLayout("Form12");
  FinishLoading();
}

// The crosstalk results come with the window's own controls.
void TForm12::Button1Click(vcl::TObject*) {}

}  // namespace trellis
