// The registry script that installs the program's settings with their
// defaults, and the strict reader the desktop imports it with.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trellis {

inline constexpr const char* kRegistryScriptName = "ORVNE_Reg.reg";

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

}  // namespace trellis
