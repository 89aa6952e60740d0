// Headless timings of the start-up (the splash pauses take no time here) and
// of Solve passes.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/form1.h"
#include "calc/diffpair/crosstalk_form.h"
#include "tests/support/harness.h"
#include "vcl/user.h"

namespace {

using trellis::testing::Harness;

void BM_StartUp(benchmark::State& state) {
  for (auto _ : state) {
    Harness h;
    h.Start();
    benchmark::DoNotOptimize(h.Main().SolveCount);
  }
}
BENCHMARK(BM_StartUp)->Unit(benchmark::kMillisecond);

// The program's own start-up (its windows made from their layouts, the main
// window shown), without the harness's scratch folders, whose making and
// removal on disk would time the file system rather than the program.
void BM_ProgramStartUp(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto h = std::make_unique<Harness>();
    state.ResumeTiming();
    h->Start();
    benchmark::DoNotOptimize(h->Main().SolveCount);
    state.PauseTiming();
    h.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ProgramStartUp)->Unit(benchmark::kMillisecond);

void BM_Solve(benchmark::State& state) {
  Harness h;
  h.Start();
  auto& f = h.Main();
  for (auto _ : state) {
    f.Button1Click(f.Button1);
  }
  state.counters["solves"] = static_cast<double>(f.SolveCount);
}
BENCHMARK(BM_Solve)->Unit(benchmark::kMicrosecond);

// One Solve of the crosstalk window, shown and set to its conductor type as
// the user sets it.
void SolveCrosstalkWindow(benchmark::State& state, int type) {
  Harness h;
  h.Start();
  auto& w = dynamic_cast<trellis::TForm12&>(h.Window("Form12"));
  h.Main().Crosstalk1Click(nullptr);
  vcl::user::ChooseItem(*w.RadioGroup1, type);
  for (auto _ : state) {
    w.Button1Click(w.Button1);
  }
  benchmark::DoNotOptimize(w.Edit205->Text());
}
BENCHMARK_CAPTURE(SolveCrosstalkWindow, microstrip, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCrosstalkWindow, stripline, 1)->Unit(benchmark::kMicrosecond);

// One press of the units switch, alternating between imperial and metric.
void BM_UnitsSwitch(benchmark::State& state) {
  Harness h;
  h.Start();
  auto& f = h.Main();
  int units = f.RadioGroup6->ItemIndex();
  for (auto _ : state) {
    units = 1 - units;
    vcl::user::ChooseItem(*f.RadioGroup6, units);
  }
  state.counters["solves"] = static_cast<double>(f.SolveCount);
}
BENCHMARK(BM_UnitsSwitch)->Unit(benchmark::kMicrosecond);

// One Solve pass of a calculator, started with the stored "Program" so the
// panel is the calculator's own from the first pass, after the user's pick of
// one of its variants (a structure or a tab) so the panel is arranged for it.
template <class Pick>
void SolveAfterPick(benchmark::State& state, trellis::Calculator calculator, Pick pick) {
  trellis::testing::HarnessOptions options;
  options.settings["Program"] = trellis::ProgramText(calculator);
  Harness h(options);
  h.Start();
  auto& f = h.Main();
  pick(f);
  for (auto _ : state) {
    f.Button1Click(f.Button1);
  }
  state.counters["solves"] = static_cast<double>(f.SolveCount);
}

void SolveCalculator(benchmark::State& state, trellis::Calculator calculator) {
  SolveAfterPick(state, calculator, [](trellis::TForm1&) {});
}
BENCHMARK_CAPTURE(SolveCalculator, conductor_properties, trellis::Calculator::ConductorProperties)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, via_properties, trellis::Calculator::ViaProperties)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, padstack, trellis::Calculator::Padstack)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, bandwidth, trellis::Calculator::Bandwidth)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, er_effective, trellis::Calculator::ErEffective)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, wavelength, trellis::Calculator::Wavelength)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, mechanical, trellis::Calculator::Mechanical)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, conversion, trellis::Calculator::Conversion)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, reactance, trellis::Calculator::Reactance)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, ppm_calculator, trellis::Calculator::PpmCalculator)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, embedded_resistors, trellis::Calculator::EmbeddedResistors)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, planar_inductors, trellis::Calculator::PlanarInductors)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, pdn, trellis::Calculator::Pdn)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, fusing_current, trellis::Calculator::FusingCurrent)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, conductor_spacing, trellis::Calculator::ConductorSpacing)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, thermal, trellis::Calculator::Thermal)
    ->Unit(benchmark::kMicrosecond);

// The structure selector of the impedance and differential-pair panels.
void SolveStructure(benchmark::State& state, trellis::Calculator calculator, int structure) {
  SolveAfterPick(state, calculator, [structure](trellis::TForm1& f) {
    vcl::user::ChooseItem(*f.RadioGroup3, structure);
  });
}
void SolveImpedanceStructure(benchmark::State& state, int structure) {
  SolveStructure(state, trellis::Calculator::ConductorImpedance, structure);
}
BENCHMARK_CAPTURE(SolveImpedanceStructure, microstrip, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveImpedanceStructure, microstrip_embed, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveImpedanceStructure, stripline, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveImpedanceStructure, stripline_asym, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveImpedanceStructure, dual_stripline, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveImpedanceStructure, coplanar_wave, 5)->Unit(benchmark::kMicrosecond);

// One Solve pass of the Ohm's-law calculator on one of its tabs, picked as
// the user picks it so its panel is the one shown.
void SolveOhmsLawTab(benchmark::State& state, int tab) {
  SolveAfterPick(state, trellis::Calculator::OhmsLaw,
                 [tab](trellis::TForm1& f) { vcl::user::PickTab(*f.TabControl3, tab); });
}
BENCHMARK_CAPTURE(SolveOhmsLawTab, led_bias, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, r_series, 1)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, r_parallel, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, pi_pad, 3)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, t_pad, 4)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, c_series, 5)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, c_parallel, 6)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, l_series, 7)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveOhmsLawTab, l_parallel, 8)->Unit(benchmark::kMicrosecond);

void SolveDifferentialPairStructure(benchmark::State& state, int structure) {
  SolveStructure(state, trellis::Calculator::DifferentialPairs, structure);
}
BENCHMARK_CAPTURE(SolveDifferentialPairStructure, edge_cpld_ext, 0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveDifferentialPairStructure, edge_cpld_int_sym, 1)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveDifferentialPairStructure, edge_cpld_int_asym, 2)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveDifferentialPairStructure, edge_cpld_embed, 3)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveDifferentialPairStructure, broad_cpld_shld, 4)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveDifferentialPairStructure, broad_cpld_nshld, 5)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
