// The desktop entry: the Qt application, the platform, the program's windows.
#include <QApplication>
#include <exception>

#include "app/program.h"
#include "settings/registry_script.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"
#include "vcl/exceptions.h"
#include "vcl/script_importer.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  trellis::desktop::PrepareApplication(app);
  trellis::desktop::QtPlatform platform;
  // The desktop opens the installer's script through the program's reading of it.
  const trellis::RegistryScriptImporter importer;
  vcl::SetScriptImporter(&importer);
  try {
    trellis::Program program(platform);
    // Declared after the program, so the windows go before the forms they show.
    trellis::desktop::QtRenderer renderer(platform);
    renderer.Build(program.Windows());
    program.ShowMainWindow();
    QApplication::exec();
  } catch (const vcl::Exception& e) {
    platform.ShowException(platform.ProgramFileName(), e.Message());
  } catch (const std::exception& e) {
    platform.ShowException(platform.ProgramFileName(), e.what());
  } catch (...) {
    platform.ShowException(platform.ProgramFileName(), "");
  }
  return 0;
}
