// The current model and the copper rules against worked figures and band edges.
#include "calc/conductor/conductor_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/conductor/conductor_items.h"
#include "tests/support/c_text.h"

using namespace trellis::conductor;

using trellis::testing::Text;

namespace {

struct BandCase {
  double input;
  bool metric;
  double expected;
};

TEST(IpcModel, BoardThicknessBandsIncludeTheirLowerBound) {
  const BandCase cases[] = {{9.999, false, 0.4}, {10, false, 0.48},   {62, false, 0.95},
                            {99.9, false, 1.2},  {100, false, 1.3},   {0.2539, true, 0.4},
                            {0.254, true, 0.48}, {1.524, true, 0.95}, {2.539, true, 1.2},
                            {2.54, true, 1.3},   {-5, false, 0.4}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(BoardThicknessModifier(c.input, c.metric), c.expected) << c.input;
}

TEST(IpcModel, PlaneBandsByWeight) {
  struct Case {
    double distance;
    PlaneWeight weight;
    bool metric;
    double expected;
  };
  constexpr PlaneWeight kLight = PlaneWeight::Light, kHeavy = PlaneWeight::Heavy;
  const Case cases[] = {{5, kLight, false, 1.59},
                        {5, kHeavy, false, 1.63},
                        {10, kLight, false, 1.55},
                        {100, kLight, false, 1.2},
                        {100, kHeavy, false, 1.24},
                        {2.54, kLight, true, 1.2},
                        {2.54, kHeavy, true, 1.24},
                        {1.27, kHeavy, true, 1.46},
                        {0.5, kLight, true, 1.55},
                        // Every other band: at its lower bound, and just below the next one.
                        {20, kLight, false, 1.52},
                        {29.99, kHeavy, false, 1.56},
                        {0.508, kLight, true, 1.52},
                        {0.635, kHeavy, true, 1.56},
                        {30, kLight, false, 1.48},
                        {39.99, kHeavy, false, 1.52},
                        {0.762, kLight, true, 1.48},
                        {0.889, kHeavy, true, 1.52},
                        {40, kLight, false, 1.45},
                        {49.99, kHeavy, false, 1.49},
                        {1.016, kLight, true, 1.45},
                        {1.143, kHeavy, true, 1.49},
                        {60, kLight, false, 1.39},
                        {69.99, kHeavy, false, 1.43},
                        {1.524, kLight, true, 1.39},
                        {1.651, kHeavy, true, 1.43},
                        {70, kLight, false, 1.37},
                        {79.99, kHeavy, false, 1.41},
                        {1.778, kLight, true, 1.37},
                        {1.905, kHeavy, true, 1.41},
                        {80, kLight, false, 1.33},
                        {89.99, kHeavy, false, 1.37},
                        {2.032, kLight, true, 1.33},
                        {2.159, kHeavy, true, 1.37},
                        {90, kLight, false, 1.3},
                        {99.99, kHeavy, false, 1.34},
                        {2.286, kLight, true, 1.3},
                        {2.413, kHeavy, true, 1.34}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(PlaneModifier(c.distance, c.weight, c.metric), c.expected)
        << c.distance << (c.metric ? " mm" : " mils");
}

TEST(IpcModel, AreaCorrectionBandEdges) {
  struct Case {
    double rise, factor, exponent;
  };
  const Case cases[] = {{20, 3.0364, -0.145}, {20.01, 2.9143, -0.129}, {59.9, 2.9143, -0.129},
                        {60, 2.7877, -0.114}, {99.9, 2.7877, -0.114},  {100, 2.801, -0.111}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(AreaCorrection(100, c.rise), c.factor * std::pow(100.0, c.exponent)) << c.rise;
  EXPECT_NEAR(AreaCorrection(100, 10), 1.55725, 5e-6);
}

constexpr IpcVersion kIpc2152WithModifiers = IpcVersion::Ipc2152WithModifiers;
constexpr IpcVersion kIpc2152WithoutModifiers = IpcVersion::Ipc2152WithoutModifiers;
constexpr IpcVersion kIpc2221A = IpcVersion::Ipc2221A;
constexpr IpcVersion kVersions[] = {kIpc2152WithModifiers, kIpc2152WithoutModifiers, kIpc2221A};
constexpr ConductorLayer kInternal = ConductorLayer::Internal, kExternal = ConductorLayer::External;

TEST(IpcModel, CoefficientsDoubleOnlyForExternalIpc2221A) {
  EXPECT_DOUBLE_EQ(SelectIpcCoefficients(kIpc2221A, kExternal).k, 0.048);
  for (IpcVersion version : kVersions)
    EXPECT_DOUBLE_EQ(SelectIpcCoefficients(version, kInternal).k, 0.024);
  EXPECT_DOUBLE_EQ(SelectIpcCoefficients(kIpc2152WithModifiers, kExternal).k, 0.024);
  EXPECT_DOUBLE_EQ(SelectIpcCoefficients(kIpc2152WithoutModifiers, kExternal).k, 0.024);
}

IpcModifiers WorkedModifiers() {
  IpcModifiers m;
  m.areaCorrection = AreaCorrection(100, 10);
  m.boardThickness = BoardThicknessModifier(62, false);
  m.plane = 1.0;
  m.material = 0.98;
  return m;
}

TEST(IpcModel, CurrentWithAndWithoutModifiers) {
  const auto c = SelectIpcCoefficients(kIpc2152WithModifiers, kExternal);
  EXPECT_NEAR(IpcCurrent(kIpc2152WithoutModifiers, c, 10, 100, WorkedModifiers()), 1.8630, 5e-5);
  EXPECT_NEAR(IpcCurrent(kIpc2152WithModifiers, c, 10, 100, WorkedModifiers()), 2.7010, 5e-5);
  // Without modifiers the factors must not leak in.
  IpcModifiers parallel = WorkedModifiers();
  parallel.parallel = true;
  parallel.parallelCount = 2;
  EXPECT_DOUBLE_EQ(IpcCurrent(kIpc2152WithoutModifiers, c, 10, 100, parallel),
                   IpcCurrent(kIpc2152WithoutModifiers, c, 10, 100, IpcModifiers{}));
  EXPECT_DOUBLE_EQ(IpcCurrent(kIpc2152WithModifiers, c, 10, 100, parallel),
                   IpcCurrent(kIpc2152WithModifiers, c, 10, 100, WorkedModifiers()) / 2);
  EXPECT_DOUBLE_EQ(
      IpcCurrent(kIpc2221A, SelectIpcCoefficients(kIpc2221A, kExternal), 10, 100, {}),
      2 * IpcCurrent(kIpc2221A, SelectIpcCoefficients(kIpc2221A, kInternal), 10, 100, {}));
}

TEST(IpcModel, Inversions) {
  const auto c = SelectIpcCoefficients(kIpc2152WithoutModifiers, kInternal);
  EXPECT_NEAR(IpcAreaFor(c, 1, 10), 42.393, 5e-4);
  EXPECT_NEAR(IpcRiseFor(kIpc2152WithoutModifiers, c, 5, 100, {}), 94.287, 5e-4);
  // The rise inversion gives back the rise of a forward evaluation, in each form.
  IpcModifiers parallel = WorkedModifiers();
  parallel.parallel = true;
  parallel.parallelCount = 3;
  for (IpcVersion version : kVersions)
    for (const IpcModifiers& m : {WorkedModifiers(), parallel}) {
      const auto k = SelectIpcCoefficients(version, kExternal);
      const double i = IpcCurrent(version, k, 37, 250, m);
      EXPECT_NEAR(IpcRiseFor(version, k, i, 250, m), 37, 1e-9) << static_cast<int>(version);
    }
}

TEST(Copper, WeightTablesKeepTheirOwnMetricDecimals) {
  EXPECT_DOUBLE_EQ(BaseCopperThickness(CopperWeight::Oz0_25, true), 0.009);
  EXPECT_DOUBLE_EQ(BaseCopperThickness(CopperWeight::Oz5, false), 7.0);
  EXPECT_DOUBLE_EQ(
      BaseCopperThickness(CopperWeight::Oz1, false) + PlatingThickness(PlatingWeight::Oz1, false),
      2.8);
  EXPECT_DOUBLE_EQ(
      BaseCopperThickness(CopperWeight::Oz1, true) + PlatingThickness(PlatingWeight::Oz1, true),
      0.07);
  EXPECT_DOUBLE_EQ(PlatingThickness(PlatingWeight::Bare, true), 0);
  // No item is no weight.
  EXPECT_FALSE(CopperWeightOfItem(-1));
  EXPECT_FALSE(PlatingWeightOfItem(7));
}

TEST(Copper, CrossSectionByEtchFactor) {
  EXPECT_DOUBLE_EQ(EtchedCrossSection(EtchFactor::OneToOne, 10, 2.8), 20.16);
  EXPECT_DOUBLE_EQ(EtchedCrossSection(EtchFactor::TwoToOne, 10, 2.8), 24.08);
  EXPECT_DOUBLE_EQ(EtchedCrossSection(EtchFactor::None, 10, 2.8), 28);
  EXPECT_DOUBLE_EQ(EtchedCrossSection(EtchFactor::OneToOne, 2.8, 2.8), 0);
  EXPECT_FALSE(EtchFactorOfItem(-1));
}

TEST(Copper, ResistivityBandsIncludeTheirUpperBound) {
  const BandCase cases[] = {{-40, false, 0.000519}, {-39.9, false, 0.000572},
                            {0, false, 0.000625},   {20, false, 0.0006787},
                            {60, false, 0.000785},  {60.1, false, 0.000839},
                            {-40, true, 0.02043},   {20.1, true, 0.02882},
                            {60, true, 0.03091},    {200, true, 0.03303}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(ResistivityBand(c.input, c.metric), c.expected) << c.input;
  EXPECT_DOUBLE_EQ(CorrectedResistivity(0.0006787, 20), 0.0006787);
  EXPECT_DOUBLE_EQ(CorrectedResistivity(0.000785, 60), 0.000785 * (1 + 0.00393 * 40));
}

TEST(Copper, SkinDepthAndDensity) {
  EXPECT_NEAR(SkinDepthMicrons(1), 66.00620, 5e-6);
  EXPECT_NEAR(SkinDepthMicrons(1) * kMilsPerMicron, 2.59867, 5e-6);
  EXPECT_NEAR(CurrentDensity(1, 100), 15500.03, 5e-3);
}

TEST(ConductorItems, GroupPositionsAsEnums) {
  EXPECT_EQ(IpcVersionOfItem(0), IpcVersion::Ipc2152WithModifiers);
  EXPECT_EQ(IpcVersionOfItem(1), IpcVersion::Ipc2152WithoutModifiers);
  EXPECT_EQ(IpcVersionOfItem(2), IpcVersion::Ipc2221A);
  EXPECT_FALSE(IpcVersionOfItem(-1));
  EXPECT_FALSE(IpcVersionOfItem(3));
  EXPECT_EQ(ConductorLayerOfItem(0), ConductorLayer::Internal);
  EXPECT_EQ(ConductorLayerOfItem(1), ConductorLayer::External);
  EXPECT_FALSE(ConductorLayerOfItem(-1));
  EXPECT_EQ(IpcLayerOfItem(-1), ConductorLayer::Internal);
  EXPECT_EQ(IpcLayerOfItem(1), ConductorLayer::External);
  EXPECT_EQ(PlaneWeightOfItem(0), PlaneWeight::Light);
  EXPECT_EQ(PlaneWeightOfItem(1), PlaneWeight::Heavy);
  EXPECT_FALSE(PlaneWeightOfItem(2));
  EXPECT_EQ(EtchFactorOfItem(2), EtchFactor::None);
  EXPECT_FALSE(EtchFactorOfItem(3));
  EXPECT_EQ(CopperWeightOfItem(8), CopperWeight::Oz5);
  EXPECT_FALSE(CopperWeightOfItem(9));
  EXPECT_EQ(PlatingWeightOfItem(0), PlatingWeight::Bare);
  EXPECT_FALSE(PlatingWeightOfItem(-1));
}

}  // namespace
