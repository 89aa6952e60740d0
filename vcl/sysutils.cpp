#include "vcl/sysutils.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <string>
#include <system_error>

namespace vcl {

TFormatSettings FormatSettings;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// Saturating so that absurdly long digit runs or exponents cannot overflow; anything
// beyond this is far outside a double's range either way.
constexpr long long kMagnitudeCap = 1'000'000'000LL;

long long CapAdd(long long a, long long b) {
  long long r = a + b;
  if (r > kMagnitudeCap) return kMagnitudeCap;
  if (r < -kMagnitudeCap) return -kMagnitudeCap;
  return r;
}

// Validates the user's text and rewrites it with '.' so that the conversion itself
// never depends on the process locale (the toolkit may change it at start-up).
bool ParseFloat(const std::string& text, double& value) {
  const std::string_view s = TrimBlanks(text);
  const char sep = FormatSettings.DecimalSeparator;

  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
    negative = s[i++] == '-';
  }

  // Decimal order of the first non-zero mantissa digit, needed below to tell an
  // overflow from an underflow.
  long long int_digits = 0;     // integer digits after leading zeros
  long long leading_zeros = 0;  // fraction zeros before the first non-zero digit
  bool any_digit = false;
  bool nonzero = false;
  for (; i < s.size() && IsDigit(s[i]); ++i) {
    any_digit = true;
    if (s[i] != '0') nonzero = true;
    if (nonzero) int_digits = CapAdd(int_digits, 1);
  }
  const size_t sep_at = i < s.size() && s[i] == sep ? i : std::string_view::npos;
  if (sep_at != std::string_view::npos) {
    for (++i; i < s.size() && IsDigit(s[i]); ++i) {
      any_digit = true;
      if (!nonzero) {
        if (s[i] == '0') {
          leading_zeros = CapAdd(leading_zeros, 1);
        } else {
          nonzero = true;
        }
      }
    }
  }
  if (!any_digit) return false;

  long long exponent = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    bool exp_negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) exp_negative = s[i++] == '-';
    if (i >= s.size() || !IsDigit(s[i])) return false;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
      exponent = std::min(kMagnitudeCap, exponent * 10 + (s[i] - '0'));
    }
    if (exp_negative) exponent = -exponent;
  }
  if (i != s.size()) return false;

  // The text is valid now; only another separator needs a copy with '.'.
  std::string normal;
  std::string_view number = s;
  if (sep != '.' && sep_at != std::string_view::npos) {
    normal.assign(s);
    normal[sep_at] = '.';
    number = normal;
  }
  double result = 0.0;
  const char* first = number.data();
  const char* last = first + number.size();
  if (*first == '+') ++first;  // from_chars takes no plus sign
  const auto [end, ec] = std::from_chars(first, last, result, std::chars_format::general);
  if (end != last) return false;
  if (ec == std::errc::result_out_of_range) {
    if (!nonzero) return false;
    const long long order =
        CapAdd(int_digits > 0 ? int_digits - 1 : -(leading_zeros + 1), exponent);
    if (order > 0) return false;     // overflow
    result = negative ? -0.0 : 0.0;  // underflow reads as zero
  } else if (ec != std::errc() || !std::isfinite(result)) {
    return false;
  }
  value = result;
  return true;
}

bool ParseInt(const std::string& text, int& value) {
  const std::string_view s = TrimBlanks(text);
  size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  if (i >= s.size()) return false;
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long magnitude = 0;
  for (; i < s.size(); ++i) {
    if (!IsDigit(s[i])) return false;
    magnitude = magnitude * 10 + (s[i] - '0');
    if (magnitude > limit) return false;
  }
  value = static_cast<int>(negative ? -magnitude : magnitude);
  return true;
}

[[noreturn]] void ThrowFormatError(std::string_view format) {
  throw Exception("Format '" + std::string(format) + "' invalid or incompatible with argument");
}

template <class T>
std::string CFormat(const std::string& directive, T value) {
  const int n = std::snprintf(nullptr, 0, directive.c_str(), value);
  if (n < 0) return {};
  std::string out(static_cast<size_t>(n) + 1, '\0');
  std::snprintf(out.data(), out.size(), directive.c_str(), value);
  out.resize(static_cast<size_t>(n));
  return out;
}

