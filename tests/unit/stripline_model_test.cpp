// The symmetric stripline against figures worked out from its formula,
// independently of the program, as the Zo and Tpd boxes round them.
#include "calc/impedance/stripline_model.h"

#include <gtest/gtest.h>

#include "tests/support/c_text.h"

using trellis::impedance::Stripline;
using trellis::impedance::StriplineModel;

using trellis::testing::Text;

namespace {

TEST(StriplineModel, WorkedFigures) {
  struct Case {
    const char* name;
    trellis::impedance::StriplineInputs in;  // one length unit
    const char *zo, *tpd;
  };
  const Case cases[] = {
      {"17 mils at 10 from each plane", {17, 1.4, 10, 4.6}, "27.897", "181.7685"},
      {"narrow, far planes, Er 3.8", {5, 0.7, 20, 3.8}, "86.198", "165.2082"},
      {"millimetres", {0.254, 0.035, 0.3, 4.2}, "47.498", "173.6858"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Stripline s = StriplineModel(c.in);
    EXPECT_EQ(Text("%.3f", s.zo), c.zo);
    EXPECT_EQ(Text("%.4f", s.tpdPerInch), c.tpd);
  }
}

}  // namespace
