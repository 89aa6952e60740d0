#include "calc/impedance/impedance_panels.h"

namespace trellis {

void ImpedancePanels::LoadImpedancePanels(vcl::TForm& form) {
  form.LoadLayout("Form1_Bandwidth", "Panel1");
  form.LoadLayout("Form1_ConductorImpedance", "Panel1");
  form.LoadLayout("Form1_ErEffective", "Panel1");
  form.LoadLayout("Form1_Wavelength", "Panel1");
}

void ImpedancePanels::BindImpedancePanels(vcl::TForm& form) {
  // Bandwidth and maximum conductor length (calculator 0).
  form.Bind("GroupBox6", GroupBox6);
  form.Bind("RadioGroup12", RadioGroup12);
  form.Bind("RadioGroup20", RadioGroup20);
  form.Bind("Label30", Label30);
  form.Bind("Edit19", Edit19);
  form.Bind("Edit279", Edit279);
  form.Bind("GroupBox41", GroupBox41);
  form.Bind("Label791", Label791);
  form.Bind("Edit22", Edit22);
  form.Bind("Label792", Label792);
  form.Bind("Edit43", Edit43);
  form.Bind("Label793", Label793);
  form.Bind("TrackBar2", TrackBar2);
  form.Bind("Edit44", Edit44);
  form.Bind("Label794", Label794);
  form.Bind("Edit24", Edit24);
  form.Bind("GroupBox42", GroupBox42);
  form.Bind("Label795", Label795);
  form.Bind("Edit23", Edit23);
  form.Bind("Label796", Label796);
  form.Bind("TrackBar3", TrackBar3);
  form.Bind("Edit47", Edit47);
  form.Bind("Label797", Label797);
  form.Bind("Edit45", Edit45);
  form.Bind("Button10", Button10);

  // Conductor impedance (calculator 1).
  form.Bind("GroupBox15", GroupBox15);
  form.Bind("Label780", Label780);
  form.Bind("Edit67", Edit67);
  form.Bind("Edit71", Edit71);
  form.Bind("Label101", Label101);
  form.Bind("Edit68", Edit68);
  form.Bind("Edit72", Edit72);
  form.Bind("Label104", Label104);
  form.Bind("Edit74", Edit74);
  form.Bind("Edit75", Edit75);
  form.Bind("Label288", Label288);
  form.Bind("Edit226", Edit226);
  form.Bind("Label107", Label107);
  form.Bind("Label108", Label108);
  form.Bind("Label111", Label111);
  form.Bind("Label112", Label112);
  form.Bind("Label260", Label260);
  form.Bind("Label261", Label261);
  form.Bind("Label781", Label781);
  form.Bind("Edit70", Edit70);
  form.Bind("Label115", Label115);
  form.Bind("Edit77", Edit77);
  form.Bind("Label114", Label114);
  form.Bind("Edit76", Edit76);
  form.Bind("Label54", Label54);
  form.Bind("Edit73", Edit73);
  form.Bind("Image8", Image8);
  form.Bind("Image16", Image16);
  form.Bind("Image22", Image22);
  form.Bind("Image9", Image9);
  form.Bind("Image47", Image47);
  form.Bind("Image19", Image19);
  form.Bind("Label57", Label57);
  form.Bind("Label85", Label85);
  form.Bind("Label86", Label86);
  form.Bind("Label246", Label246);
  form.Bind("BitBtn3", BitBtn3);
  form.Bind("RadioGroup24", RadioGroup24);
  form.Bind("Label116", Label116);
  form.Bind("Label188", Label188);
  form.Bind("Label191", Label191);

  // Er effective (calculator 6).
  form.Bind("GroupBox43", GroupBox43);
  form.Bind("Label782", Label782);
  form.Bind("Edit25", Edit25);
  form.Bind("Edit222", Edit222);
  form.Bind("Label783", Label783);
  form.Bind("Edit46", Edit46);
  form.Bind("Edit223", Edit223);
  form.Bind("Label784", Label784);
  form.Bind("Edit224", Edit224);
  form.Bind("Label785", Label785);
  form.Bind("Edit221", Edit221);
  form.Bind("Edit225", Edit225);
  form.Bind("Button5", Button5);
  form.Bind("Image660", Image660);
  form.Bind("Label81", Label81);
  form.Bind("Label263", Label263);
  form.Bind("Label264", Label264);
  form.Bind("Label265", Label265);
  form.Bind("Button16", Button16);

  // Wavelength (calculator 17).
  form.Bind("GroupBox22", GroupBox22);
  form.Bind("RadioGroup22", RadioGroup22);
  form.Bind("RadioGroup21", RadioGroup21);
  form.Bind("Label220", Label220);
  form.Bind("Edit103", Edit103);
  form.Bind("Edit280", Edit280);
  form.Bind("Label786", Label786);
  form.Bind("Edit150", Edit150);
  form.Bind("Button4", Button4);
  form.Bind("Label787", Label787);
  form.Bind("TrackBar4", TrackBar4);
  form.Bind("Label222", Label222);
  form.Bind("Label788", Label788);
  form.Bind("Edit104", Edit104);
  form.Bind("Label789", Label789);
  form.Bind("Label790", Label790);
  form.Bind("Image661", Image661);
  form.Bind("Image662", Image662);
  form.Bind("Button7", Button7);
  form.Bind("Button8", Button8);
  form.Bind("Button9", Button9);
}

}  // namespace trellis
