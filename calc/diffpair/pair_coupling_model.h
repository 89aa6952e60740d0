// The coupling of a differential pair: odd and even modes, the backward-coupling
// coefficients of the terminated and the unterminated pair, the near-end
// crosstalk over a coupled length, and the length at which that coupling
// saturates; and the target window the differential impedance is held to.
#pragma once

#include <array>
#include <optional>

namespace trellis::diffpair {

// The saturation length of the coupling for a rise time in ns, in mils or,
// metric, in millimetres: 11.8 / sqrt(Er) inches per ns over half the rise.
double SaturationLength(double er, double riseNs, bool metric);

struct CouplingInputs {
  double zo = 0;                // single-ended impedance, ohms
  double zdiff = 0;             // differential impedance, ohms
  double coupledLength = 0;     // in the unit of the saturation length
  double saturationLength = 0;  // mils or millimetres
  double volts = 0;             // aggressor voltage
};

struct Coupling {
  double odd = 0, even = 0;                         // ohms
  double terminated = 0, unterminated = 0;          // Kb, Kb'
  double terminatedDb = 0, unterminatedDb = 0;      // 20 log10 of each
  double terminatedNext = 0, unterminatedNext = 0;  // volts
};

Coupling PairCoupling(const CouplingInputs& in);

// The near-end voltage of a coupling coefficient: it grows with the coupled
// length up to the saturation length and stays there beyond it.
double NextVoltage(double coefficient, double volts, double coupledLength, double saturationLength);

// The tolerance slider: the caption of each position and the factors of the
// window it stands for (the doubles nearest to the decimals shown).
inline constexpr int kTolerancePositions = 10;
struct Tolerance {
  const char* caption;       // with a decimal point
  const char* commaCaption;  // with a decimal comma
  double plus, minus;
};
// Nothing for a position outside the slider's range.
std::optional<Tolerance> ToleranceAt(int position);

// The target window around a target impedance, and whether a differential
// impedance lies in it, both bounds inside; not a number lies outside.
struct Window {
  double plus = 0, minus = 0;
};
Window TargetWindow(double target, double plusFactor, double minusFactor);
bool InWindow(double zdiff, const Window& w);

// Whether a W/H or S/H ratio lies within the range its formulas hold for.
enum class RatioVerdict { InRange, OutOfRange, NotANumber };
RatioVerdict RatioRange(double ratio);

// The differential protocols and the target impedance text each stands for;
// the last, "Custom", has none.
inline constexpr int kProtocolCount = 18;
struct Protocol {
  const char* name;
  const char* target;  // nullptr: the target is left as typed
};
const std::array<Protocol, kProtocolCount>& Protocols();

}  // namespace trellis::diffpair
