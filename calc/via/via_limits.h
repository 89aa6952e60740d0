// The via calculator's input limits, as rows of range checks: a value out of
// range shows its message and its box is reset; the pass goes on and reads the
// box again.
#pragma once

#include <span>
#include <string>

#include "app/range_check.h"
#include "vcl/controls.h"

namespace trellis {

class TForm1;

class ViaInputLimits {
 public:
  // The pass's unit, as read once for the whole pass.
  ViaInputLimits(TForm1& form, LengthUnit unit);

  // The unit the via's length boxes are typed in.
  LengthSystem Unit() const { return checks_.Unit().System(); }
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

 private:
  std::string Beyond(std::span<const range::Row> rows, const range::Input& target,
                     const range::Input& source, double offset, double widest) const;
  double LengthScale() const;

  TForm1& f_;
  range::Checker checks_;
  range::Input hole_, pad_, opening_, height_, plating_, er_, count_;
};

}  // namespace trellis
