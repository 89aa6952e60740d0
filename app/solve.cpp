// Solve: the shared pre-steps and the dispatch to the current calculator.
#include <cmath>

#include "app/form1.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;
using vcl::TObject;

namespace {
// Keeps the nesting depth right when a handler raises; the outermost pass
// forgets which checks have re-solved.
struct DepthGuard {
  int& depth;
  std::vector<std::string>& resolved;
  DepthGuard(int& d, std::vector<std::string>& r) : depth(d), resolved(r) { ++depth; }
  ~DepthGuard() {
    if (--depth == 0) resolved.clear();
  }
};
}  // namespace

void TForm1::Button1Click(TObject* Sender) {
  DepthGuard guard(solveDepth_, resolvedThisPass_);
  ++SolveCount;

  if (Edit85->Text().empty()) Edit85->SetText("0");
  if (Edit80->Text().empty()) Edit80->SetText("0");
  ReadTempRise();
  ReadAmbientTemp();
  UpdateConductorTemp();
  WireVoltageDrop();

  (this->*RowOf(CalculatorIndex).solve)(Sender);
}

void TForm1::ReadTempRise() {
  TempRise = StrToFloat(Edit1->Text());
  if (TempRise > 200) {
    vcl::ShowMessage("Maximum temperature rise can't be greater than 200C");
    Edit1->SetText("200");
    TempRise = 200;
  }
  if (TempRise <= 0) {
    vcl::ShowMessage("Minimum temperature rise can't be less than 0C");
    Edit1->SetText("1");
    TempRise = 1;
  }
  ProgressBar1->SetPositionFrom(TempRise);
  TempRiseF = TempRise * 1.8;
  Label2->SetCaption(Shown(Format("%0.1f", TempRiseF)));
}

void TForm1::ReadAmbientTemp() {
  AmbientTemp = StrToFloat(Edit2->Text());
  if (AmbientTemp > 200) {
    vcl::ShowMessage("Maximum ambient temperature can't be greater than 200C");
    Edit2->SetText("200");
    AmbientTemp = 200;
  }
  ProgressBar2->SetPositionFrom(AmbientTemp);
  if (AmbientTemp < -80) {
    vcl::ShowMessage("Minimum ambient temperature can't be less than -80C");
    Edit2->SetText("-80");
    AmbientTemp = -80;
  }
  AmbientTempF = AmbientTemp * 1.8 + 32;
  Label4->SetCaption(Shown(Format("%0.1f", AmbientTempF)));
}

void TForm1::UpdateConductorTemp() {
  ConductorTemp = AmbientTemp + TempRise;
  ConductorTempTextC = Format("%0.1fC", ConductorTemp);
  ConductorTempF = ConductorTemp * 1.8 + 32;
  ConductorTempTextF = Format("%0.1fF", ConductorTempF);
  if (const CalculatorRow* tab = TabRow(); tab && tab->information.conductorTemperature) {
    if (RadioGroup6->ItemIndex() == 0) Label27->SetCaption(Shown(ConductorTempTextF));
    if (RadioGroup6->ItemIndex() == 1) Label27->SetCaption(Shown(ConductorTempTextC));
  } else {
    Label27->SetCaption("N/A");
  }
}

}  // namespace trellis
