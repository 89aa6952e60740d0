#include "settings/splash_form.h"

#include "app/form1.h"
#include "app/program.h"
#include "calc/diffpair/crosstalk_form.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"

namespace trellis {

TForm4::TForm4() : vcl::TForm("TForm4") {
  BindPublished();
  LoadLayout("Form4");
  FinishLoading();
}

namespace {

int WholeNumber(const std::string& text) {
  int v = 0;
  return vcl::TryStrToInt(text, v) ? v : -1;
}

// Either separator, so a limit stored under another locale still reads.
double DecimalNumber(std::string text) {
  double v = 0;
  if (vcl::TryStrToFloat(text, v)) return v;
  for (char& c : text)
    if (c == '.' || c == ',') c = vcl::FormatSettings.DecimalSeparator;
  return vcl::StrToFloat(text);
}

}  // namespace

// The settings loader: pushes the stored values into the controls that hold
// the live settings; each control runs its handler when its value changes.
void TForm4::FormShow(vcl::TObject* Sender) {
  {
    vcl::TRegistry reg;
    std::string status;
    if (reg.OpenKeyReadOnly(kSettingsKey)) status = reg.ReadString("Registry_Status");
    if (status != "0") Form1->Label301->SetVisible(true);
    reg.CloseKey();
  }

  const int units = WholeNumber(ReadSetting("Units"));
  const int program = WholeNumber(ReadSetting("Program"));
  const int manual = WholeNumber(ReadSetting("Manual_Copper_Weight"));
  const int ipc = WholeNumber(ReadSetting("IPC_Version"));
  ReadSetting("Conductor_Reduction");
  const int derating = WholeNumber(ReadSetting("Derating"));
  const int viaHeight = WholeNumber(ReadSetting("Via_Height_Enable"));
  const std::string thLimit = ReadSetting("TH_Via_AR_Setting");
  const std::string microLimit = ReadSetting("UVia_AR_Setting");
  ReadSetting("Trellis_Theme");
  ReadSetting("File_Index");
  const int microns = WholeNumber(ReadSetting("Microns"));

  DetectDecimalSeparator();

  Form1->Edit3->SetText("10");
  Form1->Edit4->SetText("20");
  Form1->Edit5->SetText("40");
  Form1->Edit6->SetText("62");
  Form1->Edit9->SetText("1");

  Form1->ComboBox1Change(Sender);
  Form1->RadioGroup6->SetItemIndex(units);
  Form1->TabControl1->SetTabIndex(program);
  Form1->TabControl1Change(Sender);
  Form6->RadioGroup2->SetItemIndex(derating);
  Form6->Edit1->SetText(vcl::FloatToStr(DecimalNumber(thLimit)));
  Form6->Edit2->SetText(vcl::FloatToStr(DecimalNumber(microLimit)));

  if (manual == 0) Form6->CheckBox1->SetChecked(false);
  if (manual == 1) Form6->CheckBox1->SetChecked(true);

  if (ipc >= 0 && ipc <= 2) {
    Form6->RadioGroup1->SetItemIndex(ipc);
    Form1->RadioGroup8->SetEnabled(ipc != 0);
  }
  if (viaHeight == 0) Form6->CheckBox2->SetChecked(true);
  if (viaHeight == 1) Form6->CheckBox2->SetChecked(false);
  if (microns == 0) Form6->CheckBox3->SetChecked(false);
  if (microns == 1) Form6->CheckBox3->SetChecked(true);

  const CalculatorRow* row = RowOfNumber(program);
  if (row && row->options.planeGroup.enabledAtStart && ipc >= 0 && ipc <= 2)
    Form1->RadioGroup5->SetEnabled(true);
}

// The flag follows the user's separator; any other separator leaves both the
// point and the comma branches of the program untaken.
void TForm4::DetectDecimalSeparator() {
  const std::string separator = vcl::CurrentPlatform().UserDecimalSeparator();
  if (separator == ".") {
    Form1->Label165->SetCaption("0");
    Form12->Edit7->SetText("4.6");
  }
  if (separator == ",") {
    Form1->Label165->SetCaption("1");
    Form1->Label46->SetCaption("12,5%");
    Form12->Edit7->SetText("4,6");
  }
}

}  // namespace trellis
