#include "app/units.h"

#include <gtest/gtest.h>

#include <string>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "vcl/controls.h"
#include "vcl/sysutils.h"

namespace {

using trellis::ConvertUnits;
using trellis::LengthSystem;
using trellis::LengthUnit;
using trellis::UnitClass;

// The window's units: micrometres only in metric with the tick, which is kept
// apart for the lengths that are metric in either system.
TEST(Units, UnitsShownReadsTheGroupAndTheTick) {
  struct Case {
    const char* units;
    const char* microns;
    LengthSystem system;
  };
  const Case cases[] = {{"0", "0", LengthSystem::Mils},
                        {"0", "1", LengthSystem::Mils},
                        {"1", "0", LengthSystem::Millimetres},
                        {"1", "1", LengthSystem::Micrometres}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.units) + c.microns);
    trellis::testing::HarnessOptions options;
    options.settings["Units"] = c.units;
    options.settings["Microns"] = c.microns;
    trellis::testing::Harness h(options);
    h.Start();
    const LengthUnit unit = trellis::UnitsShown(h.Main());
    EXPECT_TRUE(unit.Known());
    EXPECT_EQ(unit.System(), c.system);
    EXPECT_EQ(unit.MicronsTicked(), std::string(c.microns) == "1");
    h.platform.TakeMessages();
  }
}

// The BGA land sizes are metric in either system: their micrometre form
// follows the tick even while the window shows mils.
TEST(Units, BgaLandSizesFollowTheTickInEitherSystem) {
  struct Case {
    const char* units;
    const char* microns;
    const char* firstBall;
  };
  const Case cases[] = {
      {"0", "1", "750 um"}, {"0", "0", "0.75 mm"}, {"1", "1", "750 um"}, {"1", "0", "0.75 mm"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.units) + c.microns);
    trellis::testing::HarnessOptions options;
    options.settings["Units"] = c.units;
    options.settings["Microns"] = c.microns;
    options.settings["Program"] = trellis::ProgramText(trellis::Calculator::Padstack);
    trellis::testing::Harness h(options);
    h.Start();
    trellis::TForm1& f = h.Main();
    f.RadioGroup14->SetItemIndex(1);
    ASSERT_GT(f.ComboBox4->Items().Count(), 0);
    EXPECT_EQ(f.ComboBox4->Items()[0], c.firstBall);
    h.platform.TakeMessages();
  }
}

// The constants against their definitions: the inch is 25.4 mm exactly, and a
// square millimetre is (1000 / 25.4)^2 square mils; the round forms are the
// ones some results are computed with.
TEST(Units, ConversionConstantsAreTheInchAndItsSquare) {
  EXPECT_EQ(trellis::kMillimetresPerInch, 25.4);
  EXPECT_DOUBLE_EQ(trellis::kMillimetresPerMil, 25.4 / 1000);
  EXPECT_NEAR(trellis::kSquareMilsPerSquareMillimetre, 1550.0031000062002, 1e-9);
  EXPECT_EQ(trellis::kSquareMilsPerSquareMillimetreRound, 1550);
  EXPECT_NEAR(trellis::kSquareInchesPerSquareMillimetre, 0.0015500031, 1e-8);
  EXPECT_EQ(trellis::kSquareInchesPerSquareMillimetre, 0.00155);
  EXPECT_NEAR(trellis::kSquareInchesPerSquareMicrometre, 1.5500031e-09, 1e-14);
  EXPECT_EQ(trellis::kSquareInchesPerSquareMicrometre, 1.55e-09);
  EXPECT_EQ(trellis::kMicrometresPerMil, 25.4);
  EXPECT_EQ(trellis::kCentimetresPerInch, 2.54);
}

// Results depend on the last bit of a conversion, so each keeps the operations
// it was always computed with: the figures are those of the written order,
// and each row's value is one where a reordered or folded factor (x * 0.0254,
// x * (1000 / 25.4), x * (1 / 25.4), inches over mils) would give another double.
TEST(Units, ConversionsKeepTheirWrittenOrderOfOperations) {
  struct Case {
    const char* name;
    double (*convert)(double);
    double value, expected;
  };
  const Case cases[] = {
      {"mm to mils, / 25.4 x 1000", trellis::MillimetresToMils, 0.1, 3.937007874015749},
      {"mm to mils, / 25.4 x 1000", trellis::MillimetresToMils, 1.6, 62.992125984251985},
      {"mm to mils, / 25.4 x 1000", trellis::MillimetresToMils, 0.035, 1.377952755905512},
      {"mils to mm, / 1000 x 25.4", trellis::MilsToMillimetres, 0.127, 0.0032257999999999996},
      {"mils to mm, / 1000 x 25.4", trellis::MilsToMillimetres, 0.254, 0.006451599999999999},
      {"mils to mm, / 1000 x 25.4", trellis::MilsToMillimetres, 1.27, 0.032258},
      {"mm to inches, / 25.4", trellis::MillimetresToInches, 0.1, 0.003937007874015749},
      {"mm to inches, / 25.4", trellis::MillimetresToInches, 2.5, 0.0984251968503937},
      {"inches to mm, x 25.4", trellis::InchesToMillimetres, 1.5, 38.099999999999994},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " of " + vcl::FloatToStr(c.value));
    EXPECT_EQ(c.convert(c.value), c.expected);
  }
}

// One row per unit: the box scale, the unit's name, a box read, a typed
// length and a pass length in mils (50 mils = 1.27 mm = 1270 um).
TEST(Units, LengthUnitReadsAndConvertsInItsSystem) {
  struct Case {
    LengthSystem system;
    double scale;
    const char* name;
    const char* typed;  // 50 mils in the unit
    double read;        // the box read in the pass's unit
    double pass;        // 10 mils in the pass's unit
  };
  const Case cases[] = {
      {LengthSystem::Mils, 1, "mils", "50", 50, 10},
      {LengthSystem::Millimetres, 1, "mm", "1.27", 1.27, 0.254},
      {LengthSystem::Micrometres, 1000, "um", "1270", 1.27, 0.254},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const LengthUnit unit(c.system);
    EXPECT_EQ(unit.BoxScale(), c.scale);
    EXPECT_STREQ(unit.Name(), c.name);
    EXPECT_STREQ(unit.Pick("mils", "mm", "um"), c.name);
    vcl::TEdit box;
    box.SetText(c.typed);
    EXPECT_DOUBLE_EQ(unit.Read(&box), c.read);
    EXPECT_DOUBLE_EQ(unit.TypedToMils(vcl::StrToFloat(c.typed)), 50);
    EXPECT_DOUBLE_EQ(unit.PassToMils(c.pass), 10);
    EXPECT_EQ(unit.Imperial(), c.system == LengthSystem::Mils);
    EXPECT_EQ(unit.Metric(), c.system != LengthSystem::Mils);
    EXPECT_EQ(unit.InBlock(true), unit.Metric());
    EXPECT_EQ(unit.InBlock(false), unit.Imperial());
  }
  // A group showing neither system runs neither block.
  const LengthUnit unknown(LengthSystem::Mils, false);
  EXPECT_FALSE(unknown.InBlock(false));
  EXPECT_FALSE(unknown.InBlock(true));
}

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