// %d of a double truncates towards zero; values beyond long long saturate and NaN
// reads as 0, so a stray non-finite result cannot make the formatting undefined.
long long TruncateToInteger(double v) {
  if (std::isnan(v)) return 0;
  if (v >= 9223372036854775807.0) return LLONG_MAX;
  if (v <= -9223372036854775808.0) return LLONG_MIN;
  return static_cast<long long>(v);
}

long long IntegerArg(const FormatArg& arg, std::string_view format) {
  if (const auto* i = std::get_if<long long>(&arg)) return *i;
  if (const auto* d = std::get_if<double>(&arg)) return TruncateToInteger(*d);
  ThrowFormatError(format);
}

double FloatArg(const FormatArg& arg, std::string_view format) {
  if (const auto* d = std::get_if<double>(&arg)) return *d;
  if (const auto* i = std::get_if<long long>(&arg)) return static_cast<double>(*i);
  ThrowFormatError(format);
}

// Result texts always use '.', whatever LC_NUMERIC the toolkit may have selected.
void PointDecimal(std::string& text) {
  const char* point = std::localeconv()->decimal_point;
  if (point == nullptr || std::strcmp(point, ".") == 0 || *point == '\0') return;
  const size_t at = text.find(point);
  if (at != std::string::npos) text.replace(at, std::strlen(point), ".");
}

// Flag characters of one conversion, as bits.
enum FormatFlag : unsigned { kLeft = 1, kPlus = 2, kSpace = 4, kAlternate = 8, kZero = 16 };

// Writes text into its field as printf does: left-aligned, zero-filled after the
// sign (for numbers, the only texts given kZero), or right-aligned.
void AppendField(std::string& out, std::string_view text, int width, unsigned flags) {
  const size_t fill = width > 0 && text.size() < static_cast<size_t>(width)
                          ? static_cast<size_t>(width) - text.size()
                          : 0;
  if (fill == 0) {
    out += text;
  } else if (flags & kLeft) {
    out += text;
    out.append(fill, ' ');
  } else if (flags & kZero) {
    const bool signed_text = !text.empty() && (text[0] == '-' || text[0] == '+' || text[0] == ' ');
    if (signed_text) out += text[0];
    out.append(fill, '0');
    out += signed_text ? text.substr(1) : text;
  } else {
    out.append(fill, ' ');
    out += text;
  }
}

// The fast path, from here to AppendFixed: "%f" texts, FloatToStr and
// RoundToFifteenDigits take their digits from exact whole-number arithmetic
// rather than from std::to_chars with a precision (and, for the rounding, a
// read back), which stays for what the arithmetic cannot hold. Every Solve
// passes through it for its result texts and range checks: with std::to_chars
// alone, BM_Solve and SolveCalculator/via_properties (tests/bench) take about
// 1.4 times as long, BM_UnitsSwitch about 1.2 times.

// The longest fixed-point text a double gives at the fast path's largest precision.
constexpr int kFastPrecision = 40;
constexpr size_t kFixedBuffer = 2 + 309 + 1 + kFastPrecision;

using Wide = unsigned __int128;

// 10^n for n in 0..38, the widest power a 128-bit whole number holds.
Wide PowerOfTen(int n) {
  static const auto powers = [] {
    std::array<Wide, 39> p{};
    p[0] = 1;
    for (size_t i = 1; i < p.size(); ++i) p[i] = p[i - 1] * 10;
    return p;
  }();
  return powers[static_cast<size_t>(n)];
}

int BitWidth(Wide x) {
  const auto high = static_cast<std::uint64_t>(x >> 64);
  return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(x));
}

