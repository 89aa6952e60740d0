#include "settings/developer_form.h"

namespace trellis {

TForm10::TForm10() : vcl::TForm("TForm10") {
  LoadLayout("Form10");
  FinishLoading();
}

}  // namespace trellis
