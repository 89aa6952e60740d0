// The main window's controls of the conversion and mechanical-information panels.
#pragma once

#include "vcl/forms.h"

namespace trellis {

struct ReferencePanels {
  // 3 conversion
  vcl::TGroupBox* GroupBox7 = nullptr;
  vcl::TGroupBox* GroupBox16 = nullptr;  // distance
  vcl::TEdit* Edit80 = nullptr;          // distance to convert
  vcl::TEdit* Edit82 = nullptr;          // its unit
  vcl::TEdit* Edit81 = nullptr;          // converted distances and their units
  vcl::TEdit* Edit83 = nullptr;
  vcl::TEdit* Edit142 = nullptr;
  vcl::TEdit* Edit144 = nullptr;
  vcl::TEdit* Edit143 = nullptr;
  vcl::TEdit* Edit145 = nullptr;
  vcl::TGroupBox* GroupBox18 = nullptr;  // temperature
  vcl::TEdit* Edit85 = nullptr;          // temperature to convert
  vcl::TEdit* Edit86 = nullptr;
  vcl::TEdit* Edit84 = nullptr;  // converted temperature
  vcl::TEdit* Edit87 = nullptr;
  vcl::TGroupBox* GroupBox35 = nullptr;  // decibels and levels
  vcl::TEdit* Edit167 = nullptr;         // gain, dB
  vcl::TEdit* Edit1040 = nullptr;
  vcl::TEdit* Edit166 = nullptr;  // voltage gain
  vcl::TEdit* Edit174 = nullptr;  // level in, dBm
  vcl::TEdit* Edit1041 = nullptr;
  vcl::TEdit* Edit402 = nullptr;  // attenuator, dB
  vcl::TEdit* Edit1042 = nullptr;
  vcl::TEdit* Edit175 = nullptr;  // level out, dBm
  vcl::TEdit* Edit1043 = nullptr;
  vcl::TEdit* Edit176 = nullptr;  // volts in
  vcl::TEdit* Edit1044 = nullptr;
  vcl::TEdit* Edit177 = nullptr;  // volts out
  vcl::TEdit* Edit1045 = nullptr;
  vcl::TGroupBox* GroupBox21 = nullptr;  // rectangular and polar
  vcl::TLabel* Label178 = nullptr;
  vcl::TLabel* Label179 = nullptr;
  vcl::TLabel* Label180 = nullptr;
  vcl::TLabel* Label181 = nullptr;
  vcl::TEdit* Edit215 = nullptr;
  vcl::TEdit* Edit216 = nullptr;
  vcl::TEdit* Edit217 = nullptr;
  vcl::TEdit* Edit218 = nullptr;
  vcl::TCheckBox* CheckBox3 = nullptr;   // polar to rectangular when checked
  vcl::TBitBtn* BitBtn4 = nullptr;       // "Send"
  vcl::TGroupBox* GroupBox40 = nullptr;  // degrees and radians
  vcl::TLabel* Label184 = nullptr;
  vcl::TLabel* Label185 = nullptr;
  vcl::TEdit* Edit219 = nullptr;
  vcl::TEdit* Edit220 = nullptr;
  vcl::TCheckBox* CheckBox2 = nullptr;  // radians to degrees when checked
  vcl::TButton* Button23 = nullptr;     // "PCB Design Rules"
  vcl::TButton* Button6 = nullptr;      // outside reference pages
  vcl::TButton* Button12 = nullptr;
  vcl::TButton* Button13 = nullptr;
  vcl::TButton* Button14 = nullptr;
  vcl::TButton* Button19 = nullptr;

  // 8 mechanical information
  vcl::TGroupBox* GroupBox11 = nullptr;
  vcl::TGroupBox* GroupBox12 = nullptr;  // wire gauge
  vcl::TComboBox* ComboBox3 = nullptr;   // wire gauge; its change is Solve
  vcl::TEdit* Edit41 = nullptr;          // diameter
  vcl::TEdit* Edit95 = nullptr;          // resistance
  vcl::TEdit* Edit102 = nullptr;         // chassis-wiring current
  vcl::TEdit* Edit141 = nullptr;         // power-transmission current
  vcl::TLabel* Label200 = nullptr;       // resistance heading, by units
  vcl::TEdit* Edit146 = nullptr;         // wire load current
  vcl::TEdit* Edit148 = nullptr;         // wire length
  vcl::TEdit* Edit147 = nullptr;         // wire voltage drop
  vcl::TBitBtn* BitBtn11 = nullptr;      // note on the one-wire drop
  vcl::TGroupBox* GroupBox14 = nullptr;  // drill chart
  vcl::TMemo* Memo1 = nullptr;
  vcl::TGroupBox* GroupBox19 = nullptr;  // imperial threads, shown in imperial units
  vcl::TMemo* Memo2 = nullptr;
  vcl::TGroupBox* GroupBox46 = nullptr;  // metric threads, shown in metric units
  vcl::TMemo* Memo4 = nullptr;

 protected:
  void LoadReferencePanels(vcl::TForm& form);
  void BindReferencePanels(vcl::TForm& form);
};

}  // namespace trellis