// Decimal digits of n, written backwards so the caller knows where they start.
char* WriteDigitsBackwards(char* end, Wide n) {
  constexpr std::uint64_t kChunk = 10'000'000'000'000'000'000ULL;  // 10^19
  while (n >= kChunk) {
    std::uint64_t low = static_cast<std::uint64_t>(n % kChunk);
    n /= kChunk;
    for (int i = 0; i < 19; ++i, low /= 10) *--end = static_cast<char>('0' + low % 10);
  }
  // Two digits at a time: half the divisions.
  static constexpr char kPairs[] =
      "00010203040506070809101112131415161718192021222324"
      "25262728293031323334353637383940414243444546474849"
      "50515253545556575859606162636465666768697071727374"
      "75767778798081828384858687888990919293949596979899";
  std::uint64_t rest = static_cast<std::uint64_t>(n);
  while (rest >= 100) {
    const auto pair = static_cast<size_t>(rest % 100) * 2;
    rest /= 100;
    *--end = kPairs[pair + 1];
    *--end = kPairs[pair];
  }
  if (rest >= 10) {
    const auto pair = static_cast<size_t>(rest) * 2;
    *--end = kPairs[pair + 1];
    *--end = kPairs[pair];
  } else {
    *--end = static_cast<char>('0' + rest);
  }
  return end;
}

// A non-negative double as mantissa * 2^exponent, both whole.
void Decompose(double magnitude, std::uint64_t& mantissa, int& exponent) {
  const auto bits = std::bit_cast<std::uint64_t>(magnitude);
  const int biased = static_cast<int>(bits >> 52);
  mantissa = bits & ((1ULL << 52) - 1);
  exponent = -1074;
  if (biased != 0) {
    mantissa |= 1ULL << 52;
    exponent = biased - 1075;
  }
}

// The exact value times 10^precision, rounded to the nearest whole number with
// ties to even, as the C library rounds; false when it would not fit.
bool ScaledFixed(double magnitude, int precision, Wide& scaled) {
  constexpr int kMaxScaledPrecision = 15;  // 10^15 < 2^50: the product fits 128 bits
  if (precision > kMaxScaledPrecision) return false;
  std::uint64_t mantissa = 0;
  int exponent = 0;
  Decompose(magnitude, mantissa, exponent);
  const Wide product = static_cast<Wide>(mantissa) * PowerOfTen(precision);  // below 2^103
  if (exponent >= 0) {
    if (exponent > 24) return false;  // 2^103 * 2^24 stays below 2^128
    scaled = product << exponent;
    return true;
  }
  const int shift = -exponent;
  if (shift > 104) {  // below a half
    scaled = 0;
    return true;
  }
  scaled = product >> shift;
  const Wide remainder = product - (scaled << shift);
  const Wide half = static_cast<Wide>(1) << (shift - 1);
  if (remainder > half || (remainder == half && (scaled & 1) != 0)) ++scaled;
  return true;
}

// The exact value times 10^power (power may be negative), rounded to a whole
// number with ties to even; false when the exact quotient would not fit.
bool RoundedScaled(double magnitude, int power, Wide& rounded) {
  if (power > 22 || power < -38) return false;
  std::uint64_t mantissa = 0;
  int exponent = 0;
  Decompose(magnitude, mantissa, exponent);
  Wide numerator = mantissa;
  Wide denominator = 1;
  if (power >= 0)
    numerator *= PowerOfTen(power);  // below 2^53 * 10^22 < 2^127
  else
    denominator = PowerOfTen(-power);
  if (exponent >= 0) {
    if (BitWidth(numerator) + exponent > 127) return false;
    numerator <<= exponent;
  } else {
    if (BitWidth(denominator) - exponent > 126) return false;
    denominator <<= -exponent;
  }
  Wide quotient = numerator / denominator;
  const Wide twice = (numerator - quotient * denominator) << 1;
  if (twice > denominator || (twice == denominator && (quotient & 1) != 0)) ++quotient;
  rounded = quotient;
  return true;
}

// A positive finite value rounded to 15 significant digits, exactly and ties to
// even as the C library rounds: value ~ digits * 10^(exponent - 14), digits in
// [10^14, 10^15). False for magnitudes the whole-number arithmetic cannot hold.
bool FifteenDigits(double magnitude, std::uint64_t& digits, int& exponent) {
  constexpr std::uint64_t kLow = 100'000'000'000'000ULL;  // 10^14
  constexpr std::uint64_t kHigh = kLow * 10;
  int k = static_cast<int>(std::floor(std::log10(magnitude)));
  for (int attempt = 0; attempt < 3; ++attempt) {
    Wide q = 0;
    if (!RoundedScaled(magnitude, 14 - k, q)) return false;
    if (q >= kHigh) {
      ++k;
    } else if (q < kLow) {
      --k;
    } else {
      // The logarithm may have guessed one too high and the rounding carried
      // the digits up to 10^14: one more digit tells.
      Wide finer = 0;
      if (q == kLow && RoundedScaled(magnitude, 15 - k, finer) && finer < kHigh) {
        q = finer;
        --k;
      }
      digits = static_cast<std::uint64_t>(q);
      exponent = k;
      return true;
    }
  }
  return false;
}

