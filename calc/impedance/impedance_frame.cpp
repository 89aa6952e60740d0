#include "calc/impedance/impedance_frame.h"

#include <cmath>

#include "app/form1.h"
#include "vcl/sysutils.h"

namespace trellis {

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

namespace {

void WriteDelayTexts(TForm1& f, const ImpedancePass& pass, double tpdPerInch, double zo,
                     bool errors) {
  const double tpd = pass.metric ? tpdPerInch / kCentimetresPerInch : tpdPerInch;
  const double co = tpd / zo;
  const double lo = zo * zo * co / 1000;
  const char* per = pass.metric ? "cm" : "in";
  auto show = [&](vcl::TEdit* box, double v, const char* format) {
    box->SetText(errors && v <= 0 ? std::string("Error") : f.Shown(vcl::Format(format, v) + per));
  };
  show(f.Edit77, tpd, "%.4f ps/");
  show(f.Edit76, co, "%.4f pF/");
  show(f.Edit73, lo, "%.4f nH/");
}

}  // namespace

void WriteDelay(TForm1& f, const ImpedancePass& pass, double tpdPerInch, double zo) {
  WriteDelayTexts(f, pass, tpdPerInch, zo, false);
}

void WriteDelayOrError(TForm1& f, const ImpedancePass& pass, double tpdPerInch, double zo) {
  WriteDelayTexts(f, pass, tpdPerInch, zo, true);
}

}  // namespace impedance

}  // namespace trellis
