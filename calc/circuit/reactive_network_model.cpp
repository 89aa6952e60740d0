#include "calc/circuit/reactive_network_model.h"

namespace trellis::circuit {

double NetworkTotal(Reactive part, Connection connection, std::span<const double> values) {
  const bool reciprocal = (part == Reactive::Capacitor) == (connection == Connection::Series);
  double sum = 0;
  for (const double x : values) sum += reciprocal ? 1 / x : x;
  return reciprocal ? 1 / sum : sum;
}

}  // namespace trellis::circuit
