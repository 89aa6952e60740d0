// The main window's controls of the impedance, Er effective, bandwidth and wavelength panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ImpedancePanels {
  // Bandwidth and maximum conductor length (calculator 0).
  vcl::TGroupBox* GroupBox6 = nullptr;
  vcl::TRadioGroup* RadioGroup12 = nullptr;
  vcl::TRadioGroup* RadioGroup20 = nullptr;
  vcl::TLabel* Label30 = nullptr;
  vcl::TEdit* Edit19 = nullptr;
  vcl::TEdit* Edit279 = nullptr;
  vcl::TGroupBox* GroupBox41 = nullptr;
  vcl::TLabel* Label791 = nullptr;
  vcl::TEdit* Edit22 = nullptr;
  vcl::TLabel* Label792 = nullptr;
  vcl::TEdit* Edit43 = nullptr;
  vcl::TLabel* Label793 = nullptr;
  vcl::TTrackBar* TrackBar2 = nullptr;
  vcl::TEdit* Edit44 = nullptr;
  vcl::TLabel* Label794 = nullptr;
  vcl::TEdit* Edit24 = nullptr;
  vcl::TGroupBox* GroupBox42 = nullptr;
  vcl::TLabel* Label795 = nullptr;
  vcl::TEdit* Edit23 = nullptr;
  vcl::TLabel* Label796 = nullptr;
  vcl::TTrackBar* TrackBar3 = nullptr;
  vcl::TEdit* Edit47 = nullptr;
  vcl::TLabel* Label797 = nullptr;
  vcl::TEdit* Edit45 = nullptr;
  vcl::TButton* Button10 = nullptr;

  // Conductor impedance (calculator 1).
  vcl::TGroupBox* GroupBox15 = nullptr;
  vcl::TLabel* Label780 = nullptr;
  vcl::TEdit* Edit67 = nullptr;
  vcl::TEdit* Edit71 = nullptr;
  vcl::TLabel* Label101 = nullptr;
  vcl::TEdit* Edit68 = nullptr;
  vcl::TEdit* Edit72 = nullptr;
  vcl::TLabel* Label104 = nullptr;
  vcl::TEdit* Edit74 = nullptr;
  vcl::TEdit* Edit75 = nullptr;
  vcl::TLabel* Label288 = nullptr;
  vcl::TEdit* Edit226 = nullptr;
  vcl::TLabel* Label107 = nullptr;
  vcl::TLabel* Label108 = nullptr;
  vcl::TLabel* Label111 = nullptr;
  vcl::TLabel* Label112 = nullptr;
  vcl::TLabel* Label260 = nullptr;
  vcl::TLabel* Label261 = nullptr;
  vcl::TLabel* Label781 = nullptr;
  vcl::TEdit* Edit70 = nullptr;
  vcl::TLabel* Label115 = nullptr;
  vcl::TEdit* Edit77 = nullptr;
  vcl::TLabel* Label114 = nullptr;
  vcl::TEdit* Edit76 = nullptr;
  vcl::TLabel* Label54 = nullptr;
  vcl::TEdit* Edit73 = nullptr;
  vcl::TImage* Image8 = nullptr;
  vcl::TImage* Image16 = nullptr;
  vcl::TImage* Image22 = nullptr;
  vcl::TImage* Image9 = nullptr;
  vcl::TImage* Image47 = nullptr;
  vcl::TImage* Image19 = nullptr;
  vcl::TLabel* Label57 = nullptr;
  vcl::TLabel* Label85 = nullptr;
  vcl::TLabel* Label86 = nullptr;
  vcl::TLabel* Label246 = nullptr;
  vcl::TBitBtn* BitBtn3 = nullptr;
  vcl::TRadioGroup* RadioGroup24 = nullptr;
  vcl::TLabel* Label116 = nullptr;
  vcl::TLabel* Label188 = nullptr;
  vcl::TLabel* Label191 = nullptr;

  // Er effective (calculator 6).
  vcl::TGroupBox* GroupBox43 = nullptr;
  vcl::TLabel* Label782 = nullptr;
  vcl::TEdit* Edit25 = nullptr;
  vcl::TEdit* Edit222 = nullptr;
  vcl::TLabel* Label783 = nullptr;
  vcl::TEdit* Edit46 = nullptr;
  vcl::TEdit* Edit223 = nullptr;
  vcl::TLabel* Label784 = nullptr;
  vcl::TEdit* Edit224 = nullptr;
  vcl::TLabel* Label785 = nullptr;
  vcl::TEdit* Edit221 = nullptr;
  vcl::TEdit* Edit225 = nullptr;
  vcl::TButton* Button5 = nullptr;
  vcl::TImage* Image660 = nullptr;
  vcl::TLabel* Label81 = nullptr;
  vcl::TLabel* Label263 = nullptr;
  vcl::TLabel* Label264 = nullptr;
  vcl::TLabel* Label265 = nullptr;
  vcl::TButton* Button16 = nullptr;

  // Wavelength (calculator 17).
  vcl::TGroupBox* GroupBox22 = nullptr;
  vcl::TRadioGroup* RadioGroup22 = nullptr;
  vcl::TRadioGroup* RadioGroup21 = nullptr;
  vcl::TLabel* Label220 = nullptr;
  vcl::TEdit* Edit103 = nullptr;
  vcl::TEdit* Edit280 = nullptr;
  vcl::TLabel* Label786 = nullptr;
  vcl::TEdit* Edit150 = nullptr;
  vcl::TButton* Button4 = nullptr;
  vcl::TLabel* Label787 = nullptr;
  vcl::TTrackBar* TrackBar4 = nullptr;
  vcl::TLabel* Label222 = nullptr;
  vcl::TLabel* Label788 = nullptr;
  vcl::TEdit* Edit104 = nullptr;
  vcl::TLabel* Label789 = nullptr;
  vcl::TLabel* Label790 = nullptr;
  vcl::TImage* Image661 = nullptr;
  vcl::TImage* Image662 = nullptr;
  vcl::TButton* Button7 = nullptr;
  vcl::TButton* Button8 = nullptr;
  vcl::TButton* Button9 = nullptr;

 protected:
  void LoadImpedancePanels(vcl::TForm& form);
  void BindImpedancePanels(vcl::TForm& form);
};

}  // namespace trellis
