// The main window's controls of the differential-pair panel.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct DiffPairPanels {
  vcl::TGroupBox* GroupBox8 = nullptr;  // 4 differential pairs

  // Geometry and signal inputs with their captions and unit boxes.
  vcl::TEdit* Edit21 = nullptr;     // conductor width W
  vcl::TEdit* Edit62 = nullptr;     // unit of Edit21
  vcl::TEdit* Edit26 = nullptr;     // conductor spacing S
  vcl::TEdit* Edit63 = nullptr;     // unit of Edit26
  vcl::TLabel* Label40 = nullptr;   // "Conductor Height (H)" or "(H1)"
  vcl::TEdit* Edit27 = nullptr;     // conductor height H (H1)
  vcl::TEdit* Edit64 = nullptr;     // unit of Edit27
  vcl::TLabel* Label58 = nullptr;   // "Conductor Height (H2)"
  vcl::TEdit* Edit32 = nullptr;     // second height H2
  vcl::TEdit* Edit65 = nullptr;     // unit of Edit32
  vcl::TLabel* Label391 = nullptr;  // "Applied Voltage"
  vcl::TEdit* Edit394 = nullptr;    // aggressor voltage
  vcl::TEdit* Edit395 = nullptr;    // "Volts"
  vcl::TLabel* Label47 = nullptr;   // "Coupled Length"
  vcl::TEdit* Edit398 = nullptr;    // coupled length
  vcl::TEdit* Edit399 = nullptr;    // unit of Edit398
  vcl::TLabel* Label401 = nullptr;  // "Signal Risetime"
  vcl::TEdit* Edit400 = nullptr;    // rise time in ns
  vcl::TEdit* Edit401 = nullptr;    // "ns"

  // Structure pictures, one shown at a time.
  vcl::TImage* Image1 = nullptr;   // Edge Cpld Ext
  vcl::TImage* Image4 = nullptr;   // Edge Cpld Int Sym
  vcl::TImage* Image23 = nullptr;  // Edge Cpld Int Asym
  vcl::TImage* Image21 = nullptr;  // Edge Cpld Embed
  vcl::TImage* Image17 = nullptr;  // Broad Cpld Shld
  vcl::TImage* Image18 = nullptr;  // Broad Cpld NShld

  // Results.
  vcl::TLabel* Label43 = nullptr;  // "Zo"
  vcl::TEdit* Edit28 = nullptr;    // single-ended impedance
  vcl::TEdit* Edit29 = nullptr;    // differential impedance
  vcl::TShape* Shape1 = nullptr;   // inside the target window: lime, else red
  vcl::TEdit* Edit388 = nullptr;   // odd mode
  vcl::TEdit* Edit389 = nullptr;   // even mode
  vcl::TEdit* Edit390 = nullptr;   // Kb, terminated
  vcl::TEdit* Edit391 = nullptr;   // Kb', unterminated
  vcl::TEdit* Edit392 = nullptr;   // Kb in dB
  vcl::TEdit* Edit393 = nullptr;   // Kb' in dB
  vcl::TEdit* Edit396 = nullptr;   // NEXT voltage, terminated
  vcl::TEdit* Edit397 = nullptr;   // NEXT voltage, unterminated

  // Target window.
  vcl::TEdit* Edit151 = nullptr;        // target Zdiff
  vcl::TEdit* Edit152 = nullptr;        // "Ohms"
  vcl::TComboBox* ComboBox5 = nullptr;  // differential protocol
  vcl::TTrackBar* TrackBar1 = nullptr;  // tolerance, positions 0 to 9
  vcl::TLabel* Label45 = nullptr;       // "+/- Tolerance ="
  vcl::TLabel* Label46 = nullptr;       // tolerance value
  vcl::TEdit* Edit30 = nullptr;         // target plus tolerance
  vcl::TEdit* Edit31 = nullptr;         // target minus tolerance

  vcl::TLabel* Label87 = nullptr;    // "Formula Restrictions:"
  vcl::TLabel* Label88 = nullptr;    // W/H range
  vcl::TLabel* Label89 = nullptr;    // S/H range
  vcl::TBitBtn* BitBtn6 = nullptr;   // "!" note
  vcl::TButton* Button18 = nullptr;  // "Send to Via Calculator"
  vcl::TBitBtn* BitBtn8 = nullptr;   // help

  // Off-centre stripline model: form used and the values s, c, r, k (never shown).
  vcl::TLabel* Label169 = nullptr;
  vcl::TLabel* Label170 = nullptr;
  vcl::TLabel* Label171 = nullptr;
  vcl::TLabel* Label172 = nullptr;
  vcl::TLabel* Label173 = nullptr;

 protected:
  void LoadDiffPairPanels(vcl::TForm& form);
  void BindDiffPairPanels(vcl::TForm& form);
};

}  // namespace trellis
