// Helpers of the offscreen desktop tests: private settings folders and
// automatic answers to modal boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "app/program.h"
#include "ui/qt/qt_platform.h"
#include "ui/qt/renderer.h"

namespace trellis::desktop::testing {

// The offscreen desktop's screens, side by side: a full-HD monitor (the first,
// where windows open), the 1280 x 720 a 1920 x 1080 laptop at 150 % offers and an 800 x 600
// netbook.
inline constexpr const char* kScreensJson = R"({"screens": [
  {"name": "Desktop", "x": 0, "y": 0, "width": 1920, "height": 1080},
  {"name": "Laptop", "x": 1920, "y": 0, "width": 1280, "height": 720},
  {"name": "Netbook", "x": 3200, "y": 0, "width": 800, "height": 600}
]})";

inline QScreen* ScreenNamed(const QString& name) {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->name() == name) return screen;
  return nullptr;
}

inline std::string Text(const QRect& r) {
  return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
         "x" + std::to_string(r.height());
}

// Made before the QApplication: the offscreen platform with the screens above
// unless another platform is asked for, and settings and data in a scratch
// folder while it lives, never the user's.
class ScratchDesktop {
 public:
  ScratchDesktop() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (!platform || std::string(platform) == "offscreen") {
      const QString screens = dir_.filePath("screens.json");
      QFile file(screens);
      if (file.open(QIODevice::WriteOnly)) file.write(kScreensJson);
      file.close();
      setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens).toLocal8Bit().constData(), 1);
    }
    setenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", dir_.filePath("data").toLocal8Bit().constData(), 1);
  }

 private:
  QTemporaryDir dir_;
};

// Points the program's settings folder at a fresh folder for the test's lifetime.
class ScopedConfig {
 public:
  ScopedConfig() { Use(dir_.path()); }
  ~ScopedConfig() { UseDefault(); }
  QString Path() const { return dir_.path(); }
  QString ConfFile() const { return dir_.path() + "/Orvane, Inc./Trellis.conf"; }
  static void Use(const QString& path) {
    Default();
    qputenv("XDG_CONFIG_HOME", path.toLocal8Bit());
  }
  // The test executable's own scratch folder (never the user's settings).
  static void UseDefault() { qputenv("XDG_CONFIG_HOME", Default()); }

 private:
  static QByteArray Default() {
    static const QByteArray scratch = qgetenv("XDG_CONFIG_HOME");
    return scratch;
  }
  QTemporaryDir dir_;
};

struct SeenBox {
  std::string title;
  std::string text;
  QRect frame;       // where the box stood, frame included
  QRect screenArea;  // the free area of the screen it stood on
};

// Presses `button` on each modal message box that comes up while it lives.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(QMessageBox::StandardButton button, int delayMs = 0) {
    timer_.setInterval(5);
    QObject::connect(&timer_, &QTimer::timeout, [this, button, delayMs] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      if (box != current_) {
        current_ = box;
        shownAt_.start();
      }
      if (shownAt_.elapsed() < delayMs) return;
      seen.push_back({box->windowTitle().toStdString(), box->text().toStdString(),
                      box->frameGeometry(), box->screen()->availableGeometry()});
      current_ = nullptr;
      if (QAbstractButton* b = box->button(button))
        b->click();
      else
        box->reject();
    });
    timer_.start();
  }
  std::vector<SeenBox> seen;

 private:
  QTimer timer_;
  QMessageBox* current_ = nullptr;
  QElapsedTimer shownAt_;
};

// Starts the program on the desktop as the entry does, pressing OK on every
// box; returns the boxes it showed.
inline std::vector<SeenBox> StartProgramOnDesktop() {
  QtPlatform platform;
  platform.SetSleepsSkipped(true);
  BoxAnswerer answerer(QMessageBox::Ok);
  {
    auto program = std::make_unique<Program>(platform);
    auto renderer = std::make_unique<QtRenderer>(platform);
    renderer->Build(program->Windows());
    program->ShowMainWindow();
    QApplication::processEvents();
    // The windows go before the program that owns their controls.
    renderer.reset();
  }
  return answerer.seen;
}

}  // namespace trellis::desktop::testing
