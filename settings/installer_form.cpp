#include "settings/installer_form.h"

namespace trellis {

TForm8::TForm8() : vcl::TForm("TForm8") {
  Bind("Panel1", Panel1);
  Bind("RichEdit1", RichEdit1);
  Bind("Edit1", Edit1);
  Bind("Button1", Button1);
  Bind("Button2", Button2);
  LoadLayout("Form8");
  FinishLoading();
}

}  // namespace trellis
