#include "reference/references_form.h"

#include "app/form1.h"
#include "app/program.h"

namespace trellis {

#include "Form5.bind.inc"

TForm5::TForm5() : vcl::TForm("TForm5") {
  BindPublished();
  LoadLayout("Form5");
  FinishLoading();
}

void TForm5::FormCloseQuery(vcl::TObject*, bool& CanClose) {
  Form1->SetEnabled(true);
  CanClose = true;
}

}  // namespace trellis
