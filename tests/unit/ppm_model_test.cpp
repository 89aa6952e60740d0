// The PPM and crystal model against figures worked out from its formulas,
// independently of the program, with the two decimals of the result boxes.
#include "calc/circuit/ppm_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/c_text.h"

using namespace trellis::circuit;

namespace {

std::string Text(double value) { return trellis::testing::Text("%0.2f", value); }

TEST(PpmModel, BandOfATolerance) {
  struct Case {
    double centre, ppm;
    const char *variation, *maximum, *minimum;
  };
  const Case cases[] = {
      {50000000, 25, "1250.00", "50001250.00", "49998750.00"},
      {32768, 20, "0.66", "32768.66", "32767.34"},
      {12000000, 0.5, "6.00", "12000006.00", "11999994.00"},
      // A rejected tolerance of 0 is still used in its pass.
      {50000000, 0, "0.00", "50000000.00", "50000000.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.centre);
    SCOPED_TRACE(c.ppm);
    const PpmBand band = BandOfPpm(c.centre, c.ppm);
    EXPECT_EQ(Text(band.variation), c.variation);
    EXPECT_EQ(Text(band.maximum), c.maximum);
    EXPECT_EQ(Text(band.minimum), c.minimum);
  }
}

TEST(PpmModel, ToleranceBetweenTwoFrequencies) {
  struct Case {
    double centre, maximum;
    const char *variation, *ppm;
  };
  const Case cases[] = {
      {32000, 32001, "1.00", "31.25"},
      {25000000, 25000250, "250.00", "10.00"},
      {10000000, 9999900, "-100.00", "-10.00"},  // a maximum below the centre
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.centre);
    const PpmOffset offset = PpmBetween(c.centre, c.maximum);
    EXPECT_EQ(Text(offset.variation), c.variation);
    EXPECT_EQ(Text(offset.ppm), c.ppm);
  }
}

TEST(PpmModel, ZeroCentreHasNoFiniteTolerance) {
  const PpmOffset offset = PpmBetween(0, 32001);
  EXPECT_EQ(Text(offset.variation), "32001.00");
  EXPECT_TRUE(std::isinf(offset.ppm) && offset.ppm > 0);
  EXPECT_TRUE(std::isnan(PpmBetween(0, 0).ppm));
}

TEST(PpmModel, CrystalCapacitors) {
  struct Case {
    double c1, c2, stray;
    const char* load;
  };
  const Case cases[] = {
      {14, 14, 3, "10.00"}, {10, 30, 3, "10.50"}, {30, 10, 3, "10.50"}, {22, 18, 4.5, "14.40"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.c1);
    EXPECT_EQ(Text(LoadCapacitance(c.c1, c.c2, c.stray)), c.load);
  }
  EXPECT_EQ(Text(RuleOfThumbCapacitor(10, 3)), "14.00");
  EXPECT_EQ(Text(RuleOfThumbCapacitor(12.5, 4)), "17.00");
  EXPECT_EQ(Text(RuleOfThumbCapacitor(6, 5)), "2.00");
}

}  // namespace
