// The Crosstalk Calculator window.
#pragma once

#include "app/unit_boxes.h"
#include "vcl/forms.h"

namespace trellis {

class TForm12 : public vcl::TForm {
 public:
#include "Form12.published.inc"

  TForm12();

  // The window's lengths, which the main window's units switches convert.
  UnitBoxes LengthBoxes();

 private:
  // The window's own Solve: reads its boxes in the main window's units and
  // writes the coefficient and the coupled voltage.
  void SolveCrosstalk(vcl::TObject* Sender);
};

}  // namespace trellis
