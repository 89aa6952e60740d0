// The conversion calculator's arithmetic against figures worked out from its
// formulas independently of the program, as the panel's formats round them.
#include "reference/conversion_model.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/c_text.h"

using namespace trellis::reference;

using trellis::testing::Text;

namespace {}  // namespace

TEST(ConversionModel, AngleFactorsTakePiAs314159) {
  EXPECT_DOUBLE_EQ(kDegreesPerRadian, 180 / 3.14159);
  EXPECT_DOUBLE_EQ(kRadiansPerDegree, 3.14159 / 180);
}

TEST(ConversionModel, Temperatures) {
  struct Case {
    double in;
    const char *celsius, *fahrenheit;  // of the input read as deg F, as deg C
  };
  const Case cases[] = {
      {72, "22.22", "161.60"}, {212, "100.00", "413.60"}, {-40, "-40.00", "-40.00"},
      {32, "0.00", "89.60"},   {100, "37.78", "212.00"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(Text("%0.2f", FahrenheitToCelsius(c.in)), c.celsius);
    EXPECT_EQ(Text("%0.2f", CelsiusToFahrenheit(c.in)), c.fahrenheit);
  }
}

TEST(ConversionModel, Distances) {
  struct Case {
    double in;
    const char *mm, *inches, *um;            // of mils
    const char *mils, *umOfMm, *inchesOfMm;  // of millimetres
  };
  const Case cases[] = {
      {10, "0.2540", "0.0100", "254.0000", "393.70", "10000.0000", "0.3937"},
      {100, "2.5400", "0.1000", "2540.0000", "3937.01", "100000.0000", "3.9370"},
      {2.54, "0.0645", "0.0025", "64.5160", "100.00", "2540.0000", "0.1000"},
      {0, "0.0000", "0.0000", "0.0000", "0.00", "0.0000", "0.0000"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.in);
    const FromMils m = ConvertMils(c.in);
    EXPECT_EQ(Text("%.4f", m.millimetres), c.mm);
    EXPECT_EQ(Text("%.4f", m.inches), c.inches);
    EXPECT_EQ(Text("%.4f", m.micrometres), c.um);
    const FromMillimetres mm = ConvertMillimetres(c.in);
    EXPECT_EQ(Text("%.2f", mm.mils), c.mils);
    EXPECT_EQ(Text("%.4f", mm.micrometres), c.umOfMm);
    EXPECT_EQ(Text("%.4f", mm.inches), c.inchesOfMm);
  }
}

TEST(ConversionModel, GainAndLevels) {
  struct Case {
    double in, gain, attenuator;
    const char *voltageGain, *level, *power;
  };
  const Case cases[] = {
      {-60, 23, 10, "14.1254", "-47.00", "19.952623 nWatts"},  // the panel's defaults
      {-60, 23, 0, "14.1254", "-37.00",
       "199.526231 nWatts"},  // the attenuator moves the level only
      {-3, 23, 10, "14.1254", "10.00", "10.0000 mWatts"},
      {17, 23, 10, "14.1254", "30.00", "1.0000 Watts"},
      {-33, 23, 10, "14.1254", "-20.00", "10.0000 uWatts"},
      {40, 0, 0, "1.0000", "40.00", "10.0000 Watts"},
      // the thresholds themselves: 1 mW, 1 uW
      {0, 0, 0, "1.0000", "0.00", "1.0000 mWatts"},
      {-30, 0, 0, "1.0000", "-30.00", "1.0000 uWatts"},
      {-100, -6, -6, "0.5012", "-100.00", "0.000100 nWatts"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(c.in);
    EXPECT_EQ(Text("%.4f", VoltageGain(c.gain)), c.voltageGain);
    const double level = OutputLevel(c.in, c.gain, c.attenuator);
    EXPECT_EQ(Text("%.2f", level), c.level);
    const ScaledPower p = PowerUnitScale(DbmToWatts(level));
    EXPECT_EQ(Text(p.format, p.value), c.power);
  }
  const ScaledPower none = PowerUnitScale(0);
  EXPECT_EQ(Text(none.format, none.value), "0.000000 nWatts");
}

TEST(ConversionModel, RectangularToPolarInEveryQuadrant) {
  struct Case {
    double re, im;
    const char *magnitude, *angle;
  };
  const Case cases[] = {
      {50, 0, "50.0000", "0.0000"},    {3, 4, "5.0000", "53.1301"},   {-1, 1, "1.4142", "135.0001"},
      {-3, -4, "5.0000", "-126.8700"}, {3, -4, "5.0000", "-53.1301"}, {0, 5, "5.0000", "90.0001"},
      {0, -5, "5.0000", "-90.0001"},   {-5, 0, "5.0000", "180.0002"}, {0, 0, "0.0000", "0.0000"},
      {-0.0, 0, "0.0000", "0.0000"},   {0, -0.0, "0.0000", "0.0000"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.re << " " << c.im);
    const Polar p = ToPolar(c.re, c.im);
    EXPECT_EQ(Text("%.4f", p.magnitude), c.magnitude);
    EXPECT_EQ(Text("%.4f", p.degrees), c.angle);
  }
}

TEST(ConversionModel, PolarToRectangular) {
  struct Case {
    double magnitude, degrees;
    const char *re, *im;
  };
  const Case cases[] = {
      {50, 90, "0.0001", "50.0000"},           {5, 53.13, "3.0000", "4.0000"},
      {1.4142, 135.0001, "-1.0000", "1.0000"}, {5, -126.87, "-3.0000", "-4.0000"},
      {2, -45, "1.4142", "-1.4142"},           {10, 180, "-10.0000", "0.0000"},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE(testing::Message() << c.magnitude << " " << c.degrees);
    const Rectangular r = ToRectangular(c.magnitude, c.degrees);
    EXPECT_EQ(Text("%.4f", r.re), c.re);
    EXPECT_EQ(Text("%.4f", r.im), c.im);
  }
}

TEST(ConversionModel, Angles) {
  EXPECT_EQ(Text("%.4f", 1 * kRadiansPerDegree), "0.0175");
  EXPECT_EQ(Text("%.4f", 180 * kRadiansPerDegree), "3.1416");
  EXPECT_EQ(Text("%.4f", -45 * kRadiansPerDegree), "-0.7854");
  EXPECT_EQ(Text("%.4f", 3.14159265 * kDegreesPerRadian), "180.0002");
  EXPECT_EQ(Text("%.4f", 1 * kDegreesPerRadian), "57.2958");
}
