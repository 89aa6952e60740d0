// trellis-qt-scenario [--every N] [--runs N] FILE...: runs each scenario file
// as trellis-scenario does, with the program's windows also rendered by the
// desktop offscreen, and fails each action after which a widget disagrees with
// its control. --every N compares after every Nth action only; --runs N
// renders the first run and every Nth after it (a table's cases are runs).
#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <string>

#include "tests/qt/desktop_check.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/scenario.h"
#include "ui/qt/application.h"

namespace {

QtMessageHandler previousHandler = nullptr;

// The offscreen platform cannot raise a window and says so at every show.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (text.contains(QStringLiteral("does not support raise"))) return;
  if (previousHandler) previousHandler(type, context, text);
}

}  // namespace

int main(int argc, char** argv) {
  previousHandler = qInstallMessageHandler(QuietMessages);
  int every = 1, runs = 1;
  int first = 1;
  for (; first + 1 < argc; first += 2) {
    const std::string option = argv[first];
    if (option == "--every")
      every = std::atoi(argv[first + 1]);
    else if (option == "--runs")
      runs = std::atoi(argv[first + 1]);
    else
      break;
  }
  if (argc <= first || every < 1 || runs < 1) {
    std::cerr << "usage: trellis-qt-scenario [--every N] [--runs N] FILE...\n";
    return 2;
  }
  setenv("LC_ALL", "C.UTF-8", 1);
  trellis::desktop::testing::ScratchDesktop scratch;
  int qtArgc = 1;
  QApplication app(qtArgc, argv);
  trellis::desktop::PrepareApplication(app);
  trellis::desktop::testing::DesktopScenarioView view(every, runs);
  trellis::testing::ScenarioResult total;
  for (int i = first; i < argc; ++i) {
    auto r = trellis::testing::RunScenarioFile(argv[i], std::cout, &view);
    total.passed += r.passed;
    total.failed += r.failed;
  }
  std::cout << "desktop scenario: " << total.passed << " passed, " << total.failed << " failed"
            << std::endl;
  return total.failed == 0 ? 0 : 1;
}
