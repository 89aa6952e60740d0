#include "calc/via/via_model.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "calc/length_units.h"

// Checked math only: a domain or singularity error is reported as the program
// reports it, whoever calls the model.
#include "vcl/sysutils.h"

namespace trellis::via {

namespace {
constexpr double kPi = 3.14159;

// A number as the shortest decimal that reads back as it, the decimal that was
// typed: its value is the digits times ten to the exponent.
struct TypedDecimal {
  bool negative = false;
  std::vector<int> digits;  // most significant first, no leading zero; none for zero
  int exponent = 0;
};

TypedDecimal Typed(double v) {
  char buf[48];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific);
  const std::string_view text(buf, res.ptr - buf);
  TypedDecimal d;
  d.negative = text.front() == '-';
  const size_t e = text.find('e');
  int fraction = 0;
  bool afterPoint = false;
  for (char c : text.substr(d.negative ? 1 : 0, e - (d.negative ? 1 : 0))) {
    if (c == '.') {
      afterPoint = true;
      continue;
    }
    if (afterPoint) ++fraction;
    if (!d.digits.empty() || c != '0') d.digits.push_back(c - '0');
  }
  int power = 0;
  const std::string_view exp = text.substr(e + 1);
  std::from_chars(exp.data() + (exp.front() == '+' ? 1 : 0), exp.data() + exp.size(), power);
  d.exponent = power - fraction;
  if (d.digits.empty()) d.negative = false;
  return d;
}

TypedDecimal Product(const TypedDecimal& a, const TypedDecimal& b) {
  TypedDecimal p;
  if (a.digits.empty() || b.digits.empty()) return p;
  std::vector<int> sum(a.digits.size() + b.digits.size(), 0);
  for (size_t i = a.digits.size(); i-- > 0;)
    for (size_t j = b.digits.size(); j-- > 0;) sum[i + j + 1] += a.digits[i] * b.digits[j];
  for (size_t k = sum.size(); k-- > 1;) {
    sum[k - 1] += sum[k] / 10;
    sum[k] %= 10;
  }
  size_t first = 0;
  while (first < sum.size() && sum[first] == 0) ++first;
  p.digits.assign(sum.begin() + static_cast<std::ptrdiff_t>(first), sum.end());
  p.negative = a.negative != b.negative;
  p.exponent = a.exponent + b.exponent;
  return p;
}

// -1, 0 or 1 as a is below, equal to or above b.
int Compare(const TypedDecimal& a, const TypedDecimal& b) {
  if (a.negative != b.negative) return a.negative ? -1 : 1;
  const int sign = a.negative ? -1 : 1;
  if (a.digits.empty() || b.digits.empty())
    return a.digits.empty() == b.digits.empty() ? 0 : (a.digits.empty() ? -sign : sign);
  // The place of the leading digit, then the digits from there down.
  const long lead = static_cast<long>(a.digits.size()) + a.exponent;
  const long leadB = static_cast<long>(b.digits.size()) + b.exponent;
  if (lead != leadB) return lead < leadB ? -sign : sign;
  for (size_t i = 0; i < std::max(a.digits.size(), b.digits.size()); ++i) {
    const int x = i < a.digits.size() ? a.digits[i] : 0;
    const int y = i < b.digits.size() ? b.digits[i] : 0;
    if (x != y) return x < y ? -sign : sign;
  }
  return 0;
}
}  // namespace

double Inches(double length, bool metric) {
  return metric ? MillimetresToInches(length) : length / kMilsPerInch;
}

double FromInches(double inches, bool metric) {
  return metric ? InchesToMillimetres(inches) : inches * kMilsPerInch;
}

double BarrelCrossSection(double d, double t) {
  return kPi / 4 * (2 * t + d) * (2 * t + d) - kPi / 4 * d * d;
}

