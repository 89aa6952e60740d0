// The colour themes: the list in the Program Options, the stored choice and
// its application to every window.
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"
#include "settings/settings_store.h"
#include "vcl/forms.h"
#include "vcl/sysutils.h"

namespace trellis {

// Runs while the windows are created at start-up, so the splash and the main
// window already appear in the stored theme.
void TForm6::FormCreate(vcl::TObject* Sender) {
  // Only the index is stored, so the list keeps one fixed order.
  for (const std::string& name : vcl::CurrentPlatform().ThemeNames())
    cbxVclStyles->Items().Add(name);
  // The setting reads as its default unless it names an item of the list.
  cbxVclStyles->SetItemIndex(vcl::StrToInt(ReadSetting("Trellis_Theme")));
  // A list's index set from code runs no change handler.
  cbxVclStylesChange(Sender);
}

void TForm6::cbxVclStylesChange(vcl::TObject*) {
  vcl::CurrentPlatform().ApplyTheme(cbxVclStyles->Text());
  const int k = cbxVclStyles->ItemIndex();
  if (k >= 0 && k < cbxVclStyles->Items().Count()) {
    Form1->Label363->SetCaption(vcl::IntToStr(k));
    WriteSetting("Trellis_Theme", vcl::IntToStr(k));
  }
  Close();
}

}  // namespace trellis
