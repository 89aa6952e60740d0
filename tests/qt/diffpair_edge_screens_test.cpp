// Screenshots of the differential-pair panel in each edge-coupled structure,
// chosen, filled in and solved through the panel's handlers, for a look; the
// off-centre pair also with equal heights, which shows its notice.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class EdgeCoupledScreens : public testing::SolvedScreensFixture {
 protected:
  void SolveStructure(int structure, const char* width, const char* height, const char* second,
                      const QString& file) {
    Pick(4);
    Choose(main->RadioGroup3, structure);
    // The stripline pairs take 1 oz of base copper.
    if (structure != 0) Choose(main->RadioGroup4, 2);
    Type(main->Edit21, width);
    Type(main->Edit26, "5");
    Type(main->Edit27, height);
    if (second) Type(main->Edit32, second);
    Solve();
    EXPECT_FALSE(main->Edit29->Text().empty());
    SaveClientArea(file);
  }
};

TEST_F(EdgeCoupledScreens, External) {
  SolveStructure(0, "10", "15", nullptr, "solved_GroupBox8_s0.png");
  EXPECT_EQ(main->Edit28->Text(), "77.504 Ohms");
}

TEST_F(EdgeCoupledScreens, CentredStripline) {
  SolveStructure(1, "5", "15", nullptr, "solved_GroupBox8_s1.png");
  EXPECT_EQ(main->Edit28->Text(), "46.542 Ohms");
}

TEST_F(EdgeCoupledScreens, OffCentreStripline) {
  SolveStructure(2, "5", "10", "5", "solved_GroupBox8_s2.png");
  EXPECT_EQ(main->Edit28->Text(), "45.514 Ohms");
  EXPECT_FALSE(main->Label284->Visible());
}

TEST_F(EdgeCoupledScreens, OffCentreStriplineWithEqualHeights) {
  SolveStructure(2, "5", "8", "8", "solved_GroupBox8_s2_equal.png");
  EXPECT_TRUE(main->Label284->Visible());
}

}  // namespace
}  // namespace trellis::desktop
