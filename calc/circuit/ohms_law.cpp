// The Ohm's-law calculator: the E-I-R box at every solve, then the circuit of
// the selected tab only; the tab frame with its panels and Information rows.
#include <array>

#include "app/form1.h"
#include "calc/circuit/ohms_law_model.h"
#include "calc/circuit/ohms_law_tabs.h"
#include "vcl/sysutils.h"

namespace trellis {

using circuit::ResistorRow;
using vcl::Format;

namespace {

enum Tab {
  kLedBias,
  kSeries,
  kParallel,
  kPiPad,
  kTPad,
  kCapacitorSeries,
  kCapacitorParallel,
  kInductorSeries,
  kInductorParallel,
  kTabCount
};

// Written with the point, then again in the comma form under the comma flag.
void Write(TForm1& f, vcl::TEdit* box, const std::string& text) {
  box->SetText(text);
  if (f.CommaFlag()) box->SetText(vcl::CommaForm(text));
}
void Write(TForm1& f, vcl::TLabel* label, const std::string& text) {
  label->SetCaption(text);
  if (f.CommaFlag()) label->SetCaption(vcl::CommaForm(text));
}

double Read(const vcl::TEdit* box) { return vcl::StrToFloat(box->Text()); }

// Items "2", "3", "4" of a count group.
int CountOf(const vcl::TRadioGroup* group) {
  switch (group->ItemIndex()) {
    case 1:
      return 3;
    case 2:
      return 4;
    default:
      return 2;
  }
}

circuit::SolveFor SolveForOf(int item) {
  switch (item) {
    case 1:
      return circuit::SolveFor::Amps;
    case 2:
      return circuit::SolveFor::Ohms;
    default:
      return circuit::SolveFor::Volts;
  }
}

void SolveEir(TForm1& f) {
  // An unknown separator leaves the box as it was; the tabs still solve.
  if (!f.PointFlag() && !f.CommaFlag()) return;
  f.Label55->SetCaption("Total Resistance");
  f.Label56->SetCaption("N/A");
  const double first = Read(f.Edit245);
  const double second = Read(f.Edit246);
  const circuit::OhmsLawResult r =
      circuit::OhmsLaw(SolveForOf(f.RadioGroup13->ItemIndex()), first, second);
  Write(f, f.Edit244, Format("%.4f", r.value));
  Write(f, f.Edit250, Format("%.4f", r.power));
}

void SolveLedBias(TForm1& f) {
  const double supply = Read(f.Edit236);
  const double forward = Read(f.Edit238);
  const double given = Read(f.Edit239);
  const circuit::LedBiasResult r = circuit::LedBias(
      f.CheckBox6->Checked() ? circuit::LedSolve::Current : circuit::LedSolve::Resistor, supply,
      forward, given);
  Write(f, f.Edit237, Format("%.1f", r.value));
  Write(f, f.Edit299, Format("%.4f", r.power));
}

// A resistor tab's supply, its four inputs and the two results of each row.
struct ResistorPanel {
  vcl::TEdit* volts;
  std::array<vcl::TEdit*, 4> inputs, first, second;
};

ResistorPanel SeriesPanel(TForm1& f) {
  return {f.Edit252,
          {f.Edit253, f.Edit254, f.Edit255, f.Edit256},
          {f.Edit262, f.Edit263, f.Edit264, f.Edit265},
          {f.Edit301, f.Edit302, f.Edit303, f.Edit304}};
}

ResistorPanel ParallelPanel(TForm1& f) {
  return {f.Edit309,
          {f.Edit310, f.Edit311, f.Edit312, f.Edit313},
          {f.Edit319, f.Edit320, f.Edit321, f.Edit322},
          {f.Edit327, f.Edit328, f.Edit329, f.Edit330}};
}

// Every input is read, hidden rows too, before anything is written.
struct ResistorInputs {
  double volts;
  ResistorRow ohms;
};
ResistorInputs ReadResistors(const ResistorPanel& p) {
  ResistorInputs in{Read(p.volts), {}};
  for (int k = 0; k < circuit::kMaxResistors; ++k) in.ohms[k] = Read(p.inputs[k]);
  return in;
}

void SolveSeries(TForm1& f) {
  f.Label319->SetCaption("Series Current");
  f.Label55->SetCaption("Total Resistance");
  const ResistorPanel p = SeriesPanel(f);
  const ResistorInputs in = ReadResistors(p);
  const int n = CountOf(f.RadioGroup16);
  const circuit::SeriesResult r = circuit::SeriesResistors(in.volts, in.ohms, n);
  Write(f, f.Label56, Format("%.3f Ohm's", r.total));
  Write(f, f.Label320, Format("%.8f Amps", r.current));
  for (int k = 0; k < n; ++k) {
    Write(f, p.first[k], Format("%.4f", r.drop[k]));
    Write(f, p.second[k], Format("%.4f", r.power[k]));
  }
}

void SolveParallel(TForm1& f) {
  f.Label319->SetCaption("Total Current");
  f.Label55->SetCaption("Total Resistance");
  const ResistorPanel p = ParallelPanel(f);
  const ResistorInputs in = ReadResistors(p);
  const int n = CountOf(f.RadioGroup23);
  const circuit::ParallelResult r = circuit::ParallelResistors(in.volts, in.ohms, n);
  Write(f, f.Label56, Format("%.4f Ohm's", r.total));
  Write(f, f.Label320, Format("%.8f Amps", r.current));
  for (int k = 0; k < n; ++k) {
    Write(f, p.first[k], Format("%.4f", r.branch[k]));
    Write(f, p.second[k], Format("%.4f", r.power[k]));
  }
}

// Rows 3 and 4 of a resistor tab: caption, input and unit on the left,
// caption and both results with their units on the right.
using ResistorRowControls = std::array<vcl::TControl*, 8>;

void ShowRows(const std::array<ResistorRowControls, 2>& rows, const vcl::TRadioGroup* count) {
  const int n = CountOf(count);
  for (int row = 0; row < 2; ++row)
    for (vcl::TControl* c : rows[row]) c->SetVisible(row + 3 <= n);
}

std::array<vcl::TPanel*, kTabCount> TabPanels(TForm1& f) {
  return {f.Panel17, f.Panel15, f.Panel22, f.Panel20, f.Panel21,
          f.Panel25, f.Panel27, f.Panel29, f.Panel31};
}

struct SolveForCaptions {
  const char *first, *second, *result;
  int resultLeft;
  const char *firstHint, *secondHint, *resultHint;
};

constexpr std::array<SolveForCaptions, 3> kSolveFor = {{
    {"Amps", "Ohms", "Volts", 492, "Enter the amperage.", "Enter the resistance.",
     "Calculated voltage based on inputs."},
    {"Volts", "Ohms", "Amps", 486, "Enter the voltage.", "Enter the resistance.",
     "Calculated amperage based on inputs."},
    {"Volts", "Amps", "Ohms", 486, "Enter the voltage.", "Enter the amperage.",
     "Calculated resistance based on inputs."},
}};

}  // namespace

void TForm1::SolveOhmsLaw(vcl::TObject*) {
  SolveEir(*this);
  switch (TabControl3->TabIndex()) {
    case kLedBias:
      SolveLedBias(*this);
      break;
    case kSeries:
      SolveSeries(*this);
      break;
    case kParallel:
      SolveParallel(*this);
      break;
    case kPiPad:
      SolvePiPad(*this);
      break;
    case kTPad:
      SolveTPad(*this);
      break;
    case kCapacitorSeries:
      SolveCapacitorSeries(*this);
      break;
    case kCapacitorParallel:
      SolveCapacitorParallel(*this);
      break;
    case kInductorSeries:
      SolveInductorSeries(*this);
      break;
    case kInductorParallel:
      SolveInductorParallel(*this);
      break;
    default:
      break;
  }
}

void TForm1::TabControl3Change(vcl::TObject* Sender) {
  const int tab = TabControl3->TabIndex();
  const auto panels = TabPanels(*this);
  for (int i = 0; i < kTabCount; ++i) panels[i]->SetVisible(i == tab);
  if (tab >= kLedBias && tab < kTabCount) {
    const bool capacitors = tab == kCapacitorSeries || tab == kCapacitorParallel;
    const bool inductors = tab == kInductorSeries || tab == kInductorParallel;
    Label55->SetCaption(capacitors  ? "Total Capacitance"
                        : inductors ? "Total Inductance"
                                    : "Total Resistance");
    // The series current is the series tab's own result.
    if (tab != kSeries) Label320->SetCaption("N/A");
    if (tab == kTPad) Label56->SetCaption("N/A");
  }
  Button1Click(Sender);
}

void TForm1::RadioGroup13Click(vcl::TObject* Sender) {
  const int item = RadioGroup13->ItemIndex();
  if (item >= 0 && item < static_cast<int>(kSolveFor.size())) {
    const SolveForCaptions& c = kSolveFor[item];
    Label307->SetCaption(c.first);
    Edit248->SetText(c.first);
    Label308->SetCaption(c.second);
    Edit247->SetText(c.second);
    Label306->SetCaption(c.result);
    Edit249->SetText(c.result);
    Edit248->SetLeft(486);
    Edit247->SetLeft(486);
    Edit249->SetLeft(c.resultLeft);
    Edit245->SetHint(c.firstHint);
    Edit246->SetHint(c.secondHint);
    Edit244->SetHint(c.resultHint);
  }
  Button1Click(Sender);
}

void TForm1::CheckBox6Click(vcl::TObject* Sender) {
  const bool current = CheckBox6->Checked();
  Label305->SetCaption(current ? "Resistor Value" : "LED Current");
  // The third input changes meaning, so its number starts afresh.
  Edit239->SetText(current ? "1000" : "10");
  Edit239->SetHint(current ? "Enter the desired LED resistor value."
                           : "Enter the desired LED current.");
  Edit243->SetWidth(current ? 57 : 33);
  Edit243->SetLeft(current ? 86 : 106);
  Edit243->SetText(current ? "Ohms" : "mA");
  Label303->SetCaption(current ? "LED Current" : "Resistor Value");
  Edit237->SetHint(current ? "Calculated LED current based on inputs."
                           : "Calculated resistor value based on inputs.");
  Edit240->SetWidth(current ? 33 : 57);
  Edit240->SetLeft(current ? 282 : 262);
  Edit240->SetText(current ? "mA" : "Ohms");
  Button1Click(Sender);
}

void TForm1::RadioGroup16Click(vcl::TObject* Sender) {
  ShowRows({{{Label313, Edit255, Edit258, Label317, Edit264, Edit268, Edit303, Edit307},
             {Label314, Edit256, Edit257, Label318, Edit265, Edit269, Edit304, Edit308}}},
           RadioGroup16);
  Button1Click(Sender);
}

void TForm1::RadioGroup23Click(vcl::TObject* Sender) {
  ShowRows({{{Label343, Edit312, Edit315, Label347, Edit321, Edit325, Edit329, Edit333},
             {Label344, Edit313, Edit314, Label348, Edit322, Edit326, Edit330, Edit334}}},
           RadioGroup23);
  Button1Click(Sender);
}

}  // namespace trellis
