#include "tests/support/harness.h"

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "app/form1.h"

namespace trellis::testing {

std::map<std::string, std::string> Harness::DefaultSettings() {
  return {{"Registry_Status", "0"},
          {"Units", "0"},
          {"Program", "16"},
          {"Manual_Copper_Weight", "0"},
          {"IPC_Version", "0"},
          {"Conductor_Reduction", "100"},
          {"Derating", "1"},
          {"Via_Height_Enable", "1"},
          {"TH_Via_AR_Setting", "10"},
          {"UVia_AR_Setting", "1"},
          {"Trellis_Theme", "2"},
          {"File_Index", "1"},
          {"Microns", "0"},
          {"Base_Weight", "1"},
          {"Plate_Weight", "2"}};
}

Harness::Harness(HarnessOptions options) : options_(std::move(options)) {
  std::string pattern = (std::filesystem::temp_directory_path() / "trellis-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a scratch folder");
  scratch_ = pattern;
  platform.workingDirectory = scratch_ + "/work";
  platform.dataFolder = scratch_ + "/data";
  std::filesystem::create_directory(platform.workingDirectory);
  std::filesystem::create_directory(platform.dataFolder);
  platform.decimalSeparator = options_.decimalSeparator;
  if (options_.settingsPresent)
    for (const auto& [name, value] : DefaultSettings())
      platform.settings.Set(kSettingsKey, name, value);
  for (const auto& [name, value] : options_.settings)
    platform.settings.Set(kSettingsKey, name, value);
}

Harness::~Harness() {
  // The program goes first: nothing of it may still point into the folder.
  program.reset();
  std::error_code ignored;
  std::filesystem::remove_all(scratch_, ignored);
}

std::string Harness::UnwritableFolder() {
  const std::string blocker = scratch_ + "/blocker";
  std::ofstream(blocker).put('x');
  return blocker + "/folder";
}

void Harness::Create() {
  if (!program) program = std::make_unique<Program>(platform);
}

void Harness::Start() {
  Create();
  program->ShowMainWindow();
}

TForm1& Harness::Main() {
  Create();
  return program->Main();
}

vcl::TForm& Harness::Window(const std::string& name) {
  Create();
  for (vcl::TForm* f : program->Windows())
    if (f->Name == name) return *f;
  throw std::runtime_error("no window named " + name);
}

vcl::TComponent& Harness::Component(const std::string& window, const std::string& name) {
  vcl::TForm& f = Window(window);
  if (name == window) return f;
  vcl::TComponent* c = f.FindComponent(name);
  if (!c) throw std::runtime_error("no component " + window + "." + name);
  return *c;
}

}  // namespace trellis::testing
