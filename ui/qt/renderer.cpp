#include "ui/qt/renderer.h"

#include <QWidget>

#include "ui/qt/form_window.h"
#include "ui/qt/qt_platform.h"

namespace trellis::desktop {

QtRenderer::QtRenderer(QtPlatform& platform) : platform_(&platform) {
  platform_->AttachRenderer(this);
}

QtRenderer::QtRenderer() = default;

QtRenderer::~QtRenderer() {
  if (platform_ && platform_->Renderer() == this) platform_->AttachRenderer(nullptr);
  windows_.clear();
}

void QtRenderer::Build(const std::vector<vcl::TForm*>& forms) {
  for (vcl::TForm* form : forms) WindowFor(*form);
}

FormWindow& QtRenderer::WindowFor(vcl::TForm& form) {
  std::unique_ptr<FormWindow>& window = windows_[&form];
  if (!window) window = std::make_unique<FormWindow>(form);
  return *window;
}

QWidget* QtRenderer::Window(vcl::TForm& form) { return WindowFor(form).Window(); }

QWidget* QtRenderer::ClientArea(vcl::TForm& form) { return WindowFor(form).Client(); }

QWidget* QtRenderer::WidgetOf(const vcl::TControl& control) const {
  auto it = windows_.find(control.OwnerForm);
  return it == windows_.end() ? nullptr : it->second->WidgetOf(control);
}

Peer* QtRenderer::PeerOf(const vcl::TControl& control) const {
  auto it = windows_.find(control.OwnerForm);
  return it == windows_.end() ? nullptr : it->second->PeerOf(control);
}

QAction* QtRenderer::ActionOf(const vcl::TMenuItem& item) const {
  auto it = windows_.find(item.OwnerForm);
  return it == windows_.end() ? nullptr : it->second->ActionOf(item);
}

FormWindow* QtRenderer::MainFrame() const {
  const vcl::TApplication* app = vcl::Application();
  auto main = app ? windows_.find(app->MainForm) : windows_.end();
  return main == windows_.end() ? nullptr : main->second.get();
}

void QtRenderer::Show(vcl::TForm& form) { WindowFor(form).Show(MainFrame()); }

QWidget* QtRenderer::MainWindow() const {
  FormWindow* main = MainFrame();
  return main ? main->Window() : nullptr;
}

void QtRenderer::Hide(vcl::TForm& form) { WindowFor(form).Hide(); }

}  // namespace trellis::desktop
