// Starts the program headless exactly as the entry does and hands a test its windows.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "app/program.h"
#include "tests/support/fake_platform.h"

namespace trellis::testing {

inline constexpr const char* kSettingsKey = "Software\\Orvane, Inc.\\Trellis";

struct HarnessOptions {
  // With no settings the store is empty, as before the installer ever ran.
  bool settingsPresent = true;
  // Values stored before start-up (over the installer's defaults when present).
  std::map<std::string, std::string> settings;
  std::string decimalSeparator = ".";
};

class Harness {
 public:
  explicit Harness(HarnessOptions options = {});
  ~Harness();

  // Creates the windows (the entry's steps) without showing anything.
  void Create();
  // Create() when needed, then shows the main window: the start-up sequence.
  void Start();

  FakePlatform platform;
  std::unique_ptr<Program> program;

  TForm1& Main();
  vcl::TForm& Window(const std::string& name);
  // A component of a window by name; throws when there is none.
  vcl::TComponent& Component(const std::string& window, const std::string& name);

  // The installer's defaults for the fifteen values.
  static std::map<std::string, std::string> DefaultSettings();

  // A fresh folder of this harness, removed with it; the platform's working
  // and data folders are inside it.
  const std::string& ScratchFolder() const { return scratch_; }
  // A folder path nothing can be written to, whoever runs the tests: its
  // parent is a file.
  std::string UnwritableFolder();

 private:
  HarnessOptions options_;
  std::string scratch_;
};

}  // namespace trellis::testing
