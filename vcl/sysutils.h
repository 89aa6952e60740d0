// Runtime helpers shared by every window: number text in the user's decimal
// separator, result formats, roundings and checked math.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "vcl/exceptions.h"

namespace vcl {

// The separator the user's locale uses for text <-> number conversions.
// The program sets it once at start-up from the platform.
struct TFormatSettings {
  char DecimalSeparator = '.';
};
extern TFormatSettings FormatSettings;

// Text to number with FormatSettings.DecimalSeparator. Leading and trailing
// blanks are allowed; anything else that is not a complete decimal number
// (including an empty text, "INF", "NAN", hex, thousands separators, or a
// value outside the range of a double) raises EConvertError with
// "'%s' is not a valid floating point value".
double StrToFloat(const std::string& text);
bool TryStrToFloat(const std::string& text, double& value);
// Whole-number text; raises EConvertError "'%s' is not a valid integer value".
int StrToInt(const std::string& text);
bool TryStrToInt(const std::string& text, int& value);
std::string IntToStr(long long value);

// General format, at most 15 significant digits, trailing zeros dropped,
// FormatSettings.DecimalSeparator; scientific ("1E-5", "1.5E-6", "1E15") when
// the decimal exponent of the rounded value is -5 or below, or 15 or above,
// so 0.0001 stays "0.0001". Non-finite: "INF", "-INF", "NAN".
std::string FloatToStr(double value);

// The double nearest to the value rounded to 15 significant digits: what its
// FloatToStr text reads back as. Zero, non-finite values and those whose
// rounding passes the largest double come back as they are.
double RoundToFifteenDigits(double value);

// printf-style formatting of result texts, always with a point. A double
// conversion (%f %e %g %E %G) given an infinite or NaN value writes "+INF",
// "-INF", "+NAN" or "-NAN" (by sign) in place of the digits, honouring the
// field width; the rest of the format is kept.
using FormatArg = std::variant<long long, double, std::string>;
std::string FormatV(std::string_view format, std::initializer_list<FormatArg> args);

template <class T>
FormatArg ToFormatArg(const T& v) {
  if constexpr (std::is_floating_point_v<T>) {
    return static_cast<double>(v);
  } else if constexpr (std::is_integral_v<T>) {
    return static_cast<long long>(v);
  } else {
    return std::string(v);
  }
}

template <class... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatV(format, {ToFormatArg(args)...});
}

// The first "." replaced by "," (the program's comma form of a result text).
std::string CommaForm(std::string text);

// Ties away from zero; digit -2 gives hundredths.
double RoundHalfAwayToPowerOfTen(double value, int digit);
// Ties to even, computed in extended precision; digit outside -20..20 raises
// EInvalidArgument "Invalid argument".
double RoundHalfEvenToPowerOfTen(double value, int digit);

// Checked math: on a domain, singularity or overflow error the handler is told
// the function's name and "DOMAIN", "SING" or "OVERFLOW"; the function then
// returns its natural value (NaN, -inf, +inf). Underflow gives 0 silently.
using MathErrorHandler = std::function<void(const std::string& function, const std::string& kind)>;
void SetMathErrorHandler(MathErrorHandler handler);
std::string MathErrorText(const std::string& function, const std::string& kind);

double Sqrt(double x);
double Log(double x);
double Log10(double x);
double Pow(double x, double y);
double Exp(double x);
double Cosh(double x);

// Colours as the toolkit's TColor values (0x00BBGGRR).
using TColor = int;
constexpr TColor clBlack = 0x000000;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clNavy = 0x800000;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clWindowText = static_cast<int>(0xFF000008);
constexpr TColor clBtnFace = static_cast<int>(0xFF00000F);
constexpr TColor clWindow = static_cast<int>(0xFF000005);
constexpr TColor clDefault = 0x20000000;

}  // namespace vcl
