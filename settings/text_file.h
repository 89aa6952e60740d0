// Writing a whole file, with every step checked.
#pragma once

#include <string>

namespace trellis {

// Creates or truncates the file and writes the bytes as they are; false when
// opening, any write or the close fails.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace trellis
