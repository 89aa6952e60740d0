#include "settings/text_file.h"

#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace trellis {

namespace {

// Opens a fresh file beside `path`; "x" refuses any name that exists, links
// included, so nothing planted there is written through.
std::FILE* OpenFreshBeside(const std::string& path, std::string& temporary) {
  std::random_device seed;
  std::mt19937_64 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%012llx",
                  static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFULL));
    temporary = path + suffix;
    if (std::FILE* f = std::fopen(temporary.c_str(), "wbx")) return f;
    std::error_code error;
    if (!std::filesystem::exists(std::filesystem::symlink_status(temporary, error))) break;
  }
  return nullptr;
}

}  // namespace

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  // Written beside the name and renamed over it: a link at the name is
  // replaced, not followed, and the name never holds half the bytes.
  std::string temporary;
  std::FILE* f = OpenFreshBeside(path, temporary);
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
#ifndef _WIN32
  ok = fsync(fileno(f)) == 0 && ok;
#endif
  // A network file system may report a failed write only at the close.
  ok = std::fclose(f) == 0 && ok;
  std::error_code error;
  if (ok) std::filesystem::rename(temporary, path, error);
  if (!ok || error) {
    std::filesystem::remove(temporary, error);
    return false;
  }
  return true;
}

}  // namespace trellis
