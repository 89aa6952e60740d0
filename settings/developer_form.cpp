#include "settings/developer_form.h"

#include <filesystem>
#include <system_error>

#include "app/form1.h"
#include "app/program.h"
#include "settings/text_file.h"
#include "vcl/sysutils.h"

namespace trellis {

namespace {

constexpr int kDumpedNumbers = 500;

// One line per component number; a missing component leaves its line empty.
template <class T>
std::string DumpOf(const std::string& prefix, std::string (*textOf)(const T&)) {
  std::string out;
  for (int n = 0; n < kDumpedNumbers; ++n) {
    if (auto* c = Form1->Find<T>(prefix + std::to_string(n))) out += textOf(*c);
    out += "\r\n";
  }
  return out;
}

std::string EditText(const vcl::TEdit& e) { return e.Text(); }
std::string LabelCaption(const vcl::TLabel& l) { return l.Caption(); }

}  // namespace

#include "Form10.bind.inc"

TForm10::TForm10() : vcl::TForm("TForm10") {
  BindPublished();
  LoadLayout("Form10");
  FinishLoading();
}

std::string TForm10::DumpFolder() {
  vcl::Platform& platform = vcl::CurrentPlatform();
  return platform.DataFolder() + platform.PathSeparator() + "test";
}

void TForm10::Button1Click(vcl::TObject*) {
  const std::string folder = DumpFolder();
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  if (error) {
    vcl::ShowMessage("The folder could not be created: " + folder);
    return;
  }
  const char sep = vcl::CurrentPlatform().PathSeparator();
  const std::pair<std::string, std::string> files[] = {
      {"Edits.ini", DumpOf<vcl::TEdit>("Edit", EditText)},
      {"Labels.ini", DumpOf<vcl::TLabel>("Label", LabelCaption)},
      // The program has no numbered combo boxes: the file stays empty.
      {"Combos.ini", ""},
  };
  for (const auto& [name, text] : files) {
    const std::string path = folder + sep + name;
    if (!WriteWholeFile(path, text)) {
      vcl::ShowMessage("The file could not be written: " + path);
      return;
    }
  }
}

void TForm10::Button2Click(vcl::TObject*) {
  const int n = vcl::StrToInt(Edit1->Text());
  if (n < 0 || n >= static_cast<int>(Lines.size())) {
    vcl::ShowMessage("Line does not exist");
    return;
  }
  Label1->SetCaption(Lines[static_cast<size_t>(n)]);
}

// The main window was disabled while this one is open.
void TForm10::FormCloseQuery(vcl::TObject*, bool& CanClose) {
  Form1->SetEnabled(true);
  CanClose = true;
}

}  // namespace trellis
