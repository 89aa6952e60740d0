// The total of capacitors or inductors in series or in parallel. Values are
// taken and the total given in one unit, whichever the caller shows.
#pragma once

#include <span>

namespace trellis::circuit {

enum class Reactive { Capacitor, Inductor };
enum class Connection { Series, Parallel };

// Capacitors in series and inductors in parallel add as reciprocals (a zero
// value makes the total zero); the other two add directly.
double NetworkTotal(Reactive part, Connection connection, std::span<const double> values);

}  // namespace trellis::circuit
