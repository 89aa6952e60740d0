#include "ui/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>

#include "vcl/user.h"

namespace trellis::desktop {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The window's close box asks the model, which hides the form when it may close.
class FrameWidget : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void()> onClose;

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (onClose) onClose();
  }
};

Qt::WindowFlags FlagsFor(vcl::TFormBorderStyle style) {
  switch (style) {
    case vcl::TFormBorderStyle::bsNone:
      return Qt::Window | Qt::FramelessWindowHint;
    case vcl::TFormBorderStyle::bsDialog:
      return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case vcl::TFormBorderStyle::bsToolWindow:
      return Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case vcl::TFormBorderStyle::bsSingle:
      return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
    case vcl::TFormBorderStyle::bsSizeable:
      break;
  }
  return Qt::Window;
}

}  // namespace

// The form's own properties: title, client size, colours, enabled state.
class FormWindow::FormPeer : public vcl::ControlPeer {
 public:
  explicit FormPeer(FormWindow& window) : window_(window) {}
  void Changed(vcl::Prop what) override {
    if (!window_.Live()) return;
    vcl::TForm& form = window_.form_;
    switch (what) {
      case vcl::Prop::Caption:
        window_.window_->setWindowTitle(Q(form.Caption()));
        break;
      case vcl::Prop::Geometry:
        window_.client_->setFixedSize(form.ClientWidth(), form.ClientHeight());
        break;
      case vcl::Prop::Enabled:
        window_.window_->setEnabled(form.Enabled());
        break;
      case vcl::Prop::Color: {
        const QColor back = ShownColour(form.Color(), true);
        QPalette palette;
        palette.setResolveMask(0);
        if (back.isValid()) palette.setColor(QPalette::Window, back);
        window_.client_->setPalette(palette);
        window_.client_->setAutoFillBackground(back.isValid());
        break;
      }
      default:
        // Showing and hiding come through the platform, after the show handler.
        break;
    }
  }

 private:
  FormWindow& window_;
};

// A menu item as an action (a submenu's action when it has items of its own).
class FormWindow::MenuPeer : public vcl::ControlPeer {
 public:
  MenuPeer(FormWindow& window, vcl::TMenuItem& item, QAction* action)
      : window_(window), item_(item), action_(action) {
    for (vcl::Prop p :
         {vcl::Prop::Caption, vcl::Prop::Visible, vcl::Prop::Enabled, vcl::Prop::Checked})
      Changed(p);
  }
  QAction* Action() const { return action_; }
  vcl::TMenuItem& Item() const { return item_; }
  void Changed(vcl::Prop what) override {
    if (!window_.Live()) return;
    QSignalBlocker blocker(action_);
    switch (what) {
      case vcl::Prop::Caption:
        action_->setSeparator(item_.IsLine());
        action_->setText(Q(item_.Caption()));
        break;
      case vcl::Prop::Visible:
        action_->setVisible(item_.Visible());
        break;
      case vcl::Prop::Enabled:
        action_->setEnabled(item_.Enabled());
        break;
      case vcl::Prop::Checked:
        action_->setCheckable(item_.Checked() || item_.RadioItem);
        action_->setChecked(item_.Checked());
        break;
      default:
        break;
    }
  }

 private:
  FormWindow& window_;
  vcl::TMenuItem& item_;
  QAction* action_;
};

