// The main window's menus, printing and outside links.
#include "app/form1.h"
#include "app/links.h"
#include "app/program.h"
#include "calc/diffpair/crosstalk_form.h"
#include "reference/about_form.h"
#include "reference/eda_resources_form.h"
#include "reference/references_form.h"
#include "settings/developer_form.h"
#include "settings/installer_form.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::TObject;

void TForm1::PrinterSetup1Click(TObject*) { PrinterSetupDialog1->Execute(); }

void TForm1::Print1Click(TObject* Sender) { Button2Click(Sender); }

void TForm1::Button2Click(TObject*) {
  if (vcl::Application()->MessageBox("Print form data?", "Print...", vcl::MB_YESNO) != vcl::IDYES)
    return;
  Label29->SetVisible(true);
  vcl::Application()->ProcessMessages();
  ProgressBar3->SetVisible(true);
  for (int i = 0; i <= 100; ++i) {
    ProgressBar3->SetPosition(i);
    vcl::Application()->Sleep(10);
  }
  Label29->SetVisible(false);
  ProgressBar3->SetPosition(0);
  ProgressBar3->SetVisible(false);
  vcl::CurrentPlatform().PrintForm(*this);
}

// Every setting is stored when it changes, so leaving at once loses nothing.
void TForm1::Exit1Click(TObject*) { vcl::CurrentPlatform().Exit(0); }

void TForm1::FormCloseQuery(TObject*, bool& CanClose) { CanClose = true; }

void TForm1::HelpTopics1Click(TObject*) { OpenLink(Link::MakerHelp); }

void TForm1::Disclaimer1Click(TObject*) {
  vcl::ShowMessage("The calculations performed in this program are for reference only.");
}

void TForm1::References1Click(TObject*) {
  SetEnabled(false);
  Form5->Show();
}

void TForm1::About1Click(TObject*) {
  SetEnabled(false);
  Form2->Show();
}

void TForm1::EULA1Click(TObject*) {
  vcl::Platform& platform = vcl::CurrentPlatform();
  std::string folder = platform.ProgramFolder();
  if (!folder.empty() && folder.back() != platform.PathSeparator())
    folder += platform.PathSeparator();
  platform.ShellOpen(folder + "EULA.pdf");
}

void TForm1::Calculator1Click(TObject*) { vcl::CurrentPlatform().ShellOpen("calc.exe"); }
void TForm1::ASCIIEditor1Click(TObject*) { vcl::CurrentPlatform().ShellOpen("notepad.exe"); }

void TForm1::CopperWeight1Click(TObject*) { Form6->Show(); }
void TForm1::ReinstallRegistryKeys1Click(TObject*) { Form8->Show(); }
void TForm1::Crosstalk1Click(TObject*) { Form12->Show(); }
void TForm1::Resources2Click(TObject*) { Form9->Show(); }

void TForm1::Label301Click(TObject*) {
  vcl::ShowMessage(
      "For whatever reason, the registry keys were not installed. This is usually due to "
      "insufficient admin rights. Please run the registry key installer now.");
  Form8->Show();
}

void TForm1::Export1Click(TObject*) {
  SetEnabled(false);
  Form10->Show();
}

// The maker's pages.
void TForm1::SendFeedbackToOrvane1Click(TObject*) { OpenLink(Link::MakerFeedback); }
void TForm1::ContactOrvane1Click(TObject*) { OpenLink(Link::MakerContact); }
void TForm1::PCBDesignServices1Click(TObject*) { OpenLink(Link::MakerPcbDesign); }
void TForm1::ElectronicEngineeringServices1Click(TObject*) {
  OpenLink(Link::MakerElectronicEngineering);
}
void TForm1::SoftwareDevelopmentServices1Click(TObject*) {
  OpenLink(Link::MakerSoftwareDevelopment);
}
void TForm1::ConsultingServices1Click(TObject*) { OpenLink(Link::MakerConsulting); }
void TForm1::RFEngineeringServices1Click(TObject*) { OpenLink(Link::MakerRfEngineering); }
void TForm1::PCBAssemblyServices1Click(TObject*) { OpenLink(Link::MakerPcbAssembly); }
void TForm1::PCBManufacturingServices1Click(TObject*) { OpenLink(Link::MakerPcbManufacturing); }
void TForm1::FollowOrvaneonFacebook1Click(TObject*) { OpenLink(Link::MakerFacebookMenu); }
void TForm1::FollowOrvaneonLinkedIn3Click(TObject*) { OpenLink(Link::MakerX); }
void TForm1::FollowOrvaneonLinkedIn1Click(TObject*) { OpenLink(Link::MakerLinkedIn); }
void TForm1::FollowOrvaneonLinkedIn2Click(TObject*) { OpenLink(Link::MakerYouTube); }
void TForm1::About2Click(TObject*) { OpenLink(Link::MakerAbout); }
void TForm1::Image6Click(TObject*) { OpenLink(Link::MakerHome); }
void TForm1::Image43Click(TObject*) { OpenLink(Link::MakerFacebookImage); }
void TForm1::Image77Click(TObject*) { OpenLink(Link::MakerInstagram); }
void TForm1::Image44Click(TObject*) { OpenLink(Link::MakerLinkedIn); }
void TForm1::Image55Click(TObject*) { OpenLink(Link::MakerX); }
void TForm1::Image57Click(TObject*) { OpenLink(Link::MakerYouTube); }

}  // namespace trellis
