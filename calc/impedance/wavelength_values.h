// The wavelength calculator's values, kept between passes as its solve leaves them.
#pragma once

#include "calc/impedance/wavelength_model.h"

namespace trellis {

struct WavelengthValues {
  double WavelengthFrequency = 0;  // MHz
  double WavelengthErEffective = 0;
  impedance::WaveFraction WavelengthFraction = impedance::WaveFraction::Full;
  double Wavelength = 0;  // inches or centimetres, by the units mode
};

}  // namespace trellis
