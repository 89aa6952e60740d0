#include "app/units.h"

#include <gtest/gtest.h>

#include "vcl/sysutils.h"

namespace {

using trellis::ConvertUnits;
using trellis::UnitClass;

// The texts the units switch writes back, for the round trips a user makes.
TEST(Units, RoundTripsShowTheTypedValuesAgain) {
  struct Case {
    UnitClass cls;
    bool microns;
    double imperial;
    const char* metricText;
  };
  const Case cases[] = {
      {UnitClass::Length, false, 62, "1.5748"},
      {UnitClass::Length, true, 62, "1574.8"},
      {UnitClass::Length, false, 10, "0.254"},
      {UnitClass::Length, true, 10, "254"},
      {UnitClass::Length, false, 0.7, "0.0178"},
      {UnitClass::Millimetre, false, 62, "1.5748"},
      {UnitClass::Micrometre, false, 0.71, "18.034"},
      {UnitClass::Area, false, 5, "3225.8065"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.metricText);
    const double metric = ConvertUnits(c.cls, true, c.microns, c.imperial);
    EXPECT_EQ(vcl::FloatToStr(metric), c.metricText);
    EXPECT_EQ(vcl::FloatToStr(ConvertUnits(c.cls, false, c.microns, metric)),
              vcl::FloatToStr(c.imperial));
  }
}

TEST(Units, MicrometresOfCopperInMils) {
  EXPECT_EQ(vcl::FloatToStr(ConvertUnits(UnitClass::Micrometre, false, false, 18)), "0.71");
  EXPECT_EQ(vcl::FloatToStr(ConvertUnits(UnitClass::Micrometre, false, false, 35)), "1.38");
  EXPECT_EQ(vcl::FloatToStr(ConvertUnits(UnitClass::Length, false, false, 1.27)), "50");
}

}  // namespace
