// Screenshots of the circuit calculators' panels, each shown alone in the main window, and of
// every circuit tab of the Ohm's-law panel, for a look at the layouts.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QWidget>
#include <memory>
#include <string>

#include "app/form1.h"
#include "app/program.h"
#include "tests/qt/qt_test_support.h"
#include "tests/support/harness.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"

namespace trellis::desktop {
namespace {

QString ShotDir() {
  const QByteArray env = qgetenv("TRELLIS_SCREENSHOT_DIR");
  const QString dir =
      env.isEmpty() ? QDir::temp().filePath("trellis-screenshots") : QString::fromLocal8Bit(env);
  QDir().mkpath(dir);
  return dir;
}

class CircuitScreens : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.SetSleepsSkipped(true);
    for (const auto& [name, value] : trellis::testing::Harness::DefaultSettings())
      ASSERT_TRUE(platform.Settings().WriteString(trellis::testing::kSettingsKey, name, value));
    program = std::make_unique<Program>(platform);
    renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build(program->Windows());
    for (vcl::TForm* f : program->Windows())
      if (f->Name == "Form1") main = dynamic_cast<TForm1*>(f);
    ASSERT_NE(main, nullptr);
  }
  void TearDown() override {
    renderer.reset();
    program.reset();
  }

  // Shows one panel of Panel1 and hides the others.
  void ShowOnly(const std::string& panel) {
    for (vcl::TControl* c : main->Panel1->Children())
      if (dynamic_cast<vcl::TGroupBox*>(c)) c->SetVisible(c->Name == panel);
  }

  void Save(const QString& file) {
    QApplication::processEvents();
    const QImage shot = renderer->ClientArea(*main)->grab().toImage();
    const QString path = QDir(ShotDir()).filePath(file);
    EXPECT_TRUE(shot.save(path)) << path.toStdString();
  }

  testing::ScopedConfig config;
  QtPlatform platform;
  std::unique_ptr<Program> program;
  std::unique_ptr<QtRenderer> renderer;
  TForm1* main = nullptr;
};

TEST_F(CircuitScreens, EachPanelAlone) {
  for (const char* panel :
       {"GroupBox34", "GroupBox47", "GroupBox23", "GroupBox20", "GroupBox36", "GroupBox48"}) {
    ShowOnly(panel);
    Save(QString("panel_%1.png").arg(panel));
  }
}

TEST_F(CircuitScreens, EachOhmsLawTab) {
  ShowOnly("GroupBox47");
  vcl::TPanel* const panels[] = {main->Panel17, main->Panel15, main->Panel22,
                                 main->Panel20, main->Panel21, main->Panel25,
                                 main->Panel27, main->Panel29, main->Panel31};
  for (int tab = 0; tab < 9; ++tab) {
    main->TabControl3->SetTabIndex(tab);
    for (int i = 0; i < 9; ++i) panels[i]->SetVisible(i == tab);
    Save(QString("panel_GroupBox47_tab%1.png").arg(tab));
  }
}

}  // namespace
}  // namespace trellis::desktop
