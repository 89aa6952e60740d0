#include "vcl/script_importer.h"

namespace vcl {

namespace {
const ScriptImporter* gScriptImporter = nullptr;
}

const ScriptImporter* CurrentScriptImporter() { return gScriptImporter; }

void SetScriptImporter(const ScriptImporter* importer) { gScriptImporter = importer; }

}  // namespace vcl
