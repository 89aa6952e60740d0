// What the conductor-impedance solve's frame hands each structure, and the
// result conventions every structure writes by.
#pragma once

#include <array>
#include <string>

#include "app/range_check.h"
#include "vcl/controls.h"

namespace trellis {

class TForm1;

// One pass of the conductor-impedance solve, in the unit block it runs.
struct ImpedancePass {
  bool metric = false;   // millimetres (else mils)
  bool microns = false;  // metric boxes typed in micrometres ("Use Microns")
  vcl::TObject* sender = nullptr;

  LengthUnit Unit() const {
    return LengthUnit(metric ? (microns ? LengthSystem::Micrometres : LengthSystem::Millimetres)
                             : LengthSystem::Mils);
  }
  // A length box in the block's unit: mils, or millimetres (micrometres / 1000).
  double ReadLength(const vcl::TEdit* box) const { return Unit().Read(box); }
  // A typed length in mils: millimetres / 25.4 x 1000, micrometres / 25.4.
  double TypedToMils(double typed) const { return Unit().TypedToMils(typed); }
};

namespace impedance {

// The check of a length of 0 or less, per unit (mils, millimetres,
// micrometres): "1" in mils whatever the flag; in metric the reset quotes a
// decimal, so with a flag that is neither point nor comma nothing is said and
// nothing reset.
constexpr range::Form ImperialZero(const char* message) {
  return {range::Under::AnyFlag, 0, {message}, {"1"}};
}
constexpr std::array<range::Form, 3> MetricZero(const char* message) {
  return range::MetricOnly({range::Under::KnownFlag, 0, {message}, {"0.0254", "0,0254"}},
                           {range::Under::KnownFlag, 0, {message}, {"25.4", "25,4"}});
}
constexpr std::array<range::Form, 3> AnyZero(const char* message) {
  std::array<range::Form, 3> forms = MetricZero(message);
  forms[0] = ImperialZero(message);
  return forms;
}

}  // namespace impedance

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
