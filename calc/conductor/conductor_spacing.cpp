#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"

namespace trellis {

using vcl::Format;
using vcl::StrToFloat;

namespace {

constexpr int kBands = 9, kTypes = 7;

// Spacings in micrometres, whole numbers; the mm and um texts are read off them.
constexpr int kSpacingUm[kBands][kTypes] = {
    {50, 100, 100, 50, 130, 130, 130},       {50, 100, 100, 50, 130, 250, 130},
    {100, 640, 640, 130, 130, 400, 130},     {100, 640, 1500, 130, 130, 500, 130},
    {200, 640, 3200, 400, 400, 800, 400},    {200, 1250, 3200, 400, 400, 800, 400},
    {200, 1250, 6400, 400, 400, 800, 400},   {200, 1250, 12500, 400, 400, 800, 800},
    {250, 2500, 12500, 800, 800, 1500, 800},
};

// The mils column is rounded by hand, so it is kept as the texts shown.
const char* const kSpacingMils[kBands][kTypes] = {
    {"1.97", "3.94", "3.94", "1.97", "5.12", "5.12", "5.12"},
    {"1.97", "3.94", "3.94", "1.97", "5.12", "9.84", "5.12"},
    {"3.94", "25.20", "25.20", "5.12", "5.12", "15.75", "5.12"},
    {"3.94", "25.20", "59.06", "5.12", "5.12", "19.69", "5.12"},
    {"7.87", "25.20", "125.98", "15.75", "15.75", "31.50", "15.75"},
    {"7.87", "49.21", "125.98", "15.75", "15.75", "31.50", "15.75"},
    {"7.87", "49.21", "251.97", "15.75", "15.75", "31.50", "15.75"},
    {"7.87", "49.21", "492.13", "15.75", "15.75", "31.50", "31.50"},
    {"9.84", "98.43", "492.13", "31.50", "31.50", "59.06", "31.50"},
};

// Above 500 V: base + slope x (V - 500). The imperial figures are stored, not
// converted from the metric ones.
struct Line {
  double baseMils, slopeMils, baseMm, slopeMm;
};
constexpr Line kAbove500[kTypes] = {
    {9.8425, 0.098425, 0.25, 0.0025},   {98.42519, 0.19685, 2.5, 0.005},
    {492.12598, 0.984252, 12.5, 0.025}, {31.49606, 0.12007, 0.8, 0.00305},
    {31.49606, 0.12007, 0.8, 0.00305},  {59.05512, 0.12007, 1.5, 0.00305},
    {31.49606, 0.12007, 0.8, 0.00305},
};

}  // namespace

void TForm1::SolveConductorSpacing(vcl::TObject* Sender) {
  const bool imperial = RadioGroup6->ItemIndex() == 0;
  const bool metric = RadioGroup6->ItemIndex() == 1;
  if (!imperial && !metric) return;
  const bool microns = Form6->CheckBox3->Checked();

  SpacingVoltage = StrToFloat(Edit79->Text());
  // Checked whatever the band, even while the box is disabled.
  if (SpacingVoltage < 501)
    ResetAndResolve("spacing voltage", "Voltage must be equal to or greater than 501V", Edit79,
                    "501", Sender);

  const int band = RadioGroup9->ItemIndex();
  const int type = RadioGroup10->ItemIndex();
  if (type < 0 || type >= kTypes) return;

  if (band >= 0 && band < kBands) {
    const int um = kSpacingUm[band][type];
    const std::string mm = Format("%.2f mm", um / 1000.0);
    const std::string mils = std::string(kSpacingMils[band][type]) + " mils";
    if (imperial) {
      Edit51->SetText(mils);
      if (CommaFlag()) Edit51->SetText(vcl::CommaForm(mils));
    } else {
      Edit51->SetText(mm);
      if (microns) Edit51->SetText(vcl::IntToStr(um) + " um");
      if (CommaFlag() && !microns) Edit51->SetText(vcl::CommaForm(mm));
    }
  } else if (band == kBands) {
    const Line& l = kAbove500[type];
    std::string text;
    if (imperial) {
      SpacingResult = l.baseMils + l.slopeMils * (SpacingVoltage - 500);
      text = Format("%.4f mils", SpacingResult);
    } else {
      SpacingResult = l.baseMm + l.slopeMm * (SpacingVoltage - 500);
      text = microns ? Format("%.2f um", SpacingResult * 1000) : Format("%.4f mm", SpacingResult);
    }
    Edit51->SetText(text);
    if (CommaFlag()) Edit51->SetText(vcl::CommaForm(text));
  }
}

void TForm1::RadioGroup9Click(vcl::TObject* Sender) {
  const bool typed = RadioGroup9->ItemIndex() == kBands;
  Label21->SetEnabled(typed);
  Edit79->SetEnabled(typed);
  SolveConductorSpacing(Sender);
}

void TForm1::RadioGroup10Click(vcl::TObject* Sender) {
  const int type = RadioGroup10->ItemIndex();
  // B2 and B3 share a picture; B3 adds the altitude label.
  Image38->SetVisible(type == 0);
  Image39->SetVisible(type == 1 || type == 2);
  Label168->SetVisible(type == 2);
  Image37->SetVisible(type == 3);
  Image40->SetVisible(type == 4);
  Image41->SetVisible(type == 5);
  Image42->SetVisible(type == 6);
  SolveConductorSpacing(Sender);
}

}  // namespace trellis
