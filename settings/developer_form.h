// The developer window that dumps the main window's texts.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm10 : public vcl::TForm {
 public:
  TForm10();

  vcl::TEdit* Edit1 = nullptr;
  vcl::TLabel* Label1 = nullptr;
  vcl::TButton* Button1 = nullptr;
  vcl::TButton* Button2 = nullptr;
};

}  // namespace trellis
