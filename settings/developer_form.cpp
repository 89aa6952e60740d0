#include "settings/developer_form.h"

namespace trellis {

TForm10::TForm10() : vcl::TForm("TForm10") {
  Bind("Edit1", Edit1);
  Bind("Label1", Label1);
  Bind("Button1", Button1);
  Bind("Button2", Button2);
  LoadLayout("Form10");
  FinishLoading();
}

}  // namespace trellis
