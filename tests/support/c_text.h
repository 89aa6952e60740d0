// A figure as the C library prints it, so a model test compares with the
// displayed digits without going through the program's own formatting.
#pragma once

#include <cstdio>
#include <string>

namespace trellis::testing {

inline std::string Text(const char* format, double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

}  // namespace trellis::testing
