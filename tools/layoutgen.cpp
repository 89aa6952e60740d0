// Build step: writes each window class's published section from the layouts,
// its declarations as FormN.published.inc and its binding as FormN.bind.inc.
//   trellis-layoutgen OUTPUT_DIR LAYOUT.dfm...
// A file is rewritten only when its text changes, so a layout edit rebuilds only
// what includes the file that changed: the binding's one unit, unless the edit
// adds a component or a handler.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "vcl/exceptions.h"
#include "vcl/published.h"

namespace fs = std::filesystem;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteIfDifferent(const fs::path& path, const std::string& text) {
  if (fs::exists(path) && ReadFile(path) == text) return;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out.flush()) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::cerr << "usage: trellis-layoutgen OUTPUT_DIR LAYOUT...\n";
    return 2;
  }
  try {
    std::vector<vcl::LayoutSource> layouts;
    for (int i = 2; i < argc; ++i) {
      const fs::path path = fs::absolute(argv[i]);
      layouts.push_back({path.stem().string(), path.string(), ReadFile(path)});
    }
    const fs::path dir = argv[1];
    fs::create_directories(dir);
    for (const auto& [resource, section] : vcl::GeneratePublishedSections(layouts)) {
      WriteIfDifferent(dir / (resource + ".published.inc"), section.declarations);
      WriteIfDifferent(dir / (resource + ".bind.inc"), section.binding);
    }
  } catch (const vcl::Exception& e) {
    std::cerr << "layout error: " << e.Message() << "\n";
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "trellis-layoutgen: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
