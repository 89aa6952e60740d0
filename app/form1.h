// The main window: the calculator frame and every calculator's panel.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/calculators.h"
#include "app/units.h"
#include "app/working_values.h"
#include "vcl/forms.h"

namespace trellis {

// Values shared by Solve, the status-bar timer and the calculators.
struct ProgramValues {
  Calculator CalculatorIndex = Calculator::Bandwidth;

  double TempRise = 0, TempRiseF = 0;
  double AmbientTemp = 0, AmbientTempF = 0;
  double ConductorTemp = 0, ConductorTempF = 0;
  std::string ConductorTempTextC, ConductorTempTextF;

  double MaterialModifier = 0;  // the substrate's factor in the current model
  double MaterialTg = 0;        // parsed from the Tg box by the status-bar timer
  double MaterialTgC = 0, MaterialTgF = 0;
  double LoadedConductorTempC = 0, LoadedConductorTempF = 0;

  double WireResistance = 0;  // ohms per 1000 ft or per km, set by the mechanical calculator

  // The conductor model's values, shared by the conductor, fusing and via solves;
  // a nested re-solve leaves its values here for the outer pass.
  double BaseCopperThickness = 0, PlatingThickness = 0, ConductorThickness = 0;
  double ConductorWidth = 0;
  double CrossSection = 0, CrossSectionSqMils = 0, ConductorCurrent = 0;
  double PcbThickness = 0;
  double IpcK = 0, IpcB = 0, IpcC = 0, AreaCorrection = 0;
  double BoardThicknessModifier = 0;
  double BaseResistivity = 0, BaseResistivityMetric = 0, Resistivity = 0;
  double ConductorResistance = 0, PowerDissipation = 0, PowerDbm = 0;

  // The substrate and the transmission-line working values of the impedance,
  // Er-effective, signal and differential-pair solves: each solve writes one
  // before it reads it.
  double SubstrateEr = 0;
  double ConductorSpacing = 0;
  double ConductorHeight = 0, ConductorHeight1 = 0, ConductorHeight2 = 0, ModelHeight = 0;
  double SingleEndedZo = 0, ErEffective = 0, ErPrime = 0, ImpedanceScratch = 0;
  double WidthHeightRatio = 0;
  std::string WidthHeightRatioText, ZoText;
};

class TForm1 : public vcl::TForm, public ProgramValues {
 public:
#include "Form1.published.inc"

  TForm1();

  // The temperatures of the Options panel, read and checked by Solve and their exits.
  void ReadTempRise();
  void ReadAmbientTemp();
  void UpdateConductorTemp();
  void WireVoltageDrop();

  // Calculator selection, behind the menu items, the tabs and the hand-over buttons.
  void SelectCalculator(Calculator k, vcl::TObject* Sender);
  // The calculator whose tab is shown (read from the tab control).
  Calculator TabCalculator() const;
  // Its row; none when the tab shows no calculator.
  const CalculatorRow* TabRow() const;
  // The boxes both units switches convert: the Options panel's, every
  // calculator's, then the crosstalk window's.
  UnitBoxes AllUnitBoxes();

  // Arranges the conductor panel for its " Solve For " group, then solves.
  void swap_current_width_labels();

  // The current model's area correction on CrossSection (square mils, or square
  // millimetres in metric), and the loaded conductor temperature of each unit system.
  void ComputeAreaCorrection();
  void ComputeAreaCorrectionMetric();
  void ComputeLoadedTemp();
  void ComputeLoadedTempMetric();

  // Base and plating thickness from the weight groups or the manual boxes.
  void ReadCopperWeights(bool metric);

  // The solve routines, named by the calculators' rows.
  void SolveBandwidth(vcl::TObject* Sender);
  void SolveConductorImpedance(vcl::TObject* Sender);
  void SolveConductorProperties(vcl::TObject* Sender);
  void SolveConversion(vcl::TObject* Sender);
  void SolveDifferentialPairs(vcl::TObject* Sender);
  void SolveEmbeddedResistor(vcl::TObject* Sender);
  void SolveErEffective(vcl::TObject* Sender);
  void SolveFusingCurrent(vcl::TObject* Sender);
  void SolveMechanical(vcl::TObject* Sender);
  void SolveConductorSpacing(vcl::TObject* Sender);
  void SolveOhmsLaw(vcl::TObject* Sender);
  void SolvePadstack(vcl::TObject* Sender);
  void SolvePdn(vcl::TObject* Sender);
  void SolvePlanarInductor(vcl::TObject* Sender);
  void SolvePpmCalculator(vcl::TObject* Sender);
  void SolveThermal(vcl::TObject* Sender);
  void SolveViaProperties(vcl::TObject* Sender);
  void SolveWavelength(vcl::TObject* Sender);
  void SolveReactance(vcl::TObject* Sender);

  // The decimal-comma flag: "1" when results show a comma, "0" a point.
  bool CommaFlag() const;
  bool PointFlag() const;
  // A result text in the form the flag asks for.
  std::string Shown(const std::string& text) const;

  // A range check that reports its message, resets the box and solves again.
  // The nested Solve runs at most once per outermost Solve for the same check,
  // so a reset that fails its own check again cannot recurse without end.
  void ResetAndResolve(const std::string& check, const std::string& message, vcl::TEdit* box,
                       const std::string& resetText, vcl::TObject* Sender);

  // Number of Solve passes so far (for tests and the benchmark).
  long SolveCount = 0;

  // A calculator's working values, declared in its folder.
  template <class T>
  T& Values() {
    return values_.Get<T>();
  }

 private:
  // The calculator table names the private arrangements.
  friend const std::array<CalculatorRow, kCalculatorCount>& CalculatorTable();

  UnitBoxes OptionsUnitBoxes();
  void ApplyInformationState(const CalculatorRow& row);
  void ApplyProgramOptionTexts(const CalculatorRow& row);
  void ArrangeViaLayerSet();
  void ArrangeConductorLayer();
  void ArrangeImpedanceStructure();
  void ArrangeDifferentialMode();
  void ArrangeInductorGeometry();
  void ArrangeViaPropertySelection();

  // The calculators' table hooks, named by their rows of the calculator table.
  void ArrangeViaInformation();
  void ArrangeConductorInformation();
  void ArrangeConversionInformation();
  void ArrangeDifferentialPairInformation();
  void ArrangeOhmsLawInformation();
  void ArrangeReactanceInformation();
  void ViaIpcModeChanged(int mode);
  bool PadstackSolvable() const;
  UnitBoxes ViaUnitBoxes();
  UnitBoxes PadstackUnitBoxes();
  UnitBoxes ConductorUnitBoxes();
  UnitBoxes FusingUnitBoxes();
  UnitBoxes DifferentialPairUnitBoxes();
  UnitBoxes ImpedanceUnitBoxes();
  UnitBoxes ErEffectiveUnitBoxes();
  UnitBoxes ResistorUnitBoxes();
  UnitBoxes PdnUnitBoxes();
  UnitBoxes InductorUnitBoxes();
  UnitBoxes ConversionUnitBoxes();
  std::function<void()> ConductorUnitsSwitch(bool toMetric, bool microns);
  std::function<void()> ResistorUnitsSwitch(bool toMetric, bool microns);
  std::function<void()> ConversionUnitsSwitch(bool toMetric, bool microns);
  std::function<void()> MechanicalUnitsSwitch(bool toMetric, bool microns);
  void PadstackMicronsSwitch(bool microns);

  WorkingValues values_;
  int solveDepth_ = 0;
  std::vector<std::string> resolvedThisPass_;
};

}  // namespace trellis
