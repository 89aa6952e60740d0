#include "reference/about_form.h"

namespace trellis {

TForm2::TForm2() : vcl::TForm("TForm2") {
  Bind("Image1", Image1);
  Bind("Label1", Label1);
  Bind("Label2", Label2);
  Bind("Label3", Label3);
  Bind("Button2", Button2);
  Bind("Button1", Button1);
  LoadLayout("Form2");
  FinishLoading();
}

}  // namespace trellis
