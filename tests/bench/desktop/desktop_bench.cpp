// Timings on the desktop platform, offscreen, with the settings file on disk
// in a scratch folder: what a user's units switch costs with the real store
// and the real widgets.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QPrinter>
#include <QTemporaryDir>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "app/form1.h"
#include "app/program.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/harness.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "vcl/user.h"

namespace {

using trellis::desktop::QtPlatform;
using trellis::desktop::QtRenderer;

// The program as a user starts it, with the installer's values stored first.
struct Desktop {
  // A fresh settings folder, in place before the store opens its file.
  trellis::desktop::testing::ScopedConfig config;
  QtPlatform platform;
  std::unique_ptr<trellis::Program> program;
  std::unique_ptr<QtRenderer> renderer;

  Desktop() {
    platform.SetSleepsSkipped(true);
    for (const auto& [name, value] : trellis::testing::Harness::DefaultSettings())
      platform.Settings().WriteString(trellis::testing::kSettingsKey, name, value);
    program = std::make_unique<trellis::Program>(platform);
    renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build(program->Windows());
    program->ShowMainWindow();
    QApplication::processEvents();
  }
  ~Desktop() {
    renderer.reset();
    program.reset();
  }
};

// One press of the units switch, alternating between imperial and metric.
void BM_DesktopUnitsSwitch(benchmark::State& state) {
  Desktop d;
  auto& f = d.program->Main();
  int units = f.RadioGroup6->ItemIndex();
  for (auto _ : state) {
    units = 1 - units;
    vcl::user::ChooseItem(*f.RadioGroup6, units);
    // What the event loop does after the click, as it does for a user.
    QApplication::processEvents();
  }
  state.counters["solves"] = static_cast<double>(f.SolveCount);
  if (!QFileInfo(d.config.ConfFile()).isFile())
    state.SkipWithError("the settings file is not on disk");
}
BENCHMARK(BM_DesktopUnitsSwitch)->Unit(benchmark::kMillisecond);

// Print on the main window with File > Printer Setup set to a PDF file: the
// pause before the window answers again.
void BM_DesktopPrintToPdf(benchmark::State& state) {
  Desktop d;
  QTemporaryDir dir;
  const QString pdf = dir.filePath("Trellis.pdf");
  QPrinter& printer = d.platform.Printer();
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdf);
  for (auto _ : state) d.platform.PrintForm(d.program->Main());
  if (QFileInfo(pdf).size() <= 0) state.SkipWithError("no PDF was written");
}
BENCHMARK(BM_DesktopPrintToPdf)->Unit(benchmark::kMillisecond);

// One change of a stored value while another copy keeps changing its own:
// the other copy takes the settings lock for a millisecond or two at a time,
// so a write should wait about as long, never the toolkit's growing back-off.
void BM_DesktopWriteBesideAnotherCopy(benchmark::State& state) {
  trellis::desktop::testing::ScopedConfig config;
  QtPlatform platform;
  platform.Settings().WriteString(trellis::testing::kSettingsKey, "Units", "0");
  std::atomic<bool> done = false;
  std::thread other([&] {
    QLockFile lock(config.ConfFile() + ".lock");
    while (!done) {
      if (lock.tryLock(0)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        lock.unlock();
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
  });
  int n = 0;
  double slowest = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    if (!platform.Settings().WriteString(trellis::testing::kSettingsKey, "Units",
                                         std::to_string(++n)))
      state.SkipWithError("a write was refused");
    slowest = std::max(
        slowest, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                     .count());
  }
  done = true;
  other.join();
  state.counters["slowest_ms"] = slowest;
}
BENCHMARK(BM_DesktopWriteBesideAnotherCopy)->Unit(benchmark::kMillisecond)->Iterations(300);

}  // namespace

int main(int argc, char** argv) {
  trellis::desktop::testing::ScratchDesktop scratch;
  QApplication app(argc, argv);
  trellis::desktop::PrepareApplication(app);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
