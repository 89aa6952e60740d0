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

// A network tab's controls, as members of the main window: one constant
// table, read straight through its member pointers on each pass.
struct NetworkControls {
  Reactive part;
  Connection connection;
  vcl::TRadioGroup* TForm1::*count;
  vcl::TRadioGroup* TForm1::*units;
  struct Row {
    vcl::TLabel* TForm1::*caption;
    vcl::TEdit* TForm1::*input;
    vcl::TEdit* TForm1::*unit;
  };
  std::array<Row, kRows> rows;
  vcl::TEdit* TForm1::*total;
};

enum Network { kCapacitorSeries, kCapacitorParallel, kInductorSeries, kInductorParallel };

// clang-format off
constexpr NetworkControls kNetworks[] = {
    {Reactive::Capacitor, Connection::Series, &TForm1::RadioGroup25, &TForm1::RadioGroup26,
     {{{&TForm1::Label278, &TForm1::Edit346, &TForm1::Edit353},
       {&TForm1::Label282, &TForm1::Edit347, &TForm1::Edit352},
       {&TForm1::Label286, &TForm1::Edit348, &TForm1::Edit351},
       {&TForm1::Label297, &TForm1::Edit349, &TForm1::Edit350}}},
     &TForm1::Edit354},
    {Reactive::Capacitor, Connection::Parallel, &TForm1::RadioGroup27, &TForm1::RadioGroup28,
     {{{&TForm1::Label364, &TForm1::Edit356, &TForm1::Edit363},
       {&TForm1::Label365, &TForm1::Edit357, &TForm1::Edit362},
       {&TForm1::Label366, &TForm1::Edit358, &TForm1::Edit361},
       {&TForm1::Label367, &TForm1::Edit359, &TForm1::Edit360}}},
     &TForm1::Edit364},
    {Reactive::Inductor, Connection::Series, &TForm1::RadioGroup29, &TForm1::RadioGroup30,
     {{{&TForm1::Label369, &TForm1::Edit366, &TForm1::Edit373},
       {&TForm1::Label370, &TForm1::Edit367, &TForm1::Edit372},
       {&TForm1::Label371, &TForm1::Edit368, &TForm1::Edit371},
       {&TForm1::Label372, &TForm1::Edit369, &TForm1::Edit370}}},
     &TForm1::Edit374},
    {Reactive::Inductor, Connection::Parallel, &TForm1::RadioGroup31, &TForm1::RadioGroup32,
     {{{&TForm1::Label374, &TForm1::Edit376, &TForm1::Edit383},
       {&TForm1::Label375, &TForm1::Edit377, &TForm1::Edit382},
       {&TForm1::Label376, &TForm1::Edit378, &TForm1::Edit381},
       {&TForm1::Label377, &TForm1::Edit379, &TForm1::Edit380}}},
     &TForm1::Edit384},
};
// clang-format on

// The selected unit's text; no item keeps the text the last pass left.
void TakeUnitText(TForm1& f, const vcl::TRadioGroup& units) {
  const int item = units.ItemIndex();
  if (item >= 0 && item < units.Items().Count())
    f.Values<ReactiveNetworkValues>().ReactiveUnitText = units.Items()[item];
}

void SolveNetwork(TForm1& f, const NetworkControls& c) {
  f.Label319->SetCaption("Series Current");
  f.Label55->SetCaption(c.part == Reactive::Capacitor ? "Total Capacitance" : "Total Inductance");
  TakeUnitText(f, *(f.*c.units));

  // Hidden rows are read as well, so a non-number there stops the pass.
  std::array<double, kRows> values{};
  for (int k = 0; k < kRows; ++k) values[k] = vcl::StrToFloat((f.*c.rows[k].input)->Text());
  const int item = (f.*c.count)->ItemIndex();
  const int n = item >= 0 && item <= 2 ? item + 2 : 2;

  const double total =
      circuit::NetworkTotal(c.part, c.connection, std::span<const double>(values.data(), n));
  f.Label56->SetCaption(
      vcl::Format("%.4f %s", total, f.Values<ReactiveNetworkValues>().ReactiveUnitText));
  if (f.CommaFlag()) f.Label56->SetCaption(vcl::CommaForm(f.Label56->Caption()));
  (f.*c.total)->SetText(f.Label56->Caption());
}

// Rows 3 and 4 appear as the count asks; hidden rows keep their texts.
void ShowRows(TForm1& f, const NetworkControls& c, vcl::TObject* Sender) {
  const int item = (f.*c.count)->ItemIndex();
  if (item >= 0 && item <= 2) {
    for (int k = 2; k < kRows; ++k) {
      const bool shown = k < item + 2;
      (f.*c.rows[k].caption)->SetVisible(shown);
      (f.*c.rows[k].input)->SetVisible(shown);
      (f.*c.rows[k].unit)->SetVisible(shown);
    }
  }
  f.Button1Click(Sender);
}

// Only the unit texts change: the typed numbers are read again in the new unit.
void ShowUnit(TForm1& f, const NetworkControls& c, vcl::TObject* Sender) {
  const vcl::TRadioGroup& units = *(f.*c.units);
  const int item = units.ItemIndex();
  if (item >= 0 && item < units.Items().Count()) {
    for (const NetworkControls::Row& row : c.rows) (f.*row.unit)->SetText(units.Items()[item]);
  }
  TakeUnitText(f, units);
  f.Button1Click(Sender);
}

}  // namespace

void SolveCapacitorSeries(TForm1& f) { SolveNetwork(f, kNetworks[kCapacitorSeries]); }
void SolveCapacitorParallel(TForm1& f) { SolveNetwork(f, kNetworks[kCapacitorParallel]); }
void SolveInductorSeries(TForm1& f) { SolveNetwork(f, kNetworks[kInductorSeries]); }
void SolveInductorParallel(TForm1& f) { SolveNetwork(f, kNetworks[kInductorParallel]); }

void TForm1::RadioGroup25Click(vcl::TObject* Sender) {
  ShowRows(*this, kNetworks[kCapacitorSeries], Sender);
}
void TForm1::RadioGroup27Click(vcl::TObject* Sender) {
  ShowRows(*this, kNetworks[kCapacitorParallel], Sender);
}
void TForm1::RadioGroup29Click(vcl::TObject* Sender) {
  ShowRows(*this, kNetworks[kInductorSeries], Sender);
}
void TForm1::RadioGroup31Click(vcl::TObject* Sender) {
  ShowRows(*this, kNetworks[kInductorParallel], Sender);
}

void TForm1::RadioGroup26Click(vcl::TObject* Sender) {
  ShowUnit(*this, kNetworks[kCapacitorSeries], Sender);
}
void TForm1::RadioGroup28Click(vcl::TObject* Sender) {
  ShowUnit(*this, kNetworks[kCapacitorParallel], Sender);
}
void TForm1::RadioGroup30Click(vcl::TObject* Sender) {
  ShowUnit(*this, kNetworks[kInductorSeries], Sender);
}
void TForm1::RadioGroup32Click(vcl::TObject* Sender) {
  ShowUnit(*this, kNetworks[kInductorParallel], Sender);
}

}  // namespace trellis
