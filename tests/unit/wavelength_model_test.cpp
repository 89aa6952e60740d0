// The wavelength model against figures worked out from its formulas,
// independently of the program, as the result texts round them.
#include "calc/impedance/wavelength_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/c_text.h"

using namespace trellis::impedance;

namespace {

std::string Text(double value) { return trellis::testing::Text("%.5f", value); }

struct Case {
  const char* name;
  SignalUnit unit;
  double typed, erEffective;
  WaveFraction fraction;
  const char *inches, *cm;
};

// clang-format off
const Case kCases[] = {
    {"10 ns, Er eff 4", SignalUnit::Nanoseconds, 10, 4, WaveFraction::Full, "59.01426", "149.89623"},
    {"in air", SignalUnit::Nanoseconds, 10, 1, WaveFraction::Full, "118.02853", "299.79246"},
    {"10 ps", SignalUnit::Picoseconds, 10, 4, WaveFraction::Full, "0.05901", "0.14990"},
    {"10 GHz", SignalUnit::Gigahertz, 10, 4, WaveFraction::Full, "0.59014", "1.49896"},
    {"10 MHz", SignalUnit::Megahertz, 10, 4, WaveFraction::Full, "590.14263", "1498.96229"},
    {"10 KHz", SignalUnit::Kilohertz, 10, 4, WaveFraction::Full, "590142.63386", "1498962.29000"},
    {"10 Hz", SignalUnit::Hertz, 10, 4, WaveFraction::Full, "590142633.85827", "1498962290.00000"},
    {"3/4", SignalUnit::Nanoseconds, 10, 4, WaveFraction::ThreeQuarters, "44.26070", "112.42217"},
    {"5/8", SignalUnit::Nanoseconds, 10, 4, WaveFraction::FiveEighths, "36.88391", "93.68514"},
    {"1/2", SignalUnit::Nanoseconds, 10, 4, WaveFraction::Half, "29.50713", "74.94811"},
    {"1/4", SignalUnit::Nanoseconds, 10, 4, WaveFraction::Quarter, "14.75357", "37.47406"},
    {"1/10", SignalUnit::Nanoseconds, 10, 4, WaveFraction::Tenth, "5.90143", "14.98962"},
    // 0.06666: an exact fifteenth would be 3.93428 in.
    {"1/15", SignalUnit::Nanoseconds, 10, 4, WaveFraction::Fifteenth, "3.93389", "9.99208"},
    {"1/16", SignalUnit::Nanoseconds, 10, 4, WaveFraction::Sixteenth, "3.68839", "9.36851"},
    {"1/20", SignalUnit::Nanoseconds, 10, 4, WaveFraction::Twentieth, "2.95071", "7.49481"},
    {"500 MHz, microstrip Er eff", SignalUnit::Megahertz, 500, 3.2776, WaveFraction::Full, "13.03884", "33.11866"},
    {"2.5 ns, 1/2", SignalUnit::Nanoseconds, 2.5, 3.3, WaveFraction::Half, "8.12157", "20.62879"},
};
// clang-format on

TEST(WavelengthModel, WorkedFigures) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const double mhz = FrequencyMhz(c.unit, c.typed);
    EXPECT_EQ(Text(WavelengthInches(mhz, c.erEffective, c.fraction)), c.inches);
    EXPECT_EQ(Text(WavelengthCm(mhz, c.erEffective, c.fraction)), c.cm);
  }
}

TEST(WavelengthModel, FrequencyOfEachUnit) {
  EXPECT_DOUBLE_EQ(FrequencyMhz(SignalUnit::Nanoseconds, 10), 100);
  EXPECT_DOUBLE_EQ(FrequencyMhz(SignalUnit::Nanoseconds, 3), 1000.0 / 3);
  EXPECT_DOUBLE_EQ(FrequencyMhz(SignalUnit::Picoseconds, 10), 1e5);
  EXPECT_DOUBLE_EQ(FrequencyMhz(SignalUnit::Gigahertz, 2.4), 2400);
  EXPECT_DOUBLE_EQ(FrequencyMhz(SignalUnit::Megahertz, 500), 500);
  EXPECT_DOUBLE_EQ(FrequencyMhz(SignalUnit::Kilohertz, 10), 0.01);
  EXPECT_DOUBLE_EQ(FrequencyMhz(SignalUnit::Hertz, 10), 1e-5);
}

TEST(WavelengthModel, UnguardedInputs) {
  // A period of 0 is an infinite frequency and no length at all.
  const double infinite = FrequencyMhz(SignalUnit::Nanoseconds, 0);
  EXPECT_TRUE(std::isinf(infinite));
  EXPECT_EQ(WavelengthInches(infinite, 4, WaveFraction::Full), 0);
  EXPECT_TRUE(std::isinf(WavelengthCm(0, 4, WaveFraction::Full)));
  EXPECT_TRUE(std::isinf(WavelengthCm(100, 0, WaveFraction::Full)));
}

}  // namespace
