#include "reference/references_form.h"

#include "app/form1.h"
#include "app/program.h"

namespace trellis {

TForm5::TForm5() : vcl::TForm("TForm5") {
  Bind("Panel1", Panel1);
  Bind("Memo1", Memo1);
  Handler("FormCloseQuery", this, &TForm5::FormCloseQuery);
  Handler("Memo1KeyPress", this, &TForm5::Memo1KeyPress);
  LoadLayout("Form5");
  FinishLoading();
}

void TForm5::FormCloseQuery(vcl::TObject*, bool& CanClose) {
  Form1->SetEnabled(true);
  CanClose = true;
}

void TForm5::Memo1KeyPress(vcl::TObject*, char& Key) {
  if (Key == '\r') Key = 0;
}

}  // namespace trellis
