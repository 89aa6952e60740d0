// The PCB Design Rules chart.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm11 : public vcl::TForm {
 public:
  TForm11();

  vcl::TPanel* Panel1 = nullptr;
  vcl::TGroupBox* GroupBox1 = nullptr;
  vcl::TLabel* Label1 = nullptr;  // "Copper Weight"
  vcl::TLabel* Label2 = nullptr;  // "Minimum Gerber Width"
  // Row by row: Edit1 (weight) beside Edit9 (width) ... Edit8 beside Edit16.
  vcl::TEdit *Edit1 = nullptr, *Edit2 = nullptr, *Edit3 = nullptr, *Edit4 = nullptr;
  vcl::TEdit *Edit5 = nullptr, *Edit6 = nullptr, *Edit7 = nullptr, *Edit8 = nullptr;
  vcl::TEdit *Edit9 = nullptr, *Edit10 = nullptr, *Edit11 = nullptr, *Edit12 = nullptr;
  vcl::TEdit *Edit13 = nullptr, *Edit14 = nullptr, *Edit15 = nullptr, *Edit16 = nullptr;
  vcl::TButton* Button1 = nullptr;  // "Close"
};

}  // namespace trellis