// %f of a finite value, with the exact, correctly rounded digits the C library
// writes, but without its format parser or locale.
void AppendFixed(std::string& out, double v, int width, int precision, unsigned flags) {
  char buf[kFixedBuffer];
  const char* first = nullptr;
  const char* last = nullptr;
  Wide scaled = 0;
  if (ScaledFixed(std::fabs(v), precision, scaled)) {
    char* end = buf + sizeof buf;
    char* digits = WriteDigitsBackwards(end, scaled);
    // At least one whole digit before the point.
    while (end - digits < precision + 1) *--digits = '0';
    char* p = digits - 1;
    if (precision > 0) {
      std::memmove(p, digits, static_cast<size_t>(end - digits - precision));
      p[end - digits - precision] = '.';
      digits = p;
      p = digits - 1;
    }
    if (std::signbit(v))
      *p = '-';
    else if (flags & (kPlus | kSpace))
      *p = (flags & kPlus) ? '+' : ' ';
    else
      ++p;
    first = p;
    last = end;
  } else {
    char* begin = buf + 1;
    const auto res = std::to_chars(begin, buf + sizeof buf, v, std::chars_format::fixed, precision);
    if (*begin != '-' && (flags & (kPlus | kSpace))) *--begin = (flags & kPlus) ? '+' : ' ';
    first = begin;
    last = res.ptr;
  }
  AppendField(out, std::string_view(first, static_cast<size_t>(last - first)), width, flags);
}

void AppendInteger(std::string& out, long long v, int width, unsigned flags) {
  char buf[24];
  char* first = buf + 1;
  const auto res = std::to_chars(first, buf + sizeof buf, v);
  if (v >= 0 && (flags & (kPlus | kSpace))) *--first = (flags & kPlus) ? '+' : ' ';
  AppendField(out, std::string_view(first, static_cast<size_t>(res.ptr - first)), width, flags);
}

// Keeps a hostile width or precision from asking for an enormous buffer.
constexpr int kMaxField = 10000;

MathErrorHandler& Handler() {
  static MathErrorHandler handler;
  return handler;
}

void Report(const char* function, const char* kind) {
  // A copy, so a handler may replace itself while it runs.
  const MathErrorHandler handler = Handler();
  if (handler) handler(function, kind);
}

double QuietNaN() { return std::numeric_limits<double>::quiet_NaN(); }

}  // namespace

double StrToFloat(const std::string& text) {
  double value = 0.0;
  if (!ParseFloat(text, value)) {
    throw EConvertError("'" + text + "' is not a valid floating point value");
  }
  return value;
}

bool TryStrToFloat(const std::string& text, double& value) { return ParseFloat(text, value); }

int StrToInt(const std::string& text) {
  int value = 0;
  if (!ParseInt(text, value)) throw EConvertError("'" + text + "' is not a valid integer value");
  return value;
}

bool TryStrToInt(const std::string& text, int& value) { return ParseInt(text, value); }

std::string IntToStr(long long value) { return std::to_string(value); }

