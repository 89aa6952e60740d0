#include "settings/registry_script.h"

#include <cctype>
#include <cstdio>
#include <utility>

#include "app/calculators.h"
#include "settings/settings_store.h"

namespace trellis {

namespace {

constexpr std::string_view kHeader = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHive = "HKEY_CURRENT_USER\\";

bool SameIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Why a section line is refused, or nothing; `key` receives the key below the hive.
std::string ReadSection(std::string_view line, std::string& key) {
  if (line.starts_with("[-")) return "key deletions are not accepted";
  if (line.size() < 2 || line.back() != ']') return "a key section must end with ]";
  std::string_view inner = line.substr(1, line.size() - 2);
  constexpr std::string_view software = "SOFTWARE\\";
  if (!inner.starts_with(kHive) || inner.size() <= kHive.size() + software.size() ||
      !SameIgnoringCase(inner.substr(kHive.size(), software.size()), software))
    return "only keys under HKEY_CURRENT_USER\\SOFTWARE are accepted";
  inner.remove_prefix(kHive.size());
  size_t start = 0;
  while (true) {
    const size_t end = inner.find('\\', start);
    const std::string_view part =
        inner.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (part.empty() || part.find_first_of("[]") != std::string_view::npos)
      return "a key name may have no empty part and no brackets";
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  key = std::string(inner);
  return {};
}

// Why a value line is refused, or nothing.
std::string ReadValue(std::string_view line, std::string& name, std::string& value) {
  const size_t nameEnd = line.find('"', 1);
  if (nameEnd == std::string_view::npos) return "the value name has no closing double quote";
  const std::string_view n = line.substr(1, nameEnd - 1);
  if (n.empty()) return "the value name is empty";
  for (char c : n)
    if (!IsNameChar(c)) return "a value name may hold only letters, digits and _";
  std::string_view rest = line.substr(nameEnd + 1);
  if (!rest.starts_with('=')) return "a value line must read \"name\"=\"value\"";
  rest.remove_prefix(1);
  if (rest == "-") return "value deletions are not accepted";
  if (!rest.starts_with('"')) return "only string values are accepted";
  rest.remove_prefix(1);
  const size_t valueEnd = rest.find_first_of("\"\\");
  if (valueEnd == std::string_view::npos) return "the value has no closing double quote";
  if (rest[valueEnd] == '\\') return "a value may not hold a backslash";
  const std::string_view after = rest.substr(valueEnd + 1);
  if (after.find('"') != std::string_view::npos) return "a value may not hold a double quote";
  if (!after.empty()) return "unexpected text after the value";
  name = std::string(n);
  value = std::string(rest.substr(0, valueEnd));
  return {};
}

}  // namespace

const std::string& RegistryScriptText() {
  static const std::string text = [] {
    static const std::string program = ProgramText(kDefaultCalculator);
    static const std::pair<const char*, const char*> values[] = {
        {"Conductor_Reduction", "100"}, {"IPC_Version", "0"},         {"Derating", "1"},
        {"Manual_Copper_Weight", "0"},  {"Program", program.c_str()}, {"Units", "0"},
        {"Via_Height_Enable", "1"},     {"Registry_Status", "0"},     {"Base_Weight", "1"},
        {"Plate_Weight", "2"},          {"TH_Via_AR_Setting", "10"},  {"UVia_AR_Setting", "1"},
        {"Trellis_Theme", "2"},         {"File_Index", "1"},          {"Microns", "0"},
    };
    std::string out = std::string(kHeader) + "\r\n\r\n";
    out += "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.]\r\n\r\n";
    out += "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.\\Trellis]\r\n";
    for (const auto& [name, value] : values)
      out += std::string("\"") + name + "\"=\"" + value + "\"\r\n";
    return out;
  }();
  return text;
}

ParsedRegistryScript ParseRegistryScript(std::string_view text) {
  ParsedRegistryScript result;
  auto refuse = [&](int line, const std::string& why) {
    result.values.clear();
    result.error = "line " + std::to_string(line) + ": " + why;
    return result;
  };
  if (text.empty()) return refuse(1, "the header \"" + std::string(kHeader) + "\" is missing");

  std::string key;  // the current section's; empty before the first
  size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    const size_t newline = text.find('\n', start);
    const bool ended = newline != std::string_view::npos;
    std::string_view line = text.substr(start, ended ? newline - start : std::string_view::npos);
    start = ended ? newline + 1 : text.size();
    if (line.ends_with('\r')) line.remove_suffix(1);

    if (line.size() > kRegistryScriptMaxLine) return refuse(number, "the line is too long");
    for (char c : line) {
      const auto u = static_cast<unsigned char>(c);
      if (u < 0x20 || u > 0x7E) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "0x%02X", u);
        return refuse(number, std::string("character ") + hex + " is not accepted");
      }
    }

    if (number == 1) {
      if (line != kHeader)
        return refuse(1, "the header \"" + std::string(kHeader) + "\" is missing");
    } else if (line.empty()) {
      // Blank lines separate sections.
    } else if (line.front() == '[') {
      if (std::string why = ReadSection(line, key); !why.empty()) return refuse(number, why);
    } else if (line.front() == '@') {
      return refuse(number, "default values (@) are not accepted");
    } else if (line.front() == '"') {
      RegistryValue v;
      if (std::string why = ReadValue(line, v.name, v.value); !why.empty())
        return refuse(number, why);
      if (key.empty()) return refuse(number, "a value before any key section");
      v.key = key;
      result.values.push_back(std::move(v));
    } else {
      return refuse(number, "not a key section or a value");
    }
    // A script cut short ends without its last line end.
    if (!ended) return refuse(number, "the last line has no line end (the script is cut short)");
  }
  return result;
}

vcl::ScriptContents RegistryScriptImporter::Read(std::string_view text) const {
  vcl::ScriptContents contents;
  contents.key = kSettingsKey;
  const ParsedRegistryScript script = ParseRegistryScript(text);
  if (!script.ok()) {
    contents.error = script.error;
    return contents;
  }
  for (const RegistryValue& v : script.values) {
    if (!SameIgnoringCase(v.key, kSettingsKey)) {
      contents.error = "it holds values outside the program's key, under " + v.key;
      return contents;
    }
  }
  if (script.values.empty()) {
    contents.error = "it holds no values of the program";
    return contents;
  }
  for (const RegistryValue& v : script.values) contents.values.push_back({v.name, v.value});
  return contents;
}

}  // namespace trellis
