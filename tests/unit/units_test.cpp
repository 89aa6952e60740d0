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
      // Values that are not whole: the way back rounds to the mils' two decimals.
      {UnitClass::Length, true, 12.34, "313.436"},
      {UnitClass::Length, false, 12.34, "0.3134"},
      {UnitClass::Length, true, 0.75, "19.05"},
      {UnitClass::Micrometre, false, 1.37, "34.798"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.metricText);
    const double metric = ConvertUnits(c.cls, true, c.microns, c.imperial);
    EXPECT_EQ(vcl::FloatToStr(metric), c.metricText);
    EXPECT_EQ(vcl::FloatToStr(ConvertUnits(c.cls, false, c.microns, metric)),
              vcl::FloatToStr(c.imperial));
  }
}

// A metric value typed by the user shows in mils to two decimals, and a switch
// back shows those mils in metric again, not the value first typed.
TEST(Units, TypedMetricValuesRoundToHundredthsOfAMil) {
  struct Case {
    UnitClass cls;
    bool microns;
    double metric;
    const char* milsText;
    const char* backText;
  };
  const Case cases[] = {
      {UnitClass::Length, true, 100, "3.94", "100.076"},
      {UnitClass::Length, true, 33.3, "1.31", "33.274"},
      {UnitClass::Length, true, 1000, "39.37", "999.998"},
      {UnitClass::Length, true, 250.5, "9.86", "250.444"},
      {UnitClass::Length, false, 0.1, "3.94", "0.1001"},
      {UnitClass::Length, false, 0.333, "13.11", "0.333"},
      {UnitClass::Micrometre, false, 17.5, "0.69", "17.526"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.milsText);
    const double mils = ConvertUnits(c.cls, false, c.microns, c.metric);
    EXPECT_EQ(vcl::FloatToStr(mils), c.milsText);
    EXPECT_EQ(vcl::FloatToStr(ConvertUnits(c.cls, true, c.microns, mils)), c.backText);
  }
}

TEST(Units, MicrometresOfCopperInMils) {
  EXPECT_EQ(vcl::FloatToStr(ConvertUnits(UnitClass::Micrometre, false, false, 18)), "0.71");
  EXPECT_EQ(vcl::FloatToStr(ConvertUnits(UnitClass::Micrometre, false, false, 35)), "1.38");
  EXPECT_EQ(vcl::FloatToStr(ConvertUnits(UnitClass::Length, false, false, 1.27)), "50");
}

}  // namespace
