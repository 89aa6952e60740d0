// The differential pair calculator's table hooks, and what its crosstalk window gives the frame.
#include <initializer_list>

#include "app/form1.h"
#include "calc/diffpair/crosstalk_form.h"

namespace trellis {

void TForm1::ArrangeDifferentialPairInformation() {
  Label319->SetCaption("W/H = ");
  Label319->SetVisible(true);
  Label397->SetVisible(true);
  Label396->SetVisible(true);
  Label398->SetVisible(true);
  Label398->SetLeft(56);
  Label23->SetCaption("Lsat = ");
  Label23->SetVisible(true);
  Label403->SetVisible(true);
}

UnitBoxes TForm1::DifferentialPairUnitBoxes() {
  return {
      {Edit21, Edit62}, {Edit26, Edit63}, {Edit27, Edit64}, {Edit32, Edit65}, {Edit398, Edit399}};
}

UnitBoxes TForm12::LengthBoxes() {
  return {{Edit195, Edit196},
          {Edit203, Edit204},
          {Edit197, Edit198},
          {Edit199, Edit200},
          {Edit201, Edit202}};
}

}  // namespace trellis
