// The splash window: it loads the settings while the start-up sequence runs.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm4 : public vcl::TForm {
 public:
  TForm4();

  vcl::TImage* Image1 = nullptr;
  vcl::TImage* Image2 = nullptr;
  vcl::TPanel* Panel1 = nullptr;
  vcl::TLabel* Label1 = nullptr;
  vcl::TProgressBar* ProgressBar1 = nullptr;
  vcl::TLabel* Label3 = nullptr;
  vcl::TLabel* Label2 = nullptr;

  // The settings loader.
  void FormShow(vcl::TObject* Sender);
  void DetectDecimalSeparator();
};

}  // namespace trellis
