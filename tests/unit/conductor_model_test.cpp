// The current model and the copper rules against worked figures and band edges.
#include <gtest/gtest.h>

#include <cmath>

#include "calc/conductor/copper.h"
#include "calc/conductor/ipc_current.h"

using namespace trellis::conductor;

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
    int item;
    bool metric;
    double expected;
  };
  const Case cases[] = {{5, 0, false, 1.59},   {5, 1, false, 1.63},   {10, 0, false, 1.55},
                        {100, 0, false, 1.2},  {100, 1, false, 1.24}, {2.54, 0, true, 1.2},
                        {2.54, 1, true, 1.24}, {1.27, 1, true, 1.46}, {0.5, 0, true, 1.55}};
  for (const auto& c : cases)
    EXPECT_DOUBLE_EQ(PlaneModifier(c.distance, c.item, c.metric), c.expected) << c.distance;
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

TEST(IpcModel, CoefficientsDoubleOnlyForExternalIpc2221A) {
  EXPECT_DOUBLE_EQ(SelectIpcCoefficients(kIpc2221A, 1).k, 0.048);
  for (int version : {0, 1, 2}) EXPECT_DOUBLE_EQ(SelectIpcCoefficients(version, 0).k, 0.024);
  EXPECT_DOUBLE_EQ(SelectIpcCoefficients(kIpc2152WithModifiers, 1).k, 0.024);
  EXPECT_DOUBLE_EQ(SelectIpcCoefficients(kIpc2152WithoutModifiers, 1).k, 0.024);
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
  const auto c = SelectIpcCoefficients(0, 1);
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
  EXPECT_DOUBLE_EQ(IpcCurrent(kIpc2221A, SelectIpcCoefficients(2, 1), 10, 100, {}),
                   2 * IpcCurrent(kIpc2221A, SelectIpcCoefficients(2, 0), 10, 100, {}));
}

TEST(IpcModel, Inversions) {
  const auto c = SelectIpcCoefficients(1, 0);
  EXPECT_NEAR(IpcAreaFor(c, 1, 10), 42.393, 5e-4);
  EXPECT_NEAR(IpcRiseFor(kIpc2152WithoutModifiers, c, 5, 100, {}), 94.287, 5e-4);
  // The rise inversion gives back the rise of a forward evaluation, in each form.
  IpcModifiers parallel = WorkedModifiers();
  parallel.parallel = true;
  parallel.parallelCount = 3;
  for (int version : {0, 1, 2})
    for (const IpcModifiers& m : {WorkedModifiers(), parallel}) {
      const auto k = SelectIpcCoefficients(version, 1);
      const double i = IpcCurrent(version, k, 37, 250, m);
      EXPECT_NEAR(IpcRiseFor(version, k, i, 250, m), 37, 1e-9) << version;
    }
}

TEST(Copper, WeightTablesKeepTheirOwnMetricDecimals) {
  EXPECT_DOUBLE_EQ(*BaseCopperThickness(0, true), 0.009);
  EXPECT_DOUBLE_EQ(*BaseCopperThickness(8, false), 7.0);
  EXPECT_DOUBLE_EQ(*BaseCopperThickness(2, false) + *PlatingThickness(2, false), 2.8);
  EXPECT_DOUBLE_EQ(*BaseCopperThickness(2, true) + *PlatingThickness(2, true), 0.07);
  EXPECT_DOUBLE_EQ(*PlatingThickness(0, true), 0);
  EXPECT_FALSE(BaseCopperThickness(-1, false));
  EXPECT_FALSE(PlatingThickness(7, false));
}

TEST(Copper, CrossSectionByEtchFactor) {
  EXPECT_DOUBLE_EQ(*EtchedCrossSection(kEtch1To1, 10, 2.8), 20.16);
  EXPECT_DOUBLE_EQ(*EtchedCrossSection(kEtch2To1, 10, 2.8), 24.08);
  EXPECT_DOUBLE_EQ(*EtchedCrossSection(kEtchNone, 10, 2.8), 28);
  EXPECT_DOUBLE_EQ(*EtchedCrossSection(kEtch1To1, 2.8, 2.8), 0);
  EXPECT_FALSE(EtchedCrossSection(-1, 10, 2.8));
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

}  // namespace
