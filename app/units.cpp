#include "app/units.h"

#include "vcl/sysutils.h"

namespace trellis {

double ConvertUnits(UnitClass unitClass, bool toMetric, bool microns, double v) {
  using vcl::RoundHalfAwayToPowerOfTen;
  switch (unitClass) {
    case UnitClass::Length:
      if (toMetric) return RoundHalfAwayToPowerOfTen(microns ? v * 25.4 : v * 25.4 / 1000, -4);
      return RoundHalfAwayToPowerOfTen(microns ? v / 1000 / 25.4 * 1000 : v / 25.4 * 1000, -2);
    case UnitClass::Micrometre:
      return toMetric ? RoundHalfAwayToPowerOfTen(v * 25.4, -4)
                      : RoundHalfAwayToPowerOfTen(v / 25.4, -2);
    case UnitClass::Millimetre:
      return toMetric ? RoundHalfAwayToPowerOfTen(v * 25.4 / 1000, -4)
                      : RoundHalfAwayToPowerOfTen(v / 25.4 * 1000, -2);
    case UnitClass::Area:
      if (toMetric)
        return RoundHalfAwayToPowerOfTen(microns ? v / 0.00155 * 1000000 : v / 0.00155, -4);
      return RoundHalfAwayToPowerOfTen(microns ? v * 1.55e-09 : v * 0.00155, -2);
  }
  return v;
}

}  // namespace trellis
