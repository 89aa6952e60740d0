#include "reference/design_rules_form.h"

#include <array>

#include "app/form1.h"
#include "app/program.h"
#include "settings/options_form.h"

namespace trellis {

namespace {

// One row of the chart: the copper weight and the narrowest width a board maker etches in it.
struct DesignRule {
  const char* imperialWeight;
  const char* imperialWidth;
  const char* metricWeight;
  const char* millimetreWidth;
  const char* micrometreWidth;
};

// The chart keeps the point whatever the user's decimal separator.
constexpr std::array<DesignRule, 8> kDesignRulesChart = {{
    {"0.25oz", "3mil", "9um", "0.0762mm", "76.2um"},
    {"0.5oz", "3mil", "18um", "0.0762mm", "76.2um"},
    {"1oz", "4mil", "35um", "0.1016mm", "101.6um"},
    {"2oz", "5mil", "70um", "0.1270mm", "127um"},
    {"3oz", "6mil", "106um", "0.1524mm", "152.4um"},
    {"4oz", "7mil", "142um", "0.1778mm", "177.8um"},
    {"5oz", "8mil", "178um", "0.2032mm", "203.2um"},
    {"6oz", "9mil", "213um", "0.2286mm", "228.6um"},
}};

}  // namespace

#include "Form11.bind.inc"

TForm11::TForm11() : vcl::TForm("TForm11") {
  BindPublished();
  LoadLayout("Form11");
  FinishLoading();
}

// The main window waits, disabled, while the chart is open, so the units cannot
// change under it.
void TForm1::Button23Click(vcl::TObject*) {
  SetEnabled(false);
  Form11->Show();
}

void TForm11::FormShow(vcl::TObject*) {
  const LengthUnit unit = UnitsShown(*Form1);
  const bool metric = unit.Metric();
  const bool microns = unit.MicronsTicked();
  const std::array<vcl::TEdit*, 8> weights = {Edit1, Edit2, Edit3, Edit4,
                                              Edit5, Edit6, Edit7, Edit8};
  const std::array<vcl::TEdit*, 8> widths = {Edit9,  Edit10, Edit11, Edit12,
                                             Edit13, Edit14, Edit15, Edit16};
  for (size_t row = 0; row < kDesignRulesChart.size(); ++row) {
    const DesignRule& rule = kDesignRulesChart[row];
    weights[row]->SetText(metric ? rule.metricWeight : rule.imperialWeight);
    widths[row]->SetText(!metric   ? rule.imperialWidth
                         : microns ? rule.micrometreWidth
                                   : rule.millimetreWidth);
  }
}

void TForm11::Button1Click(vcl::TObject*) {
  Close();
  Form1->SetEnabled(true);
}

void TForm11::FormCloseQuery(vcl::TObject*, bool& CanClose) {
  Form1->SetEnabled(true);
  CanClose = true;
}

}  // namespace trellis
