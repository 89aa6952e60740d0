// Capacitors and inductors in series and in parallel.
#include <array>
#include <span>

#include "app/form1.h"
#include "calc/circuit/ohms_law_tabs.h"
#include "calc/circuit/reactive_network_model.h"
#include "calc/circuit/reactive_network_values.h"
#include "vcl/sysutils.h"

namespace trellis {

using circuit::Connection;
using circuit::Reactive;

namespace {

constexpr int kRows = 4;

struct NetworkRow {
  vcl::TLabel* caption;
  vcl::TEdit* input;
  vcl::TEdit* unit;
};

// One network tab: its groups, its four rows and its total.
struct NetworkPanel {
  Reactive part;
  Connection connection;
  vcl::TRadioGroup* count;
  vcl::TRadioGroup* units;
  std::array<NetworkRow, kRows> rows;
  vcl::TEdit* total;
};

NetworkPanel CapacitorSeries(TForm1& f) {
  return {Reactive::Capacitor,
          Connection::Series,
          f.RadioGroup25,
          f.RadioGroup26,
          {{{f.Label278, f.Edit346, f.Edit353},
            {f.Label282, f.Edit347, f.Edit352},
            {f.Label286, f.Edit348, f.Edit351},
            {f.Label297, f.Edit349, f.Edit350}}},
          f.Edit354};
}

NetworkPanel CapacitorParallel(TForm1& f) {
  return {Reactive::Capacitor,
          Connection::Parallel,
          f.RadioGroup27,
          f.RadioGroup28,
          {{{f.Label364, f.Edit356, f.Edit363},
            {f.Label365, f.Edit357, f.Edit362},
            {f.Label366, f.Edit358, f.Edit361},
            {f.Label367, f.Edit359, f.Edit360}}},
          f.Edit364};
}

NetworkPanel InductorSeries(TForm1& f) {
  return {Reactive::Inductor,
          Connection::Series,
          f.RadioGroup29,
          f.RadioGroup30,
          {{{f.Label369, f.Edit366, f.Edit373},
            {f.Label370, f.Edit367, f.Edit372},
            {f.Label371, f.Edit368, f.Edit371},
            {f.Label372, f.Edit369, f.Edit370}}},
          f.Edit374};
}

NetworkPanel InductorParallel(TForm1& f) {
  return {Reactive::Inductor,
          Connection::Parallel,
          f.RadioGroup31,
          f.RadioGroup32,
          {{{f.Label374, f.Edit376, f.Edit383},
            {f.Label375, f.Edit377, f.Edit382},
            {f.Label376, f.Edit378, f.Edit381},
            {f.Label377, f.Edit379, f.Edit380}}},
          f.Edit384};
}

// The selected unit's text; no item keeps the text the last pass left.
void TakeUnitText(TForm1& f, const NetworkPanel& p) {
  const int item = p.units->ItemIndex();
  if (item >= 0 && item < p.units->Items().Count())
    f.Values<ReactiveNetworkValues>().ReactiveUnitText = p.units->Items()[item];
}

void SolveNetwork(TForm1& f, const NetworkPanel& p) {
  f.Label319->SetCaption("Series Current");
  f.Label55->SetCaption(p.part == Reactive::Capacitor ? "Total Capacitance" : "Total Inductance");
  TakeUnitText(f, p);

  // Hidden rows are read as well, so a non-number there stops the pass.
  std::array<double, kRows> values{};
  for (int k = 0; k < kRows; ++k) values[k] = vcl::StrToFloat(p.rows[k].input->Text());
  const int item = p.count->ItemIndex();
  const int n = item >= 0 && item <= 2 ? item + 2 : 2;

  const double total =
      circuit::NetworkTotal(p.part, p.connection, std::span<const double>(values.data(), n));
  f.Label56->SetCaption(
      vcl::Format("%.4f %s", total, f.Values<ReactiveNetworkValues>().ReactiveUnitText));
  if (f.CommaFlag()) f.Label56->SetCaption(vcl::CommaForm(f.Label56->Caption()));
  p.total->SetText(f.Label56->Caption());
}

// Rows 3 and 4 appear as the count asks; hidden rows keep their texts.
void ShowRows(TForm1& f, const NetworkPanel& p, vcl::TObject* Sender) {
  const int item = p.count->ItemIndex();
  if (item >= 0 && item <= 2) {
    for (int k = 2; k < kRows; ++k) {
      const bool shown = k < item + 2;
      p.rows[k].caption->SetVisible(shown);
      p.rows[k].input->SetVisible(shown);
      p.rows[k].unit->SetVisible(shown);
    }
  }
  f.Button1Click(Sender);
}

// Only the unit texts change: the typed numbers are read again in the new unit.
void ShowUnit(TForm1& f, const NetworkPanel& p, vcl::TObject* Sender) {
  const int item = p.units->ItemIndex();
  if (item >= 0 && item < p.units->Items().Count()) {
    for (const NetworkRow& row : p.rows) row.unit->SetText(p.units->Items()[item]);
  }
  TakeUnitText(f, p);
  f.Button1Click(Sender);
}

}  // namespace

void SolveCapacitorSeries(TForm1& f) { SolveNetwork(f, CapacitorSeries(f)); }
void SolveCapacitorParallel(TForm1& f) { SolveNetwork(f, CapacitorParallel(f)); }
void SolveInductorSeries(TForm1& f) { SolveNetwork(f, InductorSeries(f)); }
void SolveInductorParallel(TForm1& f) { SolveNetwork(f, InductorParallel(f)); }

void TForm1::RadioGroup25Click(vcl::TObject* Sender) {
  ShowRows(*this, CapacitorSeries(*this), Sender);
}
void TForm1::RadioGroup27Click(vcl::TObject* Sender) {
  ShowRows(*this, CapacitorParallel(*this), Sender);
}
void TForm1::RadioGroup29Click(vcl::TObject* Sender) {
  ShowRows(*this, InductorSeries(*this), Sender);
}
void TForm1::RadioGroup31Click(vcl::TObject* Sender) {
  ShowRows(*this, InductorParallel(*this), Sender);
}

void TForm1::RadioGroup26Click(vcl::TObject* Sender) {
  ShowUnit(*this, CapacitorSeries(*this), Sender);
}
void TForm1::RadioGroup28Click(vcl::TObject* Sender) {
  ShowUnit(*this, CapacitorParallel(*this), Sender);
}
void TForm1::RadioGroup30Click(vcl::TObject* Sender) {
  ShowUnit(*this, InductorSeries(*this), Sender);
}
void TForm1::RadioGroup32Click(vcl::TObject* Sender) {
  ShowUnit(*this, InductorParallel(*this), Sender);
}

}  // namespace trellis
