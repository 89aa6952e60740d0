// The wavelength's fraction slider moved as a user drags it: each position
// captions its fraction and solves, with the fraction of 10 ns at Er eff 4
// (figures worked out from the formulas, independently of the program).
#include <gtest/gtest.h>

#include "app/form1.h"
#include "tests/support/harness.h"
#include "vcl/user.h"

namespace {

using trellis::testing::Harness;

struct Case {
  int position;
  const char *caption, *inches;
};

const Case kCases[] = {
    {0, "Full Wave Length", "59.01426 Inches"}, {1, "3/4 Wave Length", "44.26070 Inches"},
    {2, "5/8 Wave Length", "36.88391 Inches"},  {3, "1/2 Wave Length", "29.50713 Inches"},
    {4, "1/4 Wave Length", "14.75357 Inches"},  {5, "1/10 Wave Length", "5.90143 Inches"},
    {6, "1/15 Wave Length", "3.93389 Inches"},  {7, "1/16 Wave Length", "3.68839 Inches"},
    {8, "1/20 Wave Length", "2.95071 Inches"},
};

TEST(WavelengthSlider, EachPositionCaptionsAndSolves) {
  Harness h({.settings = {{"Program", "17"}}});
  h.Start();
  trellis::TForm1& f = h.Main();
  // Downwards too, so that each position is reached from another one.
  for (const bool down : {false, true}) {
    for (int i = 0; i < 9; ++i) {
      const Case& c = kCases[down ? 8 - i : i];
      SCOPED_TRACE(c.position);
      const long solves = f.SolveCount;
      vcl::user::MoveTrackBar(*f.TrackBar4, c.position);
      EXPECT_EQ(f.TrackBar4->Position(), c.position);
      EXPECT_EQ(f.Label222->Caption(), c.caption);
      EXPECT_EQ(f.Edit104->Text(), c.inches);
      // The first of each run is where the slider already stands: no change, no solve.
      EXPECT_EQ(f.SolveCount, solves + (i > 0 ? 1 : 0));
    }
  }
}

}  // namespace
