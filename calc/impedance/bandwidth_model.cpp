#include "calc/impedance/bandwidth_model.h"

#include "calc/length_units.h"

// Checked math: a domain error is reported as the program reports it.
#include "vcl/sysutils.h"

namespace trellis::impedance {

namespace {

constexpr double kLight = 299792458;  // m/s
// c / MHz is in micrometres; this makes it centimetres.
constexpr double kMicronsToCm = 0.0001;
constexpr double kMetresPerMil = 0.0000254;

// The wavelength in air of a frequency in MHz, with its fraction.
FrequencyResults Wavelength(double mhz, double lambdaFraction) {
  const double cm = kLight / mhz * kMicronsToCm;
  FrequencyResults r;
  r.wavelength = {cm / kCentimetresPerInch, cm};
  r.lambdaLength = {r.wavelength.inches * lambdaFraction, cm * lambdaFraction};
  return r;
}

}  // namespace

RisetimeResults RisetimeModel(const RisetimeInputs& in) {
  RisetimeResults r;
  r.bandwidth = 0.35 / in.risetime * 1000;
  const FrequencyResults air = Wavelength(r.bandwidth, in.lambdaFraction);
  r.wavelength = air.wavelength;
  r.lambdaLength = air.lambdaLength;

  // A rough fit of the microstrip's effective permittivity, not the
  // dispersive model.
  const double travelled = in.risetime * 1e-9 * kLight;
  r.riseDistance = in.layer == SignalLayer::Microstrip ? travelled / vcl::Sqrt(0.457 * in.er + 0.67)
                                                       : travelled / vcl::Sqrt(in.er);
  const double metres = r.riseDistance * in.riseFraction;
  r.riseLength = {metres / kMetresPerMil / 1000, metres * 100};

  r.speed = kLight / vcl::Sqrt(in.er);
  return r;
}

FrequencyResults FrequencyModel(double frequency, double lambdaFraction) {
  return Wavelength(frequency, lambdaFraction);
}

}  // namespace trellis::impedance
