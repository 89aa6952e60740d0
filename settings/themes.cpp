#include "settings/options_form.h"

namespace trellis {

// The theme list is filled and the stored theme applied with the themes themselves.
void TForm6::BindThemeHandlers() {
  Handler("FormCreate", this, &TForm6::FormCreate);
  Handler("cbxVclStylesChange", this, &TForm6::cbxVclStylesChange);
}

void TForm6::FormCreate(vcl::TObject*) {}
void TForm6::cbxVclStylesChange(vcl::TObject*) {}

}  // namespace trellis
