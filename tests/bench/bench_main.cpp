// Headless timings of the start-up (the splash pauses take no time here) and
// of Solve passes.
#include <benchmark/benchmark.h>

#include "app/form1.h"
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

// One Solve pass of a calculator, started with the stored "Program" so the
// panel is the calculator's own from the first pass.
void SolveCalculator(benchmark::State& state, const char* program) {
  trellis::testing::HarnessOptions options;
  options.settings["Program"] = program;
  Harness h(options);
  h.Start();
  auto& f = h.Main();
  for (auto _ : state) {
    f.Button1Click(f.Button1);
  }
  state.counters["solves"] = static_cast<double>(f.SolveCount);
}
BENCHMARK_CAPTURE(SolveCalculator, conductor_properties, "2")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, via_properties, "16")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(SolveCalculator, padstack, "11")->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
