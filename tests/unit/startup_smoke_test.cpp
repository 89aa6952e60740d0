#include <gtest/gtest.h>

#include "app/form1.h"
#include "settings/splash_form.h"
#include "tests/support/harness.h"

using trellis::testing::Harness;

TEST(StartUp, CreatesTheWindowsAndSolves) {
  Harness h;
  h.Start();
  auto& f = h.Main();
  EXPECT_TRUE(f.Visible());
  EXPECT_GE(f.SolveCount, 1);
  EXPECT_EQ(f.Label165->Caption(), "0");
  EXPECT_EQ(f.Label2->Caption(), "36.0");
  EXPECT_EQ(f.Label4->Caption(), "71.6");
  EXPECT_EQ(h.platform.sleptMilliseconds, 101 * 40);
  EXPECT_TRUE(h.platform.TakeMessages().empty());
}
