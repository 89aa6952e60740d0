// The main window: the calculator frame and the nineteen calculators' panels.
#pragma once

#include <string>
#include <vector>

#include "app/calculators.h"
#include "app/units.h"
#include "calc/circuit/circuit_panels.h"
#include "calc/conductor/conductor_panels.h"
#include "calc/diffpair/diffpair_panels.h"
#include "calc/impedance/impedance_panels.h"
#include "calc/via/padstack_values.h"
#include "calc/via/via_panels.h"
#include "calc/via/via_values.h"
#include "reference/reference_panels.h"
#include "vcl/forms.h"

namespace trellis {

// The frame's controls: tab control, Options and Information panels, status bar.
struct FrameControls {
  vcl::TTabControl* TabControl1 = nullptr;
  vcl::TPanel* Panel1 = nullptr;
  vcl::TGroupBox* GroupBox2 = nullptr;
  vcl::TGroupBox* GroupBox3 = nullptr;
  vcl::TEdit* Edit1 = nullptr;
  vcl::TUpDown* UpDown1 = nullptr;
  vcl::TLabel* Label1 = nullptr;
  vcl::TLabel* Label2 = nullptr;
  vcl::TProgressBar* ProgressBar1 = nullptr;
  vcl::TGroupBox* GroupBox4 = nullptr;
  vcl::TEdit* Edit2 = nullptr;
  vcl::TUpDown* UpDown2 = nullptr;
  vcl::TLabel* Label3 = nullptr;
  vcl::TLabel* Label4 = nullptr;
  vcl::TProgressBar* ProgressBar2 = nullptr;
  vcl::TGroupBox* GroupBox9 = nullptr;
  vcl::TLabel* Label35 = nullptr;
  vcl::TComboBox* ComboBox1 = nullptr;
  vcl::TLabel* Label36 = nullptr;
  vcl::TLabel* Label9 = nullptr;
  vcl::TEdit* Edit7 = nullptr;
  vcl::TEdit* Edit66 = nullptr;
  vcl::TRadioGroup* RadioGroup4 = nullptr;
  vcl::TRadioGroup* RadioGroup1 = nullptr;
  vcl::TGroupBox* GroupBox31 = nullptr;
  vcl::TGroupBox* GroupBox32 = nullptr;
  vcl::TEdit* Edit136 = nullptr;
  vcl::TEdit* Edit137 = nullptr;
  vcl::TEdit* Edit138 = nullptr;
  vcl::TEdit* Edit139 = nullptr;
  vcl::TRadioGroup* RadioGroup5 = nullptr;
  vcl::TRadioGroup* RadioGroup3 = nullptr;
  vcl::TRadioGroup* RadioGroup6 = nullptr;
  vcl::TButton* Button1 = nullptr;
  vcl::TButton* Button2 = nullptr;
  vcl::TButton* Button3 = nullptr;
  vcl::TLabel* Label29 = nullptr;
  vcl::TProgressBar* ProgressBar3 = nullptr;
  vcl::TGroupBox* GroupBox30 = nullptr;
  vcl::TLabel* Label23 = nullptr;
  vcl::TLabel* Label27 = nullptr;
  vcl::TLabel* Label55 = nullptr;
  vcl::TLabel* Label56 = nullptr;
  vcl::TLabel* Label319 = nullptr;
  vcl::TLabel* Label320 = nullptr;
  vcl::TLabel* Label350 = nullptr;
  vcl::TLabel* Label396 = nullptr;
  vcl::TLabel* Label397 = nullptr;
  vcl::TLabel* Label398 = nullptr;
  vcl::TLabel* Label403 = nullptr;
  vcl::TLabel* Label106 = nullptr;
  vcl::TLabel* Label110 = nullptr;
  vcl::TLabel* Label284 = nullptr;
  vcl::TLabel* Label285 = nullptr;
  vcl::TLabel* Label41 = nullptr;
  vcl::TLabel* Label72 = nullptr;
  vcl::TLabel* Label165 = nullptr;
  vcl::TLabel* Label33 = nullptr;  // hidden: the last cross-section of the area correction
  vcl::TLabel* Label301 = nullptr;
  vcl::TLabel* Label363 = nullptr;
  vcl::TEdit* Edit227 = nullptr;
  vcl::TUpDown* UpDown6 = nullptr;
  vcl::TStatusBar* StatusBar1 = nullptr;
  vcl::TTimer* Timer1 = nullptr;
  vcl::TMainMenu* MainMenu1 = nullptr;
  vcl::TMenuItem* Exit1 = nullptr;
  vcl::TPrinterSetupDialog* PrinterSetupDialog1 = nullptr;
};

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

