// The About window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm2 : public vcl::TForm {
 public:
  TForm2();

  vcl::TImage* Image1 = nullptr;    // the program's icon
  vcl::TLabel* Label1 = nullptr;    // product name
  vcl::TLabel* Label2 = nullptr;    // version
  vcl::TLabel* Label3 = nullptr;    // maker
  vcl::TButton* Button2 = nullptr;  // "Program Feedback"
  vcl::TButton* Button1 = nullptr;  // "Close"

  void Button1Click(vcl::TObject* Sender);
  void Button2Click(vcl::TObject* Sender);
  void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);
};

}  // namespace trellis
