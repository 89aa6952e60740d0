#include "app/form1.h"

namespace trellis {

// The conductor panel's arrangement for its " Solve For " group comes with the
// conductor calculator; the units switch and the IPC option rely on its Solve.
void TForm1::swap_current_width_labels() { Button1Click(Button1); }

void TForm1::RadioGroup8Click(vcl::TObject* Sender) { Button1Click(Sender); }
void TForm1::RadioGroup15Click(vcl::TObject* Sender) { Button1Click(Sender); }
void TForm1::RadioGroup2Click(vcl::TObject* Sender) { Button1Click(Sender); }
void TForm1::CheckBox1Click(vcl::TObject* Sender) { Button1Click(Sender); }
void TForm1::BitBtn1Click(vcl::TObject*) {}

}  // namespace trellis
