// The main window on each calculator, selected as the user selects it, and
// every other window, opened from its menu or button: one overview sheet of
// all of them, and one sheet per area with each calculator's panel at full
// size, so its texts can be read.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>
#include <vector>

#include "app/calculators.h"
#include "calc/diffpair/crosstalk_form.h"
#include "reference/about_form.h"
#include "reference/design_rules_form.h"
#include "reference/references_form.h"
#include "settings/installer_form.h"
#include "settings/options_form.h"
#include "settings/splash_form.h"
#include "tests/qt/screens_fixture.h"
#include "vcl/user.h"

namespace trellis::desktop {
namespace {

struct Tile {
  QString caption;
  QImage image;
};

QFont CaptionFont(int pixels) {
  QFont font = QApplication::font();
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

// The lines a caption takes at `width`: wrapped at words, never cut.
int CaptionLines(const QString& caption, const QFont& font, int width) {
  const QFontMetrics metrics(font);
  const QRect needed =
      metrics.boundingRect(QRect(0, 0, width, 10000), Qt::AlignHCenter | Qt::TextWordWrap, caption);
  return (needed.height() + metrics.lineSpacing() - 1) / metrics.lineSpacing();
}

// Tiles in a grid of `columns`, each scaled by `scale`, its caption beneath.
QImage Sheet(const std::vector<Tile>& tiles, double scale, int columns, int captionPixels) {
  const int gap = 16;
  int cellW = 0, imageH = 0;
  for (const Tile& t : tiles) {
    cellW = std::max(cellW, static_cast<int>(t.image.width() * scale + 0.5));
    imageH = std::max(imageH, static_cast<int>(t.image.height() * scale + 0.5));
  }
  const QFont font = CaptionFont(captionPixels);
  int lines = 1;
  for (const Tile& t : tiles) lines = std::max(lines, CaptionLines(t.caption, font, cellW));
  const int captionH = lines * QFontMetrics(font).lineSpacing() + 8;
  const int cellH = imageH + captionH;
  const int rows = (static_cast<int>(tiles.size()) + columns - 1) / columns;
  QImage sheet(gap + columns * (cellW + gap), gap + rows * (cellH + gap), QImage::Format_RGB32);
  sheet.fill(QColor("#f2f4f7"));
  QPainter painter(&sheet);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(QColor("#1f2a44"));
  for (size_t i = 0; i < tiles.size(); ++i) {
    const int x = gap + static_cast<int>(i % columns) * (cellW + gap);
    const int y = gap + static_cast<int>(i / columns) * (cellH + gap);
    const QImage image = scale == 1.0 ? tiles[i].image
                                      : tiles[i].image.scaled(
                                            static_cast<int>(tiles[i].image.width() * scale + 0.5),
                                            static_cast<int>(tiles[i].image.height() * scale + 0.5),
                                            Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.drawImage(x + (cellW - image.width()) / 2, y, image);
    painter.drawText(QRect(x, y + image.height() + 4, cellW, captionH),
                     Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, tiles[i].caption);
  }
  painter.end();
  return sheet;
}

void SaveSheet(const QImage& sheet, const char* file) {
  const QString path = testing::ShotPath(file);
  ASSERT_TRUE(sheet.save(path)) << path.toStdString();
  EXPECT_EQ(QImage(path).size(), sheet.size());
}

// The shown captions of the program: "&&" is one ampersand.
QString Shown(const std::string& caption) {
  return QString::fromStdString(caption).replace("&&", "&");
}

class ContactSheet : public testing::SolvedScreensFixture {
 protected:
  // Starts the program as SolvedScreensFixture does, catching the splash on the way.
  void SetUp() override {
    ScreensFixture::SetUp();
    QTimer::singleShot(0, [this] {
      QWidget* splash = renderer->Window(*Form4);
      if (splash->isVisible()) splashShot = renderer->ClientArea(*Form4)->grab().toImage();
    });
    program->ShowMainWindow();
    main = &program->Main();
    QApplication::processEvents();
  }

  QImage Client(vcl::TForm& form) {
    QApplication::processEvents();
    QImage shot = renderer->ClientArea(form)->grab().toImage();
    EXPECT_FALSE(shot.isNull()) << form.Name;
    return shot;
  }

  // The calculator's own part of the main window: its panel and the
  // information box beneath, down to the status bar.
  QRect PanelArea() {
    QWidget* client = renderer->ClientArea(*main);
    QWidget* panel = renderer->WidgetOf(*main->Panel1);
    QWidget* status = renderer->WidgetOf(*main->StatusBar1);
    const QPoint topLeft = panel->mapTo(client, QPoint(0, 0));
    const int bottom = status->mapTo(client, QPoint(0, 0)).y();
    return QRect(topLeft.x(), topLeft.y(), client->width() - topLeft.x(), bottom - topLeft.y());
  }

  // Opens a window as the user opens it, takes its client area and closes it.
  void Window(const std::function<void()>& open, vcl::TForm& form) {
    open();
    ASSERT_TRUE(form.Visible()) << form.Name;
    const QString caption = form.Caption().empty() ? QString("Splash") : Shown(form.Caption());
    windows.push_back({caption, Client(form)});
    // A window without a close box is left through its own buttons, which close it.
    if (form.BorderIcons & vcl::biSystemMenu)
      vcl::user::CloseForm(form);
    else
      form.Close();
    EXPECT_FALSE(form.Visible()) << form.Name;
    EXPECT_TRUE(main->Enabled()) << form.Name;
  }

  QImage splashShot;
  std::vector<Tile> windows;
};

TEST_F(ContactSheet, EveryCalculatorAndWindow) {
  ASSERT_FALSE(splashShot.isNull()) << "the splash was never shown";

  std::vector<Tile> calculators, panels;
  for (int k = 0; k < kCalculatorCount; ++k) {
    Pick(k);
    ASSERT_EQ(main->TabControl1->TabIndex(), k);
    const QImage shot = Client(*main);
    shot.save(testing::ShotPath(QString("main_tab%1.png").arg(k, 2, 10, QChar('0'))));
    const QString caption = Shown(main->TabControl1->Tabs()[k]);
    calculators.push_back({caption, shot});
    panels.push_back({caption, shot.copy(PanelArea())});
  }

  windows.push_back({"Splash", splashShot});
  using vcl::user::PickMenuItem;
  Window([&] { PickMenuItem(*main->About1); }, *Form2);
  Window([&] { PickMenuItem(*main->References1); }, *Form5);
  Window([&] { PickMenuItem(*main->CopperWeight1); }, *Form6);
  Window([&] { PickMenuItem(*main->ReinstallRegistryKeys1); }, *Form8);
  Window(
      [&] {
        Pick(Number(Calculator::Conversion));
        vcl::user::Click(*main->Button23);
      },
      *Form11);
  Window([&] { PickMenuItem(*main->Crosstalk1); }, *Form12);
  // The resources list and the text export sit under hidden menu items: no user
  // reaches them yet.
  for (const char* hidden : {"Resources2", "Export1"}) {
    const auto* item = main->Find<vcl::TMenuItem>(hidden);
    ASSERT_NE(item, nullptr) << hidden;
    bool reachable = true;
    for (const vcl::TMenuItem* m = item; m; m = m->ParentItem()) reachable &= m->Visible();
    EXPECT_FALSE(reachable) << hidden;
  }
  EXPECT_EQ(windows.size(), program->Windows().size() - 3);

  std::vector<Tile> all = calculators;
  all.insert(all.end(), windows.begin(), windows.end());
  SaveSheet(Sheet(all, 0.4, 5, 15), "contact_sheet.png");

  // One sheet per area, each panel at its own size.
  struct Area {
    const char* file;
    std::vector<Calculator> members;
  };
  const Area areas[] = {
      {"contact_sheet_signals.png",
       {Calculator::Bandwidth, Calculator::ConductorImpedance, Calculator::DifferentialPairs,
        Calculator::ErEffective, Calculator::Wavelength, Calculator::Conversion}},
      {"contact_sheet_conductors.png",
       {Calculator::ConductorProperties, Calculator::FusingCurrent, Calculator::ConductorSpacing,
        Calculator::Thermal, Calculator::EmbeddedResistors, Calculator::Mechanical}},
      {"contact_sheet_vias_and_circuits.png",
       {Calculator::ViaProperties, Calculator::Padstack, Calculator::Pdn, Calculator::OhmsLaw,
        Calculator::PlanarInductors, Calculator::PpmCalculator, Calculator::Reactance}},
  };
  // Each calculator on one area's sheet: one added to the table without its
  // place here fails by name.
  std::vector<int> sheets(panels.size(), 0);
  for (const Area& area : areas) {
    std::vector<Tile> tiles;
    for (Calculator c : area.members) {
      tiles.push_back(panels[static_cast<size_t>(Number(c))]);
      ++sheets[static_cast<size_t>(Number(c))];
    }
    SaveSheet(Sheet(tiles, 1.0, 2, 20), area.file);
  }
  for (size_t k = 0; k < panels.size(); ++k)
    EXPECT_EQ(sheets[k], 1) << "calculator " << k << ", " << panels[k].caption.toStdString()
                            << ", is on " << sheets[k] << " area sheets";
  SaveSheet(Sheet(windows, 1.0, 3, 20), "contact_sheet_windows.png");
}

// The README's picture: the whole main window, its menu bar included, at its
// own size, as a user leaves it after solving a microstrip's impedance.
class ReadmePicture : public testing::SolvedScreensFixture {};

TEST_F(ReadmePicture, MainWindowSolvingAMicrostrip) {
  Pick(Number(Calculator::ConductorImpedance));
  Choose(main->RadioGroup3, 0);
  Type(main->Edit67, "17");
  Type(main->Edit68, "10");
  Solve();
  ASSERT_FALSE(main->Edit70->Text().empty());
  QApplication::processEvents();
  QWidget* window = renderer->Window(*main);
  const QImage shot = window->grab().toImage();
  EXPECT_EQ(shot.width(), main->ClientWidth());
  EXPECT_GT(shot.height(), main->ClientHeight());
  SaveSheet(shot, "main_window.png");
}

}  // namespace
}  // namespace trellis::desktop
