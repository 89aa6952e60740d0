// The Ohm's-law model against figures worked out from its formulas,
// independently of the program, to the digits the panel shows.
#include "calc/circuit/ohms_law_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/c_text.h"

using namespace trellis::circuit;

using trellis::testing::Text;

namespace {

std::string Four(double value) { return Text("%.4f", value); }

struct OhmsLawCase {
  SolveFor target;
  double first, second;
  const char *value, *power;
};

// clang-format off
const OhmsLawCase kOhmsLawCases[] = {
    // The box's defaults, "1" and "12", in each meaning.
    {SolveFor::Volts, 1, 12, "12.0000", "12.0000"},
    {SolveFor::Amps, 1, 12, "0.0833", "0.0833"},
    {SolveFor::Ohms, 1, 12, "0.0833", "12.0000"},
    {SolveFor::Volts, 2.5, 4.7, "11.7500", "29.3750"},
    {SolveFor::Amps, 230, 1000, "0.2300", "52.9000"},
    {SolveFor::Ohms, 5, 0.02, "250.0000", "0.1000"},
};
// clang-format on

TEST(OhmsLawModel, TheThirdQuantityAndThePower) {
  for (const OhmsLawCase& c : kOhmsLawCases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.target)) + " " + std::to_string(c.first));
    const OhmsLawResult r = OhmsLaw(c.target, c.first, c.second);
    EXPECT_EQ(Four(r.value), c.value);
    EXPECT_EQ(Four(r.power), c.power);
  }
}

TEST(OhmsLawModel, ZeroDivisorsGiveInfinityAndNotANumber) {
  const OhmsLawResult amps = OhmsLaw(SolveFor::Amps, 5, 0);
  EXPECT_TRUE(std::isinf(amps.value) && amps.value > 0);
  EXPECT_TRUE(std::isinf(amps.power) && amps.power > 0);
  const OhmsLawResult ohms = OhmsLaw(SolveFor::Ohms, 0, 0);
  EXPECT_TRUE(std::isnan(ohms.value));
  EXPECT_EQ(ohms.power, 0);
}

struct LedCase {
  LedSolve target;
  double supply, forward, given;
  const char *value, *power;  // "%.1f" ohms or mA, "%.4f" W
};

// clang-format off
const LedCase kLedCases[] = {
    {LedSolve::Resistor, 12, 2, 10, "1000.0", "0.1000"},
    {LedSolve::Resistor, 5, 2.1, 20, "145.0", "0.0580"},
    {LedSolve::Resistor, 3.3, 1.8, 15, "100.0", "0.0225"},
    {LedSolve::Current, 12, 2, 1000, "10.0", "0.1000"},
    {LedSolve::Current, 5, 2.1, 220, "13.2", "0.0382"},
};
// clang-format on

TEST(OhmsLawModel, LedBias) {
  for (const LedCase& c : kLedCases) {
    SCOPED_TRACE(std::to_string(c.supply) + " " + std::to_string(c.given));
    const LedBiasResult r = LedBias(c.target, c.supply, c.forward, c.given);
    EXPECT_EQ(Text("%.1f", r.value), c.value);
    EXPECT_EQ(Four(r.power), c.power);
  }
}

// Per row: the first result (drop or branch current) and the power, "%.4f".
using Rows = std::vector<std::pair<const char*, const char*>>;

struct NetworkCase {
  double volts;
  ResistorRow ohms;
  int count;
  const char *total, *current;
  Rows rows;
};

TEST(OhmsLawModel, SeriesResistors) {
  // Rows beyond the count carry numbers that must not count.
  const NetworkCase cases[] = {
      {5,
       {330, 330, 999, 999},
       2,
       "660.000",
       "0.00757576",
       {{"2.5000", "0.0189"}, {"2.5000", "0.0189"}}},
      {12,
       {100, 220, 470, 999},
       3,
       "790.000",
       "0.01518987",
       {{"1.5190", "0.0231"}, {"3.3418", "0.0508"}, {"7.1392", "0.1084"}}},
      {24,
       {1000, 2200, 3300, 4700},
       4,
       "11200.000",
       "0.00214286",
       {{"2.1429", "0.0046"}, {"4.7143", "0.0101"}, {"7.0714", "0.0152"}, {"10.0714", "0.0216"}}},
  };
  for (const NetworkCase& c : cases) {
    SCOPED_TRACE(c.total);
    const SeriesResult r = SeriesResistors(c.volts, c.ohms, c.count);
    EXPECT_EQ(Text("%.3f", r.total), c.total);
    EXPECT_EQ(Text("%.8f", r.current), c.current);
    for (size_t k = 0; k < c.rows.size(); ++k) {
      EXPECT_EQ(Four(r.drop[k]), c.rows[k].first) << "row " << k + 1;
      EXPECT_EQ(Four(r.power[k]), c.rows[k].second) << "row " << k + 1;
    }
  }
}

TEST(OhmsLawModel, ParallelResistors) {
  const NetworkCase cases[] = {
      {5,
       {330, 330, 999, 999},
       2,
       "165.0000",
       "0.03030303",
       {{"0.0152", "0.0758"}, {"0.0152", "0.0758"}}},
      {12,
       {100, 220, 470, 999},
       3,
       "59.9768",
       "0.20007737",
       {{"0.1200", "1.4400"}, {"0.0545", "0.6545"}, {"0.0255", "0.3064"}}},
      {3.3,
       {1000, 2200, 3300, 4700},
       4,
       "507.5262",
       "0.00650213",
       {{"0.0033", "0.0109"}, {"0.0015", "0.0049"}, {"0.0010", "0.0033"}, {"0.0007", "0.0023"}}},
  };
  for (const NetworkCase& c : cases) {
    SCOPED_TRACE(c.total);
    const ParallelResult r = ParallelResistors(c.volts, c.ohms, c.count);
    EXPECT_EQ(Four(r.total), c.total);
    EXPECT_EQ(Text("%.8f", r.current), c.current);
    for (size_t k = 0; k < c.rows.size(); ++k) {
      EXPECT_EQ(Four(r.branch[k]), c.rows[k].first) << "row " << k + 1;
      EXPECT_EQ(Four(r.power[k]), c.rows[k].second) << "row " << k + 1;
    }
  }
}

// A shorted branch shorts the whole network; the other branches carry on.
TEST(OhmsLawModel, AShortedParallelResistor) {
  const ParallelResult r = ParallelResistors(5, {0, 330, 330, 330}, 2);
  EXPECT_EQ(r.total, 0);
  EXPECT_TRUE(std::isinf(r.current) && r.current > 0);
  EXPECT_TRUE(std::isinf(r.branch[0]) && r.branch[0] > 0);
  EXPECT_TRUE(std::isinf(r.power[0]) && r.power[0] > 0);
  EXPECT_EQ(Four(r.branch[1]), "0.0152");
  EXPECT_EQ(Four(r.power[1]), "0.0758");
}

}  // namespace
