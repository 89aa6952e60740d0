#include "app/units.h"

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"
#include "vcl/sysutils.h"

namespace trellis {

LengthUnit UnitsShown(const TForm1& form) {
  const int group = form.RadioGroup6->ItemIndex();
  const bool ticked = Form6->CheckBox3->Checked();
  if (group != 1) return LengthUnit(LengthSystem::Mils, group == 0, ticked);
  return LengthUnit(ticked ? LengthSystem::Micrometres : LengthSystem::Millimetres, true, ticked);
}

double LengthUnit::Read(const vcl::TEdit* box) const {
  return vcl::StrToFloat(box->Text()) / BoxScale();
}

double ConvertUnits(UnitClass unitClass, bool toMetric, bool microns, double v) {
  using vcl::RoundHalfAwayToPowerOfTen;
  constexpr double in = kMillimetresPerInch, mil = kMilsPerInch;
  constexpr double sq = kSquareInchesPerSquareMillimetre;
  switch (unitClass) {
    case UnitClass::Length:
      if (toMetric) return RoundHalfAwayToPowerOfTen(microns ? v * in : v * in / mil, -4);
      return RoundHalfAwayToPowerOfTen(microns ? v / mil / in * mil : v / in * mil, -2);
    case UnitClass::Micrometre:
      return toMetric ? RoundHalfAwayToPowerOfTen(v * in, -4)
                      : RoundHalfAwayToPowerOfTen(v / in, -2);
    case UnitClass::Millimetre:
      return toMetric ? RoundHalfAwayToPowerOfTen(v * in / mil, -4)
                      : RoundHalfAwayToPowerOfTen(v / in * mil, -2);
    case UnitClass::Area:
      if (toMetric) return RoundHalfAwayToPowerOfTen(microns ? v / sq * 1000000 : v / sq, -4);
      return RoundHalfAwayToPowerOfTen(microns ? v * kSquareInchesPerSquareMicrometre : v * sq, -2);
  }
  return v;
}

}  // namespace trellis
