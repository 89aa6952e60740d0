#include "calc/diffpair/pair_coupling_model.h"

#include <cmath>

#include "calc/length_units.h"
#include "vcl/sysutils.h"

namespace trellis::diffpair {

double SaturationLength(double er, double riseNs, bool metric) {
  return 11.8 / vcl::Sqrt(er) * (riseNs / 2) * (metric ? kMillimetresPerInch : kMilsPerInch);
}

double NextVoltage(double coefficient, double volts, double coupledLength,
                   double saturationLength) {
  if (coupledLength < saturationLength)
    return coupledLength / saturationLength * coefficient * volts;
  return coefficient * volts;
}

Coupling PairCoupling(const CouplingInputs& in) {
  Coupling c;
  c.odd = in.zdiff / 2;
  c.even = in.zo * in.zo / c.odd;
  c.terminated = (c.even - c.odd) / (c.even + c.odd + 2 * c.even * c.odd / in.zo);
  c.unterminated = (c.even - c.odd) / (c.even + c.odd);
  c.terminatedDb = 20 * vcl::Log10(c.terminated);
  c.unterminatedDb = 20 * vcl::Log10(c.unterminated);
  c.terminatedNext = NextVoltage(c.terminated, in.volts, in.coupledLength, in.saturationLength);
  c.unterminatedNext = NextVoltage(c.unterminated, in.volts, in.coupledLength, in.saturationLength);
  return c;
}

std::optional<Tolerance> ToleranceAt(int position) {
  static constexpr Tolerance kTable[kTolerancePositions] = {
      {"2.5%", "2,5%", 1.025, 0.975},   {"5%", "5%", 1.05, 0.95},
      {"7.5%", "7,5%", 1.075, 0.925},   {"10%", "10%", 1.1, 0.9},
      {"12.5%", "12,5%", 1.125, 0.875}, {"15%", "15%", 1.15, 0.85},
      {"17.5%", "17,5%", 1.175, 0.825}, {"20%", "20%", 1.2, 0.8},
      {"22.5%", "22,5%", 1.225, 0.775}, {"25%", "25%", 1.25, 0.75},
  };
  if (position < 0 || position >= kTolerancePositions) return std::nullopt;
  return kTable[position];
}

Window TargetWindow(double target, double plusFactor, double minusFactor) {
  return {target * plusFactor, target * minusFactor};
}

bool InWindow(double zdiff, const Window& w) { return w.minus <= zdiff && zdiff <= w.plus; }

RatioVerdict RatioRange(double ratio) {
  if (std::isnan(ratio)) return RatioVerdict::NotANumber;
  return ratio < 0.1 || ratio > 3.0 ? RatioVerdict::OutOfRange : RatioVerdict::InRange;
}

const std::array<Protocol, kProtocolCount>& Protocols() {
  static const std::array<Protocol, kProtocolCount> kTable = {{
      {"DDR2 CLK/DQS", "100"},
      {"DDR3 CLK/DQS", "100"},
      {"DDR4 CLK/DQS", "100"},
      {"USB 2.X", "90"},
      {"USB 3.X", "90"},
      {"LVDS", "100"},
      {"HDMI", "100"},
      {"SATA", "100"},
      {"Ethernet", "100"},
      {"DisplayPort", "100"},
      {"DisplayPort Eaglelake", "95"},
      {"DisplayPort Calpella", "85"},
      {"PCIe Gen1", "100"},
      {"PCIe Gen2", "100"},
      {"PCIe Gen3", "85"},
      {"PCIe Gen4", "85"},
      {"SSRX/SSTX", "90"},
      {"Custom", nullptr},
  }};
  return kTable;
}

}  // namespace trellis::diffpair
