// The land for a ball grid array, looked up by nominal ball diameter.
#include "calc/via/bga_lands.h"

#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"

namespace trellis {

namespace {

// Every size in hundredths of a millimetre, so all three text forms come from one number.
struct BgaLand {
  int ball, nominal, upper, lower;
};

constexpr BgaLand kBgaLandTable[13] = {
    {75, 55, 60, 50}, {65, 50, 55, 45}, {60, 45, 50, 40}, {55, 40, 45, 35}, {50, 40, 45, 35},
    {45, 35, 40, 30}, {40, 30, 35, 25}, {35, 30, 35, 25}, {30, 25, 25, 20}, {25, 20, 20, 17},
    {20, 17, 20, 14}, {17, 15, 18, 12}, {15, 13, 15, 10}};

enum class LandForm { Point, Comma, Microns };

// The land sizes are metric in either system: the micrometre form follows the
// tick of "Use Microns" even while the window shows mils.
LandForm CurrentForm(const TForm1& f) {
  if (UnitsShown(f).MicronsTicked()) return LandForm::Microns;
  return f.CommaFlag() ? LandForm::Comma : LandForm::Point;
}

std::string SizeText(int hundredths, LandForm form) {
  if (form == LandForm::Microns) return std::to_string(hundredths * 10) + " um";
  std::string digits = std::to_string(hundredths);
  if (digits.size() < 2) digits = "0" + digits;
  return std::string("0") + (form == LandForm::Comma ? "," : ".") + digits + " mm";
}

void ShowLands(TForm1& f, const BgaLand& row, LandForm form) {
  f.Edit36->SetText(SizeText(row.nominal, form));
  f.Edit37->SetText(SizeText(row.upper, form) + " - " + SizeText(row.lower, form));
}

}  // namespace

void RefillBallSizes(TForm1& f) {
  if (!f.PointFlag() && !f.CommaFlag()) return;
  const LandForm form = CurrentForm(f);
  f.ComboBox4->SetText(SizeText(kBgaLandTable[0].ball, form));
  f.ComboBox4->Items().Clear();
  for (const BgaLand& row : kBgaLandTable) f.ComboBox4->Items().Add(SizeText(row.ball, form));
  ShowLands(f, kBgaLandTable[0], form);
}

// Only a lookup: the lands are fixed by the ball size, so nothing is solved.
void TForm1::ComboBox4Change(vcl::TObject*) {
  Label55->SetCaption("Land Diameter");
  Label56->SetCaption("Larger land variation");
  if (!PointFlag() && !CommaFlag()) return;
  const int i = ComboBox4->ItemIndex();
  if (i < 0 || i >= 13) return;
  ShowLands(*this, kBgaLandTable[i], CurrentForm(*this));
}

}  // namespace trellis
