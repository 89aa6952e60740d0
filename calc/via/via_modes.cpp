// The via panel's two layouts: the single via and the differential via.
#include "app/form1.h"

namespace trellis {

void TForm1::RadioGroup5Click(vcl::TObject* Sender) { Button1Click(Sender); }
void TForm1::CheckBox5Click(vcl::TObject* Sender) { Button1Click(Sender); }
void TForm1::BitBtn7Click(vcl::TObject*) {}

}  // namespace trellis
