// The scenario driver's own contract: what it counts, what it prints and that
// it carries on after a failure.
#include "tests/support/scenario.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace {

using trellis::testing::RunScenario;

struct Case {
  const char* what;
  std::string text;
  std::string output;
  int passed;
  int failed;
};

TEST(ScenarioDriver, CountsReportsAndCarriesOn) {
  const Case cases[] = {
      {"a failed expectation, then the run goes on",
       "start\nexpect no messages\nexpect Edit1 text \"9\"\nexpect Label2 text \"36.0\"\n",
       "t:3: expected Edit1 text \"9\", got \"20\"\n", 2, 1},
      {"lines that cannot run",
       "start\nexpect no messages\nfrobnicate\nclick Edit999\nchoose Edit1 1\n"
       "type Edit1 \"open\nseparator \",\"\nstart\nexpect Label2 text \"36.0\"\n",
       "t:3: unknown command frobnicate\nt:4: no control Form1.Edit999\n"
       "t:5: Edit1 is a TEdit, which has no items\nt:6: unterminated text\n"
       "t:7: separator must come before create or start\nt:8: the program was already started\n",
       2, 6},
      {"no program yet", "click Button1\n", "t:1: no program yet: create or start first\n", 0, 1},
      {"a message block and the records since the last check",
       "start\nexpect solves 5\ntype Edit1 \"0\"\ntype Edit2 \"-90\"\nclick Button1\n"
       "expect messages\n  message \"Minimum temperature rise can't be less than 0C\"\n"
       "  message \"Minimum ambient temperature can't be less than -80C\"\nend\n"
       "expect no messages\nexpect solves 1\n",
       "", 4, 0},
      {"unchecked messages fail the run's end",
       "start\ntype Edit1 \"0\"\nclick Button1\nexpect Edit1 text \"1\"\n",
       "t:4: unchecked messages at the end: message \"Minimum temperature rise can't be less "
       "than 0C\"\n",
       1, 1},
      {"a table of cases, each on a fresh program",
       "cases\n  start\n  type Edit1 {rise}\n  click Button1\n  expect Label2 text {f}\n"
       "  expect solves 6\n  expect no messages\nwhere\n  | rise | f |\n"
       "  | \"20\" | \"36.0\" |\n  # a comment between rows\n  | \"10\" | \"99\" |\nend\n"
       "expect Label2 text \"x\"\n",
       "t:5: expected Label2 text \"99\", got \"18.0\" (case at line 12)\n"
       "t:14: no program yet: create or start first\n",
       5, 2},
      {"a malformed table",
       "cases\n  start\n  expect Edit1 text {nothere}\n  expect no messages\nwhere\n  | a | b |\n"
       "  | 1 |\nend\n",
       "t:7: expected 2 cells, got 1\nt:3: no column named nothere\n", 0, 2},
      {"reset begins a fresh program",
       "start\ntype Edit1 \"50\"\nexpect no messages\nreset\nstart\nexpect Edit1 text \"20\"\n"
       "expect no messages\n",
       "", 3, 0},
      {"a track bar dragged: its handler runs, the thumb stays within its range",
       "setting Program \"0\"\nstart\nexpect solves 5\ndrag TrackBar2 to 3\n"
       "expect TrackBar2 position 3\nexpect Edit44 text \"0.35Sr\"\nexpect solves 1\n"
       "drag TrackBar2 to 3\nexpect solves 0\ndrag TrackBar2 to 99\n"
       "expect TrackBar2 position 6\ndrag Edit19 to 2\ndrag TrackBar2 3\n"
       "drag TrackBar2 to x\nexpect no messages\n",
       "t:12: Edit19 is a TEdit, not a track bar\nt:13: expected to, got 3\n"
       "t:14: expected the position as a number, got x\n",
       7, 3},
      {"a hidden track bar ignores the user",
       "start\ndrag TrackBar2 to 3\nexpect TrackBar2 position 1\nexpect no messages\n", "", 2, 0},
      {"a shape's brush colour, by name or number; only shapes have one",
       "create\nexpect Shape1 brush lime\nexpect Shape700 brush $00D74200\n"
       "expect Shape700 brush 14107136\nexpect Shape700 brush lime\nexpect Edit1 brush red\n"
       "expect Shape1 brush pink\nexpect Shape1 color windowtext\n",
       "t:5: expected Shape700 brush lime, got 14107136\nt:6: Edit1 is a TEdit, not a shape\n"
       "t:7: unknown colour pink\n",
       4, 3},
      {"the program's exit",
       "start\nexpect no messages\nmenu Exit1\nexpect exit 0\nclick Button1\n",
       "t:5: the program has exited\n", 2, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::ostringstream out;
    auto r = RunScenario(c.text, "t", out);
    EXPECT_EQ(out.str(), c.output);
    EXPECT_EQ(r.passed, c.passed);
    EXPECT_EQ(r.failed, c.failed);
  }
}

}  // namespace
