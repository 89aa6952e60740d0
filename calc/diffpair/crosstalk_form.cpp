// The Crosstalk Calculator window: its own substrate list and Er, the lengths
// in the main window's units, and the near-end crosstalk of microstrip or
// stripline conductors. The main window re-solves it, shown or not.
#include "calc/diffpair/crosstalk_form.h"

#include <algorithm>

#include "app/form1.h"
#include "app/material_table.h"
#include "app/program.h"
#include "app/range_check.h"
#include "calc/diffpair/crosstalk_model.h"
#include "vcl/arrange.h"
#include "vcl/sysutils.h"

namespace trellis {

namespace {

constexpr int kMicrostrip = 0, kStripline = 1;

const range::Row kErRows[] = {range::ErAtLeastOne()};

}  // namespace

#include "Form12.bind.inc"

TForm12::TForm12() : vcl::TForm("TForm12") {
  BindPublished();
  LoadLayout("Form12");
  FinishLoading();
}

void TForm12::Button1Click(vcl::TObject* Sender) { SolveCrosstalk(Sender); }

void TForm12::FormShow(vcl::TObject* Sender) { Button1Click(Sender); }

void TForm12::SolveCrosstalk(vcl::TObject* Sender) {
  TForm1& f = *Form1;
  const LengthUnit shown = UnitsShown(f);
  range::Checker check(f, Sender, shown);
  const LengthSystem unit = shown.System();

  // The pass goes on with the Er as read; the next one reads the reset.
  range::Input erBox(Edit7);
  const double er = check.Check(erBox, kErRows);
  const double rise = vcl::StrToFloat(Edit146->Text());
  const double volts = vcl::StrToFloat(Edit148->Text());

  // All five lengths are read in either type, the hidden heights too.
  const double length = vcl::StrToFloat(Edit195->Text());
  range::Input hBox(Edit197);
  const double h = hBox.Read();
  const double h1 = vcl::StrToFloat(Edit199->Text());
  const double h2 = vcl::StrToFloat(Edit201->Text());
  const double s = vcl::StrToFloat(Edit203->Text());
  auto inches = [unit](double typed) { return diffpair::CrosstalkInches(typed, unit); };

  double delay = 0, coupling = 0;
  switch (RadioGroup1->ItemIndex()) {
    case kMicrostrip:
      delay = diffpair::CrosstalkDelay(er, inches(length));
      coupling = diffpair::MicrostripCoupling(inches(s), inches(h));
      break;
    case kStripline: {
      // The outer height must clear both conductors; the reset is their sum
      // as typed, and this pass already uses it.
      const range::Row heightRow = {
          .test = range::Test::AtMost,
          .forms = range::InEveryUnit(
              {.bound = std::max(h1, h2),
               .message = {"Conductor height (H) can't be less than others (H1 or H2)"}}),
          .derived = [&](std::span<const range::Row>) { return vcl::FloatToStr(h1 + h2); },
      };
      check.Check(hBox, heightRow);
      const double outer = inches(vcl::StrToFloat(Edit197->Text()));
      delay = diffpair::CrosstalkDelay(er, inches(length));
      coupling = diffpair::StriplineCoupling(inches(s), outer, inches(h1), inches(h2));
      break;
    }
    default:
      return;
  }

  const diffpair::Crosstalk x = diffpair::CrosstalkOf(coupling, delay, rise, volts);
  // A comma user's boxes show the point form first, then the comma form.
  const bool comma = f.CommaFlag();
  Edit205->SetText(vcl::Format("%.5f dB", x.decibels));
  if (comma) Edit205->SetText(vcl::CommaForm(Edit205->Text()));
  Edit207->SetText(vcl::Format("%.5f Volts", x.volts));
  if (comma) Edit207->SetText(vcl::CommaForm(Edit207->Text()));
}

void TForm12::RadioGroup1Click(vcl::TObject* Sender) {
  const int item = RadioGroup1->ItemIndex();
  if (item == kMicrostrip || item == kStripline) {
    const bool stripline = item == kStripline;
    vcl::ShowAll(stripline, {Label197, Edit199, Edit200, Label198, Edit201, Edit202});
    Image29->SetVisible(!stripline);
    Image30->SetVisible(stripline);
  }
  Button1Click(Sender);
}

// The same Er column as the main window's materials, RO4350 included, its
// comma form the point form with a comma.
void TForm12::ComboBox1Change(vcl::TObject* Sender) {
  const TForm1& f = *Form1;
  if (!f.PointFlag() && !f.CommaFlag()) return;
  const int item = ComboBox1->ItemIndex();
  if (item >= 0 && item < kMaterialCount) {
    const char* er = MaterialTable()[item].er;
    Edit7->SetText(f.Shown(er));
  }
  Button1Click(Sender);
}

void TForm12::Edit7Click(vcl::TObject*) {
  Edit7->SetText("");
  ComboBox1->SetItemIndex(kMaterialCustom);
}

// Under a separator that is neither point nor comma an empty box stays empty,
// as the main window's Er box does.
void TForm12::Edit7Exit(vcl::TObject*) {
  if (!Edit7->Text().empty()) return;
  const TForm1& f = *Form1;
  if (f.PointFlag()) {
    ComboBox1->SetItemIndex(0);
    Edit7->SetText("4.6");
  } else if (f.CommaFlag()) {
    ComboBox1->SetItemIndex(0);
    Edit7->SetText("4,6");
  }
}

void TForm12::EnterKeyDown(vcl::TObject* Sender, uint16_t& Key, vcl::TShiftState) {
  if (Key == vcl::VK_RETURN) Button1Click(Sender);
}

}  // namespace trellis
