// The scenario interpreter: runs a scenario file (tests/scenarios/README.md
// describes the format) line by line against a fresh headless program.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace trellis::testing {

struct ScenarioResult {
  int passed = 0;  // expectations that held
  int failed = 0;  // expectations that did not, and lines that could not run
};

// Runs the text as the scenario `name`, printing each failure to `out` as
// "NAME:LINE: ...". A failure does not stop the run; an exception escaping the
// program stops the rest of the text.
ScenarioResult RunScenario(std::string_view text, const std::string& name, std::ostream& out);

// Reads and runs a file; one that cannot be read counts as one failure.
ScenarioResult RunScenarioFile(const std::string& path, std::ostream& out);

}  // namespace trellis::testing
