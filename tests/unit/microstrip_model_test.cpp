// The microstrip models against figures worked out from their formulas with the
// same constants, independently of the program, to four decimals.
#include "calc/impedance/microstrip_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/c_text.h"

using trellis::impedance::Microstrip;
using trellis::impedance::MicrostripInputs;
using trellis::impedance::MicrostripModel;

namespace {

std::string Text(double value) { return trellis::testing::Text("%.4f", value); }

constexpr double Mm(double mils) { return mils / 1000 * 25.4; }

struct Case {
  const char* name;
  MicrostripInputs in;  // mm, GHz
  const char *u1, *ur, *erUr, *z01U1, *z01Ur;
  const char *zoStatic, *erStatic, *erEffective, *zo;
};

// clang-format off
const Case kCases[] = {
    // 17 x 10 mils, 2.1 mils of copper, FR-4.
    {"0.5 GHz", {Mm(17), Mm(10), Mm(2.1), 4.6, 0.5},
     "1.9648", "1.8712", "3.4606", "89.9879", "92.4720", "49.7087", "3.2772", "3.2776", "49.7143"},
    {"10 GHz", {Mm(17), Mm(10), Mm(2.1), 4.6, 10},
     "1.9648", "1.8712", "3.4606", "89.9879", "92.4720", "49.7087", "3.2772", "3.3109", "50.1874"},
    // No dispersion: the static figures.
    {"0 GHz", {Mm(17), Mm(10), Mm(2.1), 4.6, 0},
     "1.9648", "1.8712", "3.4606", "89.9879", "92.4720", "49.7087", "3.2772", "3.2772", "49.7087"},
    // A conductor of no thickness takes no width correction.
    {"T = 0", {Mm(17), Mm(10), 0, 4.6, 0.5},
     "1.7000", "1.7000", "3.4323", "97.4417", "97.4417", "52.5959", "3.4323", "3.4326", "52.6007"},
    // The same geometry in mils, the frequency scaled so that f x H is unchanged.
    {"mils, same f x H", {17, 10, 2.1, 4.6, 0.5 * 0.0254},
     "1.9648", "1.8712", "3.4606", "89.9879", "92.4720", "49.7087", "3.2772", "3.2776", "49.7143"},
    {"narrow, Er 3.5, 5 GHz", {0.2, 0.5, 0.035, 3.5, 5},
     "0.5091", "0.4761", "2.5062", "165.7542", "169.7172", "107.2056", "2.3905", "2.3983", "107.6274"},
    {"wide, Er 10.2, 20 GHz", {3.0, 0.8, 0.07, 10.2, 20},
     "3.8845", "3.8237", "7.8574", "58.9244", "59.5571", "21.2468", "7.6914", "9.1803", "23.7751"},
};
// clang-format on

TEST(MicrostripModel, WorkedFigures) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const Microstrip m = MicrostripModel(c.in);
    EXPECT_EQ(Text(m.steps.u1), c.u1);
    EXPECT_EQ(Text(m.steps.ur), c.ur);
    EXPECT_EQ(Text(m.steps.erEffectiveUr), c.erUr);
    EXPECT_EQ(Text(m.steps.z01U1), c.z01U1);
    EXPECT_EQ(Text(m.steps.z01Ur), c.z01Ur);
    EXPECT_EQ(Text(m.zoStatic), c.zoStatic);
    EXPECT_EQ(Text(m.erEffectiveStatic), c.erStatic);
    EXPECT_EQ(Text(m.erEffective), c.erEffective);
    EXPECT_EQ(Text(m.zo), c.zo);
  }
}

TEST(MicrostripModel, NoDispersionAtZeroFrequency) {
  const Microstrip m = MicrostripModel({Mm(17), Mm(10), Mm(2.1), 4.6, 0});
  EXPECT_EQ(m.steps.dispersion, 0);
  EXPECT_EQ(m.erEffective, m.erEffectiveStatic);
  EXPECT_DOUBLE_EQ(m.zo, m.zoStatic);
}

TEST(MicrostripModel, EffectiveConstantRisesWithFrequencyTowardsEr) {
  double last = 0;
  for (double f : {0.0, 1.0, 5.0, 20.0, 100.0, 1000.0}) {
    const Microstrip m = MicrostripModel({Mm(17), Mm(10), Mm(2.1), 4.6, f});
    EXPECT_GE(m.erEffective, last) << f;
    EXPECT_LT(m.erEffective, 4.6) << f;
    last = m.erEffective;
  }
  EXPECT_GT(last, 4.5);
}

TEST(MicrostripModel, NoWidthGivesNoFiniteResult) {
  const Microstrip m = MicrostripModel({0, Mm(10), Mm(2.1), 4.6, 0.5});
  EXPECT_FALSE(std::isfinite(m.zo));
}

// 1000 sqrt(Er_eff) / 11.8 ps per inch; air is the bare 11.8 inches a ns.
TEST(MicrostripModel, DelayPerInchOfTheEffectiveConstant) {
  struct Case {
    double erEffective;
    const char* tpd;
  };
  const Case cases[] = {
      {1, "84.7458"},       {3.2776, "153.4249"}, {4.6, "181.7594"},
      {9.1803, "256.7713"}, {12.25, "296.6102"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.erEffective);
    EXPECT_EQ(Text(trellis::impedance::MicrostripDelayPerInch(c.erEffective)), c.tpd);
  }
}

// Inches; the metric case is 0.254 x 0.035 mm at 0.2 mm in 0.3 mm.
TEST(EmbeddedMicrostripModel, WorkedFigures) {
  struct Case {
    const char* name;
    trellis::impedance::EmbeddedMicrostripInputs in;
    const char *erPrime, *zo, *tpd;
    bool reachesSurface;
  };
  // clang-format off
  const Case cases[] = {
      {"10 mils at 8 in 10", {0.010, 0.0014, 0.010, 0.008, 4.6}, "3.9373", "49.2017", "167.8093", false},
      {"at 9: the top reaches the surface", {0.010, 0.0014, 0.010, 0.009, 4.6},
       "3.7781", "53.8632", "164.3821", true},
      // Binary fractions, so the top lies exactly at the surface.
      {"top exactly at the surface", {0.5, 0.25, 0.75, 0.5, 4.6}, "4.1502", "44.9456", "172.2863", true},
      {"thin cover, Er 3.8", {0.005, 0.0007, 0.020, 0.006, 3.8}, "3.7783", "62.7418", "164.3865", false},
      {"millimetres", {0.01, 0.035 / 25.4, 0.3 / 25.4, 0.2 / 25.4, 4.2},
       "3.7893", "49.7364", "164.6252", false},
  };
  // clang-format on
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const trellis::impedance::EmbeddedMicrostrip m =
        trellis::impedance::EmbeddedMicrostripModel(c.in);
    EXPECT_EQ(Text(m.erPrime), c.erPrime);
    EXPECT_EQ(Text(m.zo), c.zo);
    EXPECT_EQ(Text(m.tpdPerInch), c.tpd);
    EXPECT_EQ(trellis::impedance::ConductorReachesSurface(c.in), c.reachesSurface);
  }
}

}  // namespace
