// The edge-coupled pairs against figures worked out independently of the
// program (a short script of the formulas), as the boxes round them.
#include "calc/diffpair/edge_coupled_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/diffpair/pair_coupling_model.h"
#include "calc/impedance/asym_stripline_model.h"
#include "tests/support/c_text.h"
#include "tests/support/math_errors.h"
#include "vcl/sysutils.h"

using namespace trellis::diffpair;
using trellis::testing::MathErrors;

using trellis::testing::Text;

namespace {

struct ExternalCase {
  const char* name;
  double w, s, h, t, er;  // mils
  const char *erEffective, *lsat, *zo, *zdiff;
};

// clang-format off
const ExternalCase kExternal[] = {
    // The worked example: H/W 1.5, so the 0.04 term joins.
    {"worked",       10, 5,  15, 2.1, 4.6, "3.217", "3289.27", "77.504",  "100.979"},
    {"H 5",          10, 5,  5,  2.1, 4.6, "3.480", "3162.58", "38.516",  "62.874"},
    {"H equal to W", 10, 5,  10, 2.1, 4.6, "3.299", "3248.22", "63.114",  "88.737"},
    {"thin, low Er", 20, 8,  6,  0.7, 3.0, "2.466", "3756.93", "31.683",  "54.910"},
    {"tall",         5,  10, 40, 1.4, 4.6, "3.013", "3398.79", "134.532", "167.470"},
};
// clang-format on

TEST(EdgeCoupledModel, ExternalPair) {
  for (const ExternalCase& c : kExternal) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const std::optional<double> er = ExternalPairErEffective(c.w, c.h, c.er);
    ASSERT_TRUE(er);
    EXPECT_EQ(Text("%.3f", *er), c.erEffective);
    EXPECT_EQ(Text("%.2f", SaturationLength(*er, 1, false)), c.lsat);
    const double zo = ExternalPairZo(c.w, c.h, c.t, c.er);
    EXPECT_EQ(Text("%.3f", zo), c.zo);
    EXPECT_EQ(Text("%.3f", ExternalPairZdiff(zo, c.s, c.h)), c.zdiff);
    EXPECT_TRUE(errors.shown.empty());
  }
}

// The 0.04 term starts from nothing at H = W, so the effective Er has no step.
TEST(EdgeCoupledModel, ExternalErEffectiveIsContinuousAtHEqualW) {
  const double at = *ExternalPairErEffective(10, 10, 4.6);
  EXPECT_NEAR(at, 3.299230176602706, 1e-12);
  EXPECT_NEAR(*ExternalPairErEffective(10, 10 * (1 + 1e-9), 4.6), at, 1e-9);
  EXPECT_NEAR(*ExternalPairErEffective(10, 10 * (1 - 1e-9), 4.6), at, 1e-9);
  // Just above, the term is added whole: (1 - 10/11)² x 0.04 beside the base.
  const double base = 2.8 + 1.8 / std::sqrt(1 + 12 * 1.1);
  EXPECT_NEAR(*ExternalPairErEffective(10, 11, 4.6), base + 0.04 / 121, 1e-12);
}

// No width and no height: neither branch applies, and the caller keeps what
// it had.
TEST(EdgeCoupledModel, ExternalErEffectiveOfNoRatio) {
  EXPECT_FALSE(ExternalPairErEffective(0, 0, 4.6));
}

// A pair on the plane itself: the logarithm of zero reports its error, and
// the infinite impedance flows on.
TEST(EdgeCoupledModel, ExternalPairOnThePlane) {
  MathErrors errors;
  EXPECT_DOUBLE_EQ(*ExternalPairErEffective(10, 0, 4.6), 4.6);
  const double zo = ExternalPairZo(10, 0, 2.1, 4.6);
  EXPECT_TRUE(std::isinf(zo) && zo < 0);
  EXPECT_EQ(errors.shown, std::vector<std::string>{vcl::MathErrorText("log", "SING")});
}

struct SymmetricCase {
  const char* name;
  double w, s, h, t, er;  // in the constants' own unit
  SymmetricConstants constants;
  const char *zo, *zdiff;
};