std::string FloatToStr(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  if (value == 0.0) return "0";

  // Correctly rounded to 15 significant digits.
  std::string digits;
  int exponent = 0;
  std::uint64_t whole = 0;
  if (FifteenDigits(std::fabs(value), whole, exponent)) {
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, whole);
    digits.assign(buf, res.ptr);
  } else {
    // "d.dddddddddddddde±x"
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view sci(buf, static_cast<size_t>(res.ptr - buf));
    const size_t e_at = sci.find('e');
    for (char c : sci.substr(0, e_at)) {
      if (c != '.') digits += c;
    }
    std::from_chars(sci.data() + e_at + (sci[e_at + 1] == '+' ? 2 : 1), sci.data() + sci.size(),
                    exponent);
  }
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  const char sep = FormatSettings.DecimalSeparator;
  std::string out = value < 0 ? "-" : "";
  if (exponent > -5 && exponent < 15) {
    if (exponent >= 0) {
      const size_t int_len = static_cast<size_t>(exponent) + 1;
      if (digits.size() <= int_len) {
        out += digits + std::string(int_len - digits.size(), '0');
      } else {
        out += digits.substr(0, int_len) + sep + digits.substr(int_len);
      }
    } else {
      out += std::string("0") + sep + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    }
  } else {
    out += digits.substr(0, 1);
    if (digits.size() > 1) out += sep + digits.substr(1);
    out += 'E' + std::to_string(exponent);
  }
  return out;
}

std::string FormatV(std::string_view format, std::initializer_list<FormatArg> args) {
  std::string out;
  out.reserve(format.size() + 16);
  auto next_arg = args.begin();
  size_t i = 0;
  const size_t n = format.size();

  const auto read_number = [&](int& number) {
    number = 0;
    while (i < n && IsDigit(format[i])) {
      number = number * 10 + (format[i++] - '0');
      if (number > kMaxField) ThrowFormatError(format);
    }
  };

  while (i < n) {
    const char c = format[i++];
    if (c != '%') {
      // The plain run up to the next conversion, in one piece.
      const size_t stop = std::min(format.find('%', i), n);
      out.append(format.substr(i - 1, stop - (i - 1)));
      i = stop;
      continue;
    }
    if (i < n && format[i] == '%') {
      out += '%';
      ++i;
      continue;
    }

    const size_t flags_at = i;
    unsigned flag_bits = 0;
    for (; i < n; ++i) {
      const char f = format[i];
      if (f == '-')
        flag_bits |= kLeft;
      else if (f == '+')
        flag_bits |= kPlus;
      else if (f == ' ')
        flag_bits |= kSpace;
      else if (f == '#')
        flag_bits |= kAlternate;
      else if (f == '0')
        flag_bits |= kZero;
      else
        break;
    }
    const std::string_view flags = format.substr(flags_at, i - flags_at);
    int width = 0;
    read_number(width);
    int precision = -1;
    if (i < n && format[i] == '.') {
      ++i;
      read_number(precision);
    }
    if (i >= n) ThrowFormatError(format);
    const char conv = format[i++];
    if (std::strchr("diuxXcsfFeEgG", conv) == nullptr) ThrowFormatError(format);
    if (next_arg == args.end()) ThrowFormatError(format);
    const FormatArg& arg = *next_arg++;

    // The C library's own spelling of the conversion, for the conversions it writes.
    const auto directive = [&] {
      std::string text = "%" + std::string(flags) + (width > 0 ? std::to_string(width) : "");
      if (precision >= 0) text += "." + std::to_string(precision);
      return text;
    };

    switch (conv) {
      case 'd':
      case 'i':
        if (precision < 0)
          AppendInteger(out, IntegerArg(arg, format), width, flag_bits);
        else
          out += CFormat(directive() + "lld", IntegerArg(arg, format));
        break;
      case 'u':
      case 'x':
      case 'X':
        out += CFormat(directive() + "ll" + conv,
                       static_cast<unsigned long long>(IntegerArg(arg, format)));
        break;
      case 'c':
        AppendField(out, std::string(1, static_cast<char>(IntegerArg(arg, format))), width,
                    flag_bits & kLeft);
        break;
      case 's': {
        const auto* text = std::get_if<std::string>(&arg);
        if (text == nullptr) ThrowFormatError(format);
        const size_t len =
            precision >= 0 ? std::min(text->size(), static_cast<size_t>(precision)) : text->size();
        AppendField(out, std::string_view(*text).substr(0, len), width, flag_bits & kLeft);
        break;
      }
      default: {
        const double v = FloatArg(arg, format);
        if (!std::isfinite(v)) {
          const std::string word =
              std::string(std::signbit(v) ? "-" : "+") + (std::isnan(v) ? "NAN" : "INF");
          AppendField(out, word, width, flag_bits & kLeft);
        } else if ((conv == 'f' || conv == 'F') && !(flag_bits & kAlternate) &&
                   precision <= kFastPrecision) {
          AppendFixed(out, v, width, precision < 0 ? 6 : precision, flag_bits);
        } else {
          std::string text = CFormat(directive() + conv, v);
          PointDecimal(text);
          out += text;
        }
        break;
      }
    }
  }
  return out;
}

