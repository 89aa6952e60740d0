// The via model against the worked figures of the via calculator, as its
// result texts round them. The figures were worked out by hand from the
// formulas, independently of the program.
#include "calc/via/via_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "calc/conductor/conductor_model.h"
#include "tests/support/c_text.h"

using namespace trellis;
using conductor::IpcVersion;
using via::ViaLayerSet;

using trellis::testing::Text;

namespace {

// One via, every figure of its pass; lengths in mils, or millimetres when metric.
struct SingleCase {
  const char* name;
  bool metric;
  ViaLayerSet layerSet;
  double hole, pad, opening, height, plating;
  // shown texts
  const char *area, *current, *ratio, *capacitance, *inductance, *step, *resonance, *impedance;
  const char *resistance, *power, *dbm, *thermal, *perVia, *drop, *density;
};

// Er 4.6, rise 20 C, conductor at 42 C, 10 vias, IPC-2152 without modifiers.
constexpr double kEr = 4.6, kRise = 20, kConductorTemp = 42, kCount = 10;

// clang-format off
const SingleCase kSingle[] = {
    {"multi layer, mils", false, ViaLayerSet::MultiLayer, 10, 20, 40, 62, 1,
     "34.56", "1.1698", "6.20", "0.4021", "1.3262", "25.4032", "6891.661", "57.429",
     "0.00153", "0.00209", "3.2095", "179.3", "17.9", "1.7899", "52468.41"},
    {"2 layer, mils: 1 pF", false, ViaLayerSet::TwoLayer, 10, 20, 40, 62, 1,
     "34.56", "1.1698", "6.20", "1.0000", "1.3262", "40.0594", "4370.270", "36.418",
     "0.00153", "0.00209", "3.2095", "179.3", "17.9", "1.7899", "52468.41"},
    {"multi layer, millimetres", true, ViaLayerSet::MultiLayer, 0.254, 0.508, 1.016, 1.575, 0.0254,
     "0.0223", "1.1698", "6.20", "0.4022", "1.3265", "25.4069", "6890.682", "57.429",
     "0.00153", "0.00209", "3.2107", "179.3", "17.9", "1.7904", "52468.44"},
};
// clang-format on

TEST(ViaModel, SingleViaWorkedFigures) {
  for (const SingleCase& c : kSingle) {
    SCOPED_TRACE(c.name);
    const double area = via::BarrelCrossSection(c.hole, c.plating);
    EXPECT_EQ(Text(c.metric ? "%.4f" : "%.2f", area), c.area);
    const double sqMils = c.metric ? area * 1550 : area;

    via::ViaCurrentInputs in;
    in.version = IpcVersion::Ipc2152WithoutModifiers;
    in.tempRise = kRise;
    in.areaSqMils = sqMils;
    const double current = via::ViaCurrent(in);
    EXPECT_EQ(Text("%.4f", current), c.current);

    EXPECT_EQ(Text("%.2f", via::AspectRatio(c.height, c.hole)), c.ratio);

    via::ViaElectricalInputs e;
    e.layerSet = c.layerSet;
    e.hole = via::Inches(c.hole, c.metric);
    e.padDiameter = via::Inches(c.pad, c.metric);
    e.planeOpening = via::Inches(c.opening, c.metric);
    e.length = via::Inches(c.height, c.metric);
    e.er = kEr;
    const via::ViaElectrical el = via::ViaElectricalProperties(e);
    EXPECT_EQ(Text("%.4f", el.capacitance), c.capacitance);
    EXPECT_EQ(Text("%.4f", el.inductance), c.inductance);
    EXPECT_EQ(Text("%.4f", el.stepResponse), c.step);
    EXPECT_EQ(Text("%.3f", el.resonance), c.resonance);
    EXPECT_EQ(Text("%.3f", el.impedance), c.impedance);

    const double rho = conductor::CorrectedResistivity(
        conductor::ResistivityBand(kConductorTemp, c.metric), kConductorTemp);
    const double r = via::ViaResistance(rho, c.height, sqMils);
    EXPECT_EQ(Text("%.5f", r), c.resistance);
    const double p = via::ViaPowerDissipation(current, r);
    EXPECT_EQ(Text("%.5f", p), c.power);
    EXPECT_EQ(Text("%.4f", conductor::PowerDbm(p)), c.dbm);
    const double thermal = via::ViaThermalResistance(e.length, sqMils);
    EXPECT_EQ(Text("%.1f", thermal), c.thermal);
    EXPECT_EQ(Text("%.1f", via::ViaCountThermalResistance(thermal, kCount)), c.perVia);
    EXPECT_EQ(Text("%.4f", via::ViaVoltageDrop(current, r)), c.drop);
    EXPECT_EQ(Text("%.2f", conductor::CurrentDensity(current, sqMils)), c.density);
  }
}

// A ratio equal to its limit as typed does not exceed it, though its binary
// quotient may lie a hair above (8.4 / 1.4 gives 6.000000000000001); the next
// digit up does.
TEST(ViaModel, AspectRatioExceededStrictlyAboveTheTypedLimit) {
  struct Case {
    double height, hole, limit;
    bool exceeded;
  };
  const Case cases[] = {
      {8.4, 1.4, 6, false},         {8.5, 1.4, 6, true},        {8.4, 1.4, 6.1, false},
      {0.266, 0.0266, 10, false},   {0.267, 0.0266, 10, true},  {152.4, 25.4, 6, false},
      {152.5, 25.4, 6, true},       {0.1524, 0.0254, 6, false}, {16.8, 2.8, 6, false},
      {16.8, 2.8, 5.99999, true},   {100, 10, 10, false},       {101, 10, 10, true},
      {0.5, 1, 0.5, false},         {0.50001, 1, 0.5, true},    {6, 1e-3, 6000, false},
      {6.000001, 1e-3, 6000, true}, {1, 1, -1, true},           {0, 1, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.height << " / " << c.hole << " against " << c.limit);
    EXPECT_EQ(via::AspectRatioExceeded(c.height, c.hole, c.limit), c.exceeded);
  }
}

TEST(ViaModel, MicroviaKeepsTheLastCapacitance) {
  // A 5 mil microvia, 5 mils high, 0.7 mil plating.
  const double area = via::BarrelCrossSection(5, 0.7);
  EXPECT_EQ(Text("%.2f", area), "12.53");
  via::ViaCurrentInputs in;
  in.version = IpcVersion::Ipc2152WithoutModifiers;
  in.tempRise = kRise;
  in.areaSqMils = area;
  const double current = via::ViaCurrent(in);
  EXPECT_EQ(Text("%.4f", current), "0.5608");
  EXPECT_EQ(Text("%.2f", via::AspectRatio(5, 5)), "1.00");
  EXPECT_FALSE(via::AspectRatioExceeded(5, 5, 1));
  EXPECT_TRUE(via::AspectRatioExceeded(6, 5, 1));

  via::ViaElectricalInputs e;
  e.layerSet = ViaLayerSet::Microvia;
  e.hole = via::Inches(5, false);
  e.padDiameter = via::Inches(20, false);
  e.planeOpening = via::Inches(40, false);
  e.length = via::Inches(5, false);
  e.er = kEr;
  e.previousCapacitance = 0.4021;
  EXPECT_DOUBLE_EQ(via::ViaElectricalProperties(e).capacitance, 0.4021);
  EXPECT_EQ(Text("%.4f", via::ViaElectricalProperties(e).inductance), "0.0606");

  const double rho = conductor::CorrectedResistivity(
      conductor::ResistivityBand(kConductorTemp, false), kConductorTemp);
  const double r = via::ViaResistance(rho, 5, area);
  EXPECT_EQ(Text("%.5f", r), "0.00034");
  const double p = via::ViaPowerDissipation(current, r);
  EXPECT_EQ(Text("%.5f", p), "0.00011");
  EXPECT_EQ(Text("%.4f", conductor::PowerDbm(p)), "-9.7066");
  const double thermal = via::ViaThermalResistance(e.length, area);
  EXPECT_EQ(Text("%.1f", thermal), "39.9");
  EXPECT_EQ(Text("%.1f", via::ViaCountThermalResistance(thermal, kCount)), "4.0");
  EXPECT_EQ(Text("%.4f", via::ViaVoltageDrop(current, r)), "0.1908");
  EXPECT_EQ(Text("%.2f", conductor::CurrentDensity(current, area)), "69344.71");
}

TEST(ViaModel, CurrentByIpcVersion) {
  // The worked via: 34.56 sq.mils at a rise of 20; height band 0.95 (62 mils), FR-4's 0.98.
  const double area = via::BarrelCrossSection(10, 1);
  struct Case {
    IpcVersion version;
    bool heightDisabled;
    const char* current;
  };
  const Case cases[] = {
      {IpcVersion::Ipc2152WithModifiers, false, "1.9785"},
      {IpcVersion::Ipc2152WithModifiers, true, "2.0826"},
      {IpcVersion::Ipc2152WithoutModifiers, false, "1.1698"},
      {IpcVersion::Ipc2152WithoutModifiers, true, "1.1698"},
      // No external-layer constant for a via: IPC-2221A gives the plain fit.
      {IpcVersion::Ipc2221A, false, "1.1698"},
      {IpcVersion::Ipc2221A, true, "1.1698"},
  };
  for (const Case& c : cases) {
    via::ViaCurrentInputs in;
    in.version = c.version;
    in.tempRise = kRise;
    in.areaSqMils = area;
    in.areaCorrection = conductor::AreaCorrection(area, kRise);
    in.boardThickness = conductor::BoardThicknessModifier(62, false);
    in.heightDisabled = c.heightDisabled;
    in.material = 0.98;
    EXPECT_EQ(Text("%.4f", via::ViaCurrent(in)), c.current)
        << static_cast<int>(c.version) << " " << c.heightDisabled;
  }
  EXPECT_DOUBLE_EQ(via::kViaIpcCoefficients.k, 0.024);
  EXPECT_DOUBLE_EQ(via::kViaIpcCoefficients.b, 0.44);
  EXPECT_DOUBLE_EQ(via::kViaIpcCoefficients.c, 0.725);
}

TEST(ViaModel, AViaWiderThanHighHasNoInductance) {
  via::ViaElectricalInputs e;
  e.layerSet = ViaLayerSet::MultiLayer;
  e.hole = via::Inches(250, false);
  e.padDiameter = via::Inches(260, false);
  e.planeOpening = via::Inches(300, false);
  e.length = via::Inches(1, false);
  e.er = kEr;
  const via::ViaElectrical el = via::ViaElectricalProperties(e);
  EXPECT_EQ(el.inductance, 0);
  EXPECT_TRUE(std::isinf(el.resonance) && el.resonance > 0);
  EXPECT_EQ(el.impedance, 0);
  EXPECT_EQ(el.stepResponse, 0);
}

TEST(ViaModel, UnitsOfTheElectricalFormulas) {
  EXPECT_DOUBLE_EQ(via::Inches(62, false), 0.062);
  EXPECT_DOUBLE_EQ(via::Inches(25.4, true), 1.0);
  EXPECT_DOUBLE_EQ(via::FromInches(0.3, false), 300);
  EXPECT_DOUBLE_EQ(via::FromInches(1, true), 25.4);
}

// A differential pair of vias; lengths in one unit, Er 4.6.
struct DifferentialCase {
  const char* name;
  bool metric;
  double hole, spacing, h, w, anisotropy, baud, pair;
  const char *averageEr, *odd, *diff, *erEffective, *stub, *loss;
};

// clang-format off
const DifferentialCase kDifferential[] = {
    {"worked, mils",          false, 10,    60,    40,    62,     18, 1, 100,
     "5.014", "53.838", "107.677", "7.626", "304.19", "-0.6543"},
    {"worked, millimetres",   true,  0.254, 1.524, 1.016, 1.5748, 18, 1, 100,
     "5.014", "53.838", "107.677", "7.626", "7.7263", "-0.6543"},
    {"twice the baud rate",   false, 10,    60,    40,    62,     18, 2, 100,
     "5.014", "53.838", "107.677", "7.626", "152.09", "-0.6543"},
    {"no anisotropy",         false, 10,    60,    40,    62,     0,  1, 100,
     "4.600", "56.209", "112.418", "6.996", "317.58", "-1.0465"},
    {"pair at twice the via", false, 10,    60,    40,    62,     18, 1, 215.354,
     "5.014", "53.838", "107.677", "7.626", "304.19", "-7.0437"},
    {"pair at half the via",  false, 10,    60,    40,    62,     18, 1, 53.8385,
     "5.014", "53.838", "107.677", "7.626", "304.19", "-7.0436"},
    {"matched pair",          false, 10,    60,    40,    62,     18, 1, 107.677,
     "5.014", "53.838", "107.677", "7.626", "304.19", "-0.0000"},
};
// clang-format on

TEST(ViaModel, DifferentialViaWorkedFigures) {
  for (const DifferentialCase& c : kDifferential) {
    SCOPED_TRACE(c.name);
    const via::DifferentialVia v =
        via::DifferentialViaProperties({c.hole, c.spacing, c.h, c.w, kEr, c.anisotropy, c.baud});
    EXPECT_EQ(Text("%.3f", v.averageEr), c.averageEr);
    EXPECT_EQ(Text("%.3f", v.oddImpedance), c.odd);
    EXPECT_EQ(Text("%.3f", v.diffImpedance), c.diff);
    EXPECT_EQ(Text("%.3f", v.erEffective), c.erEffective);
    EXPECT_EQ(Text(c.metric ? "%.4f" : "%.2f", via::FromInches(v.maxStubInches, c.metric)), c.stub);
    const via::ViaMismatchLoss loss = via::MismatchLoss(c.pair, v.diffImpedance);
    EXPECT_EQ(Text("%.4f", loss.insertion), c.loss);
    EXPECT_DOUBLE_EQ(loss.insertion, 2 * loss.transition);
  }
}

}  // namespace
