// The Program References window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm5 : public vcl::TForm {
 public:
  TForm5();

  vcl::TPanel* Panel1 = nullptr;
  vcl::TMemo* Memo1 = nullptr;  // the references, read-only

  void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);
  void Memo1KeyPress(vcl::TObject* Sender, char& Key);
};

}  // namespace trellis
