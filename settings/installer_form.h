// The registry-key installer window.
#pragma once

#include <string>

#include "vcl/forms.h"

namespace trellis {

class TForm8 : public vcl::TForm {
 public:
  TForm8();

  vcl::TPanel* Panel1 = nullptr;
  vcl::TRichEdit* RichEdit1 = nullptr;
  vcl::TEdit* Edit1 = nullptr;      // the script's path
  vcl::TButton* Button1 = nullptr;  // "Run "
  vcl::TButton* Button2 = nullptr;  // "Cancel"

  // Where "Run " writes the script: the working directory at start-up.
  std::string RegInstallerPath;

  void Button1Click(vcl::TObject* Sender);
  void Button2Click(vcl::TObject* Sender);
};

}  // namespace trellis
