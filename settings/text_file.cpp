#include "settings/text_file.h"

#include <cstdio>

namespace trellis {

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  // The close flushes, so a full disk shows up only here.
  const bool closed = std::fclose(f) == 0;
  return written && closed;
}

}  // namespace trellis
