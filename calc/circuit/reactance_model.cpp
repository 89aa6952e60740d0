#include "calc/circuit/reactance_model.h"

#include "vcl/sysutils.h"

namespace trellis::circuit {

namespace {
constexpr double kTwoPi = 6.28318;
}  // namespace

double Hertz(double typed, FrequencyUnit unit) {
  switch (unit) {
    case FrequencyUnit::Gigahertz:
      return typed * 1e9;
    case FrequencyUnit::Megahertz:
      return typed * 1e6;
    case FrequencyUnit::Kilohertz:
      return typed * 1e3;
    case FrequencyUnit::Hertz:
      return typed;
  }
  return typed;
}

double Farads(double typed, CapacitanceUnit unit) {
  switch (unit) {
    case CapacitanceUnit::Microfarads:
      return typed / 1e6;
    case CapacitanceUnit::Nanofarads:
      return typed / 1e9;
    case CapacitanceUnit::Picofarads:
      return typed / 1e12;
  }
  return typed;
}

double Henries(double typed, InductanceUnit unit) {
  switch (unit) {
    case InductanceUnit::Millihenries:
      return typed / 1e3;
    case InductanceUnit::Microhenries:
      return typed / 1e6;
    case InductanceUnit::Nanohenries:
      return typed / 1e9;
  }
  return typed;
}

double CapacitiveReactance(double hertz, double farads) { return 1 / ((kTwoPi * hertz) * farads); }

double InductiveReactance(double hertz, double henries) { return (kTwoPi * hertz) * henries; }

double ResonantFrequency(double farads, double henries) {
  return 1 / (vcl::Sqrt(farads * henries) * kTwoPi);
}

}  // namespace trellis::circuit
