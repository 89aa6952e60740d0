// Screenshots of the differential-pair panel solved in the embedded and the
// two broadside-coupled structures, as the user leaves it, for a look.
#include <gtest/gtest.h>

#include "tests/qt/screens_fixture.h"

namespace trellis::desktop {
namespace {

class BroadsideScreens : public testing::SolvedScreensFixture {
 protected:
  void SolveStructure(int structure, const char* height, const char* second) {
    vcl::user::PickMenuItem(*main->DifferentialPairs1);
    Choose(main->RadioGroup3, structure);
    Type(main->Edit21, "10");
    Type(main->Edit26, "5");
    Type(main->Edit27, height);
    if (second) Type(main->Edit32, second);
    Solve();
    EXPECT_FALSE(main->Edit29->Text().empty());
    EXPECT_EQ(main->Edit28->Visible(), structure == 3);
    SaveClientArea(QString("solved_GroupBox8_s%1.png").arg(structure));
  }
};

TEST_F(BroadsideScreens, EdgeCoupledEmbedded) { SolveStructure(3, "5", "15"); }
TEST_F(BroadsideScreens, BroadsideShielded) { SolveStructure(4, "15", nullptr); }
TEST_F(BroadsideScreens, BroadsideUnshielded) { SolveStructure(5, "15", nullptr); }

// The height check as the user meets it: the reset height and its results.
TEST_F(BroadsideScreens, BroadsideShieldedAfterTheHeightReset) {
  SolveStructure(4, "15", nullptr);
  testing::BoxAnswerer answerer(QMessageBox::Ok);
  Type(main->Edit27, "6");
  Solve();
  ASSERT_EQ(answerer.seen.size(), 1u);
  EXPECT_EQ(answerer.seen[0].text,
            "Conductor height can't be less than or equal to conductor thickness + spacing");
  EXPECT_EQ(main->Edit27->Text(), "7.8");
  SaveClientArea("solved_GroupBox8_s4_reset.png");
}

}  // namespace
}  // namespace trellis::desktop
