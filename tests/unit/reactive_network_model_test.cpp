// Network totals worked out by hand, as the result texts round them.
#include "calc/circuit/reactive_network_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/c_text.h"

using namespace trellis::circuit;

namespace {

std::string Text(double value) { return trellis::testing::Text("%.4f", value); }

struct Case {
  std::vector<double> values;
  const char *direct, *reciprocal;
};

// clang-format off
const Case kCases[] = {
    {{330, 330},           "660.0000",  "165.0000"},
    {{330, 330, 330},      "990.0000",  "110.0000"},
    {{330, 330, 330, 330}, "1320.0000", "82.5000"},
    {{100, 220, 470},      "790.0000",  "59.9768"},
    {{1, 2, 3, 4},         "10.0000",   "0.4800"},
    // A zero value shorts the reciprocal sum.
    {{0, 330},             "330.0000",  "0.0000"},
};
// clang-format on

TEST(ReactiveNetworkModel, Totals) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << c.values.size() << " values from " << c.values[0]);
    EXPECT_EQ(Text(NetworkTotal(Reactive::Capacitor, Connection::Parallel, c.values)), c.direct);
    EXPECT_EQ(Text(NetworkTotal(Reactive::Inductor, Connection::Series, c.values)), c.direct);
    EXPECT_EQ(Text(NetworkTotal(Reactive::Capacitor, Connection::Series, c.values)), c.reciprocal);
    EXPECT_EQ(Text(NetworkTotal(Reactive::Inductor, Connection::Parallel, c.values)), c.reciprocal);
  }
}

}  // namespace
