// What the conductor-impedance solve's frame hands each structure, and the
// result conventions every structure writes by.
#pragma once

#include <string>

#include "vcl/controls.h"

namespace trellis {

class TForm1;

// One pass of the conductor-impedance solve, in the unit block it runs.
struct ImpedancePass {
  bool metric = false;   // millimetres (else mils)
  bool microns = false;  // metric boxes typed in micrometres ("Use Microns")
  vcl::TObject* sender = nullptr;

  // A length box in the block's unit: mils, or millimetres (micrometres / 1000).
  double ReadLength(const vcl::TEdit* box) const;
};

namespace impedance {

// A quantity with a range: outside [low, high] (bounds excluded) the value
// label turns red and reads "<redText> Warning!"; inside, black with
// blackText; a value that is not a number leaves the label as it was. Both
// texts take the decimal-comma step.
void ShowRanged(TForm1& f, vcl::TLabel* value, double v, double low, double high,
                const std::string& redText, const std::string& blackText);
inline void ShowRanged(TForm1& f, vcl::TLabel* value, double v, double low, double high,
                       const std::string& text) {
  ShowRanged(f, value, v, low, high, text, text);
}

// The structure's conductor thickness in Label56: "%.2f mils", or "%3.0f um"
// of the millimetres in metric; with the decimal-comma step.
void WriteThickness(TForm1& f, const ImpedancePass& pass, double thickness);

// Tpd (ps per inch) with Co = Tpd / Zo and Lo = Zo² Co / 1000 into Edit77,
// Edit76 and Edit73; metric divides Tpd by 2.54 first, so all three are per cm.
void WriteDelay(TForm1& f, const ImpedancePass& pass, double tpdPerInch, double zo);
// The same, with "Error" in place of each figure that is not above zero (a
// value that is not a number is written as it is).
void WriteDelayOrError(TForm1& f, const ImpedancePass& pass, double tpdPerInch, double zo);

}  // namespace impedance

// The structures of the selector beyond the first three; each runs after the
// frame has read and checked Er, W and H and written the W/H text.
void SolveStriplineAsym(TForm1& f, const ImpedancePass& pass);
void SolveDualStripline(TForm1& f, const ImpedancePass& pass);
void SolveCoplanarWave(TForm1& f, const ImpedancePass& pass);

}  // namespace trellis
