// The fusing model against the worked figures of its calculator, as the result
// texts round them (worked out by hand).
#include "calc/conductor/fusing_model.h"

#include <gtest/gtest.h>

#include "tests/support/c_text.h"

using namespace trellis::conductor;

using trellis::testing::Text;

namespace {

TEST(FusingModel, OnderdonkWorkedFigures) {
  struct Case {
    double sqMils, seconds, multiplier;
    const char *amps, *circularMils;
  };
  // Bare copper at an ambient of 22 C: 10 x 2.1 mils, and 0.254 x 0.053 mm.
  const double metricArea = 0.254 * 0.053 * 1550.0031000062;
  const Case cases[] = {{21, 1, 1, "3.9270", "26.74"},
                        {21, 4, 1, "1.9635", "26.74"},
                        {21, 1, 2, "7.8540", "26.74"},
                        {metricArea, 1, 1, "3.9020", "26.57"}};
  for (const Case& c : cases) {
    EXPECT_EQ(Text("%.4f", OnderdonkCurrent(c.sqMils, 22, c.seconds, c.multiplier)), c.amps)
        << c.sqMils << " " << c.seconds << " " << c.multiplier;
    EXPECT_EQ(Text("%.2f", CircularMils(c.sqMils)), c.circularMils) << c.sqMils;
  }
  EXPECT_DOUBLE_EQ(kCopperMeltC, 1084.62);
}

}  // namespace
