#include "reference/about_form.h"

#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"

namespace trellis {

#include "Form2.bind.inc"

TForm2::TForm2() : vcl::TForm("TForm2") {
  BindPublished();
  LoadLayout("Form2");
  FinishLoading();
}

// The main window waits, disabled, while this window is open.
void TForm2::Button1Click(vcl::TObject*) {
  Close();
  Form1->SetEnabled(true);
}

void TForm2::Button2Click(vcl::TObject*) { OpenLink(Link::MakerFeedback); }

void TForm2::FormCloseQuery(vcl::TObject*, bool& CanClose) {
  Form1->SetEnabled(true);
  CanClose = true;
}

}  // namespace trellis