FormWindow::FormWindow(vcl::TForm& form) : form_(form) {
  auto frame = std::make_unique<FrameWidget>(nullptr, FlagsFor(form.BorderStyle));
  frame->onClose = [this] {
    if (Live()) vcl::user::CloseForm(form_);
  };
  window_ = std::move(frame);
  window_->setObjectName(Q(form.Name));
  client_ = new QWidget(window_.get());
  client_->setObjectName(Q(form.Name + ".client"));
  ShowCursor(*client_, form);

  auto* layout = new QVBoxLayout(window_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (form.Menu) {
    menuBar_ = new QMenuBar(window_.get());
    layout->setMenuBar(menuBar_);
    BuildMenu();
  }
  layout->addWidget(client_);
  layout->setSizeConstraint(form.BorderStyle == vcl::TFormBorderStyle::bsSizeable
                                ? QLayout::SetMinimumSize
                                : QLayout::SetFixedSize);

  formPeer_ = std::make_unique<FormPeer>(*this);
  form.SetPeer(formPeer_.get());
  for (vcl::Prop p :
       {vcl::Prop::Caption, vcl::Prop::Geometry, vcl::Prop::Enabled, vcl::Prop::Color})
    formPeer_->Changed(p);

  BuildChildren(form, client_);
  window_->adjustSize();
}

FormWindow::~FormWindow() {
  detached_ = true;
  form_.SetPeer(nullptr);
  for (auto& [control, peer] : byControl_) const_cast<vcl::TControl*>(control)->SetPeer(nullptr);
  for (auto& m : menuPeers_) m->Item().SetPeer(nullptr);
  window_.reset();
  peers_.clear();
}

void FormWindow::BuildChildren(const vcl::TControl& parent, QWidget* into) {
  std::vector<Peer*> made;
  for (vcl::TControl* child : parent.Children()) {
    auto peer = MakePeer(*this, *child);
    Peer* raw = peer.get();
    peers_.push_back(std::move(peer));
    byControl_[child] = raw;
    raw->Create(into);
    child->SetPeer(raw);
    if (auto* bar = dynamic_cast<vcl::TStatusBar*>(child); bar && bar->AutoHint && !hintBar_)
      hintBar_ = raw;
    BuildChildren(*child, raw->ChildParent());
    made.push_back(raw);
  }
  // Windowed controls lie above the graphic ones of the same parent.
  for (Peer* p : made)
    if (!p->IsGraphic()) p->Widget()->raise();
}

void FormWindow::BuildMenu() {
  for (vcl::TMenuItem* item : form_.Menu->Items()) AddMenuItem(*item, menuBar_);
}

void FormWindow::AddMenuItem(vcl::TMenuItem& item, QWidget* container) {
  QAction* action = nullptr;
  if (!item.Items().empty()) {
    auto* menu = new QMenu(container);
    action = menu->menuAction();
    container->addAction(action);
    for (vcl::TMenuItem* child : item.Items()) AddMenuItem(*child, menu);
  } else {
    action = new QAction(container);
    container->addAction(action);
    vcl::TMenuItem* picked = &item;
    connect(action, &QAction::triggered, this, [this, picked, action] {
      if (!Live()) return;
      vcl::user::PickMenuItem(*picked);
      // A checkable action toggles itself; the model's state wins.
      if (Live()) {
        QSignalBlocker blocker(action);
        action->setChecked(picked->Checked());
      }
    });
  }
  connect(action, &QAction::hovered, this, [this, &item] {
    if (Live()) ShowHint(item.Hint);
  });
  auto peer = std::make_unique<MenuPeer>(*this, item, action);
  item.SetPeer(peer.get());
  menuPeers_.push_back(std::move(peer));
}

QAction* FormWindow::ActionOf(const vcl::TMenuItem& item) const {
  for (const auto& m : menuPeers_)
    if (&m->Item() == &item) return m->Action();
  return nullptr;
}

void FormWindow::Place() {
  window_->adjustSize();
  const QSize size = window_->size();
  QRect area;
  if (form_.Position == vcl::TPosition::poDesigned) {
    window_->move(form_.Left(), form_.Top());
    return;
  }
  if (form_.Position == vcl::TPosition::poMainFormCenter)
    if (QWidget* active = QApplication::activeWindow(); active && active != window_.get())
      area = active->frameGeometry();
  if (area.isEmpty())
    if (QScreen* screen = QGuiApplication::primaryScreen()) area = screen->availableGeometry();
  if (area.isEmpty()) return;
  window_->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void FormWindow::Show() {
  if (!placed_) {
    Place();
    placed_ = true;
  }
  window_->show();
  window_->raise();
  window_->activateWindow();
}

void FormWindow::Hide() { window_->hide(); }

void FormWindow::Watch(QObject* object, Peer* peer) {
  if (watched_.count(object)) return;
  watched_[object] = peer;
  object->installEventFilter(this);
  connect(object, &QObject::destroyed, this, [this, object] { watched_.erase(object); });
}

void FormWindow::ShowHint(const std::string& hint) {
  if (hintBar_) hintBar_->ShowHintText(hint);
}

QWidget* FormWindow::WidgetOf(const vcl::TControl& control) const {
  if (&control == &form_) return client_;
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second->Widget();
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (detached_) return false;
  auto it = watched_.find(watched);
  if (it == watched_.end()) return false;
  return it->second->Event(watched, event);
}

}  // namespace trellis::desktop
