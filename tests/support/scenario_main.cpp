// trellis-scenario FILE...: runs each scenario file against a fresh headless
// program and closes with one summary line for CI.
#include <iostream>

#include "tests/support/scenario.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: trellis-scenario FILE...\n";
    return 2;
  }
  trellis::testing::ScenarioResult total;
  for (int i = 1; i < argc; ++i) {
    auto r = trellis::testing::RunScenarioFile(argv[i], std::cout);
    total.passed += r.passed;
    total.failed += r.failed;
  }
  std::cout << "scenario: " << total.passed << " passed, " << total.failed << " failed"
            << std::endl;
  return total.failed == 0 ? 0 : 1;
}
