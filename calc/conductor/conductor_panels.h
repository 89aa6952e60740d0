// The main window's controls of the conductor current, fusing, spacing and thermal panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ConductorPanels {
  // conductor properties (2)
  vcl::TGroupBox* GroupBox5 = nullptr;
  vcl::TImage* Image51 = nullptr;
  vcl::TImage* Image49 = nullptr;
  vcl::TImage* Image52 = nullptr;
  vcl::TImage* Image15 = nullptr;
  vcl::TImage* Image54 = nullptr;
  vcl::TImage* Image50 = nullptr;
  vcl::TImage* Image53 = nullptr;
  vcl::TImage* Image3 = nullptr;
  vcl::TRadioGroup* RadioGroup8 = nullptr;
  vcl::TBitBtn* BitBtn1 = nullptr;
  vcl::TLabel* Label339 = nullptr;
  vcl::TLabel* Label340 = nullptr;
  vcl::TRadioGroup* RadioGroup15 = nullptr;
  vcl::TRadioGroup* RadioGroup2 = nullptr;
  vcl::TLabel* Label243 = nullptr;
  vcl::TLabel* Label17 = nullptr;
  vcl::TEdit* Edit15 = nullptr;
  vcl::TEdit* Edit57 = nullptr;
  vcl::TEdit* Edit18 = nullptr;
  vcl::TEdit* Edit58 = nullptr;
  vcl::TLabel* Label235 = nullptr;
  vcl::TEdit* Edit126 = nullptr;
  vcl::TEdit* Edit127 = nullptr;
  vcl::TLabel* Label236 = nullptr;
  vcl::TEdit* Edit128 = nullptr;
  vcl::TLabel* Label37 = nullptr;
  vcl::TEdit* Edit132 = nullptr;
  vcl::TEdit* Edit133 = nullptr;
  vcl::TEdit* Edit130 = nullptr;
  vcl::TEdit* Edit131 = nullptr;
  vcl::TCheckBox* CheckBox1 = nullptr;
  vcl::TLabel* Label405 = nullptr;
  vcl::TEdit* Edit69 = nullptr;
  vcl::TEdit* Edit407 = nullptr;
  vcl::TLabel* Label18 = nullptr;
  vcl::TEdit* Edit16 = nullptr;
  vcl::TLabel* Label19 = nullptr;
  vcl::TEdit* Edit17 = nullptr;
  vcl::TEdit* Edit20 = nullptr;
  vcl::TEdit* Edit78 = nullptr;
  vcl::TEdit* Edit48 = nullptr;
  vcl::TEdit* Edit135 = nullptr;
  vcl::TLabel* Label53 = nullptr;
  vcl::TEdit* Edit406 = nullptr;
  vcl::TLabel* Label237 = nullptr;
  vcl::TEdit* Edit129 = nullptr;
  vcl::TLabel* Label239 = nullptr;
  vcl::TEdit* Edit134 = nullptr;
  vcl::TLabel* Label126 = nullptr;
  vcl::TImage* Image68 = nullptr;
  vcl::TImage* Image73 = nullptr;
  vcl::TImage* Image69 = nullptr;
  vcl::TButton* Button20 = nullptr;
  vcl::TLabel* Label351 = nullptr;  // hidden: the last resistivity band value

  // fusing current (7)
  vcl::TGroupBox* GroupBox33 = nullptr;
  vcl::TLabel* Label241 = nullptr;
  vcl::TEdit* Edit140 = nullptr;
  vcl::TEdit* Edit155 = nullptr;
  vcl::TLabel* Label242 = nullptr;
  vcl::TEdit* Edit153 = nullptr;
  vcl::TEdit* Edit156 = nullptr;
  vcl::TLabel* Label352 = nullptr;
  vcl::TEdit* Edit337 = nullptr;
  vcl::TButton* Button17 = nullptr;
  vcl::TLabel* Label245 = nullptr;
  vcl::TEdit* Edit159 = nullptr;
  vcl::TLabel* Label244 = nullptr;
  vcl::TEdit* Edit160 = nullptr;
  vcl::TLabel* Label124 = nullptr;
  vcl::TLabel* Label158 = nullptr;
  vcl::TLabel* Label353 = nullptr;
  vcl::TLabel* Label356 = nullptr;
  vcl::TLabel* Label355 = nullptr;
  vcl::TLabel* Label275 = nullptr;
  vcl::TLabel* Label276 = nullptr;
  vcl::TLabel* Label266 = nullptr;
  vcl::TLabel* Label267 = nullptr;
  vcl::TLabel* Label268 = nullptr;
  vcl::TLabel* Label269 = nullptr;
  vcl::TLabel* Label270 = nullptr;
  vcl::TImage* Image24 = nullptr;
  vcl::TLabel* Label379 = nullptr;
  vcl::TLabel* Label380 = nullptr;
  vcl::TImage* Image74 = nullptr;
  vcl::TImage* Image76 = nullptr;
  vcl::TImage* Image75 = nullptr;

  // minimum conductor spacing (9)
  vcl::TGroupBox* GroupBox13 = nullptr;
  vcl::TRadioGroup* RadioGroup9 = nullptr;
  vcl::TRadioGroup* RadioGroup10 = nullptr;
  vcl::TImage* Image38 = nullptr;
  vcl::TImage* Image39 = nullptr;
  vcl::TImage* Image37 = nullptr;
  vcl::TImage* Image40 = nullptr;
  vcl::TImage* Image41 = nullptr;
  vcl::TImage* Image42 = nullptr;
  vcl::TLabel* Label168 = nullptr;
  vcl::TLabel* Label21 = nullptr;
  vcl::TEdit* Edit79 = nullptr;
  vcl::TLabel* Label97 = nullptr;
  vcl::TEdit* Edit51 = nullptr;
  vcl::TButton* Button11 = nullptr;
  vcl::TLabel* Label90 = nullptr;
  vcl::TLabel* Label91 = nullptr;
  vcl::TLabel* Label92 = nullptr;
  vcl::TLabel* Label93 = nullptr;
  vcl::TLabel* Label94 = nullptr;
  vcl::TLabel* Label95 = nullptr;
  vcl::TLabel* Label96 = nullptr;

  // thermal management (15)
  vcl::TGroupBox* GroupBox27 = nullptr;
  vcl::TGroupBox* GroupBox28 = nullptr;
  vcl::TLabel* Label230 = nullptr;
  vcl::TEdit* Edit116 = nullptr;
  vcl::TEdit* Edit118 = nullptr;
  vcl::TLabel* Label231 = nullptr;
  vcl::TEdit* Edit117 = nullptr;
  vcl::TEdit* Edit120 = nullptr;
  vcl::TLabel* Label229 = nullptr;
  vcl::TEdit* Edit119 = nullptr;
  vcl::TImage* Image11 = nullptr;
  vcl::TGroupBox* GroupBox29 = nullptr;
  vcl::TLabel* Label232 = nullptr;
  vcl::TEdit* Edit121 = nullptr;
  vcl::TEdit* Edit122 = nullptr;
  vcl::TLabel* Label234 = nullptr;
  vcl::TEdit* Edit124 = nullptr;
  vcl::TEdit* Edit125 = nullptr;
  vcl::TLabel* Label233 = nullptr;
  vcl::TEdit* Edit123 = nullptr;
  vcl::TLabel* Label279 = nullptr;
  vcl::TLabel* Label280 = nullptr;
  vcl::TImage* Image14 = nullptr;

 protected:
  void LoadConductorPanels(vcl::TForm& form);
  void BindConductorPanels(vcl::TForm& form);
};

}  // namespace trellis
