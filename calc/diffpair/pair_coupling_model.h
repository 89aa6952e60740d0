// The coupling of a differential pair: odd and even modes, the backward-coupling
// coefficients of the terminated and the unterminated pair, the near-end
// crosstalk over a coupled length, and the length at which that coupling
// saturates.
#pragma once

namespace trellis::diffpair {

// The saturation length of the coupling for a rise time in ns, in mils or,
// metric, in millimetres: 11.8 / sqrt(Er) inches per ns over half the rise.
double SaturationLength(double er, double riseNs, bool metric);

}  // namespace trellis::diffpair
