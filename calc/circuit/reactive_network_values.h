// The reactive networks' values, kept between passes as their tabs leave them.
#pragma once

#include <string>

namespace trellis {

struct ReactiveNetworkValues {
  std::string ReactiveUnitText;  // the unit written after a network total
};

}  // namespace trellis
