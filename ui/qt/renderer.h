// Builds a top-level window for each form and a widget for each of its
// controls, and keeps them in step with the model. Destroy it before the
// forms it renders.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "vcl/forms.h"

class QAction;
class QWidget;

namespace trellis::desktop {

class FormWindow;
class Peer;
class QtPlatform;

class QtRenderer {
 public:
  // Registers with the platform, which shows and hides the windows.
  explicit QtRenderer(QtPlatform& platform);
  // Windows of a program on another platform: their owner shows and hides them.
  QtRenderer();
  ~QtRenderer();
  QtRenderer(const QtRenderer&) = delete;
  QtRenderer& operator=(const QtRenderer&) = delete;

  void Build(const std::vector<vcl::TForm*>& forms);

  // The form's window and its client area (below the menu bar); built on first use.
  QWidget* Window(vcl::TForm& form);
  QWidget* ClientArea(vcl::TForm& form);
  // The widget showing a control, nullptr when its form has no window yet.
  QWidget* WidgetOf(const vcl::TControl& control) const;
  QAction* ActionOf(const vcl::TMenuItem& item) const;
  // The peer showing a control, nullptr when its form has no window yet.
  Peer* PeerOf(const vcl::TControl& control) const;

  void Show(vcl::TForm& form);
  // The program's main window, nullptr before it is built.
  QWidget* MainWindow() const;
  void Hide(vcl::TForm& form);

 private:
  FormWindow& WindowFor(vcl::TForm& form);
  FormWindow* MainFrame() const;
  QtPlatform* platform_ = nullptr;
  std::map<const vcl::TForm*, std::unique_ptr<FormWindow>> windows_;
};

}  // namespace trellis::desktop
