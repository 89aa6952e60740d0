// The main window on each calculator, selected as the user selects it, and
// every other window, side by side on one sheet of thumbnails.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

TEST(ContactSheet, EveryCalculatorAndWindow) {
  testing::ScopedConfig config;
  QtPlatform platform;
  platform.SetSleepsSkipped(true);
  platform.SetWorkingDirectory(testing::ShotWorkingFolder());
  ASSERT_NO_FATAL_FAILURE(testing::WriteInstallerSettings(platform));
  Program program(platform);
  QtRenderer renderer(platform);
  renderer.Build(program.Windows());
  program.ShowMainWindow();
  QApplication::processEvents();

  TForm1& main = program.Main();
  std::vector<std::pair<QString, QImage>> shots;
  for (int k = 0; k < 19; ++k) {
    vcl::user::PickTab(*main.TabControl1, k);
    QApplication::processEvents();
    QImage shot = renderer.ClientArea(main)->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    shot.save(testing::ShotPath(QString("main_tab%1.png").arg(k, 2, 10, QChar('0'))));
    shots.emplace_back(QString::fromStdString(main.TabControl1->Tabs()[k]), shot);
  }
  for (vcl::TForm* form : program.Windows()) {
    if (form == &main) continue;
    renderer.Window(*form)->show();
    QApplication::processEvents();
    QImage shot = renderer.ClientArea(*form)->grab().toImage();
    renderer.Window(*form)->hide();
    ASSERT_FALSE(shot.isNull());
    shots.emplace_back(
        QString::fromStdString(form->Caption().empty() ? form->Name : form->Caption()), shot);
  }

  const int cellW = 320, cellH = 270, thumbH = 250, columns = 5;
  const int rows = (static_cast<int>(shots.size()) + columns - 1) / columns;
  QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
  sheet.fill(QColor("#f2f4f7"));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  for (size_t i = 0; i < shots.size(); ++i) {
    const int x = static_cast<int>(i % columns) * cellW, y = static_cast<int>(i / columns) * cellH;
    const QImage thumb = shots[i].second.scaled(cellW - 12, thumbH - 8, Qt::KeepAspectRatio,
                                                Qt::SmoothTransformation);
    painter.drawImage(x + (cellW - thumb.width()) / 2, y + 4, thumb);
    painter.setPen(QColor("#1f2a44"));
    painter.drawText(QRect(x, y + thumbH - 2, cellW, cellH - thumbH), Qt::AlignCenter,
                     shots[i].first.replace("&&", "&"));
  }
  painter.end();
  const QString path = testing::ShotPath("contact_sheet.png");
  ASSERT_TRUE(sheet.save(path));
  EXPECT_GT(QImage(path).width(), 0);
}

}  // namespace
}  // namespace trellis::desktop
