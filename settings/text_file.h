// Writing a whole file, with every step checked.
#pragma once

#include <string>

namespace trellis {

// Puts a file holding exactly the bytes at the path, replacing what was there
// (a link included, never its target); false when creating, any write, the
// close or the replacement fails, and then the path keeps what it had.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace trellis
