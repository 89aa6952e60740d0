// The program's settings: string values under one key of the user's store,
// each written the moment its control changes.
#pragma once

#include <string>

namespace trellis {

inline constexpr const char* kSettingsKey = "Software\\Orvane, Inc.\\Trellis";

// The stored text of a value, or its default when the key or value is
// missing, empty, not a number of its kind, or outside what its control takes.
std::string ReadSetting(const std::string& name);
// The default text of a value.
std::string SettingDefault(const std::string& name);
// Opens (creating) the key and writes one value unless it is stored already;
// a refusal raises the registry error "Failed to set data for '%s'".
void WriteSetting(const std::string& name, const std::string& text);

}  // namespace trellis
