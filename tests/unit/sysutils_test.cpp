#include "vcl/sysutils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

using vcl::FormatSettings;

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::nan("");
const double kNegNaN = std::copysign(std::nan(""), -1.0);

// Every test leaves the process-wide settings as it found them.
class SysUtils : public ::testing::Test {
 protected:
  void TearDown() override {
    FormatSettings.DecimalSeparator = '.';
    vcl::SetMathErrorHandler(nullptr);
  }
};

TEST_F(SysUtils, StrToFloatAcceptsDecimalText) {
  struct Case {
    char separator;
    std::string text;
    double expected;
  };
  const Case cases[] = {
      {'.', "1.5748", 1.5748},
      {'.', "  -2.5  ", -2.5},
      {'.', "\t+3\t", 3.0},
      {'.', "5.", 5.0},
      {'.', ".5", 0.5},
      {'.', "-.5", -0.5},
      {'.', "1e3", 1000.0},
      {'.', "1.5E-6", 1.5e-6},
      {'.', "2.5e+15", 2.5e15},
      {'.', "007", 7.0},
      {'.', "0", 0.0},
      {'.', "1.7976931348623157e308", std::numeric_limits<double>::max()},
      {'.', "1" + std::string(300, '0'), 1e300},
      {'.', "0." + std::string(9999, '0') + "1", 0.0},  // underflow reads as zero
      {'.', "1e-400", 0.0},
      {'.', "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
      {'.', "0e99999999999999999999", 0.0},
      {'.', "1." + std::string(100000, '0'), 1.0},
      {',', "1,5", 1.5},
      {',', " -0,125e2 ", -12.5},
      {',', ",5", 0.5},
      {',', "42", 42.0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.separator) + " " + c.text.substr(0, 40));
    FormatSettings.DecimalSeparator = c.separator;
    EXPECT_EQ(vcl::StrToFloat(c.text), c.expected);
    double value = -1.0;
    EXPECT_TRUE(vcl::TryStrToFloat(c.text, value));
    EXPECT_EQ(value, c.expected);
  }
}

TEST_F(SysUtils, StrToFloatRejectsOtherText) {
  struct Case {
    char separator;
    std::string text;
  };
  const Case cases[] = {
      {'.', ""},
      {'.', "   "},
      {'.', "abc"},
      {'.', "INF"},
      {'.', "-inf"},
      {'.', "NAN"},
      {'.', "1e"},
      {'.', "1e+"},
      {'.', "e5"},
      {'.', "."},
      {'.', "-"},
      {'.', "+-1"},
      {'.', "0x10"},
      {'.', "1 000"},
      {'.', "1,5"},
      {'.', "1.2.3"},
      {'.', "1.5x"},
      {'.', "1e400"},
      {'.', "-1e400"},
      {'.', "1.7976931348623159e308"},
      {'.', std::string(5000, '9')},
      {'.', "1e99999999999999999999"},
      {',', "1.5"},
      {',', "1,2,3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(1, c.separator) + " " + c.text.substr(0, 40));
    FormatSettings.DecimalSeparator = c.separator;
    double value = 0.0;
    EXPECT_FALSE(vcl::TryStrToFloat(c.text, value));
    try {
      vcl::StrToFloat(c.text);
      ADD_FAILURE() << "no exception";
    } catch (const vcl::EConvertError& e) {
      EXPECT_EQ(e.Message(), "'" + c.text + "' is not a valid floating point value");
    }
  }
}

TEST_F(SysUtils, StrToIntReadsWholeNumbers) {
  struct Case {
    std::string text;
    bool valid;
    int expected;
  };
  const Case cases[] = {
      {"42", true, 42},
      {" -17 ", true, -17},
      {"+8", true, 8},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, -2147483647 - 1},
      {"000000000000000000000000012", true, 12},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {std::string(1000, '9'), false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"1.5", false, 0},
      {"1e3", false, 0},
      {"0x10", false, 0},
      {"1 000", false, 0},
      {"abc", false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.substr(0, 40));
    int value = 0;
    EXPECT_EQ(vcl::TryStrToInt(c.text, value), c.valid);
    if (c.valid) {
      EXPECT_EQ(value, c.expected);
      EXPECT_EQ(vcl::StrToInt(c.text), c.expected);
    } else {
      try {
        vcl::StrToInt(c.text);
        ADD_FAILURE() << "no exception";
      } catch (const vcl::EConvertError& e) {
        EXPECT_EQ(e.Message(), "'" + c.text + "' is not a valid integer value");
      }
    }
  }
}

