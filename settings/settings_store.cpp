#include "settings/settings_store.h"

#include <map>
#include <optional>

#include "app/calculators.h"
#include "vcl/forms.h"

namespace trellis {

namespace {

struct ValueRule {
  std::string defaultText;
  bool decimal;  // a decimal number rather than a whole one
  int min, max;  // accepted whole numbers
};

const std::map<std::string, ValueRule>& Rules() {
  static const std::map<std::string, ValueRule> rules = {
      {"Registry_Status", {"0", false, -2147483647, 2147483647}},
      {"Units", {"0", false, 0, 1}},
      {"Program", {ProgramText(kDefaultCalculator), false, 0, kCalculatorCount - 1}},
      {"Manual_Copper_Weight", {"0", false, -2147483647, 2147483647}},
      {"IPC_Version", {"0", false, 0, 2}},
      {"Conductor_Reduction", {"100", false, -2147483647, 2147483647}},
      {"Derating", {"1", false, 0, 2}},
      {"Via_Height_Enable", {"1", false, -2147483647, 2147483647}},
      {"TH_Via_AR_Setting", {"10", true, 0, 0}},
      {"UVia_AR_Setting", {"1", true, 0, 0}},
      {"Trellis_Theme", {"2", false, 0, 4}},
      {"File_Index", {"1", false, -2147483647, 2147483647}},
      {"Microns", {"0", false, -2147483647, 2147483647}},
      {"Base_Weight", {"1", false, 0, 8}},
      {"Plate_Weight", {"2", false, 0, 6}},
  };
  return rules;
}

// The aspect-ratio limits are accepted with either separator, so a change of
// locale does not throw a stored limit away.
bool IsDecimal(std::string text) {
  double v = 0;
  if (vcl::TryStrToFloat(text, v)) return true;
  for (char& c : text)
    if (c == '.' || c == ',') c = vcl::FormatSettings.DecimalSeparator;
  return vcl::TryStrToFloat(text, v);
}

}  // namespace

std::string SettingDefault(const std::string& name) {
  auto it = Rules().find(name);
  return it == Rules().end() ? std::string() : it->second.defaultText;
}

std::string ReadSetting(const std::string& name) {
  auto it = Rules().find(name);
  if (it == Rules().end()) return {};
  const ValueRule& rule = it->second;
  vcl::TRegistry reg;
  if (!reg.OpenKeyReadOnly(kSettingsKey)) return rule.defaultText;
  const std::string text = reg.ReadString(name);
  reg.CloseKey();
  if (text.empty()) return rule.defaultText;
  if (rule.decimal) return IsDecimal(text) ? text : rule.defaultText;
  int value = 0;
  if (!vcl::TryStrToInt(text, value) || value < rule.min || value > rule.max)
    return rule.defaultText;
  return text;
}

void WriteSetting(const std::string& name, const std::string& text) {
  vcl::TRegistry reg;
  // An unchanged value needs no write, so it cannot fail, whatever the store.
  if (reg.OpenKeyReadOnly(kSettingsKey) && reg.ValueExists(name) && reg.ReadString(name) == text)
    return;
  reg.OpenKey(kSettingsKey, true);
  reg.WriteString(name, text);
}

}  // namespace trellis
