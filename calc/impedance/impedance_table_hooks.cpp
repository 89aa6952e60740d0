// The impedance and Er effective calculators' table hooks, named by their rows of the calculator
// table.
#include "app/form1.h"

namespace trellis {

UnitBoxes TForm1::ImpedanceUnitBoxes() {
  return {{Edit67, Edit71}, {Edit68, Edit72}, {Edit74, Edit75}};
}

UnitBoxes TForm1::ErEffectiveUnitBoxes() { return {{Edit25, Edit222}, {Edit46, Edit223}}; }

}  // namespace trellis
