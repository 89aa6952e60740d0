// Helpers of the offscreen desktop tests: private settings folders and
// automatic answers to modal boxes.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <string>
#include <vector>

namespace trellis::desktop::testing {

// Made before the QApplication: the offscreen platform unless another is asked
// for, and settings and data in a scratch folder while it lives, never the user's.
class ScratchDesktop {
 public:
  ScratchDesktop() {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("XDG_CONFIG_HOME", dir_.filePath("config").toLocal8Bit().constData(), 1);
    setenv("XDG_DATA_HOME", dir_.filePath("data").toLocal8Bit().constData(), 1);
    QStandardPaths::setTestModeEnabled(true);
  }

 private:
  QTemporaryDir dir_;
};

// Points the program's QSettings at a fresh folder for the test's lifetime.
class ScopedConfig {
 public:
  ScopedConfig() { Use(dir_.path()); }
  ~ScopedConfig() { UseDefault(); }
  QString Path() const { return dir_.path(); }
  QString ConfFile() const { return dir_.path() + "/Orvane, Inc./Trellis.conf"; }
  static void Use(const QString& path) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path);
  }
  // The test executable's own scratch folder (never the user's settings).
  static void UseDefault() { Use(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME"))); }

 private:
  QTemporaryDir dir_;
};

struct SeenBox {
  std::string title;
  std::string text;
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
      seen.push_back({box->windowTitle().toStdString(), box->text().toStdString()});
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

}  // namespace trellis::desktop::testing
