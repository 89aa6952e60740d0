#include "settings/installer_form.h"

#include "settings/registry_script.h"
#include "settings/text_file.h"

namespace trellis {

TForm8::TForm8() : vcl::TForm("TForm8") {
  Bind("Panel1", Panel1);
  Bind("RichEdit1", RichEdit1);
  Bind("Edit1", Edit1);
  Bind("Button1", Button1);
  Bind("Button2", Button2);
  Handler("Button1Click", this, &TForm8::Button1Click);
  Handler("Button2Click", this, &TForm8::Button2Click);
  LoadLayout("Form8");
  FinishLoading();
  vcl::Platform& platform = vcl::CurrentPlatform();
  // Joined as it is, so a root folder doubles the separator.
  RegInstallerPath = platform.WorkingDirectory() + platform.PathSeparator() + kRegistryScriptName;
  Edit1->SetText(RegInstallerPath);
}

void TForm8::Button1Click(vcl::TObject*) {
  // A half-written script handed to the importer would install half the keys.
  if (!WriteWholeFile(RegInstallerPath, RegistryScriptText())) {
    vcl::ShowMessage("The registry script could not be written: " + RegInstallerPath);
    return;
  }
  vcl::Platform& platform = vcl::CurrentPlatform();
  platform.ShellOpen(RegInstallerPath);
  Close();
  platform.Exit(0);
}

void TForm8::Button2Click(vcl::TObject*) { Close(); }

}  // namespace trellis
