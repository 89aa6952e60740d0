#include "ui/qt/application.h"

#include <QApplication>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <clocale>

#include "ui/qt/program_icon.h"

namespace trellis::desktop {

namespace {

// The layouts were drawn for an 8-point face of 13-pixel lines; DejaVu Sans at
// 11 pixels keeps their texts inside the controls.
constexpr int kPixelSize = 11;
constexpr int kLayoutPointSize = 8;

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : kProgramIconSides) {
    const QImage image =
        ProgramIconImage(QStringLiteral(":/resources/pictures/program_icon.svg"), side);
    if (image.isNull()) return {};
    icon.addPixmap(QPixmap::fromImage(image));
  }
  return icon;
}

int FontPixelSize(int layoutPointSize) {
  if (layoutPointSize <= 0) return kPixelSize;
  return std::max(1, (layoutPointSize * kPixelSize + kLayoutPointSize / 2) / kLayoutPointSize);
}

QFont ProgramFont() {
  const QString family = QFontDatabase::families().contains(QStringLiteral("DejaVu Sans"))
                             ? QStringLiteral("DejaVu Sans")
                             : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  QFont font(family);
  font.setPixelSize(kPixelSize);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

void PrepareApplication(QApplication& app) {
  // Results are formatted by the program's own code; the C library must keep
  // reading and writing numbers with a point whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");

  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(style);
    QApplication::setPalette(style->standardPalette());
  }
  QApplication::setFont(ProgramFont());
  QApplication::setWindowIcon(ProgramIcon());
  // The desktop entry the windows belong to, on Wayland as by WM_CLASS on X11.
  QGuiApplication::setDesktopFileName(QStringLiteral("trellis"));
  // Closing the main window ends the program, not the last window closing.
  app.setQuitOnLastWindowClosed(false);
}

}  // namespace trellis::desktop
