#include "app/calculators.h"

#include <stdexcept>

#include "app/form1.h"

namespace trellis {

using C = Calculator;

namespace {

constexpr auto Kept = OptionsRow::Kept, Once = OptionsRow::Once, CommaToo = OptionsRow::CommaToo;
constexpr auto Never = InformationRow::Never, Before = InformationRow::BeforeChoice,
               After = InformationRow::AfterChoice;
constexpr bool T = true, F = false;

}  // namespace

const std::array<CalculatorRow, kCalculatorCount>& CalculatorTable() {
  const std::vector<const char*> layers = {"Internal Layer", "External Layer"};
  const std::vector<const char*> lines = {"Microstrip", "Stripline"};
  // clang-format off
  static const std::array<CalculatorRow, kCalculatorCount> table = {{
  // id, panel layout, panel, menu handler, solve,
  //   selector {caption, items, index, tall, refillWithComma, arrange},
  //   options {units, baseCopper, plating, structure, plane, substrate, er, tg, rise, ambient, manual,
  //            platingBox, planeFill},
  //   information {temperature, first, copper, right, current, conductorTempNA}
  {C::Bandwidth, "Form1_Bandwidth", &TForm1::GroupBox6,
   &TForm1::SignalProperties1Click, &TForm1::SolveBandwidth,
   {" Passive Circuits ", lines, 0, F, T, nullptr},
   {1, 0, 0, 1, 1, 1, 1, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::ConductorImpedance, "Form1_ConductorImpedance", &TForm1::GroupBox15,
   &TForm1::RFImpedances1Click, &TForm1::SolveConductorImpedance,
   {" Passive Circuits ", {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym",
                           "Dual Stripline", "Coplanar Wave"},
    0, T, F, &TForm1::ArrangeImpedanceStructure},
   {1, 1, -1, 1, 0, 1, 1, 0, 0, 0, 1, F, CommaToo},
   {T, F, T, T, F, After}},
  {C::ConductorProperties, "Form1_ConductorProperties", &TForm1::GroupBox5,
   &TForm1::ConductorProperties1Click,
   &TForm1::SolveConductorProperties,
   {" Conductor Layer ", layers, 1, F, T, &TForm1::ArrangeConductorLayer},
   {1, 1, -1, 1, 3, 1, 0, 1, 1, 1, 1, F, CommaToo},
   {F, F, T, T, T, Never}},
  {C::Conversion, "Form1_Conversion", &TForm1::GroupBox7,
   &TForm1::ConversionData1Click, &TForm1::SolveConversion,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, Kept},
   {F, F, T, F, F, Never}},
  {C::DifferentialPairs, "Form1_DifferentialPairs", &TForm1::GroupBox8,
   &TForm1::DifferentialPairs1Click, &TForm1::SolveDifferentialPairs,
   {" Differential Layer ", {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym",
                             "Edge Cpld Embed", "Broad Cpld Shld", "Broad Cpld NShld"},
    0, T, F, &TForm1::ArrangeDifferentialMode},
   {1, 1, 1, 1, 0, 1, 1, 0, 0, 0, 1, F, Once},
   {F, F, T, T, F, After}},
  {C::EmbeddedResistors, "Form1_EmbeddedResistors", &TForm1::GroupBox34,
   &TForm1::EmbeddedRs1Click, &TForm1::SolveEmbeddedResistor,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::ErEffective, "Form1_ErEffective", &TForm1::GroupBox43,
   &TForm1::ErEffective1Click, &TForm1::SolveErEffective,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {1, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1, T, CommaToo},
   {F, F, T, F, F, After}},
  {C::FusingCurrent, "Form1_FusingCurrent", &TForm1::GroupBox33,
   &TForm1::FuseCurrent1Click, &TForm1::SolveFusingCurrent,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {1, 1, 1, 0, 1, 0, 0, 0, 0, 1, 1, T, CommaToo},
   {F, F, F, F, F, After}},
  {C::Mechanical, "Form1_Mechanical", &TForm1::GroupBox11,
   &TForm1::Mechanical1Click, &TForm1::SolveMechanical,
   {" Conductor Layer ", layers, -1, F, T, nullptr},
   {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::ConductorSpacing, "Form1_ConductorSpacing", &TForm1::GroupBox13,
   &TForm1::ConductorSpacing1Click, &TForm1::SolveConductorSpacing,
   {" Conductor Layer ", layers, -1, F, T, nullptr},
   {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::OhmsLaw, "Form1_OhmsLaw", &TForm1::GroupBox47,
   &TForm1::OhmsLaw1Click, &TForm1::SolveOhmsLaw,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, T, F, F, F, After}},
  {C::Padstack, "Form1_Padstack", &TForm1::GroupBox10,
   &TForm1::Padstacks1Click, &TForm1::SolvePadstack,
   {" Conductor Layer ", layers, -1, F, T, nullptr},
   {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::Pdn, "Form1_Pdn", &TForm1::GroupBox23,
   &TForm1::PDNImpedance1Click, &TForm1::SolvePdn,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {1, 0, 0, 0, 1, 1, 1, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::PlanarInductors, "Form1_PlanarInductors", &TForm1::GroupBox20,
   &TForm1::PlanarInductors1Click, &TForm1::SolvePlanarInductor,
   {" Inductor Geometry ", {"Square", "Hexagonal", "Octagonal", "Circular"},
    0, T, F, &TForm1::ArrangeInductorGeometry},
   {1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::PpmCalculator, "Form1_PpmCalculator", &TForm1::GroupBox36,
   &TForm1::PPMCalculator1Click, &TForm1::SolvePpmCalculator,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  {C::Thermal, "Form1_Thermal", &TForm1::GroupBox27,
   &TForm1::ThermalManagement1Click, &TForm1::SolveThermal,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  // The via calculator arranges the whole Information panel itself.
  {C::ViaProperties, "Form1_ViaProperties", &TForm1::GroupBox1,
   &TForm1::ViaProperties1Click, &TForm1::SolveViaProperties,
   {" Layer Set ", {"2 Layer", "Multi Layer", "Microvia"}, 1, F, F, &TForm1::ArrangeViaLayerSet},
   {1, 0, 0, 1, 2, 1, 1, 1, 1, 1, 0, F, Once},
   {T, T, T, T, T, Never}},
  {C::Wavelength, "Form1_Wavelength", &TForm1::GroupBox22,
   &TForm1::WavelengthCalculator1Click, &TForm1::SolveWavelength,
   {" Conductor Layer ", lines, 0, F, F, nullptr},
   {1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, Before}},
  {C::Reactance, "Form1_Reactance", &TForm1::GroupBox48,
   &TForm1::XlXCReactance1Click, &TForm1::SolveReactance,
   {" Conductor Layer ", layers, -1, F, F, nullptr},
   {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, F, CommaToo},
   {F, F, F, F, F, After}},
  }};
  // clang-format on
  return table;
}

const CalculatorRow& RowOf(Calculator c) {
  const auto& table = CalculatorTable();
  const int n = Number(c);
  if (n < 0 || n >= kCalculatorCount || table[n].id != c)
    throw std::out_of_range("no calculator numbered " + std::to_string(n));
  return table[n];
}

std::optional<Calculator> CalculatorOfNumber(int number) {
  if (number < 0 || number >= kCalculatorCount) return std::nullopt;
  return CalculatorTable()[number].id;
}

std::string ProgramText(Calculator c) { return std::to_string(Number(c)); }

// By folder: impedance, conductor, reference, differential pair, circuit, via.
const std::array<Calculator, kCalculatorCount>& PanelLoadOrder() {
  // clang-format off
  static constexpr std::array<Calculator, kCalculatorCount> order = {
      C::Bandwidth, C::ConductorImpedance, C::ErEffective, C::Wavelength,
      C::ConductorProperties, C::FusingCurrent, C::ConductorSpacing, C::Thermal,
      C::Conversion, C::Mechanical,
      C::DifferentialPairs,
      C::EmbeddedResistors, C::OhmsLaw, C::Pdn, C::PlanarInductors, C::PpmCalculator, C::Reactance,
      C::ViaProperties, C::Padstack};
  // clang-format on
  return order;
}

const std::array<Calculator, kCalculatorCount>& TabTestOrder() {
  // clang-format off
  static constexpr std::array<Calculator, kCalculatorCount> order = {
      C::ViaProperties, C::ConductorProperties, C::Bandwidth, C::DifferentialPairs, C::Padstack,
      C::Mechanical, C::ConductorSpacing, C::ConductorImpedance, C::Conversion,
      C::PlanarInductors, C::Pdn, C::Thermal, C::FusingCurrent, C::EmbeddedResistors,
      C::PpmCalculator, C::Wavelength, C::ErEffective, C::OhmsLaw, C::Reactance};
  // clang-format on
  return order;
}

}  // namespace trellis
