#include "calc/impedance/impedance_frame.h"

#include <cmath>

#include "app/form1.h"
#include "vcl/sysutils.h"

namespace trellis {

double ImpedancePass::ReadLength(const vcl::TEdit* box) const {
  const double value = vcl::StrToFloat(box->Text());
  return metric && microns ? value / 1000 : value;
}

namespace impedance {

void ShowRanged(TForm1& f, vcl::TLabel* value, double v, double low, double high,
                const std::string& redText, const std::string& blackText) {
  if (v < low || v > high) {
    value->SetFontColor(vcl::clRed);
    value->SetCaption(f.Shown(redText + " Warning!"));
  } else if (v >= low && v <= high) {
    value->SetFontColor(vcl::clBlack);
    value->SetCaption(f.Shown(blackText));
  }
}

void WriteThickness(TForm1& f, const ImpedancePass& pass, double thickness) {
  f.Label56->SetCaption(f.Shown(pass.metric ? vcl::Format("%3.0f um", thickness * 1000)
                                            : vcl::Format("%.2f mils", thickness)));
}

void WriteDelay(TForm1& f, const ImpedancePass& pass, double tpdPerInch, double zo) {
  const double tpd = pass.metric ? tpdPerInch / 2.54 : tpdPerInch;
  const double co = tpd / zo;
  const double lo = zo * zo * co / 1000;
  const char* per = pass.metric ? "cm" : "in";
  f.Edit77->SetText(f.Shown(vcl::Format("%.4f ps/", tpd) + per));
  f.Edit76->SetText(f.Shown(vcl::Format("%.4f pF/", co) + per));
  f.Edit73->SetText(f.Shown(vcl::Format("%.4f nH/", lo) + per));
}

}  // namespace impedance

}  // namespace trellis
