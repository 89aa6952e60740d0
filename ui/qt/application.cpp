#include "ui/qt/application.h"

#include <QApplication>
#include <QEvent>
#include <QFontDatabase>
#include <QIcon>
#include <QPixmap>
#include <QStyle>
#include <QStyleFactory>
#include <algorithm>
#include <clocale>

#include "ui/qt/accessibility.h"
#include "ui/qt/program_icon.h"
#include "ui/qt/themes.h"

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

namespace {

// A desktop may set the application's font after start-up (a platform theme
// following its settings): the program's goes back at once, as the layouts
// and the style sheets' widgets are measured in it.
class FontKeeper : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == qApp && event->type() == QEvent::ApplicationFontChange && !restoring_ &&
        QApplication::font() != ProgramFont()) {
      restoring_ = true;
      QApplication::setFont(ProgramFont());
      restoring_ = false;
    }
    return false;
  }

 private:
  bool restoring_ = false;
};

}  // namespace

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
  // Every property is the program's, so a font the desktop sets for the
  // application fills in none of them.
  font.setResolveMask(QFont::AllPropertiesResolved);
  return font;
}

void PrepareApplication(QApplication& app) {
  // Results are formatted by the program's own code; the C library must keep
  // reading and writing numbers with a point whatever the user's locale.
  std::setlocale(LC_NUMERIC, "C");

  if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
    QApplication::setStyle(style);
  // The default theme's own palette until the program applies the saved one.
  ApplyDesktopTheme("Windows");
  QApplication::setFont(ProgramFont());
  static FontKeeper* keeper = nullptr;
  if (!keeper) {
    keeper = new FontKeeper;
    keeper->setParent(&app);
    app.installEventFilter(keeper);
  }
  QApplication::setWindowIcon(ProgramIcon());
  InstallAccessibility();
  // The desktop entry the windows belong to, on Wayland as by WM_CLASS on X11.
  QGuiApplication::setDesktopFileName(QStringLiteral("trellis"));
  // Closing the main window ends the program, not the last window closing.
  app.setQuitOnLastWindowClosed(false);
}

}  // namespace trellis::desktop
