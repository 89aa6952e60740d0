// The program's reading of the settings scripts (the registry editor's ".reg"
// files) that a platform may be asked to open. The platform keeps the file,
// the questions and the store; the program says what its scripts hold.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vcl {

struct ScriptValue {
  std::string name;
  std::string value;
};

// A script as the program reads it: the values it sets under the program's
// key, in the order of the script, or why the whole script is refused.
struct ScriptContents {
  std::string key;  // below HKEY_CURRENT_USER, as the program spells it
  std::vector<ScriptValue> values;
  std::string error;  // e.g. "line 21: only string values are accepted"
  bool ok() const { return error.empty(); }
};

class ScriptImporter {
 public:
  virtual ~ScriptImporter() = default;
  virtual ScriptContents Read(std::string_view text) const = 0;
};

// The program's importer, one for the process (null when the program reads
// no scripts); the program registers it before its platform opens any.
const ScriptImporter* CurrentScriptImporter();
void SetScriptImporter(const ScriptImporter* importer);

}  // namespace vcl