TEST_F(SysUtils, IntToStrIsPlainDecimal) {
  const std::pair<long long, const char*> cases[] = {
      {0, "0"},
      {-5, "-5"},
      {1234567, "1234567"},
      {std::numeric_limits<long long>::min(), "-9223372036854775808"},
  };
  for (const auto& [value, expected] : cases) EXPECT_EQ(vcl::IntToStr(value), expected);
}

TEST_F(SysUtils, FloatToStrUsesGeneralFormat) {
  struct Case {
    char separator;
    double value;
    const char* expected;
  };
  const Case cases[] = {
      {'.', 0.0, "0"},
      {'.', -0.0, "0"},
      {'.', 1574.8000000000002, "1574.8"},
      {'.', 0.1 + 0.2, "0.3"},
      {'.', 1.5748, "1.5748"},
      {'.', 62 / 25.4 * 1000, "2440.94488188976"},
      {'.', 2.0 / 3.0, "0.666666666666667"},
      {'.', -42.0, "-42"},
      {'.', 100.0, "100"},
      {'.', 123456789012345678.0, "1.23456789012346E17"},
      {'.', 999999999999999.0, "999999999999999"},
      {'.', 999999999999999.9, "1E15"},  // rounding moves the exponent
      {'.', 1e15, "1E15"},
      {'.', 1e20, "1E20"},
      {'.', -2.5e15, "-2.5E15"},
      {'.', 0.0001, "0.0001"},
      {'.', 0.00012345, "0.00012345"},
      {'.', 0.00001, "1E-5"},
      {'.', 0.000012, "1.2E-5"},
      {'.', 1.5e-6, "1.5E-6"},
      {'.', -1e-300, "-1E-300"},
      {'.', 5e-324, "4.94065645841247E-324"},
      {'.', std::numeric_limits<double>::max(), "1.79769313486232E308"},
      {'.', kInf, "INF"},
      {'.', -kInf, "-INF"},
      {'.', kNaN, "NAN"},
      {',', 1.5748, "1,5748"},
      {',', 1.5e-6, "1,5E-6"},
      {',', 12.0, "12"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    FormatSettings.DecimalSeparator = c.separator;
    EXPECT_EQ(vcl::FloatToStr(c.value), c.expected);
  }
}

TEST_F(SysUtils, FloatToStrReadsBackWithEitherSeparator) {
  const double values[] = {1574.8, -0.000123, 6.02214076e23, 1e-5, 33.3333333333333};
  for (char separator : {'.', ','}) {
    FormatSettings.DecimalSeparator = separator;
    for (double v : values) {
      SCOPED_TRACE(vcl::FloatToStr(v));
      EXPECT_DOUBLE_EQ(vcl::StrToFloat(vcl::FloatToStr(v)), v);
    }
  }
}

TEST_F(SysUtils, FormatWritesPrintfStyleText) {
  FormatSettings.DecimalSeparator = ',';  // result texts ignore the user's separator
  const std::pair<std::string, const char*> cases[] = {
      {vcl::Format("%.3f", 1.23456), "1.235"},
      {vcl::Format("%8.2f|", 3.14159), "    3.14|"},
      {vcl::Format("%-8.2f|", 3.14159), "3.14    |"},
      {vcl::Format("%+.1f", 2.0), "+2.0"},
      {vcl::Format("%08.3f", -1.5), "-001.500"},
      {vcl::Format("%f", 5), "5.000000"},  // integer promoted
      {vcl::Format("%.2e", 12345.678), "1.23e+04"},
      {vcl::Format("%E", 0.5), "5.000000E-01"},
      {vcl::Format("%g", 0.0001), "0.0001"},
      {vcl::Format("%G", 1e-10), "1E-10"},
      {vcl::Format("%F", 2.5), "2.500000"},
      {vcl::Format("%d", 42), "42"},
      {vcl::Format("%i|%5d|%-5d|%05d", -3, 7, 7, 7), "-3|    7|7    |00007"},
      {vcl::Format("%d", 2.9), "2"},  // doubles truncate towards zero
      {vcl::Format("%d", -2.9), "-2"},
      {vcl::Format("%d", kNaN), "0"},
      {vcl::Format("%d", 1e300), "9223372036854775807"},
      {vcl::Format("%u", 4000000000LL), "4000000000"},
      {vcl::Format("%x %X %#x", 255, 255, 255), "ff FF 0xff"},
      {vcl::Format("%c%c", 'O', 75), "OK"},
      {vcl::Format("[%3c]", 'a'), "[  a]"},
      {vcl::Format("%s=%s", std::string("w"), "0.2 mm"), "w=0.2 mm"},
      {vcl::Format("[%6s][%-6s][%.2s]", "ab", "ab", "abcdef"), "[    ab][ab    ][ab]"},
      {vcl::Format("100%%"), "100%"},
      {vcl::Format("no args"), "no args"},
      {vcl::Format("%d", 1, 2), "1"},  // surplus arguments are ignored
      {vcl::Format("%.8f Amps", kInf), "+INF Amps"},
      {vcl::Format("%.2f", -kInf), "-INF"},
      {vcl::Format("%.2f", kNegNaN), "-NAN"},
      {vcl::Format("%.3f", std::nan("")), "+NAN"},
      {vcl::Format("%e|%g|%E|%G", kInf, kInf, kNaN, -kInf), "+INF|+INF|+NAN|-INF"},
      {vcl::Format("[%8.3f]", kInf), "[    +INF]"},
      {vcl::Format("[%-8.3f]", kNegNaN), "[-NAN    ]"},
      {vcl::Format("[%08.3f]", kInf), "[    +INF]"},
      {vcl::Format("%.1f mm, %s", 0.25, "ok"), "0.2 mm, ok"},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

// The C library's own text for one conversion of one value.
template <class T>
std::string LibraryText(const std::string& format, T value) {
  char buf[512];
  const int n = std::snprintf(buf, sizeof buf, format.c_str(), value);
  return n < 0 ? std::string() : std::string(buf, static_cast<size_t>(n));
}

// Doubles across every magnitude a result takes, with the awkward ones: exact
// ties at each precision, values just either side of a tie, signed zeros, the
// extremes and subnormals.
std::vector<double> FormatProbeValues() {
  std::vector<double> values = {0.0,
                                -0.0,
                                0.5,
                                1.5,
                                2.5,
                                -2.5,
                                0.125,
                                0.375,
                                -0.625,
                                1.005,
                                2.675,
                                0.045,
                                1e-7,
                                -4e-4,
                                9.9999999,
                                99.95,
                                999.5,
                                0.0625,
                                1.0 / 3.0,
                                2.0 / 3.0,
                                123456789.125,
                                4503599627370495.5,
                                9007199254740993.0,
                                1e15,
                                1e22,
                                1e300,
                                -1e300,
                                std::numeric_limits<double>::max(),
                                std::numeric_limits<double>::lowest(),
                                std::numeric_limits<double>::min(),
                                std::numeric_limits<double>::denorm_min(),
                                -std::numeric_limits<double>::denorm_min()};
  // Ties at every precision up to 15 places, and their neighbours.
  for (int places = 0; places <= 15; ++places) {
    const double tie = (7 + std::ldexp(1.0, -std::min(places, 10))) * 0.5;
    values.push_back(tie);
    values.push_back(std::nextafter(tie, 0.0));
    values.push_back(-std::nextafter(tie, 100.0));
  }
  std::mt19937_64 random(20261210);
  std::uniform_real_distribution<double> exponent(-20.0, 25.0);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  for (int i = 0; i < 400; ++i)
    values.push_back(mantissa(random) * std::pow(10.0, exponent(random)));
  // Random bit patterns reach every exponent, with no regard for decimal roundness.
  for (int i = 0; i < 200; ++i) {
    double v = 0;
    const std::uint64_t bits = random();
    std::memcpy(&v, &bits, sizeof v);
    if (std::isfinite(v)) values.push_back(v);
  }
  return values;
}

TEST_F(SysUtils, FixedPointFormatsMatchTheCLibrary) {
  const char* const flag_sets[] = {"", "-", "0", "+", " ", "-0", "+0", " 0", "-+"};
  const int widths[] = {0, 1, 3, 6, 12, 25};
  const std::vector<double> values = FormatProbeValues();
  for (const char* flags : flag_sets) {
    for (const int width : widths) {
      const std::string field = std::string("%") + flags + (width > 0 ? std::to_string(width) : "");
      std::vector<std::string> formats = {field + "f"};
      for (int precision = 0; precision <= 15; ++precision)
        formats.push_back(field + "." + std::to_string(precision) + "f");
      formats.push_back(field + ".F");
      for (const std::string& format : formats) {
        for (const double v : values) {
          SCOPED_TRACE(format + " of " + LibraryText("%.17g", v));
          ASSERT_EQ(vcl::Format(format, v), LibraryText(format, v));
        }
      }
    }
  }
}

// Past the whole-number path: long precisions, the alternate form and
// precisions past any double's digits.
TEST_F(SysUtils, LongAndAlternateFixedPointFormatsMatchTheCLibrary) {
  const std::vector<double> values = FormatProbeValues();
  for (const char* flags : {"", "#", "+", "-0", "# "}) {
    for (const int width : {0, 30}) {
      for (const int precision : {0, 3, 16, 20, 31, 40, 41, 60}) {
        const std::string format = std::string("%") + flags +
                                   (width > 0 ? std::to_string(width) : "") + "." +
                                   std::to_string(precision) + "f";
        for (const double v : values) {
          SCOPED_TRACE(format + " of " + LibraryText("%.17g", v));
          ASSERT_EQ(vcl::Format(format, v), LibraryText(format, v));
        }
      }
    }
  }
  // Whole numbers with a precision keep the C library's least digits.
  for (const char* format : {"%.3d", "%8.5d", "%-8.2d", "%+.4i"}) {
    for (const long long v : {0LL, 7LL, -42LL, 123456LL}) {
      SCOPED_TRACE(std::string(format) + " of " + std::to_string(v));
      std::string library = format;
      library.insert(library.size() - 1, "ll");
      EXPECT_EQ(vcl::Format(format, v), LibraryText(library, v));
    }
  }
}

TEST_F(SysUtils, ResultFormatsMatchTheCLibrary) {
  const char* const formats[] = {"%.3f",    "%.2f mils", "%3.0f um",        "%.4f Ohms",
                                 "%0.1fC",  "%4.0f um",  "%.2f:1",          "%.8f Amps",
                                 "%.3f °C", "%0.1f",     "[%-10.4f|%08.2f]"};
  for (const char* format : formats) {
    for (const double v : FormatProbeValues()) {
      SCOPED_TRACE(std::string(format) + " of " + LibraryText("%.17g", v));
      const std::string expected = std::string(format) == "[%-10.4f|%08.2f]"
                                       ? LibraryText("[%-10.4f|", v) + LibraryText("%08.2f]", -v)
                                       : LibraryText(format, v);
      const std::string actual = std::string(format) == "[%-10.4f|%08.2f]"
                                     ? vcl::Format(format, v, -v)
                                     : vcl::Format(format, v);
      ASSERT_EQ(actual, expected);
    }
  }
  // Non-finite values keep their words in any field.
  const std::pair<std::string, std::string> words[] = {
      {vcl::Format("%.2f mils", kInf), "+INF mils"}, {vcl::Format("%3.0f um", -kInf), "-INF um"},
      {vcl::Format("%6.3f", kNegNaN), "  -NAN"},     {vcl::Format("%-6.0f|", kNaN), "+NAN  |"},
      {vcl::Format("%+06.1f", kInf), "  +INF"},
  };
  for (const auto& [actual, expected] : words) EXPECT_EQ(actual, expected);
}

TEST_F(SysUtils, FifteenDigitRoundingMatchesTheCLibrary) {
  std::vector<double> values = FormatProbeValues();
  // Halfway between two 15-digit decimals, and the decimals themselves.
  for (const double v : {1.000000000000005, 9.999999999999995, 123456789012345.5, 0.1, 0.3,
                         1e15 - 0.5, 999999999999999.4, 999999999999999.0, 99999999999999.99,
                         9999999999999.999, 1e-5, 2.5e-9, 7e21, 3e40})
    values.push_back(v);
  for (const double v : values) {
    if (v == 0) continue;
    SCOPED_TRACE(LibraryText("%.17g", v));
    // The C library's own 15 significant digits, read back.
    const std::string reference = LibraryText("%.14e", v);
    const double expected = std::strtod(reference.c_str(), nullptr);
    if (std::isfinite(expected)) {
      ASSERT_EQ(vcl::RoundToFifteenDigits(v), expected);
      ASSERT_EQ(vcl::StrToFloat(vcl::FloatToStr(v)), expected) << vcl::FloatToStr(v);
    } else {
      // Rounded past the largest double: the value stays itself.
      ASSERT_EQ(vcl::RoundToFifteenDigits(v), v);
    }
    // The same digits, with the trailing zeros dropped.
    const size_t sign = reference[0] == '-' ? 1 : 0;
    std::string digits = reference.substr(sign, reference.find('e') - sign);
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string shown;
    for (const char c : vcl::FloatToStr(v)) {
      if (c == 'E') break;
      if (c >= '0' && c <= '9' && (c != '0' || !shown.empty())) shown += c;
    }
    while (shown.size() > 1 && shown.back() == '0') shown.pop_back();
    ASSERT_EQ(shown, digits) << vcl::FloatToStr(v);
  }
  for (const double v : {0.0, -0.0, kInf, -kInf}) {
    EXPECT_EQ(vcl::RoundToFifteenDigits(v), v);
    EXPECT_EQ(std::signbit(vcl::RoundToFifteenDigits(v)), std::signbit(v));
  }
  EXPECT_TRUE(std::isnan(vcl::RoundToFifteenDigits(kNaN)));
}

TEST_F(SysUtils, WholeNumberFormatsMatchTheCLibrary) {
  std::vector<long long> values = {
      0,          1,           -1,           9,         10,        -10,
      2147483647, -2147483648, 4294967296LL, LLONG_MAX, LLONG_MIN, LLONG_MIN + 1};
  std::mt19937_64 random(7);
  for (int i = 0; i < 200; ++i) {
    const long long v = static_cast<long long>(random());
    values.push_back(v >> (random() % 63));
  }
  const char* const flag_sets[] = {"", "-", "0", "+", " ", "-0", "+0", " 0"};
  for (const char* flags : flag_sets) {
    for (const int width : {0, 1, 4, 12, 25}) {
      for (const char conv : {'d', 'i'}) {
        const std::string field =
            std::string("%") + flags + (width > 0 ? std::to_string(width) : "");
        for (const long long v : values) {
          SCOPED_TRACE(field + conv + " of " + std::to_string(v));
          ASSERT_EQ(vcl::Format(field + conv, v), LibraryText(field + "lld", v));
        }
      }
    }
  }
  // Doubles truncate towards zero first, whatever the field.
  for (const double v : {2.9, -2.9, 0.5, -0.5, 1e10, -123456.75}) {
    SCOPED_TRACE(v);
    EXPECT_EQ(vcl::Format("%6d|%-6d|%06d", v, v, v),
              LibraryText("%6lld|", static_cast<long long>(v)) +
                  LibraryText("%-6lld|", static_cast<long long>(v)) +
                  LibraryText("%06lld", static_cast<long long>(v)));
  }
}

TEST_F(SysUtils, FormatRejectsBadFormatsAndArguments) {
  const std::vector<std::function<std::string()>> cases = {
      [] { return vcl::Format("%d"); },
      [] { return vcl::Format("%d %d", 1); },
      [] { return vcl::Format("%f"); },
      [] { return vcl::Format("%s", 1.5); },
      [] { return vcl::Format("%d", "text"); },
      [] { return vcl::Format("%f", "text"); },
      [] { return vcl::Format("%c", "t"); },
      [] { return vcl::Format("50%", 1); },
      [] { return vcl::Format("%5", 1); },
      [] { return vcl::Format("%q", 1); },
      [] { return vcl::Format("%ld", 1); },
      [] { return vcl::Format("%999999999d", 1); },
      [] { return vcl::Format("%.999999999f", 1.0); },
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_THROW(cases[i](), vcl::Exception);
  }
}

TEST_F(SysUtils, CommaFormReplacesOnlyTheFirstPoint) {
  const std::pair<const char*, const char*> cases[] = {
      {"1.5748", "1,5748"}, {"1.2.3", "1,2.3"}, {"42", "42"}, {"", ""}, {".5", ",5"}};
  for (const auto& [text, expected] : cases) EXPECT_EQ(vcl::CommaForm(text), expected);
}

TEST_F(SysUtils, RoundHalfAwayToPowerOfTen) {
  struct Case {
    double value;
    int digit;
    double expected;
  };
  const Case cases[] = {{1.5748, -4, 1.5748}, {2.5, 0, 3.0},       {-2.5, 0, -3.0},
                        {3.5, 0, 4.0},        {0.125, -2, 0.13},   {-0.125, -2, -0.13},
                        {2.4, 0, 2.0},        {-2.4, 0, -2.0},     {1574.8, 1, 1570.0},
                        {1575.0, 1, 1580.0},  {0.0, -2, 0.0},      {62 / 25.4, -3, 2.441},
                        {140.5, 0, 141.0},    {1234.0, 2, 1200.0}, {1250.0, 2, 1300.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(vcl::Format("%g at %d", c.value, c.digit));
    EXPECT_DOUBLE_EQ(vcl::RoundHalfAwayToPowerOfTen(c.value, c.digit), c.expected);
  }
}

TEST_F(SysUtils, RoundHalfEvenToPowerOfTen) {
  struct Case {
    double value;
    int digit;
    double expected;
  };
  const Case cases[] = {
      {2.5, 0, 2.0},       {3.5, 0, 4.0},       {-2.5, 0, -2.0},     {-3.5, 0, -4.0},
      {0.125, -2, 0.12},   {0.375, -2, 0.38},   {2.6, 0, 3.0},       {-2.6, 0, -3.0},
      {56.0, 0, 56.0},     {140.5, 0, 140.0},   {141.5, 0, 142.0},   {62.4, 0, 62.0},
      {1.5748, -3, 1.575}, {1234.0, 2, 1200.0}, {1260.0, 2, 1300.0}, {1250.0, 2, 1200.0},
      {0.0, 0, 0.0},       {1e300, 20, 1e300},  {0.5, -20, 0.5},     {1e-21, -20, 0.0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(vcl::Format("%g at %d", c.value, c.digit));
    EXPECT_DOUBLE_EQ(vcl::RoundHalfEvenToPowerOfTen(c.value, c.digit), c.expected);
  }
  EXPECT_TRUE(std::isnan(vcl::RoundHalfEvenToPowerOfTen(kNaN, 0)));
  EXPECT_EQ(vcl::RoundHalfEvenToPowerOfTen(kInf, -2), kInf);
}

TEST_F(SysUtils, RoundHalfEvenRejectsDigitsOutOfRange) {
  for (int digit : {-21, 21, -1000, 1000}) {
    SCOPED_TRACE(digit);
    try {
      vcl::RoundHalfEvenToPowerOfTen(1.0, digit);
      ADD_FAILURE() << "no exception";
    } catch (const vcl::EInvalidArgument& e) {
      EXPECT_EQ(e.Message(), "Invalid argument");
    }
  }
}

TEST_F(SysUtils, CheckedMathReportsErrorsAndReturnsNaturalValue) {
  struct Case {
    const char* label;
    std::function<double()> call;
    std::string report;  // "function kind", or empty for none
    double expected;
  };
  const Case cases[] = {
      {"sqrt(4)", [] { return vcl::Sqrt(4.0); }, "", 2.0},
      {"sqrt(-0)", [] { return vcl::Sqrt(-0.0); }, "", -0.0},
      {"sqrt(-1)", [] { return vcl::Sqrt(-1.0); }, "sqrt DOMAIN", kNaN},
      {"sqrt(-inf)", [] { return vcl::Sqrt(-kInf); }, "", kNaN},
      {"sqrt(nan)", [] { return vcl::Sqrt(kNaN); }, "", kNaN},
      {"log(e)", [] { return vcl::Log(std::exp(1.0)); }, "", 1.0},
      {"log(0)", [] { return vcl::Log(0.0); }, "log SING", -kInf},
      {"log(-0)", [] { return vcl::Log(-0.0); }, "log SING", -kInf},
      {"log(-1)", [] { return vcl::Log(-1.0); }, "log DOMAIN", kNaN},
      {"log(inf)", [] { return vcl::Log(kInf); }, "", kInf},
      {"log(nan)", [] { return vcl::Log(kNaN); }, "", kNaN},
      {"log10(1000)", [] { return vcl::Log10(1000.0); }, "", 3.0},
      {"log10(0)", [] { return vcl::Log10(0.0); }, "log10 SING", -kInf},
      {"log10(-5)", [] { return vcl::Log10(-5.0); }, "log10 DOMAIN", kNaN},
      {"pow(2,10)", [] { return vcl::Pow(2.0, 10.0); }, "", 1024.0},
      {"pow(-2,3)", [] { return vcl::Pow(-2.0, 3.0); }, "", -8.0},
      {"pow(-8,1/3)", [] { return vcl::Pow(-8.0, 1.0 / 3.0); }, "pow DOMAIN", kNaN},
      {"pow(0,-1)", [] { return vcl::Pow(0.0, -1.0); }, "pow SING", kInf},
      {"pow(0,-0.5)", [] { return vcl::Pow(0.0, -0.5); }, "pow SING", kInf},
      {"pow(0,0)", [] { return vcl::Pow(0.0, 0.0); }, "", 1.0},
      {"pow(10,400)", [] { return vcl::Pow(10.0, 400.0); }, "pow OVERFLOW", kInf},
      {"pow(-10,309)", [] { return vcl::Pow(-10.0, 309.0); }, "pow OVERFLOW", -kInf},
      {"pow(10,-400)", [] { return vcl::Pow(10.0, -400.0); }, "", 0.0},
      {"pow(inf,2)", [] { return vcl::Pow(kInf, 2.0); }, "", kInf},
      {"pow(2,inf)", [] { return vcl::Pow(2.0, kInf); }, "", kInf},
      {"pow(nan,2)", [] { return vcl::Pow(kNaN, 2.0); }, "", kNaN},
      {"exp(0)", [] { return vcl::Exp(0.0); }, "", 1.0},
      {"exp(709)", [] { return vcl::Exp(709.0); }, "", std::exp(709.0)},
      {"exp(710)", [] { return vcl::Exp(710.0); }, "exp OVERFLOW", kInf},
      {"exp(-1000)", [] { return vcl::Exp(-1000.0); }, "", 0.0},
      {"exp(inf)", [] { return vcl::Exp(kInf); }, "", kInf},
      {"exp(-inf)", [] { return vcl::Exp(-kInf); }, "", 0.0},
      {"exp(nan)", [] { return vcl::Exp(kNaN); }, "", kNaN},
      {"cosh(0)", [] { return vcl::Cosh(0.0); }, "", 1.0},
      {"cosh(711)", [] { return vcl::Cosh(711.0); }, "cosh OVERFLOW", kInf},
      {"cosh(-711)", [] { return vcl::Cosh(-711.0); }, "cosh OVERFLOW", kInf},
      {"cosh(-inf)", [] { return vcl::Cosh(-kInf); }, "", kInf},
      {"cosh(nan)", [] { return vcl::Cosh(kNaN); }, "", kNaN},
  };
  std::vector<std::string> reports;
  vcl::SetMathErrorHandler([&reports](const std::string& function, const std::string& kind) {
    reports.push_back(function + " " + kind);
  });
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    reports.clear();
    const double result = c.call();
    if (c.report.empty()) {
      EXPECT_TRUE(reports.empty()) << reports.front();
    } else {
      EXPECT_EQ(reports, std::vector<std::string>{c.report});
    }
    if (std::isnan(c.expected)) {
      EXPECT_TRUE(std::isnan(result));
      if (!c.report.empty()) {
        EXPECT_FALSE(std::signbit(result));
      }
    } else {
      EXPECT_DOUBLE_EQ(result, c.expected);
      EXPECT_EQ(std::signbit(result), std::signbit(c.expected));
    }
  }
}

TEST_F(SysUtils, CheckedMathWithoutHandlerIsSilent) {
  vcl::SetMathErrorHandler(nullptr);
  EXPECT_TRUE(std::isnan(vcl::Sqrt(-1.0)));
  EXPECT_EQ(vcl::Log(0.0), -kInf);
  EXPECT_EQ(vcl::Exp(1000.0), kInf);
}

TEST_F(SysUtils, MathErrorHandlerMayThrow) {
  vcl::SetMathErrorHandler([](const std::string& function, const std::string& kind) {
    throw vcl::Exception(vcl::MathErrorText(function, kind));
  });
  try {
    vcl::Sqrt(-1.0);
    ADD_FAILURE() << "no exception";
  } catch (const vcl::Exception& e) {
    EXPECT_EQ(e.Message(), "sqrt: DOMAIN error");
  }
  EXPECT_EQ(vcl::MathErrorText("pow", "OVERFLOW"), "pow: OVERFLOW error");
}

}  // namespace
