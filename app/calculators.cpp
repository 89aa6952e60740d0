#include "app/calculators.h"

#include <stdexcept>

#include "app/form1.h"

namespace trellis {

using C = Calculator;

namespace {

constexpr auto On = Enabling::On, Kept = Enabling::Kept;
constexpr auto Hidden = OptionsRow::Hidden, ShownEnabled = OptionsRow::ShownEnabled,
               ByPlaneType = OptionsRow::ByPlaneType;
constexpr auto Always = ManualCopperRow::Always, AtStructure = ManualCopperRow::AtStructure;

}  // namespace

// Each row names only what differs from the defaults in calculators.h: the
// Options panel's units group on, its other inputs off, the plane group shown
// and disabled, and a two-item " Conductor Layer " selector with no choice.
const std::array<CalculatorRow, kCalculatorCount>& CalculatorTable() {
  // Static like the table: every Solve looks the table up.
  static const std::vector<const char*> lines = {"Microstrip", "Stripline"};
  // clang-format off
  static const std::array<CalculatorRow, kCalculatorCount> table = {{
  {.id = C::Bandwidth, .layout = "Form1_Bandwidth", .panel = &TForm1::GroupBox6,
   .select = &TForm1::SignalProperties1Click, .solve = &TForm1::SolveBandwidth,
   .selector = {.caption = " Passive Circuits ", .items = lines, .index = 0,
                .refillWithComma = true},
   .options = {.structure = On, .substrate = On, .er = On,
               .planeGroup = {.enabledAtStart = true}}},
  {.id = C::ConductorImpedance, .layout = "Form1_ConductorImpedance", .panel = &TForm1::GroupBox15,
   .select = &TForm1::RFImpedances1Click, .solve = &TForm1::SolveConductorImpedance,
   .selector = {.caption = " Passive Circuits ",
                .items = {"Microstrip", "Microstrip Embed", "Stripline", "Stripline Asym",
                          "Dual Stripline", "Coplanar Wave"},
                .index = 0, .tall = true, .arrange = &TForm1::ArrangeImpedanceStructure},
   .options = {.baseCopper = On, .plating = Kept, .structure = On, .plane = Hidden,
               .substrate = On, .er = On, .manual = On,
               .manualCopper = {.base = true, .plating = AtStructure, .structure = 0}},
   .information = {.temperature = true, .copper = true, .right = true},
   .unitBoxes = &TForm1::ImpedanceUnitBoxes},
  {.id = C::ConductorProperties, .layout = "Form1_ConductorProperties", .panel = &TForm1::GroupBox5,
   .select = &TForm1::ConductorProperties1Click, .solve = &TForm1::SolveConductorProperties,
   .selector = {.index = 1, .refillWithComma = true, .arrange = &TForm1::ArrangeConductorLayer},
   .options = {.baseCopper = On, .plating = Kept, .structure = On, .plane = ByPlaneType,
               .substrate = On, .tg = On, .rise = On, .ambient = On, .manual = On,
               .planeGroup = {.unitWeightsAtStart = true},
               .manualCopper = {.base = true, .plating = AtStructure, .structure = 1}},
   .information = {.copper = true, .right = true, .current = true,
                   .conductorTempNA = InformationRow::Never,
                   .arrange = &TForm1::ArrangeConductorInformation, .conductorTemperature = true},
   .programOptions = {.ipcMode = &TForm1::Label243, .etch = &TForm1::Label126,
                      .etchPictures = {&TForm1::Image68, &TForm1::Image73, &TForm1::Image69}},
   .unitBoxes = &TForm1::ConductorUnitBoxes, .unitsSwitch = &TForm1::ConductorUnitsSwitch},
  {.id = C::Conversion, .layout = "Form1_Conversion", .panel = &TForm1::GroupBox7,
   .select = &TForm1::ConversionData1Click, .solve = &TForm1::SolveConversion,
   .options = {.planeFill = OptionsRow::Kept},
   .information = {.copper = true, .conductorTempNA = InformationRow::Never,
                   .arrange = &TForm1::ArrangeConversionInformation},
   .unitBoxes = &TForm1::ConversionUnitBoxes, .unitsSwitch = &TForm1::ConversionUnitsSwitch},
  {.id = C::DifferentialPairs, .layout = "Form1_DifferentialPairs", .panel = &TForm1::GroupBox8,
   .select = &TForm1::DifferentialPairs1Click, .solve = &TForm1::SolveDifferentialPairs,
   .selector = {.caption = " Differential Layer ",
                .items = {"Edge Cpld Ext", "Edge Cpld Int Sym", "Edge Cpld Int Asym",
                          "Edge Cpld Embed", "Broad Cpld Shld", "Broad Cpld NShld"},
                .index = 0, .tall = true, .arrange = &TForm1::ArrangeDifferentialMode,
                .clearedByTab = true},
   .options = {.baseCopper = On, .plating = On, .structure = On, .plane = Hidden,
               .substrate = On, .er = On, .manual = On, .planeFill = OptionsRow::Once,
               .manualCopper = {.base = true, .plating = AtStructure, .structure = 0}},
   .information = {.copper = true, .right = true,
                   .arrange = &TForm1::ArrangeDifferentialPairInformation},
   .unitBoxes = &TForm1::DifferentialPairUnitBoxes},
  {.id = C::EmbeddedResistors, .layout = "Form1_EmbeddedResistors", .panel = &TForm1::GroupBox34,
   .select = &TForm1::EmbeddedRs1Click, .solve = &TForm1::SolveEmbeddedResistor,
   .unitBoxes = &TForm1::ResistorUnitBoxes, .unitsSwitch = &TForm1::ResistorUnitsSwitch},
  {.id = C::ErEffective, .layout = "Form1_ErEffective", .panel = &TForm1::GroupBox43,
   .select = &TForm1::ErEffective1Click, .solve = &TForm1::SolveErEffective,
   .options = {.baseCopper = On, .plating = On, .substrate = On, .er = On, .manual = On,
               .platingBox = true, .manualCopper = {.base = true, .plating = Always},
               .refusesAir = true},
   .information = {.copper = true},
   .unitBoxes = &TForm1::ErEffectiveUnitBoxes},
  {.id = C::FusingCurrent, .layout = "Form1_FusingCurrent", .panel = &TForm1::GroupBox33,
   .select = &TForm1::FuseCurrent1Click, .solve = &TForm1::SolveFusingCurrent,
   .options = {.baseCopper = On, .plating = On, .ambient = On, .manual = On, .platingBox = true,
               .manualCopper = {.base = true, .plating = Always}},
   .programOptions = {.etch = &TForm1::Label380,
                      .etchPictures = {&TForm1::Image74, &TForm1::Image76, &TForm1::Image75}},
   .unitBoxes = &TForm1::FusingUnitBoxes},
  {.id = C::Mechanical, .layout = "Form1_Mechanical", .panel = &TForm1::GroupBox11,
   .select = &TForm1::Mechanical1Click, .solve = &TForm1::SolveMechanical,
   .selector = {.refillWithComma = true},
   .unitsSwitch = &TForm1::MechanicalUnitsSwitch},
  {.id = C::ConductorSpacing, .layout = "Form1_ConductorSpacing", .panel = &TForm1::GroupBox13,
   .select = &TForm1::ConductorSpacing1Click, .solve = &TForm1::SolveConductorSpacing,
   .selector = {.refillWithComma = true}},
  {.id = C::OhmsLaw, .layout = "Form1_OhmsLaw", .panel = &TForm1::GroupBox47,
   .select = &TForm1::OhmsLaw1Click, .solve = &TForm1::SolveOhmsLaw,
   .options = {.units = Enabling::Off},
   .information = {.first = true, .arrange = &TForm1::ArrangeOhmsLawInformation}},
  {.id = C::Padstack, .layout = "Form1_Padstack", .panel = &TForm1::GroupBox10,
   .select = &TForm1::Padstacks1Click, .solve = &TForm1::SolvePadstack,
   .selector = {.refillWithComma = true},
   .solvable = &TForm1::PadstackSolvable,
   .unitBoxes = &TForm1::PadstackUnitBoxes, .micronsSwitch = &TForm1::PadstackMicronsSwitch},
  {.id = C::Pdn, .layout = "Form1_Pdn", .panel = &TForm1::GroupBox23,
   .select = &TForm1::PDNImpedance1Click, .solve = &TForm1::SolvePdn,
   .options = {.substrate = On, .er = On},
   .unitBoxes = &TForm1::PdnUnitBoxes},
  {.id = C::PlanarInductors, .layout = "Form1_PlanarInductors", .panel = &TForm1::GroupBox20,
   .select = &TForm1::PlanarInductors1Click, .solve = &TForm1::SolvePlanarInductor,
   .selector = {.caption = " Inductor Geometry ",
                .items = {"Square", "Hexagonal", "Octagonal", "Circular"},
                .index = 0, .tall = true, .arrange = &TForm1::ArrangeInductorGeometry},
   .options = {.structure = On, .plane = Hidden},
   .unitBoxes = &TForm1::InductorUnitBoxes},
  {.id = C::PpmCalculator, .layout = "Form1_PpmCalculator", .panel = &TForm1::GroupBox36,
   .select = &TForm1::PPMCalculator1Click, .solve = &TForm1::SolvePpmCalculator,
   .options = {.units = Enabling::Off}},
  {.id = C::Thermal, .layout = "Form1_Thermal", .panel = &TForm1::GroupBox27,
   .select = &TForm1::ThermalManagement1Click, .solve = &TForm1::SolveThermal,
   .options = {.units = Enabling::Off, .ambient = On}},
  {.id = C::ViaProperties, .layout = "Form1_ViaProperties", .panel = &TForm1::GroupBox1,
   .select = &TForm1::ViaProperties1Click, .solve = &TForm1::SolveViaProperties,
   .selector = {.caption = " Layer Set ", .items = {"2 Layer", "Multi Layer", "Microvia"},
                .index = 1, .arrange = &TForm1::ArrangeViaLayerSet},
   .options = {.structure = On, .plane = ShownEnabled, .substrate = On, .er = On, .tg = On,
               .rise = On, .ambient = On, .planeFill = OptionsRow::Once,
               .planeGroup = {.caption = " Property Selection ",
                              .hint = "Select between single via properties and differential "
                                      "via properties.",
                              .modes = {"Via Properties", "Via Stub Length"},
                              .arrange = &TForm1::ArrangeViaPropertySelection}},
   // The via calculator arranges the whole Information panel itself.
   .information = {.temperature = true, .first = true, .copper = true, .right = true,
                   .current = true, .conductorTempNA = InformationRow::Never,
                   .arrange = &TForm1::ArrangeViaInformation, .ownsPanel = true,
                   .conductorTemperature = true},
   .programOptions = {.ipcMode = &TForm1::Label187, .ipcModeChanged = &TForm1::ViaIpcModeChanged},
   .unitBoxes = &TForm1::ViaUnitBoxes},
  {.id = C::Wavelength, .layout = "Form1_Wavelength", .panel = &TForm1::GroupBox22,
   .select = &TForm1::WavelengthCalculator1Click, .solve = &TForm1::SolveWavelength,
   .selector = {.items = lines, .index = 0},
   .information = {.conductorTempNA = InformationRow::BeforeChoice}},
  {.id = C::Reactance, .layout = "Form1_Reactance", .panel = &TForm1::GroupBox48,
   .select = &TForm1::XlXCReactance1Click, .solve = &TForm1::SolveReactance,
   .options = {.units = Enabling::Off},
   .information = {.arrange = &TForm1::ArrangeReactanceInformation}},
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

const CalculatorRow* RowOfNumber(int number) {
  if (number < 0 || number >= kCalculatorCount) return nullptr;
  return &CalculatorTable()[number];
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
