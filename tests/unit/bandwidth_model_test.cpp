// The bandwidth model against figures worked out from its formulas,
// independently of the program, to the digits the panel shows.
#include "calc/impedance/bandwidth_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/support/c_text.h"

using trellis::impedance::FrequencyModel;
using trellis::impedance::FrequencyResults;
using trellis::impedance::RisetimeInputs;
using trellis::impedance::RisetimeModel;
using trellis::impedance::RisetimeResults;
using trellis::impedance::SignalLayer;

using trellis::testing::Text;

namespace {

std::string Five(double value) { return Text("%.5f", value); }

struct RisetimeCase {
  const char* name;
  RisetimeInputs in;
  // MHz; wavelength, rise and lambda lengths in inches then cm; m/s
  const char *bandwidth, *wavelengthIn, *wavelengthCm, *riseIn, *riseCm, *lambdaIn, *lambdaCm;
  const char* speed;
};

constexpr SignalLayer kMicrostrip = SignalLayer::Microstrip, kStripline = SignalLayer::Stripline;

// clang-format off
const RisetimeCase kRisetimeCases[] = {
    // The panel's defaults: 1 ns on FR-4, 0.25 Sr and a seventh of the wavelength.
    {"1 ns microstrip", {1, 4.6, kMicrostrip, 0.25, 0.142857},
     "350.00000", "33.72244", "85.65499", "1.77221", "4.50141", "4.81749", "12.23641", "139778954.280"},
    // Buried, the whole permittivity slows the edge.
    {"1 ns stripline", {1, 4.6, kStripline, 0.25, 0.142857},
     "350.00000", "33.72244", "85.65499", "1.37578", "3.49447", "4.81749", "12.23641", "139778954.280"},
    {"0.5 ns, Er 3.5, 0.5 Sr, 1/20", {0.5, 3.5, kMicrostrip, 0.5, 0.05},
     "700.00000", "16.86122", "42.82749", "1.95867", "4.97503", "0.84306", "2.14137", "160245809.282"},
    {"2 ns stripline, Er 10.2, 0.2 Sr, 1/4", {2, 10.2, kStripline, 0.2, 0.25},
     "175.00000", "67.44487", "171.30998", "1.47825", "3.75475", "16.86122", "42.82749", "93868659.742"},
    // At Er 1 the microstrip's fit still gives 1.127.
    {"Er 1", {1, 1, kMicrostrip, 0.25, 0.142857},
     "350.00000", "33.72244", "85.65499", "2.77949", "7.05990", "4.81749", "12.23641", "299792458.000"},
};
// clang-format on

TEST(BandwidthModel, RisetimeFigures) {
  for (const RisetimeCase& c : kRisetimeCases) {
    SCOPED_TRACE(c.name);
    const RisetimeResults r = RisetimeModel(c.in);
    EXPECT_EQ(Five(r.bandwidth), c.bandwidth);
    EXPECT_EQ(Five(r.wavelength.inches), c.wavelengthIn);
    EXPECT_EQ(Five(r.wavelength.centimetres), c.wavelengthCm);
    EXPECT_EQ(Five(r.riseLength.inches), c.riseIn);
    EXPECT_EQ(Five(r.riseLength.centimetres), c.riseCm);
    EXPECT_EQ(Five(r.lambdaLength.inches), c.lambdaIn);
    EXPECT_EQ(Five(r.lambdaLength.centimetres), c.lambdaCm);
    EXPECT_EQ(Text("%.3f", r.speed), c.speed);
  }
}

struct FrequencyCase {
  const char* name;
  double mhz, fraction;
  const char *wavelengthIn, *wavelengthCm, *lambdaIn, *lambdaCm;
};

const FrequencyCase kFrequencyCases[] = {
    {"100 MHz, 1/7", 100, 0.142857, "118.02853", "299.79246", "16.86120", "42.82745"},
    {"100 GHz, 1/7", 100000, 0.142857, "0.11803", "0.29979", "0.01686", "0.04283"},
    {"100 Hz, 1/10", 0.0001, 0.1, "118028526.77165", "299792458.00000", "11802852.67717",
     "29979245.80000"},
};

TEST(BandwidthModel, FrequencyFigures) {
  for (const FrequencyCase& c : kFrequencyCases) {
    SCOPED_TRACE(c.name);
    const FrequencyResults r = FrequencyModel(c.mhz, c.fraction);
    EXPECT_EQ(Five(r.wavelength.inches), c.wavelengthIn);
    EXPECT_EQ(Five(r.wavelength.centimetres), c.wavelengthCm);
    EXPECT_EQ(Five(r.lambdaLength.inches), c.lambdaIn);
    EXPECT_EQ(Five(r.lambdaLength.centimetres), c.lambdaCm);
  }
}

// A risetime or a frequency of 0: an infinite bandwidth has no wavelength.
TEST(BandwidthModel, ZeroInputs) {
  const RisetimeResults r = RisetimeModel({0, 4.6, kMicrostrip, 0.25, 0.142857});
  EXPECT_TRUE(std::isinf(r.bandwidth) && r.bandwidth > 0);
  EXPECT_EQ(r.wavelength.inches, 0);
  EXPECT_EQ(r.riseLength.centimetres, 0);
  EXPECT_EQ(r.lambdaLength.inches, 0);
  const FrequencyResults f = FrequencyModel(0, 0.142857);
  EXPECT_TRUE(std::isinf(f.wavelength.centimetres));
  EXPECT_TRUE(std::isinf(f.lambdaLength.inches));
}

}  // namespace
