// The via calculator's input limits: a value out of range shows its message and
// its box is reset; the pass goes on and reads the box again.
#pragma once

#include <functional>
#include <string>

#include "vcl/controls.h"

namespace trellis {

class TForm1;

// The unit the via's length boxes are typed in.
enum class ViaUnit { Mils, Millimetres, Micrometres };

class ViaInputLimits {
 public:
  explicit ViaInputLimits(TForm1& form);

  ViaUnit Unit() const { return unit_; }
  // A length box's number in mils, or in millimetres when metric (micrometres
  // are divided by 1000).
  double ReadLength(const vcl::TEdit* box) const;

  // Both branches: the hole (empty, maximum, minimum), then Er.
  void CheckHole();
  void CheckEr();
  // The single via: pad, opening (Multi Layer), height and plating; the via
  // count comes after the thermal resistance.
  void CheckSingleVia(int layerSet);
  void CheckViaCount();

  // The differential via: spacing and plane clearances must lie beyond the
  // hole the pass computes with.
  void CheckSpacing(double hole);
  void CheckClearance(vcl::TEdit* box, double hole);

  struct Row;
  enum Input { kHole, kPad, kOpening, kHeight, kPlating, kEr, kCount, kInputs };

 private:
  void Apply(const Row& row, int layerSet);
  bool Fails(const Row& row, double value, bool asRead) const;
  std::string DerivedReset(const Row& row, int layerSet) const;
  std::string PassingText(double value, const std::function<bool(double)>& passes) const;
  vcl::TEdit* Box(Input input) const;
  double Scale(Input input) const;
  void Read(Input input);

  TForm1& f_;
  ViaUnit unit_;
  bool point_, comma_;
  // Per input: the number as read, and the number its box holds after a reset
  // (both in mils or millimetres).
  double read_[kInputs] = {}, now_[kInputs] = {};
};

}  // namespace trellis
