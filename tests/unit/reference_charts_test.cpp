// The drill and imperial thread charts against the rules they are drawn from:
// every line recomputed from its drill size or thread size alone.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/form1.h"
#include "tests/support/harness.h"

using namespace trellis::testing;

namespace {

class ReferenceCharts : public ::testing::Test {
 protected:
  void SetUp() override { h.Create(); }
  Harness h;
};

std::vector<std::string> Split(const std::string& line, char by) {
  std::vector<std::string> out;
  std::string part;
  std::istringstream in(line);
  while (std::getline(in, part, by)) out.push_back(part);
  return out;
}

// "0.0135" as 135 ten-thousandths; the inch texts have at most four decimals.
long long TenThousandths(const std::string& inches) {
  const size_t point = inches.find('.');
  std::string decimals = inches.substr(point + 1);
  EXPECT_LE(decimals.size(), 4u) << inches;
  decimals.resize(4, '0');
  return std::stoll(inches.substr(0, point)) * 10000 + std::stoll(decimals);
}

// A whole number of 10^-scale units as text with `places` decimals, rounded half up.
std::string Decimals(long long value, int scale, int places) {
  long long step = 1;
  for (int i = places; i < scale; ++i) step *= 10;
  const long long rounded = (value + step / 2) / step;
  long long unit = 1;
  for (int i = 0; i < places; ++i) unit *= 10;
  std::string frac = std::to_string(rounded % unit);
  frac.insert(0, static_cast<size_t>(places) - frac.size(), '0');
  return std::to_string(rounded / unit) + (places ? "." + frac : "");
}

TEST_F(ReferenceCharts, DrillMillimetresAreTheInchesTimes25Point4) {
  const auto& lines = h.Main().Memo1->Lines().Items();
  ASSERT_EQ(lines.size(), 123u);
  std::vector<std::string> sizes;
  for (int n = 97; n >= 1; --n) sizes.push_back(std::to_string(n));
  for (char c = 'A'; c <= 'Z'; ++c) sizes.push_back(std::string(1, c));
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    const auto cols = Split(lines[i], '\t');
    ASSERT_EQ(cols.size(), 3u);
    EXPECT_EQ(cols[0], sizes[i]);
    const bool number = std::isdigit(static_cast<unsigned char>(cols[0][0]));
    const int size = number ? std::stoi(cols[0]) : 0;
    const std::string decimals = cols[1].substr(cols[1].find('.') + 1);
    // Four decimals down to size 79, else three unless a fourth one counts.
    if (number && size >= 79)
      EXPECT_EQ(decimals.size(), 4u);
    else
      EXPECT_TRUE(decimals.size() == 3 || (decimals.size() == 4 && decimals.back() != '0'));
    // Millimetres in 10^-5: ten-thousandths of an inch times 2.54.
    const long long mm = TenThousandths(cols[1]) * 254;
    std::string expected;
    if (number && size >= 89) {
      expected = Decimals(mm, 5, 5);
      while (expected.back() == '0') expected.pop_back();
    } else if (number && size >= 81) {
      expected = Decimals(mm, 5, 4);
    } else if (cols[0] == "X" || cols[0] == "Y" || cols[0] == "Z") {
      expected = Decimals(mm, 5, 2);
    } else {
      expected = Decimals(mm, 5, 3);
    }
    EXPECT_EQ(cols[2], expected);
  }
}

// The Unified inch thread's external limits: pitch-diameter tolerance of class
// 2A 0.0015 D^(1/3) + 0.0015 sqrt(LE) + 0.015 P^(2/3) with the engagement LE
// the basic major diameter, class 3A three quarters of it, the class 2A
// allowance 0.3 of the class 2A tolerance, the major-diameter tolerance
// 0.060 P^(2/3) and the rounded-root minor diameter D - 1.226869 P.
TEST_F(ReferenceCharts, ImperialThreadsFollowTheUnifiedThreadLimits) {
  struct Size {
    const char* name;
    double major;
  };
  const std::vector<Size> sizes = {
      {"0-80", 0.060},     {"1-64", 0.073},   {"1-72", 0.073},   {"2-56", 0.086},
      {"2-64", 0.086},     {"3-48", 0.099},   {"3-56", 0.099},   {"4-40", 0.112},
      {"4-48", 0.112},     {"5-40", 0.125},   {"5-44", 0.125},   {"6-32", 0.138},
      {"6-40", 0.138},     {"8-32", 0.164},   {"8-36", 0.164},   {"10-24", 0.190},
      {"10-32", 0.190},    {"1/4-20", 0.25},  {"1/4-28", 0.25},  {"5/16-18", 0.3125},
      {"5/16-24", 0.3125}, {"3/8-16", 0.375}, {"3/8-24", 0.375}, {"7/16-14", 0.4375},
      {"7/16-20", 0.4375}};
  const auto& lines = h.Main().Memo2->Lines().Items();
  ASSERT_EQ(lines.size(), 2 * sizes.size());
  auto round4 = [](double v) { return std::round(v * 1e4) / 1e4; };
  for (size_t i = 0; i < lines.size(); ++i) {
    SCOPED_TRACE(lines[i]);
    std::istringstream in(lines[i]);
    std::string name, cls;
    std::vector<double> chart(7);
    in >> name >> cls;
    for (double& v : chart) in >> v;
    ASSERT_TRUE(in) << "seven diameters";
    const Size& s = sizes[i / 2];
    const bool class3 = i % 2 == 1;
    EXPECT_EQ(name, s.name);
    EXPECT_EQ(cls, class3 ? "3A" : "2A");
    const double D = s.major;
    const double P = 1.0 / std::atoi(name.substr(name.find('-') + 1).c_str());
    const double tolerance2 =
        0.0015 * std::cbrt(D) + 0.0015 * std::sqrt(D) + 0.015 * std::pow(P, 2.0 / 3.0);
    const double allowance = class3 ? 0 : round4(0.3 * tolerance2);
    const double pitch = round4(D - 0.649519 * P);
    const double limits[7] = {D,
                              D - allowance,
                              D - allowance - 0.060 * std::pow(P, 2.0 / 3.0),
                              pitch,
                              pitch - allowance,
                              pitch - allowance - (class3 ? 0.75 : 1.0) * tolerance2,
                              D - allowance - 1.226869 * P};
    const char* names[7] = {"major basic", "major max", "major min", "pitch basic",
                            "pitch max",   "pitch min", "minor max"};
    // Each chart figure is its limit to four decimals (a limit on a half may go either way).
    for (int k = 0; k < 7; ++k)
      EXPECT_LE(std::fabs(chart[k] - limits[k]), 0.00005 + 1e-9) << names[k];
    // The basic pitch diameter exactly, and the maxima as the classes set them.
    EXPECT_DOUBLE_EQ(chart[3], pitch);
    if (class3) {
      EXPECT_EQ(chart[1], chart[0]);
      EXPECT_EQ(chart[4], chart[3]);
    } else {
      EXPECT_LT(chart[1], chart[0]);
      EXPECT_NEAR(chart[0] - chart[1], chart[3] - chart[4], 1e-9);
    }
  }
}

}  // namespace
