// Records the math error boxes a model test shows, while it lives.
#pragma once

#include <string>
#include <vector>

#include "vcl/sysutils.h"

namespace trellis::testing {

class MathErrors {
 public:
  MathErrors() {
    vcl::SetMathErrorHandler([this](const std::string& function, const std::string& kind) {
      shown.push_back(vcl::MathErrorText(function, kind));
    });
  }
  ~MathErrors() { vcl::SetMathErrorHandler(nullptr); }
  MathErrors(const MathErrors&) = delete;
  MathErrors& operator=(const MathErrors&) = delete;
  std::vector<std::string> shown;
};

}  // namespace trellis::testing
