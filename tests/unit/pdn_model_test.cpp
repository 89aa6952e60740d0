// The PDN model against figures worked out from its formulas, independently
// of the program, as the result texts round them.
#include "calc/circuit/pdn_model.h"

#include <gtest/gtest.h>

#include "vcl/sysutils.h"

using namespace trellis::circuit;

namespace {

struct Case {
  const char* name;
  double volts, ripple, amps, transient;  // shares as fractions
  double er, squareInches, inches, mhz;
  const char *target, *pf, *reactance;
};

// clang-format off
const Case kCases[] = {
    {"5 V, 5 %, 2 A, 50 %, Er 4.6", 5, 0.05, 2, 0.5, 4.6, 5, 0.002, 1, "0.2500", "2587.50", "61.5092"},
    {"1 % transient", 5, 0.05, 2, 0.01, 4.6, 5, 0.002, 1, "12.5000", "2587.50", "61.5092"},
    {"no ripple", 5, 0, 2, 0.5, 4.6, 5, 0.002, 1, "0.0000", "2587.50", "61.5092"},
    {"Er 1", 5, 0.05, 2, 0.5, 1, 5, 0.002, 1, "0.2500", "562.50", "282.9424"},
    {"3.3 V rail at 100 MHz", 3.3, 0.03, 10, 0.4, 4.2, 12, 0.004, 100, "0.0247", "2835.00", "0.5614"},
    {"10 MHz", 5, 0.05, 2, 0.5, 4.6, 5, 0.002, 10, "0.2500", "2587.50", "6.1509"},
    {"zero current, distance, frequency", 5, 0.05, 0, 0.5, 4.6, 5, 0, 0, "+INF", "+INF", "-NAN"},
};
// clang-format on

TEST(PdnModel, WorkedFigures) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(vcl::Format("%.4f", TargetImpedance(c.volts, c.ripple, c.amps, c.transient)),
              c.target);
    const double pf = PlaneCapacitancePf(c.er, c.squareInches, c.inches);
    EXPECT_EQ(vcl::Format("%.2f", pf), c.pf);
    EXPECT_EQ(vcl::Format("%.4f", PlaneReactance(c.mhz, pf)), c.reactance);
  }
}

TEST(PdnModel, ZeroFrequencyAlone) {
  EXPECT_EQ(vcl::Format("%.4f", PlaneReactance(0, 2587.5)), "+INF");
}

}  // namespace
