#include "settings/splash_form.h"

#include "app/form1.h"
#include "app/program.h"
#include "calc/diffpair/crosstalk_form.h"

namespace trellis {

TForm4::TForm4() : vcl::TForm("TForm4") {
  Bind("Image1", Image1);
  Bind("Image2", Image2);
  Bind("Panel1", Panel1);
  Bind("Label1", Label1);
  Bind("ProgressBar1", ProgressBar1);
  Bind("Label3", Label3);
  Bind("Label2", Label2);
  Handler("FormShow", this, &TForm4::FormShow);
  LoadLayout("Form4");
  FinishLoading();
}

void TForm4::FormShow(vcl::TObject*) { DetectDecimalSeparator(); }

// The flag follows the user's separator; any other separator leaves both the
// point and the comma branches of the program untaken.
void TForm4::DetectDecimalSeparator() {
  const std::string separator = vcl::CurrentPlatform().UserDecimalSeparator();
  if (separator == ".") {
    Form1->Label165->SetCaption("0");
    Form12->Edit7->SetText("4.6");
  }
  if (separator == ",") {
    Form1->Label165->SetCaption("1");
    Form12->Edit7->SetText("4,6");
  }
}

}  // namespace trellis
