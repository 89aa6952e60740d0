// The bandwidth calculator's values, kept between passes as its solve leaves them.
#pragma once

namespace trellis {

struct BandwidthValues {
  double RiseDistanceFraction = 0, BandwidthLambdaFraction = 0;
  double Risetime = 0, Bandwidth = 0, SignalFrequency = 0;
  double RiseDistance = 0, PropagationSpeed = 0;
  double Wavelength = 0, RiseMaxLength = 0, LambdaMaxLength = 0;  // inches or cm
};

}  // namespace trellis
