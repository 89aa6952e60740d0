#include "calc/conductor/conductor_panels.h"

namespace trellis {

void ConductorPanels::LoadConductorPanels(vcl::TForm& form) {
  form.LoadLayout("Form1_ConductorProperties", "Panel1");
  form.LoadLayout("Form1_FusingCurrent", "Panel1");
  form.LoadLayout("Form1_ConductorSpacing", "Panel1");
  form.LoadLayout("Form1_Thermal", "Panel1");
}

void ConductorPanels::BindConductorPanels(vcl::TForm& form) {
  // conductor properties (2)
  form.Bind("GroupBox5", GroupBox5);
  form.Bind("Image51", Image51);
  form.Bind("Image49", Image49);
  form.Bind("Image52", Image52);
  form.Bind("Image15", Image15);
  form.Bind("Image54", Image54);
  form.Bind("Image50", Image50);
  form.Bind("Image53", Image53);
  form.Bind("Image3", Image3);
  form.Bind("RadioGroup8", RadioGroup8);
  form.Bind("BitBtn1", BitBtn1);
  form.Bind("Label339", Label339);
  form.Bind("Label340", Label340);
  form.Bind("RadioGroup15", RadioGroup15);
  form.Bind("RadioGroup2", RadioGroup2);
  form.Bind("Label243", Label243);
  form.Bind("Label17", Label17);
  form.Bind("Edit15", Edit15);
  form.Bind("Edit57", Edit57);
  form.Bind("Edit18", Edit18);
  form.Bind("Edit58", Edit58);
  form.Bind("Label235", Label235);
  form.Bind("Edit126", Edit126);
  form.Bind("Edit127", Edit127);
  form.Bind("Label236", Label236);
  form.Bind("Edit128", Edit128);
  form.Bind("Label37", Label37);
  form.Bind("Edit132", Edit132);
  form.Bind("Edit133", Edit133);
  form.Bind("Edit130", Edit130);
  form.Bind("Edit131", Edit131);
  form.Bind("CheckBox1", CheckBox1);
  form.Bind("Label405", Label405);
  form.Bind("Edit69", Edit69);
  form.Bind("Edit407", Edit407);
  form.Bind("Label18", Label18);
  form.Bind("Edit16", Edit16);
  form.Bind("Label19", Label19);
  form.Bind("Edit17", Edit17);
  form.Bind("Edit20", Edit20);
  form.Bind("Edit78", Edit78);
  form.Bind("Edit48", Edit48);
  form.Bind("Edit135", Edit135);
  form.Bind("Label53", Label53);
  form.Bind("Edit406", Edit406);
  form.Bind("Label237", Label237);
  form.Bind("Edit129", Edit129);
  form.Bind("Label239", Label239);
  form.Bind("Edit134", Edit134);
  form.Bind("Label126", Label126);
  form.Bind("Image68", Image68);
  form.Bind("Image73", Image73);
  form.Bind("Image69", Image69);
  form.Bind("Button20", Button20);
  form.Bind("Label351", Label351);

  // fusing current (7)
  form.Bind("GroupBox33", GroupBox33);
  form.Bind("Label241", Label241);
  form.Bind("Edit140", Edit140);
  form.Bind("Edit155", Edit155);
  form.Bind("Label242", Label242);
  form.Bind("Edit153", Edit153);
  form.Bind("Edit156", Edit156);
  form.Bind("Label352", Label352);
  form.Bind("Edit337", Edit337);
  form.Bind("Button17", Button17);
  form.Bind("Label245", Label245);
  form.Bind("Edit159", Edit159);
  form.Bind("Label244", Label244);
  form.Bind("Edit160", Edit160);
  form.Bind("Label124", Label124);
  form.Bind("Label158", Label158);
  form.Bind("Label353", Label353);
  form.Bind("Label356", Label356);
  form.Bind("Label355", Label355);
  form.Bind("Label275", Label275);
  form.Bind("Label276", Label276);
  form.Bind("Label266", Label266);
  form.Bind("Label267", Label267);
  form.Bind("Label268", Label268);
  form.Bind("Label269", Label269);
  form.Bind("Label270", Label270);
  form.Bind("Image24", Image24);
  form.Bind("Label379", Label379);
  form.Bind("Label380", Label380);
  form.Bind("Image74", Image74);
  form.Bind("Image76", Image76);
  form.Bind("Image75", Image75);

  // minimum conductor spacing (9)
  form.Bind("GroupBox13", GroupBox13);
  form.Bind("RadioGroup9", RadioGroup9);
  form.Bind("RadioGroup10", RadioGroup10);
  form.Bind("Image38", Image38);
  form.Bind("Image39", Image39);
  form.Bind("Image37", Image37);
  form.Bind("Image40", Image40);
  form.Bind("Image41", Image41);
  form.Bind("Image42", Image42);
  form.Bind("Label168", Label168);
  form.Bind("Label21", Label21);
  form.Bind("Edit79", Edit79);
  form.Bind("Label97", Label97);
  form.Bind("Edit51", Edit51);
  form.Bind("Button11", Button11);
  form.Bind("Label90", Label90);
  form.Bind("Label91", Label91);
  form.Bind("Label92", Label92);
  form.Bind("Label93", Label93);
  form.Bind("Label94", Label94);
  form.Bind("Label95", Label95);
  form.Bind("Label96", Label96);

  // thermal management (15)
  form.Bind("GroupBox27", GroupBox27);
  form.Bind("GroupBox28", GroupBox28);
  form.Bind("Label230", Label230);
  form.Bind("Edit116", Edit116);
  form.Bind("Edit118", Edit118);
  form.Bind("Label231", Label231);
  form.Bind("Edit117", Edit117);
  form.Bind("Edit120", Edit120);
  form.Bind("Label229", Label229);
  form.Bind("Edit119", Edit119);
  form.Bind("Image11", Image11);
  form.Bind("GroupBox29", GroupBox29);
  form.Bind("Label232", Label232);
  form.Bind("Edit121", Edit121);
  form.Bind("Edit122", Edit122);
  form.Bind("Label234", Label234);
  form.Bind("Edit124", Edit124);
  form.Bind("Edit125", Edit125);
  form.Bind("Label233", Label233);
  form.Bind("Edit123", Edit123);
  form.Bind("Label279", Label279);
  form.Bind("Label280", Label280);
  form.Bind("Image14", Image14);
}

}  // namespace trellis
