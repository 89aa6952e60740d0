#include "settings/installer_form.h"

#include "settings/registry_script.h"
#include "settings/text_file.h"

namespace trellis {

#include "Form8.bind.inc"

TForm8::TForm8() : vcl::TForm("TForm8") {
  BindPublished();
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
