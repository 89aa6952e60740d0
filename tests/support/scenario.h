// The scenario interpreter: runs a scenario file (tests/scenarios/README.md
// describes the format) line by line against a fresh headless program.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace trellis::testing {

class Harness;

// Another view of each run's program, checked against it as the run goes (the
// desktop's windows, when the scenarios run on the desktop platform).
class ScenarioView {
 public:
  virtual ~ScenarioView() = default;
  // The run's windows exist, none shown yet.
  virtual void Attach(Harness& harness) = 0;
  // After each line that acts on the program: one text per disagreement.
  virtual std::vector<std::string> Check() = 0;
  // The run's program is about to go.
  virtual void Detach() = 0;
};

struct ScenarioResult {
  int passed = 0;  // expectations that held
  int failed = 0;  // expectations that did not, and lines that could not run
};

// Runs the text as the scenario `name`, printing each failure to `out` as
// "NAME:LINE: ...". A failure does not stop the run; an exception escaping the
// program stops the rest of the text.
// With a view, each disagreement it finds is a failure of the line.
ScenarioResult RunScenario(std::string_view text, const std::string& name, std::ostream& out,
                           ScenarioView* view = nullptr);

// Reads and runs a file; one that cannot be read counts as one failure.
ScenarioResult RunScenarioFile(const std::string& path, std::ostream& out,
                               ScenarioView* view = nullptr);

}  // namespace trellis::testing
