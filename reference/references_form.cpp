#include "reference/references_form.h"

namespace trellis {

TForm5::TForm5() : vcl::TForm("TForm5") {
  Bind("Panel1", Panel1);
  Bind("Memo1", Memo1);
  LoadLayout("Form5");
  FinishLoading();
}

}  // namespace trellis