// clang-format off
const SymmetricCase kSymmetric[] = {
    {"worked, mils",                 5,     5,     15,    1.4,   4.6, SymmetricConstants::Imperial, "46.542", "79.843"},
    // The same geometry in millimetres, through the metric constant.
    {"worked in mm, metric constant", 0.127, 0.127, 0.381, 0.03556, 4.6, SymmetricConstants::Metric, "46.537", "79.834"},
    {"1 oz in mm",                   0.127, 0.127, 0.381, 0.035, 4.6, SymmetricConstants::Metric,   "46.651", "80.030"},
    {"half ounce, low Er",           12,    6,     30,    0.7,   3.0, SymmetricConstants::Imperial, "59.274", "93.724"},
};
// clang-format on

TEST(EdgeCoupledModel, SymmetricPair) {
  for (const SymmetricCase& c : kSymmetric) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    const double zo = SymmetricPairZo(c.w, c.h, c.t, c.er, c.constants);
    EXPECT_EQ(Text("%.3f", zo), c.zo);
    EXPECT_EQ(Text("%.3f", StriplinePairZdiff(zo, c.s, c.h)), c.zdiff);
    EXPECT_TRUE(errors.shown.empty());
  }
}

// The constants of the two blocks differ by 60 / sqrt(Er) x ln((4 / 2.1048653)
// / 1.9) for one geometry, whatever the scale.
TEST(EdgeCoupledModel, SymmetricConstantsOfTheTwoBlocks) {
  const double imperial = SymmetricPairZo(5, 15, 1.4, 4.6, SymmetricConstants::Imperial);
  const double metric = SymmetricPairZo(5, 15, 1.4, 4.6, SymmetricConstants::Metric);
  EXPECT_NEAR(imperial - metric, 0.005287312318, 1e-9);
  EXPECT_NEAR(StriplinePairZdiff(imperial, 5, 15) - StriplinePairZdiff(metric, 5, 15),
              79.84290355639129 - 79.83383317670902, 1e-9);
}

struct AsymmetricCase {
  const char* name;
  double w, s, h1, h2, t, er;  // mils
  trellis::impedance::AsymStriplineForm form;
  const char *zo, *zdiff;
};

// clang-format off
const AsymmetricCase kAsymmetric[] = {
    {"worked, ratio 1/3",   5,    5, 10, 5,  1.4, 4.6, trellis::impedance::AsymStriplineForm::Narrow, "45.514", "76.965"},
    {"worked, ratio 2/3",   10,   5, 10, 5,  1.4, 4.6, trellis::impedance::AsymStriplineForm::Wide,   "34.925", "59.059"},
    {"heights exchanged",   5,    5, 5,  10, 1.4, 4.6, trellis::impedance::AsymStriplineForm::Narrow, "45.514", "76.965"},
    {"equal heights",       5,    5, 8,  8,  1.4, 4.6, trellis::impedance::AsymStriplineForm::Narrow, "50.713", "84.940"},
    {"ratio exactly 0.35",  5.25, 5, 10, 5,  1.4, 4.6, trellis::impedance::AsymStriplineForm::Wide,   "48.073", "81.293"},
};
// clang-format on

// The offset-stripline model's Zo with the stripline pair's coupling over the
// plane spacing B = H1 + H2 + T.
TEST(EdgeCoupledModel, AsymmetricPair) {
  for (const AsymmetricCase& c : kAsymmetric) {
    SCOPED_TRACE(c.name);
    MathErrors errors;
    EXPECT_EQ(trellis::impedance::AsymStriplineFormFor(c.w, c.h1, c.h2), c.form);
    const auto m = trellis::impedance::AsymStriplineModel({c.w, c.t, c.h1, c.h2, c.er}, c.form);
    EXPECT_DOUBLE_EQ(m.b, c.h1 + c.h2 + c.t);
    EXPECT_EQ(Text("%.3f", m.zo), c.zo);
    EXPECT_EQ(Text("%.3f", StriplinePairZdiff(m.zo, c.s, m.b)), c.zdiff);
    EXPECT_TRUE(errors.shown.empty());
  }
}

}  // namespace
