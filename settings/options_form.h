// The Program Options window: its controls are the live settings.
#pragma once

#include "vcl/forms.h"

namespace trellis {

class TForm6 : public vcl::TForm {
 public:
  TForm6();

  vcl::TImage* Image1 = nullptr;
  vcl::TPanel* Panel2 = nullptr;
  vcl::TRadioGroup* RadioGroup1 = nullptr;
  vcl::TRadioGroup* RadioGroup2 = nullptr;
  vcl::TCheckBox* CheckBox1 = nullptr;
  vcl::TEdit* Edit1 = nullptr;
  vcl::TEdit* Edit2 = nullptr;
  vcl::TCheckBox* CheckBox2 = nullptr;
  vcl::TCheckBox* CheckBox3 = nullptr;
  vcl::TComboBox* cbxVclStyles = nullptr;
  vcl::TImage* Image3 = nullptr;
  vcl::TImage* Image4 = nullptr;
  vcl::TImage* Image2 = nullptr;
  vcl::TBitBtn* BitBtn1 = nullptr;
  vcl::TButton* Button1 = nullptr;

  // The colour themes.
  void FormCreate(vcl::TObject* Sender);
  void cbxVclStylesChange(vcl::TObject* Sender);

  // The options; each is stored when it changes.
  void RadioGroup1Click(vcl::TObject* Sender);
  void RadioGroup2Click(vcl::TObject* Sender);
  void CheckBox1Click(vcl::TObject* Sender);
  void CheckBox2Click(vcl::TObject* Sender);
  void CheckBox3Click(vcl::TObject* Sender);
  void Edit1Change(vcl::TObject* Sender);
  void Edit2Change(vcl::TObject* Sender);
  void Button1Click(vcl::TObject* Sender);
  void BitBtn1Click(vcl::TObject* Sender);
  void FormShow(vcl::TObject* Sender);
  void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);

 private:
  void BindThemeHandlers();
  void BindOptionHandlers();
  void ShowEtchPicture(int e);
};

}  // namespace trellis
