// The nineteen calculators: their identity, and in one table what the frame
// knows of each. Adding a calculator is one enumerator and one row here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace vcl {
class TObject;
class TGroupBox;
}  // namespace vcl

namespace trellis {

class TForm1;

// The numbers are the tab indexes and the stored "Program" value.
enum class Calculator : int {
  Bandwidth = 0,
  ConductorImpedance = 1,
  ConductorProperties = 2,
  Conversion = 3,
  DifferentialPairs = 4,
  EmbeddedResistors = 5,
  ErEffective = 6,
  FusingCurrent = 7,
  Mechanical = 8,
  ConductorSpacing = 9,
  OhmsLaw = 10,
  Padstack = 11,
  Pdn = 12,
  PlanarInductors = 13,
  PpmCalculator = 14,
  Thermal = 15,
  ViaProperties = 16,
  Wavelength = 17,
  Reactance = 18,
};

inline constexpr int kCalculatorCount = 19;

// The calculator a fresh install starts on.
inline constexpr Calculator kDefaultCalculator = Calculator::ViaProperties;

// The tab index and "Program" number of a calculator, and back; no calculator
// outside 0..kCalculatorCount-1.
constexpr int Number(Calculator c) { return static_cast<int>(c); }
std::optional<Calculator> CalculatorOfNumber(int number);
// The "Program" value as stored.
std::string ProgramText(Calculator c);

// The Options panel's structure selector (RadioGroup3) for a calculator.
struct SelectorRow {
  const char* caption;
  std::vector<const char*> items;
  int index;  // -1: none set
  bool tall;  // 169 high at 336 rather than 81 at 424
  // Refilled a second time when results show a decimal comma.
  bool refillWithComma;
  // Arranges the panel for the selector's choice; none: the selector only solves.
  void (TForm1::*arrange)();
};

// Enabled states of the Options panel: 1 on, 0 off, -1 left as is.
struct OptionsRow {
  int units, baseCopper, plating, structure;
  int plane;  // RadioGroup5: 0 hidden, 1 shown and disabled, 2 shown and enabled, 3 shown, by plane
  int substrate, er, tg, rise, ambient, manual;
  // The selection enables the plating box GroupBox32. The rise, ambient and base
  // boxes are enabled with their inputs (rise, ambient, baseCopper on).
  bool platingBox;
  enum Fill { Kept, Once, CommaToo };
  // RadioGroup5's items: left as they are, filled once, or filled and, with the
  // decimal comma, filled again in the comma form.
  Fill planeFill;
};

// The Information rows whose texts the selection leaves to the calculator.
struct InformationRow {
  bool temperature;  // Label23/Label27 as the structure selector left them
  bool first;        // Label55's caption
  bool copper;       // Label56
  bool right;        // Label110 and Label285
  bool current;      // Label72
  enum When { Never, BeforeChoice, AfterChoice };
  // "N/A" into Label27 while the selector is filled, around its choice.
  When conductorTempNA;
};

struct CalculatorRow {
  Calculator id;
  const char* layout;                     // its panel's layout resource
  vcl::TGroupBox* TForm1::*panel;         // the panel: the layout's root group box
  void (TForm1::*select)(vcl::TObject*);  // the selection menu item's handler
  void (TForm1::*solve)(vcl::TObject*);   // the calculator's part of Solve
  SelectorRow selector;
  OptionsRow options;
  InformationRow information;
};

// The rows, in calculator-number order.
const std::array<CalculatorRow, kCalculatorCount>& CalculatorTable();
// One row; raises std::out_of_range for a value outside the enumeration.
const CalculatorRow& RowOf(Calculator c);

// The panels' layouts in the order the main window loads them.
const std::array<Calculator, kCalculatorCount>& PanelLoadOrder();
// The order in which the tab handler tests the tab for each calculator.
const std::array<Calculator, kCalculatorCount>& TabTestOrder();

}  // namespace trellis
