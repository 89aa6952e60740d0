// The units lengths are typed in, and conversions of typed values between the
// imperial and metric unit systems.
#pragma once

#include <string>

#include "calc/length_units.h"

namespace vcl {
class TEdit;
}  // namespace vcl

namespace trellis {

class TForm1;

// The units the window shows, read once per pass: the metric/imperial group
// (RadioGroup6) and "Use Microns". Micrometre boxes are computed in
// millimetres: their box scale is 1000.
class LengthUnit {
 public:
  constexpr LengthUnit() = default;
  constexpr LengthUnit(LengthSystem system, bool known = true, bool micronsTicked = false)
      : system_(system), known_(known), micronsTicked_(micronsTicked) {}

  // Mils unless the group shows metric; micrometres under "Use Microns".
  constexpr LengthSystem System() const { return system_; }
  // The group shows imperial or metric (neither: no pass runs).
  constexpr bool Known() const { return known_; }
  constexpr bool Imperial() const { return known_ && system_ == LengthSystem::Mils; }
  constexpr bool Metric() const { return known_ && system_ != LengthSystem::Mils; }
  constexpr bool Microns() const { return system_ == LengthSystem::Micrometres; }
  // The block of a solve that runs in metric (true) or imperial (false).
  constexpr bool InBlock(bool metric) const { return metric ? Metric() : Imperial(); }
  // "Use Microns" as ticked, whatever the units.
  constexpr bool MicronsTicked() const { return micronsTicked_; }

  // A box's units per unit of the pass: 1000 for micrometres, else 1.
  constexpr double BoxScale() const { return Microns() ? kMicrometresPerMillimetre : 1; }
  // A length box in the pass's unit: mils, or millimetres.
  double Read(const vcl::TEdit* box) const;
  // A typed length in mils.
  constexpr double TypedToMils(double typed) const {
    if (system_ == LengthSystem::Mils) return typed;
    return Microns() ? typed / kMicrometresPerMil : MillimetresToMils(typed);
  }
  // A length in the pass's unit (mils or millimetres) in mils.
  constexpr double PassToMils(double length) const {
    return system_ == LengthSystem::Mils ? length : MillimetresToMils(length);
  }
  // The unit as the unit boxes name it: "mils", "mm" or "um".
  constexpr const char* Name() const {
    return system_ == LengthSystem::Mils ? "mils" : Microns() ? "um" : "mm";
  }
  // One of three texts by the unit.
  template <class T>
  constexpr T Pick(T mils, T mm, T um) const {
    return system_ == LengthSystem::Mils ? mils : Microns() ? um : mm;
  }

 private:
  LengthSystem system_ = LengthSystem::Mils;
  bool known_ = true;
  bool micronsTicked_ = false;
};

// The units the window shows now.
LengthUnit UnitsShown(const TForm1& form);

enum class UnitClass {
  Length,      // mils <-> mm, or um with "Use Microns"
  Micrometre,  // mils <-> um always
  Millimetre,  // mils <-> mm always
  Area,        // square inches <-> mm2, or um2 with "Use Microns"
};

// The converted value, rounded half away from zero to the digit its class shows.
double ConvertUnits(UnitClass unitClass, bool toMetric, bool microns, double value);

}  // namespace trellis