double RoundToFifteenDigits(double value) {
  if (!std::isfinite(value) || value == 0) return value;
  std::uint64_t digits = 0;
  int exponent = 0;
  if (FifteenDigits(std::fabs(value), digits, exponent)) {
    // Both operands are exact, so the one operation rounds once, as reading
    // the digits back would.
    static constexpr double kPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                         1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const int scale = exponent - 14;
    if (scale >= -22 && scale <= 22) {
      const double d = static_cast<double>(digits);
      const double r = scale >= 0 ? d * kPowers[scale] : d / kPowers[-scale];
      return std::copysign(r, value);
    }
  }
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15);
  double back = value;
  std::from_chars(text, end.ptr, back);
  return back;
}

std::string CommaForm(std::string text) {
  const size_t at = text.find('.');
  if (at != std::string::npos) text[at] = ',';
  return text;
}

double RoundHalfAwayToPowerOfTen(double value, int digit) {
  const double f = std::pow(10.0, digit);
  if (value >= 0) return std::trunc(value / f + 0.5) * f;
  return std::trunc(value / f - 0.5) * f;
}

double RoundHalfEvenToPowerOfTen(double value, int digit) {
  if (digit < -20 || digit > 20) throw EInvalidArgument("Invalid argument");
  // Scale by an exact power of ten in both directions, so ties stay ties.
  const long double power = std::pow(10.0L, digit < 0 ? -digit : digit);
  const long double scaled =
      digit < 0 ? static_cast<long double>(value) * power : static_cast<long double>(value) / power;
  // Explicit tie test rather than relying on the current floating-point rounding mode.
  long double rounded = std::floor(scaled);
  const long double fraction = scaled - rounded;
  if (fraction > 0.5L || (fraction == 0.5L && std::fmod(rounded, 2.0L) != 0)) rounded += 1;
  return static_cast<double>(digit < 0 ? rounded / power : rounded * power);
}

void SetMathErrorHandler(MathErrorHandler handler) { Handler() = std::move(handler); }

std::string MathErrorText(const std::string& function, const std::string& kind) {
  return Format("%s: %s error", function, kind);
}

// Infinite and NaN arguments are never reported: their results are the natural ones.

double Sqrt(double x) {
  if (x < 0) {
    if (std::isfinite(x)) Report("sqrt", "DOMAIN");
    return QuietNaN();
  }
  return std::sqrt(x);
}

namespace {
double CheckedLog(double x, const char* name, double (*fn)(double)) {
  if (x == 0) {
    Report(name, "SING");
    return -std::numeric_limits<double>::infinity();
  }
  if (x < 0) {
    if (std::isfinite(x)) Report(name, "DOMAIN");
    return QuietNaN();
  }
  return fn(x);
}

double CheckedOverflow(double x, const char* name, double (*fn)(double)) {
  const double r = fn(x);
  if (std::isfinite(x) && std::isinf(r)) Report(name, "OVERFLOW");
  return r;
}
}  // namespace

double Log(double x) {
  return CheckedLog(x, "log", [](double v) { return std::log(v); });
}

double Log10(double x) {
  return CheckedLog(x, "log10", [](double v) { return std::log10(v); });
}

double Pow(double x, double y) {
  const double r = std::pow(x, y);
  if (!std::isfinite(x) || !std::isfinite(y)) return r;
  if (x < 0 && std::trunc(y) != y) {
    Report("pow", "DOMAIN");
    return QuietNaN();
  }
  if (x == 0 && y < 0) {
    Report("pow", "SING");
    return r;
  }
  if (std::isinf(r)) Report("pow", "OVERFLOW");
  return r;
}

double Exp(double x) {
  return CheckedOverflow(x, "exp", [](double v) { return std::exp(v); });
}

double Cosh(double x) {
  return CheckedOverflow(x, "cosh", [](double v) { return std::cosh(v); });
}

}  // namespace vcl
