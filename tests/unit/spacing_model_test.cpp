// The spacing model against the table and the line above 500 V, as the result
// texts round them (worked out by hand).
#include "calc/conductor/spacing_model.h"

#include <gtest/gtest.h>

#include "tests/support/c_text.h"

using namespace trellis::conductor;

using trellis::testing::Text;

namespace {

TEST(SpacingModel, TabledAndAbove500V) {
  struct Tabled {
    SpacingBand band;
    SpacingType type;
    int micrometres;
    const char* mils;
  };
  const Tabled tabled[] = {{SpacingBand::UpTo15V, SpacingType::B1, 50, "1.97"},
                           {SpacingBand::UpTo500V, SpacingType::B3, 12500, "492.13"},
                           {SpacingBand::UpTo300V, SpacingType::A7, 800, "31.50"},
                           {SpacingBand::UpTo30V, SpacingType::A6, 250, "9.84"},
                           {SpacingBand::UpTo100V, SpacingType::B2, 640, "25.20"}};
  for (const Tabled& t : tabled) {
    const TabledSpacing s = TabledConductorSpacing(t.band, t.type);
    EXPECT_EQ(s.micrometres, t.micrometres) << t.mils;
    EXPECT_EQ(Text("%.2f", s.mils), t.mils);
  }
  struct Line {
    SpacingType type;
    double volts;
    bool metric;
    const char* spacing;
  };
  const Line lines[] = {{SpacingType::B1, 501, false, "9.9409"},
                        {SpacingType::B1, 501, true, "0.2525"},
                        {SpacingType::B2, 1000, false, "196.8502"},
                        {SpacingType::B2, 1000, true, "5.0000"},
                        {SpacingType::A6, 1000, false, "119.0901"}};
  for (const Line& l : lines)
    EXPECT_EQ(Text("%.4f", SpacingAbove500V(l.type, l.volts, l.metric)), l.spacing) << l.volts;
}

}  // namespace
