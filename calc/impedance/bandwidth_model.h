// The bandwidth of a digital edge and the longest conductor that can still be
// routed without being treated as a transmission line: a fraction of the
// distance the edge travels during its rise, or a fraction of the wavelength
// in air at the edge's bandwidth (or at a given frequency).
#pragma once

namespace trellis::impedance {

// Where the conductor runs: on the surface, or buried between two planes.
enum class SignalLayer { Microstrip, Stripline };

// A length in both unit systems, each from its own formula.
struct SignalLength {
  double inches = 0;
  double centimetres = 0;
};

struct RisetimeInputs {
  double risetime = 0;  // ns
  double er = 0;        // 1 or more is the caller's to keep
  SignalLayer layer = SignalLayer::Microstrip;
  double riseFraction = 0;    // of the rise distance
  double lambdaFraction = 0;  // of the wavelength
};

struct RisetimeResults {
  double bandwidth = 0;     // MHz, 0.35 / risetime
  double riseDistance = 0;  // m
  double speed = 0;         // m/s, c / sqrt(Er) whatever the layer
  SignalLength wavelength;  // in air, at the bandwidth
  SignalLength riseLength;  // the rise-distance estimate
  SignalLength lambdaLength;
};

struct FrequencyResults {
  SignalLength wavelength;  // in air
  SignalLength lambdaLength;
};

// No guard of its own: a risetime or a frequency of 0 gives infinite figures.
RisetimeResults RisetimeModel(const RisetimeInputs& in);
// The frequency in MHz.
FrequencyResults FrequencyModel(double frequency, double lambdaFraction);

}  // namespace trellis::impedance
