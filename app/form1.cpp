#include "app/form1.h"

#include <algorithm>

#include "app/program.h"

namespace trellis {

using vcl::TObject;

#include "Form1.bind.inc"

TForm1::TForm1() : vcl::TForm("TForm1") {
  BindPublished();
  LoadLayout("Form1");
  // The calculators' panels lie on one another inside Panel1.
  for (Calculator c : PanelLoadOrder()) LoadLayout(RowOf(c).layout, "Panel1");
  FinishLoading();
}

bool TForm1::CommaFlag() const { return Label165->Caption() == "1"; }
bool TForm1::PointFlag() const { return Label165->Caption() == "0"; }

std::string TForm1::Shown(const std::string& text) const {
  return CommaFlag() ? vcl::CommaForm(text) : text;
}

void TForm1::ResetAndResolve(const std::string& check, const std::string& message, vcl::TEdit* box,
                             const std::string& resetText, TObject* Sender) {
  vcl::ShowMessage(message);
  box->SetText(resetText);
  if (std::find(resolvedThisPass_.begin(), resolvedThisPass_.end(), check) !=
      resolvedThisPass_.end())
    return;
  resolvedThisPass_.push_back(check);
  Button1Click(Sender);
}

// The exit handlers report and reset a rejected temperature at once, without a Solve.
void TForm1::Edit1Exit(TObject*) { ReadTempRise(); }
void TForm1::Edit2Exit(TObject*) { ReadAmbientTemp(); }
void TForm1::UpDown2Exit(TObject*) { ReadAmbientTemp(); }

// Each spin handler only solves: one click solves before and after the step.
void TForm1::UpDown1Changing(TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown1Click(TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }
void TForm1::UpDown2Changing(TObject* Sender, bool&) { Button1Click(Sender); }
void TForm1::UpDown2Click(TObject* Sender, vcl::TUDBtnType) { Button1Click(Sender); }

}  // namespace trellis