double ViaCurrent(const ViaCurrentInputs& in) {
  using conductor::IpcVersion;
  conductor::IpcModifiers m;
  m.areaCorrection = in.areaCorrection;
  m.boardThickness = in.heightDisabled ? 1.0 : in.boardThickness;
  m.material = in.material;
  const IpcVersion version = in.version == IpcVersion::Ipc2152WithModifiers
                                 ? IpcVersion::Ipc2152WithModifiers
                                 : IpcVersion::Ipc2152WithoutModifiers;
  return conductor::IpcCurrent(version, kViaIpcCoefficients, in.tempRise, in.areaSqMils, m);
}

double AspectRatio(double height, double hole) { return height / hole; }

bool AspectRatioExceeded(double height, double hole, double limit) {
  if (!std::isfinite(height) || !std::isfinite(hole) || !std::isfinite(limit) || !(hole > 0))
    return AspectRatio(height, hole) > limit;
  // height / hole > limit as height > limit x hole, all three as typed: 8.4 / 1.4
  // is exactly 6, though its binary quotient is a hair above.
  return Compare(Typed(height), Product(Typed(limit), Typed(hole))) > 0;
}

ViaElectrical ViaElectricalProperties(const ViaElectricalInputs& in) {
  const double h = in.length;
  ViaElectrical e;
  double c = in.previousCapacitance;
  if (in.layerSet == ViaLayerSet::MultiLayer)
    c = 1.41 * in.er * h * in.padDiameter / (in.planeOpening - in.padDiameter);
  if (c < 0) c = 0;
  if (in.layerSet == ViaLayerSet::TwoLayer) c = 1.0;
  e.capacitance = c;
  double l = 5.08 * h * (vcl::Log(4 * h / in.hole) + 1);
  if (l < 0) l = 0;
  e.inductance = l;
  e.resonance = 1 / (6.28318 * vcl::Sqrt(l * 1e-9 * c * 1e-12)) / 1000000;
  e.impedance = vcl::Sqrt(l / (c * 0.001));
  e.stepResponse = 2.2 * c * (e.impedance / 2);
  return e;
}

double ViaResistance(double resistivity, double length, double areaSqMils) {
  return resistivity * length / areaSqMils;
}

double ViaThermalResistance(double lengthInches, double areaSqMils) {
  return lengthInches / (areaSqMils / 1000 * 10.008) * 1000;
}

double ViaCountThermalResistance(double thermalResistance, double count) {
  return thermalResistance / count;
}

double ViaPowerDissipation(double current, double resistance) {
  return current * current * resistance;
}

double ViaVoltageDrop(double current, double resistance) { return current * resistance * 1000; }

DifferentialVia DifferentialViaProperties(const DifferentialViaInputs& in) {
  const double d = in.hole, er = in.er;
  DifferentialVia v;
  v.averageEr = (er + er * (1 + in.anisotropy / 100)) / 2;
  const double s = in.spacing / d;
  const double x = vcl::Log(s + vcl::Sqrt(s * s - 1));
  const double y = vcl::Log((in.clearanceH + in.clearanceW) / (2 * d));
  v.oddImpedance = 60 / vcl::Sqrt(v.averageEr) * vcl::Sqrt(x * y);
  v.diffImpedance = 2 * v.oddImpedance;
  v.erEffective = x / y * v.averageEr;
  v.maxStubInches = 0.84 / (vcl::Sqrt(v.erEffective) * in.baudRate);
  return v;
}

ViaMismatchLoss MismatchLoss(double pairImpedance, double viaDiffImpedance) {
  const double gamma = (pairImpedance - viaDiffImpedance) / (pairImpedance + viaDiffImpedance);
  ViaMismatchLoss loss;
  loss.transition = 20 * vcl::Log10(1 - std::fabs(gamma));
  // The signal meets the mismatch twice: into the via pair and out of it.
  loss.insertion = 2 * loss.transition;
  return loss;
}

}  // namespace trellis::via
