// One form's top-level window: its menu bar, client area and control peers.
// The client area keeps its designed size; where the screen leaves less room
// the window is made to fit and the client area scrolls inside it.
#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/qt/peers.h"
#include "vcl/forms.h"

class QAction;
class QMenuBar;
class QScreen;
class QWidget;

namespace trellis::desktop {

class FormWindow : public QObject, public PeerHost {
 public:
  explicit FormWindow(vcl::TForm& form);
  ~FormWindow() override;

  QWidget* Window() const { return window_.get(); }
  QWidget* Client() const { return client_; }
  QAction* ActionOf(const vcl::TMenuItem& item) const;
  // Shows the window, owned by the main window where it belongs to it.
  void Show(const FormWindow* main);
  void Hide();

  bool Live() const override { return !detached_; }
  void Watch(QObject* object, Peer* peer) override;
  void ShowHint(const std::string& hint) override;
  QWidget* WidgetOf(const vcl::TControl& control) const override;
  Peer* PeerOf(const vcl::TControl& control) const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  class FormPeer;
  class MenuPeer;
  class Scroller;
  void BuildChildren(const vcl::TControl& parent, QWidget* into);
  void BuildMenu();
  void AddMenuItem(vcl::TMenuItem& item, QWidget* container);
  // Picks the window's owner (the main window or none) and the window kind
  // that goes with it; returns the owner.
  const FormWindow* SetOwner(const FormWindow* main);
  void Place(QScreen* screen);
  QScreen* TargetScreen() const;
  QMargins FrameMargins() const;
  void Fit(QScreen* screen);
  void KeepOnScreen(QScreen* screen);
  void FrameMoved();

  vcl::TForm& form_;
  std::unique_ptr<QWidget> window_;
  QWidget* client_ = nullptr;
  Scroller* scroller_ = nullptr;
  QMenuBar* menuBar_ = nullptr;
  std::unique_ptr<FormPeer> formPeer_;
  std::vector<std::unique_ptr<Peer>> peers_;
  std::map<const vcl::TControl*, Peer*> byControl_;
  std::vector<std::unique_ptr<MenuPeer>> menuPeers_;
  std::map<QObject*, Peer*> watched_;
  Peer* hintBar_ = nullptr;
  Qt::WindowFlags askedFlags_;
  QMargins fittedFrame_;
  QRect fittedArea_;
  bool placed_ = false;
  bool detached_ = false;
};

}  // namespace trellis::desktop
