// The registry script that installs the program's settings with their
// defaults, the strict reader, and the importer the desktop reads it with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "vcl/script_importer.h"

namespace trellis {

inline constexpr const char* kRegistryScriptName = "ORVNE_Reg.reg";

// The longest line the reader accepts, its line end aside: longer than any
// line the installer writes by far, so a longer one is junk.
inline constexpr size_t kRegistryScriptMaxLine = 1024;

// The script exactly as the installer writes it: CR LF line ends, the last
// line ended too.
const std::string& RegistryScriptText();

struct RegistryValue {
  std::string key;  // below HKEY_CURRENT_USER, as the section spells it
  std::string name;
  std::string value;
};

struct ParsedRegistryScript {
  std::vector<RegistryValue> values;  // in the order of the script
  std::string error;                  // "line N: ..." when the script is refused
  bool ok() const { return error.empty(); }
};

// Accepts only what the installer's script is made of: the header, blank
// lines, key sections under HKEY_CURRENT_USER\SOFTWARE and plain string
// values. Anything else refuses the whole script.
ParsedRegistryScript ParseRegistryScript(std::string_view text);

// The program's importer, which a platform asked to open a ".reg" script
// reads it with: the strict reader's values when every one is under the
// program's key (kSettingsKey), else why the script is refused. It is the
// process's vcl::CurrentScriptImporter() from start-up on.
class RegistryScriptImporter final : public vcl::ScriptImporter {
 public:
  vcl::ScriptContents Read(std::string_view text) const override;
};

}  // namespace trellis
