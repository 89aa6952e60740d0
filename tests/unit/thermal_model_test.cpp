// The junction model against worked figures, as the result text rounds them.
#include "calc/conductor/thermal_model.h"

#include <gtest/gtest.h>

#include "tests/support/c_text.h"

using namespace trellis::conductor;

using trellis::testing::Text;

namespace {

TEST(ThermalModel, JunctionAboveTheAmbient) {
  struct Case {
    double watts, resistance, ambient;
    const char* junction;
  };
  const Case cases[] = {
      {5, 3, 22, "37.000"}, {0, 3, 22, "22.000"}, {5, -3, 22, "7.000"}, {5, 3, 200, "215.000"}};
  for (const Case& c : cases)
    EXPECT_EQ(Text("%.3f", JunctionTemperature(c.watts, c.resistance, c.ambient)), c.junction);
}

}  // namespace
