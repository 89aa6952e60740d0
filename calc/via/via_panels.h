// The main window's controls of the via and padstack panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ViaPanels {
  // via properties (16): single via and differential via share one panel
  vcl::TGroupBox* GroupBox1 = nullptr;
  vcl::TLabel* Label5 = nullptr;
  vcl::TEdit* Edit3 = nullptr;
  vcl::TEdit* Edit52 = nullptr;
  vcl::TLabel* Label6 = nullptr;
  vcl::TEdit* Edit4 = nullptr;
  vcl::TEdit* Edit53 = nullptr;
  vcl::TLabel* Label7 = nullptr;
  vcl::TEdit* Edit5 = nullptr;
  vcl::TEdit* Edit54 = nullptr;
  vcl::TLabel* Label8 = nullptr;
  vcl::TEdit* Edit6 = nullptr;
  vcl::TEdit* Edit55 = nullptr;
  vcl::TLabel* Label11 = nullptr;
  vcl::TEdit* Edit9 = nullptr;
  vcl::TEdit* Edit56 = nullptr;
  vcl::TEdit* Edit335 = nullptr;
  vcl::TEdit* Edit336 = nullptr;
  vcl::TLabel* Label14 = nullptr;
  vcl::TEdit* Edit12 = nullptr;
  vcl::TLabel* Label102 = nullptr;
  vcl::TEdit* Edit206 = nullptr;
  vcl::TEdit* Edit208 = nullptr;
  vcl::TLabel* Label105 = nullptr;
  vcl::TEdit* Edit209 = nullptr;
  vcl::TEdit* Edit210 = nullptr;
  vcl::TLabel* Label383 = nullptr;
  vcl::TEdit* Edit386 = nullptr;
  vcl::TEdit* Edit387 = nullptr;
  vcl::TLabel* Label10 = nullptr;
  vcl::TEdit* Edit8 = nullptr;
  vcl::TLabel* Label12 = nullptr;
  vcl::TEdit* Edit10 = nullptr;
  vcl::TLabel* Label84 = nullptr;
  vcl::TEdit* Edit50 = nullptr;
  vcl::TLabel* Label83 = nullptr;
  vcl::TEdit* Edit49 = nullptr;
  vcl::TLabel* Label15 = nullptr;
  vcl::TEdit* Edit13 = nullptr;
  vcl::TBitBtn* BitBtn7 = nullptr;
  vcl::TLabel* Label13 = nullptr;
  vcl::TEdit* Edit11 = nullptr;
  vcl::TLabel* Label42 = nullptr;
  vcl::TEdit* Edit42 = nullptr;
  vcl::TLabel* Label16 = nullptr;
  vcl::TEdit* Edit14 = nullptr;
  vcl::TImage* Image7 = nullptr;
  vcl::TImage* Image2 = nullptr;
  vcl::TImage* Image20 = nullptr;
  vcl::TLabel* Label187 = nullptr;
  vcl::TLabel* Label402 = nullptr;
  vcl::TLabel* Label159 = nullptr;
  vcl::TLabel* Label160 = nullptr;
  vcl::TLabel* Label161 = nullptr;
  vcl::TLabel* Label164 = nullptr;
  vcl::TImage* Image46 = nullptr;
  vcl::TImage* Image64 = nullptr;
  vcl::TCheckBox* CheckBox5 = nullptr;
  vcl::TBitBtn* BitBtn10 = nullptr;
  vcl::TImage* Image65 = nullptr;
  vcl::TBitBtn* BitBtn9 = nullptr;

  // padstack (11)
  vcl::TGroupBox* GroupBox10 = nullptr;
  vcl::TRadioGroup* RadioGroup14 = nullptr;
  vcl::TLabel* Label61 = nullptr;
  vcl::TEdit* Edit33 = nullptr;
  vcl::TEdit* Edit59 = nullptr;
  vcl::TComboBox* ComboBox4 = nullptr;
  vcl::TLabel* Label62 = nullptr;
  vcl::TEdit* Edit34 = nullptr;
  vcl::TEdit* Edit60 = nullptr;
  vcl::TLabel* Label63 = nullptr;
  vcl::TEdit* Edit35 = nullptr;
  vcl::TEdit* Edit61 = nullptr;
  vcl::TLabel* Label73 = nullptr;
  vcl::TComboBox* ComboBox2 = nullptr;
  vcl::TRadioGroup* RadioGroup7 = nullptr;
  vcl::TLabel* Label76 = nullptr;
  vcl::TEdit* Edit211 = nullptr;
  vcl::TEdit* Edit212 = nullptr;
  vcl::TLabel* Label174 = nullptr;
  vcl::TEdit* Edit213 = nullptr;
  vcl::TEdit* Edit214 = nullptr;
  vcl::TLabel* Label271 = nullptr;
  vcl::TLabel* Label272 = nullptr;
  vcl::TLabel* Label273 = nullptr;
  vcl::TLabel* Label274 = nullptr;
  vcl::TLabel* Label357 = nullptr;
  vcl::TLabel* Label358 = nullptr;
  vcl::TLabel* Label359 = nullptr;
  vcl::TLabel* Label360 = nullptr;
  vcl::TLabel* Label361 = nullptr;
  vcl::TLabel* Label362 = nullptr;
  vcl::TImage* Image5 = nullptr;
  vcl::TImage* Image12 = nullptr;
  vcl::TImage* Image45 = nullptr;
  vcl::TImage* Image10 = nullptr;
  vcl::TImage* Image66 = nullptr;
  vcl::TImage* Image67 = nullptr;
  vcl::TImage* Image48 = nullptr;
  vcl::TLabel* Label68 = nullptr;
  vcl::TEdit* Edit36 = nullptr;
  vcl::TLabel* Label70 = nullptr;
  vcl::TLabel* Label67 = nullptr;
  vcl::TEdit* Edit37 = nullptr;
  vcl::TLabel* Label71 = nullptr;
  vcl::TLabel* Label66 = nullptr;
  vcl::TEdit* Edit38 = nullptr;
  vcl::TLabel* Label69 = nullptr;
  vcl::TEdit* Edit39 = nullptr;
  vcl::TLabel* Label65 = nullptr;
  vcl::TEdit* Edit40 = nullptr;
  vcl::TLabel* Label64 = nullptr;
  vcl::TMemo* Memo3 = nullptr;
  vcl::TMemo* Memo5 = nullptr;

 protected:
  void LoadViaPanels(vcl::TForm& form);
  void BindViaPanels(vcl::TForm& form);
};

}  // namespace trellis