  // Conductor solves; a nested re-solve leaves its values here for the outer pass.
  double BaseCopperThickness = 0, PlatingThickness = 0, ConductorThickness = 0;
  double HalfThickness = 0, ConductorWidth = 0, ConductorLength = 0;
  double CrossSection = 0, CrossSectionSqMils = 0, ConductorCurrent = 0;
  double PcbThickness = 0, PlaneDistance = 0, ParallelCount = 0;
  double IpcK = 0, IpcB = 0, IpcC = 0, AreaCorrection = 0;
  double BoardThicknessModifier = 0, PlaneModifier = 0, FixedModifier = 0;
  double BaseResistivity = 0, BaseResistivityMetric = 0, Resistivity = 0;
  double ConductorResistance = 0, PowerDissipation = 0, PowerDbm = 0;
  double LoadCurrent = 0, SkinDepth = 0;
  double SubstrateEr = 0;

  double FuseTime = 0, FusingMultiplier = 0, CircularMils = 0;
  double SpacingVoltage = 0, SpacingResult = 0;
  double DeviceThermalResistance = 0, DevicePower = 0, DeviceJunctionTemp = 0;
  double HeatSinkThermalResistance = 0, HeatSinkPower = 0, HeatSinkJunctionTemp = 0;
};

class TForm1 : public vcl::TForm,
               public FrameControls,
               public ImpedancePanels,
               public ConductorPanels,
               public ReferencePanels,
               public DiffPairPanels,
               public CircuitPanels,
               public ViaPanels,
               public ViaValues,
               public ProgramValues {
 public:
  TForm1();

  // Solve: the "Solve!" button.
  void Button1Click(vcl::TObject* Sender);
  // The start-up sequence: the main window's show handler.
  void Button3Click(vcl::TObject* Sender);

  void ReadTempRise();
  void ReadAmbientTemp();
  void UpdateConductorTemp();
  void WireVoltageDrop();

  void Edit1Exit(vcl::TObject* Sender);
  void Edit2Exit(vcl::TObject* Sender);
  void UpDown2Exit(vcl::TObject* Sender);
  void UpDown1Changing(vcl::TObject* Sender, bool& AllowChange);
  void UpDown1Click(vcl::TObject* Sender, vcl::TUDBtnType Button);
  void UpDown2Changing(vcl::TObject* Sender, bool& AllowChange);
  void UpDown2Click(vcl::TObject* Sender, vcl::TUDBtnType Button);
  void UpDown4Changing(vcl::TObject* Sender, bool& AllowChange);
  void UpDown4Click(vcl::TObject* Sender, vcl::TUDBtnType Button);
  void UpDown5Changing(vcl::TObject* Sender, bool& AllowChange);
  void UpDown5Click(vcl::TObject* Sender, vcl::TUDBtnType Button);

  // Calculator selection, from the menu items and the tabs.
  void SelectCalculator(Calculator k, vcl::TObject* Sender);
  // The calculator whose tab is shown (read from the tab control).
  Calculator TabCalculator() const;
  void SignalProperties1Click(vcl::TObject* Sender);
  void RFImpedances1Click(vcl::TObject* Sender);
  void ConductorProperties1Click(vcl::TObject* Sender);
  void ConversionData1Click(vcl::TObject* Sender);
  void DifferentialPairs1Click(vcl::TObject* Sender);
  void EmbeddedRs1Click(vcl::TObject* Sender);
  void ErEffective1Click(vcl::TObject* Sender);
  void FuseCurrent1Click(vcl::TObject* Sender);
  void Mechanical1Click(vcl::TObject* Sender);
  void ConductorSpacing1Click(vcl::TObject* Sender);
  void OhmsLaw1Click(vcl::TObject* Sender);
  void Padstacks1Click(vcl::TObject* Sender);
  void PDNImpedance1Click(vcl::TObject* Sender);
  void PlanarInductors1Click(vcl::TObject* Sender);
  void PPMCalculator1Click(vcl::TObject* Sender);
  void ThermalManagement1Click(vcl::TObject* Sender);
  void ViaProperties1Click(vcl::TObject* Sender);
  void WavelengthCalculator1Click(vcl::TObject* Sender);
  void XlXCReactance1Click(vcl::TObject* Sender);
  void TabControl1Change(vcl::TObject* Sender);

  // The structure selector and its arrangements of the panels.
  void RadioGroup3Click(vcl::TObject* Sender);

  // The units switch.
  void RadioGroup6Click(vcl::TObject* Sender);
  // Arranges the conductor panel for its " Solve For " group, then solves.
  void swap_current_width_labels();

  // The status-bar clock and temperature warning.
  void Timer1Timer(vcl::TObject* Sender);

  // Menus, printing and links.
  void PrinterSetup1Click(vcl::TObject* Sender);
  void Print1Click(vcl::TObject* Sender);
  void Button2Click(vcl::TObject* Sender);
  void Exit1Click(vcl::TObject* Sender);
  void HelpTopics1Click(vcl::TObject* Sender);
  void Disclaimer1Click(vcl::TObject* Sender);
  void References1Click(vcl::TObject* Sender);
  void About1Click(vcl::TObject* Sender);
  void EULA1Click(vcl::TObject* Sender);
  void Calculator1Click(vcl::TObject* Sender);
  void ASCIIEditor1Click(vcl::TObject* Sender);
  void CopperWeight1Click(vcl::TObject* Sender);
  void ReinstallRegistryKeys1Click(vcl::TObject* Sender);
  void Crosstalk1Click(vcl::TObject* Sender);
  void Resources2Click(vcl::TObject* Sender);
  void Label301Click(vcl::TObject* Sender);
  void Export1Click(vcl::TObject* Sender);
  void SendFeedbackToOrvane1Click(vcl::TObject* Sender);
  void ContactOrvane1Click(vcl::TObject* Sender);
  void PCBDesignServices1Click(vcl::TObject* Sender);
  void ElectronicEngineeringServices1Click(vcl::TObject* Sender);
  void SoftwareDevelopmentServices1Click(vcl::TObject* Sender);
  void ConsultingServices1Click(vcl::TObject* Sender);
  void RFEngineeringServices1Click(vcl::TObject* Sender);
  void PCBAssemblyServices1Click(vcl::TObject* Sender);
  void PCBManufacturingServices1Click(vcl::TObject* Sender);
  void FollowOrvaneonFacebook1Click(vcl::TObject* Sender);
  void FollowOrvaneonLinkedIn3Click(vcl::TObject* Sender);
  void FollowOrvaneonLinkedIn1Click(vcl::TObject* Sender);
  void FollowOrvaneonLinkedIn2Click(vcl::TObject* Sender);
  void About2Click(vcl::TObject* Sender);
  void Image6Click(vcl::TObject* Sender);
  void Image43Click(vcl::TObject* Sender);
  void Image77Click(vcl::TObject* Sender);
  void Image44Click(vcl::TObject* Sender);
  void Image55Click(vcl::TObject* Sender);
  void Image57Click(vcl::TObject* Sender);
  void Button10Click(vcl::TObject* Sender);
  void Button6Click(vcl::TObject* Sender);
  void Button12Click(vcl::TObject* Sender);
  void Button13Click(vcl::TObject* Sender);
  void Button14Click(vcl::TObject* Sender);
  void Button19Click(vcl::TObject* Sender);
  void Button16Click(vcl::TObject* Sender);
  void Button17Click(vcl::TObject* Sender);
  void Button11Click(vcl::TObject* Sender);
  void Button15Click(vcl::TObject* Sender);
  void Button7Click(vcl::TObject* Sender);
  void Button8Click(vcl::TObject* Sender);
  void Button9Click(vcl::TObject* Sender);
  void BitBtn5Click(vcl::TObject* Sender);
  void BitBtn8Click(vcl::TObject* Sender);
  void BitBtn9Click(vcl::TObject* Sender);
  void BitBtn10Click(vcl::TObject* Sender);
  void FormCloseQuery(vcl::TObject* Sender, bool& CanClose);

  // The substrate list and its two boxes.
  void ComboBox1Change(vcl::TObject* Sender);
  void Edit7Click(vcl::TObject* Sender);
  void Edit66Click(vcl::TObject* Sender);
  void Edit7Exit(vcl::TObject* Sender);
  void Edit66Exit(vcl::TObject* Sender);

  // Handlers the later calculators fill in; each runs at its own step of the
  // start-up and on its own controls.
  void RadioGroup4Click(vcl::TObject* Sender);
  void RadioGroup1Click(vcl::TObject* Sender);
  void RadioGroup5Click(vcl::TObject* Sender);

  // The padstack panel: ball-size list.
  void ComboBox4Change(vcl::TObject* Sender);
  void RadioGroup14Click(vcl::TObject* Sender);
  void ComboBox2Change(vcl::TObject* Sender);
  void RadioGroup7Click(vcl::TObject* Sender);

  // The conductor panel: solve mode, parallel conductors, plane, DC and help.
  void RadioGroup8Click(vcl::TObject* Sender);
  void RadioGroup15Click(vcl::TObject* Sender);
  void RadioGroup2Click(vcl::TObject* Sender);
  void CheckBox1Click(vcl::TObject* Sender);
  void BitBtn1Click(vcl::TObject* Sender);

  // The current model's area correction on CrossSection (square mils, or square
  // millimetres in metric), and the loaded conductor temperature of each unit system.
  void ComputeAreaCorrection();
  void ComputeAreaCorrectionMetric();
  void ComputeLoadedTemp();
  void ComputeLoadedTempMetric();

  // The via panel's differential layout: pair picture and insertion-loss note.
  void CheckBox5Click(vcl::TObject* Sender);
  void BitBtn7Click(vcl::TObject* Sender);

  // The spacing panel's groups solve the spacing alone, without Solve.
  void RadioGroup9Click(vcl::TObject* Sender);
  void RadioGroup10Click(vcl::TObject* Sender);

  // Base and plating thickness from the weight groups or the manual boxes.
  void ReadCopperWeights(bool metric);

  // The solve routines, by calculator number.
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

  // The padstack calculator's values kept between passes and handlers.
  PadstackValues Padstack;

 private:
  // The calculator table names the private arrangements.
  friend const std::array<CalculatorRow, kCalculatorCount>& CalculatorTable();

  struct UnitField {
    vcl::TEdit* box;
    UnitClass unitClass;
    bool keepsNA = false;         // "N/A" is written back unconverted
    bool commasToPoints = false;  // read after every comma became a point
  };
  std::vector<UnitField> UnitFields();
  void WriteUnitTexts(bool toMetric, bool microns);
  void ApplyInformationState(Calculator k);
  void ApplyProgramOptionTexts(Calculator k);
  void ArrangeViaLayerSet();
  void ArrangeConductorLayer();
  void ArrangeImpedanceStructure();
  void ArrangeDifferentialMode();
  void ArrangeInductorGeometry();

  int solveDepth_ = 0;
  std::vector<std::string> resolvedThisPass_;
  void BindControls();
  void BindHandlers();
  void BindEnterKeys();
};

}  // namespace trellis
