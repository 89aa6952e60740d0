#include "settings/options_form.h"

namespace trellis {

TForm6::TForm6() : vcl::TForm("TForm6") {
  Bind("Image1", Image1);
  Bind("Panel2", Panel2);
  Bind("RadioGroup1", RadioGroup1);
  Bind("RadioGroup2", RadioGroup2);
  Bind("CheckBox1", CheckBox1);
  Bind("Edit1", Edit1);
  Bind("Edit2", Edit2);
  Bind("CheckBox2", CheckBox2);
  Bind("CheckBox3", CheckBox3);
  Bind("cbxVclStyles", cbxVclStyles);
  Bind("Image3", Image3);
  Bind("Image4", Image4);
  Bind("Image2", Image2);
  Bind("BitBtn1", BitBtn1);
  Bind("Button1", Button1);
  BindThemeHandlers();
  BindOptionHandlers();
  LoadLayout("Form6");
  FinishLoading();
}

}  // namespace trellis
