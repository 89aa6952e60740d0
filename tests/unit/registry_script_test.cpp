#include "settings/registry_script.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "settings/installer_form.h"
#include "tests/support/harness.h"
#include "vcl/exceptions.h"

namespace {

using trellis::ParseRegistryScript;
using trellis::RegistryScriptText;

// Written out by hand rather than built, so a slip in the builder shows.
const char* const kScript =
    "Windows Registry Editor Version 5.00\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.]\r\n"
    "\r\n"
    "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.\\Trellis]\r\n"
    "\"Conductor_Reduction\"=\"100\"\r\n"
    "\"IPC_Version\"=\"0\"\r\n"
    "\"Derating\"=\"1\"\r\n"
    "\"Manual_Copper_Weight\"=\"0\"\r\n"
    "\"Program\"=\"16\"\r\n"
    "\"Units\"=\"0\"\r\n"
    "\"Via_Height_Enable\"=\"1\"\r\n"
    "\"Registry_Status\"=\"0\"\r\n"
    "\"Base_Weight\"=\"1\"\r\n"
    "\"Plate_Weight\"=\"2\"\r\n"
    "\"TH_Via_AR_Setting\"=\"10\"\r\n"
    "\"UVia_AR_Setting\"=\"1\"\r\n"
    "\"Trellis_Theme\"=\"2\"\r\n"
    "\"File_Index\"=\"1\"\r\n"
    "\"Microns\"=\"0\"\r\n";

TEST(RegistryScript, TextIsTheInstallersBytes) { EXPECT_EQ(RegistryScriptText(), kScript); }

// The window shows the script it writes, line for line.
TEST(RegistryScript, InstallerWindowShowsTheScriptItWrites) {
  trellis::testing::Harness h;
  auto& form = dynamic_cast<trellis::TForm8&>(h.Window("Form8"));
  std::string shown;
  for (const std::string& line : form.RichEdit1->Lines().Items()) shown += line + "\r\n";
  EXPECT_EQ(shown, RegistryScriptText());
}

// A link planted under the script's name is replaced; what it points to is untouched.
TEST(RegistryScript, InstallerReplacesALinkAtTheScriptsName) {
  namespace fs = std::filesystem;
  trellis::testing::Harness h;
  h.Start();
  auto& form = dynamic_cast<trellis::TForm8&>(h.Window("Form8"));
  const fs::path target = fs::path(h.ScratchFolder()) / "elsewhere.txt";
  std::ofstream(target, std::ios::binary) << "precious";
  fs::create_symlink(target, form.RegInstallerPath);
  try {
    form.Button1Click(nullptr);
    ADD_FAILURE() << "the program went on";
  } catch (const vcl::ProgramExit& e) {
    EXPECT_EQ(e.code, 0);
  }
  auto bytes = [](const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  };
  EXPECT_EQ(bytes(target), "precious");
  EXPECT_FALSE(fs::is_symlink(form.RegInstallerPath));
  EXPECT_EQ(bytes(form.RegInstallerPath), RegistryScriptText());
  EXPECT_EQ(h.platform.shellCalls, std::vector<std::string>{form.RegInstallerPath});
}

TEST(RegistryScript, ParsesTheScriptIntoTheStoresDefaults) {
  std::string lf = kScript;
  for (size_t p; (p = lf.find("\r\n")) != std::string::npos;) lf.erase(p, 1);
  for (const std::string& text : {std::string(kScript), lf}) {
    const auto parsed = ParseRegistryScript(text);
    ASSERT_TRUE(parsed.ok()) << parsed.error;
    const auto defaults = trellis::testing::Harness::DefaultSettings();
    ASSERT_EQ(parsed.values.size(), defaults.size());
    EXPECT_EQ(parsed.values.front().name, "Conductor_Reduction");
    EXPECT_EQ(parsed.values.back().name, "Microns");
    for (const auto& v : parsed.values) {
      EXPECT_EQ(v.key, "SOFTWARE\\Orvane, Inc.\\Trellis");
      EXPECT_EQ(v.value, defaults.at(v.name)) << v.name;
    }
  }
  // The hive's SOFTWARE is spelt as one likes; the key is kept as written.
  const auto lower = ParseRegistryScript(
      "Windows Registry Editor Version 5.00\n[HKEY_CURRENT_USER\\Software\\A b, c.]\n"
      "\"x\"=\"\"\n");
  ASSERT_TRUE(lower.ok()) << lower.error;
  ASSERT_EQ(lower.values.size(), 1u);
  EXPECT_EQ(lower.values[0].key, "Software\\A b, c.");
  EXPECT_EQ(lower.values[0].value, "");
}

TEST(RegistryScript, RefusesAnythingElseNamingTheLine) {
  const std::string header = "Windows Registry Editor Version 5.00\r\n";
  const std::string section = "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.\\Trellis]\r\n";
  // One line after a good header and section, unless the case says otherwise.
  auto third = [&](const std::string& line) { return header + section + line + "\r\n"; };
  const std::string script = kScript;
  struct Case {
    std::string text;
    std::string error;
  };
  const Case cases[] = {
      // Cut short, in a line and at a line's end.
      {script.substr(0, script.size() - 4), "line 20: the value has no closing double quote"},
      {script.substr(0, script.size() - 2),
       "line 20: the last line has no line end (the script is cut short)"},
      {"", "line 1: the header \"Windows Registry Editor Version 5.00\" is missing"},
      {section + "\"Units\"=\"0\"\r\n",
       "line 1: the header \"Windows Registry Editor Version 5.00\" is missing"},
      {"REGEDIT4\r\n" + section,
       "line 1: the header \"Windows Registry Editor Version 5.00\" is missing"},
      {header + "\r\n\"Units\"=\"0\"\r\n", "line 3: a value before any key section"},
      // Keys: deletions, other hives, the hive's roots and malformed names.
      {third("[-HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.\\Trellis]"),
       "line 3: key deletions are not accepted"},
      {third("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Orvane, Inc.\\Trellis]"),
       "line 3: only keys under HKEY_CURRENT_USER\\SOFTWARE are accepted"},
      {third("[HKEY_CLASSES_ROOT\\.reg]"),
       "line 3: only keys under HKEY_CURRENT_USER\\SOFTWARE are accepted"},
      {third("[HKEY_CURRENT_USER\\Control Panel\\Desktop]"),
       "line 3: only keys under HKEY_CURRENT_USER\\SOFTWARE are accepted"},
      {third("[HKEY_CURRENT_USER\\SOFTWARE\\]"),
       "line 3: only keys under HKEY_CURRENT_USER\\SOFTWARE are accepted"},
      {third("[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\\\Trellis]"),
       "line 3: a key name may have no empty part and no brackets"},
      {third("[HKEY_CURRENT_USER\\SOFTWARE\\Orvane"), "line 3: a key section must end with ]"},
      {third("[HKEY_CURRENT_USER\\SOFTWARE\\Orvane] "), "line 3: a key section must end with ]"},
      // Values: only plain strings of plain names.
      {third("\"Units\"=dword:00000001"), "line 3: only string values are accepted"},
      {third("\"Units\"=hex:30,00"), "line 3: only string values are accepted"},
      {third("\"Units\"=hex(2):30,00"), "line 3: only string values are accepted"},
      {third("\"Units\"=-"), "line 3: value deletions are not accepted"},
      {third("@=\"x\""), "line 3: default values (@) are not accepted"},
      {third("\"Units\"=\"1\"0\""), "line 3: a value may not hold a double quote"},
      {third("\"Units\"=\"1\\\"0\""), "line 3: a value may not hold a backslash"},
      {third("\"Units\"=\"C:\\\\x\""), "line 3: a value may not hold a backslash"},
      {third("\"Units\"=\"1"), "line 3: the value has no closing double quote"},
      {third("\"Units\"=\"1\" ; comment"), "line 3: unexpected text after the value"},
      {third("\"Un its\"=\"1\""), "line 3: a value name may hold only letters, digits and _"},
      {third("\"a\\\\b\"=\"1\""), "line 3: a value name may hold only letters, digits and _"},
      {third("\"\"=\"1\""), "line 3: the value name is empty"},
      {third("\"Units"), "line 3: the value name has no closing double quote"},
      {third("\"Units\" = \"1\""), "line 3: a value line must read \"name\"=\"value\""},
      // Anything else.
      {third("; a comment"), "line 3: not a key section or a value"},
      {third("   "), "line 3: not a key section or a value"},
      {third("Windows Registry Editor Version 5.00"), "line 3: not a key section or a value"},
      {third(std::string("\"Units\"=\"\0\"", 10)), "line 3: character 0x00 is not accepted"},
      {third("\x7f\x45LF\x02\x01"), "line 3: character 0x7F is not accepted"},
      {third("\"Units\"=\"\xC3\xA9\""), "line 3: character 0xC3 is not accepted"},
      {third("\"Units\"=\"0\"\r\"Derating\"=\"1\""), "line 3: character 0x0D is not accepted"},
      {third("\"Units\"=\"" + std::string(5000, '1') + "\""), "line 3: the line is too long"},
  };
  for (const Case& c : cases) {
    const auto parsed = ParseRegistryScript(c.text);
    EXPECT_EQ(parsed.error, c.error) << c.text.substr(0, 200);
    EXPECT_FALSE(parsed.ok());
    EXPECT_TRUE(parsed.values.empty()) << c.error;
  }
}

// The bound itself: a line of the longest length is read, one character more
// refuses the script, a value line or a key section alike, whatever the line end.
TEST(RegistryScript, ReadsTheLongestLineAndRefusesOneMore) {
  constexpr size_t kMax = trellis::kRegistryScriptMaxLine;
  const std::string header = "Windows Registry Editor Version 5.00";
  const std::string section = "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane, Inc.\\Trellis]";
  for (const std::string end : {"\r\n", "\n"}) {
    for (const size_t length : {kMax - 1, kMax, kMax + 1}) {
      SCOPED_TRACE(::testing::Message() << length << (end == "\n" ? " LF" : " CR LF"));
      const std::string value(length - std::string("\"Units\"=\"\"").size(), '7');
      const std::string valueLine = "\"Units\"=\"" + value + "\"";
      const std::string key(length - std::string("[HKEY_CURRENT_USER\\SOFTWARE\\]").size(), 'k');
      const std::string sectionLine = "[HKEY_CURRENT_USER\\SOFTWARE\\" + key + "]";
      ASSERT_EQ(valueLine.size(), length);
      ASSERT_EQ(sectionLine.size(), length);

      const auto byValue = ParseRegistryScript(header + end + section + end + valueLine + end);
      const auto bySection =
          ParseRegistryScript(header + end + sectionLine + end + "\"Units\"=\"0\"" + end);
      if (length <= kMax) {
        ASSERT_TRUE(byValue.ok()) << byValue.error;
        ASSERT_EQ(byValue.values.size(), 1u);
        EXPECT_EQ(byValue.values[0].value, value);
        ASSERT_TRUE(bySection.ok()) << bySection.error;
        ASSERT_EQ(bySection.values.size(), 1u);
        EXPECT_EQ(bySection.values[0].key, "SOFTWARE\\" + key);
      } else {
        EXPECT_EQ(byValue.error, "line 3: the line is too long");
        EXPECT_TRUE(byValue.values.empty());
        EXPECT_EQ(bySection.error, "line 2: the line is too long");
        EXPECT_TRUE(bySection.values.empty());
      }
    }
  }
}

}  // namespace
