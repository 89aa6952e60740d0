#include "app/form1.h"

#include <algorithm>

#include "app/program.h"

namespace trellis {

using vcl::TObject;

TForm1::TForm1() : vcl::TForm("TForm1") {
  BindControls();
  BindHandlers();
  BindEnterKeys();
  LoadLayout("Form1");
  // The nineteen panels lie on one another inside Panel1.
  LoadImpedancePanels(*this);
  LoadConductorPanels(*this);
  LoadReferencePanels(*this);
  LoadDiffPairPanels(*this);
  LoadCircuitPanels(*this);
  LoadViaPanels(*this);
  FinishLoading();
}

void TForm1::BindControls() {
#define BIND(name) Bind(#name, name)
  BIND(TabControl1);
  BIND(Panel1);
  BIND(GroupBox2);
  BIND(GroupBox3);
  BIND(Edit1);
  BIND(UpDown1);
  BIND(Label1);
  BIND(Label2);
  BIND(ProgressBar1);
  BIND(GroupBox4);
  BIND(Edit2);
  BIND(UpDown2);
  BIND(Label3);
  BIND(Label4);
  BIND(ProgressBar2);
  BIND(GroupBox9);
  BIND(Label35);
  BIND(ComboBox1);
  BIND(Label36);
  BIND(Label9);
  BIND(Edit7);
  BIND(Edit66);
  BIND(RadioGroup4);
  BIND(RadioGroup1);
  BIND(GroupBox31);
  BIND(GroupBox32);
  BIND(Edit136);
  BIND(Edit137);
  BIND(Edit138);
  BIND(Edit139);
  BIND(RadioGroup5);
  BIND(RadioGroup3);
  BIND(RadioGroup6);
  BIND(Button1);
  BIND(Button2);
  BIND(Button3);
  BIND(Label29);
  BIND(ProgressBar3);
  BIND(GroupBox30);
  BIND(Label23);
  BIND(Label27);
  BIND(Label55);
  BIND(Label56);
  BIND(Label319);
  BIND(Label320);
  BIND(Label350);
  BIND(Label396);
  BIND(Label397);
  BIND(Label398);
  BIND(Label403);
  BIND(Label106);
  BIND(Label110);
  BIND(Label284);
  BIND(Label285);
  BIND(Label41);
  BIND(Label72);
  BIND(Label165);
  BIND(Label33);
  BIND(Label301);
  BIND(Label363);
  BIND(Edit227);
  BIND(UpDown6);
  BIND(StatusBar1);
  BIND(Timer1);
  BIND(MainMenu1);
  BIND(Exit1);
  BIND(PrinterSetupDialog1);

#undef BIND
  BindImpedancePanels(*this);
  BindConductorPanels(*this);
  BindReferencePanels(*this);
  BindDiffPairPanels(*this);
  BindCircuitPanels(*this);
  BindViaPanels(*this);
}

void TForm1::BindHandlers() {
#define HANDLER(name) Handler(#name, this, &TForm1::name)
  HANDLER(Button1Click);
  HANDLER(Button3Click);
  HANDLER(Edit1Exit);
  HANDLER(Edit2Exit);
  HANDLER(UpDown2Exit);
  HANDLER(UpDown1Changing);
  HANDLER(UpDown1Click);
  HANDLER(UpDown2Changing);
  HANDLER(UpDown2Click);
  HANDLER(UpDown4Changing);
  HANDLER(UpDown4Click);
  HANDLER(UpDown5Changing);
  HANDLER(UpDown5Click);
  HANDLER(PrinterSetup1Click);
  HANDLER(Print1Click);
  HANDLER(Button2Click);
  HANDLER(Exit1Click);
  HANDLER(HelpTopics1Click);
  HANDLER(Disclaimer1Click);
  HANDLER(References1Click);
  HANDLER(About1Click);
  HANDLER(EULA1Click);
  HANDLER(Calculator1Click);
  HANDLER(ASCIIEditor1Click);
  HANDLER(CopperWeight1Click);
  HANDLER(ReinstallRegistryKeys1Click);
  HANDLER(Crosstalk1Click);
  HANDLER(Resources2Click);
  HANDLER(Label301Click);
  HANDLER(Export1Click);
  HANDLER(SendFeedbackToOrvane1Click);
  HANDLER(ContactOrvane1Click);
  HANDLER(PCBDesignServices1Click);
  HANDLER(ElectronicEngineeringServices1Click);
  HANDLER(SoftwareDevelopmentServices1Click);
  HANDLER(ConsultingServices1Click);
  HANDLER(RFEngineeringServices1Click);
  HANDLER(PCBAssemblyServices1Click);
  HANDLER(PCBManufacturingServices1Click);
  HANDLER(FollowOrvaneonFacebook1Click);
  HANDLER(FollowOrvaneonLinkedIn3Click);
  HANDLER(FollowOrvaneonLinkedIn1Click);
  HANDLER(FollowOrvaneonLinkedIn2Click);
  HANDLER(About2Click);
  HANDLER(Image6Click);
  HANDLER(Image43Click);
  HANDLER(Image77Click);
  HANDLER(Image44Click);
  HANDLER(Image55Click);
  HANDLER(Image57Click);
  HANDLER(Button10Click);
  HANDLER(Button6Click);
  HANDLER(Button12Click);
  HANDLER(Button13Click);
  HANDLER(Button14Click);
  HANDLER(Button19Click);
  HANDLER(Button16Click);
  HANDLER(Button17Click);
  HANDLER(Button11Click);
  HANDLER(RadioGroup9Click);
  HANDLER(RadioGroup10Click);
  HANDLER(Button15Click);
  HANDLER(Button7Click);
  HANDLER(Button8Click);
  HANDLER(Button9Click);
  HANDLER(BitBtn5Click);
  HANDLER(BitBtn8Click);
  HANDLER(BitBtn9Click);
  HANDLER(BitBtn10Click);
  HANDLER(FormCloseQuery);
  HANDLER(SignalProperties1Click);
  HANDLER(RFImpedances1Click);
  HANDLER(ConductorProperties1Click);
  HANDLER(ConversionData1Click);
  HANDLER(DifferentialPairs1Click);
  HANDLER(EmbeddedRs1Click);
  HANDLER(ErEffective1Click);
  HANDLER(FuseCurrent1Click);
  HANDLER(Mechanical1Click);
  HANDLER(ConductorSpacing1Click);
  HANDLER(OhmsLaw1Click);
  HANDLER(Padstacks1Click);
  HANDLER(PDNImpedance1Click);
  HANDLER(PlanarInductors1Click);
  HANDLER(PPMCalculator1Click);
  HANDLER(ThermalManagement1Click);
  HANDLER(ViaProperties1Click);
  HANDLER(WavelengthCalculator1Click);
  HANDLER(XlXCReactance1Click);
  HANDLER(TabControl1Change);
  HANDLER(RadioGroup3Click);
  HANDLER(RadioGroup6Click);
  HANDLER(Timer1Timer);
  HANDLER(ComboBox1Change);
  HANDLER(Edit7Click);
  HANDLER(Edit66Click);
  HANDLER(Edit7Exit);
  HANDLER(Edit66Exit);
  HANDLER(RadioGroup4Click);
  HANDLER(RadioGroup1Click);
  HANDLER(RadioGroup5Click);
  HANDLER(ComboBox4Change);
  HANDLER(RadioGroup14Click);
  HANDLER(ComboBox2Change);
  HANDLER(RadioGroup7Click);
  HANDLER(RadioGroup8Click);
  HANDLER(RadioGroup15Click);
  HANDLER(RadioGroup2Click);
  HANDLER(CheckBox1Click);
  HANDLER(BitBtn1Click);
  HANDLER(CheckBox5Click);
  HANDLER(BitBtn7Click);
#undef HANDLER
}

bool TForm1::CommaFlag() const { return Label165->Caption() == "1"; }
bool TForm1::PointFlag() const { return Label165->Caption() == "0"; }

std::string TForm1::Shown(const std::string& text) const {
  return CommaFlag() ? vcl::CommaForm(text) : text;
}

void TForm1::ResetAndResolve(const std::string& check, const std::string& message, vcl::TEdit* box,
                             const std::string& resetText, TObject* Sender) {
  vcl::ShowMessage(message);
  box->SetText(resetText);
  if (std::find(resolvedThisPass_.begin(), resolvedThisPass_.end(), check) !=
      resolvedThisPass_.end())
    return;
  resolvedThisPass_.push_back(check);
  Button1Click(Sender);
}

// The exit handlers report and reset a rejected temperature at once, without a Solve.
void TForm1::Edit1Exit(TObject*) { ReadTempRise(); }
void TForm1::Edit2Exit(TObject*) { ReadAmbientTemp(); }
void TForm1::UpDown2Exit(TObject*) { ReadAmbientTemp(); }

// Each spin handler only solves: one click solves before and after the step.
void TForm1::UpDown1Changing(TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown1Click(TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }
void TForm1::UpDown2Changing(TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown2Click(TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }
void TForm1::UpDown4Changing(TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown4Click(TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }
void TForm1::UpDown5Changing(TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown5Click(TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }

}  // namespace trellis
