// The calculators: their identity, and in one table what the frame knows of
// each. Adding a calculator is one enumerator and one row here.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/unit_boxes.h"

namespace vcl {
class TObject;
class TGroupBox;
class TLabel;
class TImage;
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
  // Not a calculator: one past the last, so that the count follows the list.
  End
};

inline constexpr int kCalculatorCount = static_cast<int>(Calculator::End);

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
  const char* caption = " Conductor Layer ";
  std::vector<const char*> items = {"Internal Layer", "External Layer"};
  int index = -1;     // -1: none set
  bool tall = false;  // 169 high at 336 rather than 81 at 424
  // Refilled a second time when results show a decimal comma.
  bool refillWithComma = false;
  // Arranges the panel for the selector's choice; none: the selector only solves.
  void (TForm1::*arrange)() = nullptr;
  // Emptied by the tab handler before the selection, so that the refill's
  // choice arranges the panel again.
  bool clearedByTab = false;
};

// The third group (RadioGroup5): a plane weight, or a calculator's own modes.
struct PlaneGroupRow {
  const char* caption = " Plane Thickness ";
  const char* hint = "Select between a 1oz and a 2oz plane.";
  // The modes the group chooses among instead of a plane weight; the units
  // switch keeps the choice.
  std::vector<const char*> modes = {};
  // Arranges the panel for the chosen mode, before the Solve of a click.
  void (TForm1::*arrange)() = nullptr;
  // The start-up refills the weights in the units shown.
  bool unitWeightsAtStart = false;
  // A stored program of this calculator enables the group at start-up.
  bool enabledAtStart = false;
};

// Enabled states of the Options panel.
enum class Enabling : signed char { Kept = -1, Off = 0, On = 1 };

// Which manual copper boxes a calculator reads.
struct ManualCopperRow {
  bool base = false;
  enum Plating { Never, Always, AtStructure };
  Plating plating = Never;
  int structure = 0;  // the structure with plating, for AtStructure
};

struct OptionsRow {
  Enabling units = Enabling::On, baseCopper = Enabling::Off, plating = Enabling::Off,
           structure = Enabling::Off;
  enum Plane { Hidden, ShownDisabled, ShownEnabled, ByPlaneType };
  // ByPlaneType: enabled with a plane (RadioGroup2's second item), disabled without.
  Plane plane = ShownDisabled;
  Enabling substrate = Enabling::Off, er = Enabling::Off, tg = Enabling::Off, rise = Enabling::Off,
           ambient = Enabling::Off, manual = Enabling::Off;
  // The selection enables the plating box GroupBox32. The rise, ambient and base
  // boxes are enabled with their inputs (rise, ambient, baseCopper on).
  bool platingBox = false;
  enum Fill { Kept, Once, CommaToo };
  // RadioGroup5's items: left as they are, filled once, or filled and, with the
  // decimal comma, filled again in the comma form.
  Fill planeFill = CommaToo;
  PlaneGroupRow planeGroup = {};
  ManualCopperRow manualCopper = {};
  // The substrate may not be air.
  bool refusesAir = false;
};

// The Information rows whose texts the selection leaves to the calculator.
struct InformationRow {
  bool temperature = false;  // Label23/Label27 as the structure selector left them
  bool first = false;        // Label55's caption
  bool copper = false;       // Label56
  bool right = false;        // Label110 and Label285
  bool current = false;      // Label72
  enum When { Never, BeforeChoice, AfterChoice };
  // "N/A" into Label27 while the selector is filled, around its choice.
  When conductorTempNA = AfterChoice;
  // The calculator's own arrangement, after the common one.
  void (TForm1::*arrange)() = nullptr;
  // The arrangement is the whole panel's: the common one is left out.
  bool ownsPanel = false;
  // Label27 shows the conductor temperature in the units shown.
  bool conductorTemperature = false;
};

// Texts the selection copies from the Program Options into the panel.
struct ProgramOptionsRow {
  vcl::TLabel* TForm1::*ipcMode = nullptr;  // the IPC mode's name
  vcl::TLabel* TForm1::*etch = nullptr;     // the etch factor, with its three pictures
  std::array<vcl::TImage * TForm1::*, 3> etchPictures = {};
  // Enables the panel's inputs for a newly chosen IPC mode (0..2).
  void (TForm1::*ipcModeChanged)(int mode) = nullptr;
};

struct CalculatorRow {
  Calculator id;
  const char* layout;                     // its panel's layout resource
  vcl::TGroupBox* TForm1::*panel;         // the panel: the layout's root group box
  void (TForm1::*select)(vcl::TObject*);  // the selection menu item's handler
  void (TForm1::*solve)(vcl::TObject*);   // the calculator's part of Solve
  SelectorRow selector = {};
  OptionsRow options = {};
  InformationRow information = {};
  ProgramOptionsRow programOptions = {};
  // Whether Solve may be pressed in the panel's present state; none: always.
  bool (TForm1::*solvable)() const = nullptr;
  // The panel's boxes that the units switches convert.
  UnitBoxes (TForm1::*unitBoxes)() = nullptr;
  // The panel's own part of the metric/imperial switch: reads what it converts
  // (a box that holds no number raises before anything is written) and
  // returns what it writes.
  std::function<void()> (TForm1::*unitsSwitch)(bool toMetric, bool microns) = nullptr;
  // The panel's own texts for "Use Microns" (the metric units only).
  void (TForm1::*micronsSwitch)(bool microns) = nullptr;
};

// The rows, in calculator-number order.
const std::array<CalculatorRow, kCalculatorCount>& CalculatorTable();
// One row; raises std::out_of_range for a value outside the enumeration.
const CalculatorRow& RowOf(Calculator c);
// The row of a tab index or "Program" number; none outside 0..kCalculatorCount-1.
const CalculatorRow* RowOfNumber(int number);

// The panels' layouts in the order the main window loads them.
const std::array<Calculator, kCalculatorCount>& PanelLoadOrder();
// The order in which the tab handler tests the tab for each calculator.
const std::array<Calculator, kCalculatorCount>& TabTestOrder();

}  // namespace trellis
