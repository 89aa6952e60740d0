#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "app/program.h"
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

// Texts the layout does not hold, which only the start-up's own steps write:
// the separator flag, the copper boxes and groups in the user's decimal
// separator, the plane group of the stored calculator in the stored units,
// and the splash's last phase.
TEST(StartUp, WritesTheTextsOfTheUsersSeparatorCalculatorAndUnits) {
  struct Case {
    const char* separator;
    const char* units;
    const char* flag;
    const char* base;
    const char* plating;
    std::vector<std::string> baseItems;
    std::vector<std::string> platingItems;
    std::vector<std::string> planeItems;
  };
  const std::vector<std::string> pointBase = {"0.25oz", "0.5oz", "1oz", "1.5oz", "2oz",
                                              "2.5oz",  "3oz",   "4oz", "5oz"};
  const std::vector<std::string> commaBase = {"0,25oz", "0,5oz", "1oz", "1,5oz", "2oz",
                                              "2,5oz",  "3oz",   "4oz", "5oz"};
  const std::vector<std::string> pointPlating = {"Bare PCB", "0.5oz", "1oz", "1.5oz",
                                                 "2oz",      "2.5oz", "3oz"};
  const std::vector<std::string> commaPlating = {"Bare PCB", "0,5oz", "1oz", "1,5oz",
                                                 "2oz",      "2,5oz", "3oz"};
  const Case cases[] = {
      {".", "0", "0", "0.7", "1.4", pointBase, pointPlating, {"1oz", "2oz"}},
      {",", "0", "1", "0,7", "1,4", commaBase, commaPlating, {"1oz", "2oz"}},
      // The copper boxes and groups of metric units are the units switch's.
      {".", "1", "0", nullptr, nullptr, {}, {}, {"35um", "70um"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("separator ") + c.separator + ", units " + c.units);
    Harness h(
        {.settings = {{"Program", "2"}, {"Units", c.units}}, .decimalSeparator = c.separator});
    h.Start();
    auto& f = h.Main();
    EXPECT_EQ(f.Label165->Caption(), c.flag);
    if (c.base) {
      EXPECT_EQ(f.Edit136->Text(), c.base);
      EXPECT_EQ(f.Edit138->Text(), c.plating);
      EXPECT_EQ(f.RadioGroup4->Items().Items(), c.baseItems);
      EXPECT_EQ(f.RadioGroup1->Items().Items(), c.platingItems);
    }
    EXPECT_EQ(f.RadioGroup5->Items().Items(), c.planeItems);
    EXPECT_EQ(f.RadioGroup5->ItemIndex(), 0);
    EXPECT_EQ(trellis::Form4->Label3->Caption(), "Starting program....");
    EXPECT_EQ(trellis::Form4->ProgressBar1->Position(), 0);
    EXPECT_FALSE(trellis::Form4->Visible());
  }
}
