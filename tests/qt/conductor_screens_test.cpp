// Screenshots of the conductor, fusing, spacing and thermal panels, each shown
// alone, for a look at their arrangement.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>

#include "app/form1.h"
#include "app/program.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/harness.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"

namespace trellis::desktop {
namespace {

QString ShotPath(const QString& name) {
  const QByteArray env = qgetenv("TRELLIS_SCREENSHOT_DIR");
  const QString dir =
      env.isEmpty() ? QDir::temp().filePath("trellis-screenshots") : QString::fromLocal8Bit(env);
  QDir().mkpath(dir);
  return QDir(dir).filePath(name);
}

class ConductorScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.SetSleepsSkipped(true);
    for (const auto& [name, value] : trellis::testing::Harness::DefaultSettings())
      ASSERT_TRUE(platform.Settings().WriteString(trellis::testing::kSettingsKey, name, value));
    program = std::make_unique<Program>(platform);
    renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build(program->Windows());
  }
  void TearDown() override {
    renderer.reset();
    program.reset();
  }

  // Shows one panel of Panel1 and hides the others, then grabs the main window.
  void ShootPanel(const std::string& panel, const QString& file) {
    TForm1& main = program->Main();
    for (vcl::TControl* c : main.Panel1->Children()) c->SetVisible(c->Name == panel);
    renderer->Window(main)->show();
    QApplication::processEvents();
    const QImage shot = renderer->ClientArea(main)->grab().toImage();
    EXPECT_TRUE(shot.save(ShotPath(file)));
  }

  testing::ScopedConfig config;
  QtPlatform platform;
  std::unique_ptr<Program> program;
  std::unique_ptr<QtRenderer> renderer;
};

TEST_F(ConductorScreens, ConductorPropertiesPanel) {
  TForm1& main = program->Main();
  ShootPanel("GroupBox5", "panel_GroupBox5.png");
  // Every row the panel's groups can show, and the unit box where the width
  // solve puts it.
  for (vcl::TControl* c :
       {static_cast<vcl::TControl*>(main.Label236), static_cast<vcl::TControl*>(main.Edit128),
        static_cast<vcl::TControl*>(main.Label37), static_cast<vcl::TControl*>(main.Edit132),
        static_cast<vcl::TControl*>(main.Edit133), static_cast<vcl::TControl*>(main.Label339),
        static_cast<vcl::TControl*>(main.Label340)})
    c->SetVisible(true);
  main.Edit57->SetBounds(493, main.Edit57->Top(), 50, main.Edit57->Height());
  main.Edit57->SetText("Amps");
  ShootPanel("GroupBox5", "panel_GroupBox5_all_rows.png");
}

TEST_F(ConductorScreens, FusingSpacingAndThermalPanels) {
  ShootPanel("GroupBox33", "panel_GroupBox33.png");
  ShootPanel("GroupBox13", "panel_GroupBox13.png");
  ShootPanel("GroupBox27", "panel_GroupBox27.png");
}

}  // namespace
}  // namespace trellis::desktop
