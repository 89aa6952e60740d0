// Screenshots of the conversion and mechanical-information panels, each shown
// alone, and of the reference windows, for a look at their arrangement.
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

class ReferenceScreens : public ::testing::Test {
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

TEST_F(ReferenceScreens, ConversionPanel) { ShootPanel("GroupBox7", "panel_GroupBox7.png"); }

TEST_F(ReferenceScreens, MechanicalPanelInBothUnits) {
  TForm1& main = program->Main();
  ShootPanel("GroupBox11", "panel_GroupBox11.png");
  // As the units switch leaves the thread charts.
  main.GroupBox46->SetVisible(false);
  ShootPanel("GroupBox11", "panel_GroupBox11_imperial.png");
  main.GroupBox46->SetVisible(true);
  main.GroupBox19->SetVisible(false);
  ShootPanel("GroupBox11", "panel_GroupBox11_metric.png");
}

TEST_F(ReferenceScreens, Windows) {
  for (vcl::TForm* form : program->Windows()) {
    if (form->Name != "Form2" && form->Name != "Form5" && form->Name != "Form9" &&
        form->Name != "Form11")
      continue;
    renderer->Window(*form)->show();
    QApplication::processEvents();
    const QImage shot = renderer->ClientArea(*form)->grab().toImage();
    EXPECT_TRUE(shot.save(ShotPath(QString::fromStdString("window_" + form->Name + ".png"))));
  }
}

}  // namespace
}  // namespace trellis::desktop
