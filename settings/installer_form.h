// The registry-key installer window.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm8 : public vcl::TForm {
 public:
  TForm8();

  vcl::TPanel* Panel1 = nullptr;
  vcl::TRichEdit* RichEdit1 = nullptr;
  vcl::TEdit* Edit1 = nullptr;
  vcl::TButton* Button1 = nullptr;
  vcl::TButton* Button2 = nullptr;
};

}  // namespace trellis
