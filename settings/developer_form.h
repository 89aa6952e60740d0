// The developer window that dumps the main window's texts.
#pragma once

#include <string>
#include <vector>

#include "vcl/forms.h"

namespace trellis {

class TForm10 : public vcl::TForm {
 public:
  TForm10();

  vcl::TEdit* Edit1 = nullptr;      // line number for "Read!"
  vcl::TLabel* Label1 = nullptr;    // the line read
  vcl::TButton* Button1 = nullptr;  // "Write!"
  vcl::TButton* Button2 = nullptr;  // "Read!"

  // Lines "Read!" looks into; nothing fills them.
  std::vector<std::string> Lines;

  // The folder the dump files go to: "test" in the user's data folder.
  static std::string DumpFolder();

  void Button1Click(vcl::TObject* Sender);
  void Button2Click(vcl::TObject* Sender);
  void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);
};

}  // namespace trellis
