// Seeded random user actions on the headless program. Windows and controls are
// found by walking the Application's forms and their components, so whatever a
// window holds is acted on without the soak knowing it.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/support/harness.h"

namespace trellis::testing {

struct SoakOptions {
  uint32_t seed = 1;
  long actions = 20000;
  // An action slower than this is reported as a hang.
  double actionSeconds = 2.0;
  // A watchdog ends the process when one action runs this long (it never returns).
  double hangSeconds = 60.0;
  // Writes every action from this step on (a failure's step replays the run).
  long traceFrom = -1;
  // Runs after every start of the program; tests plant faults with it.
  std::function<void(Harness&)> afterStart;
};

struct SoakResult {
  long actions = 0;
  // Actions on a control, menu or window that accepted input at that moment.
  long accepted = 0;
  int restarts = 0;
  double seconds = 0;
  double slowestSeconds = 0;
  std::string slowestAction;
  long errorBoxes = 0;
  long mathBoxes = 0;
  std::set<std::string> errorTexts;  // a sample of the distinct error-box texts
  // Every window, and every component that has a user event handler (or takes
  // input), by "Form.Name".
  std::set<std::string> windows;
  std::set<std::string> controls;
  // Windows that were open and enabled at some step.
  std::set<std::string> windowsOpen;
  // Those that took an action while accepting input.
  std::set<std::string> windowsReached;
  std::set<std::string> controlsReached;
  std::map<std::string, long> kinds;  // actions by kind
  // Empty when every check held; the first failure ends the run.
  std::string failure;
};

SoakResult RunSoak(const SoakOptions& options);

// One paragraph of figures: actions, windows and controls reached, seconds.
std::string SoakFigures(const SoakResult& result);

}  // namespace trellis::testing
