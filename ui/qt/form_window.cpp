#include "ui/qt/form_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <functional>

#include "ui/qt/application.h"
#include "vcl/user.h"

namespace trellis::desktop {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

// The window's close box asks the model, which hides the form when it may close.
class FrameWidget : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<void()> onClose;
  std::function<void()> onMoved;

 protected:
  void closeEvent(QCloseEvent* event) override {
    event->ignore();
    if (onClose) onClose();
  }
  // The window manager's frame becomes known only after the window is mapped.
  void moveEvent(QMoveEvent* event) override {
    QWidget::moveEvent(event);
    if (onMoved) onMoved();
  }
};

// Until a window manager has framed a window of ours: room for a title bar and borders.
constexpr QMargins kAssumedFrame(8, 40, 8, 8);

// The frame the window manager last gave a window of ours.
QMargins& LearnedFrame() {
  static QMargins frame;
  return frame;
}

Qt::WindowFlags FlagsFor(const vcl::TForm& form) {
  // Without a system menu the window manager is asked for no title-bar button
  // at all, and so offers no way to close, minimise or maximise it.
  if (!(form.BorderIcons & vcl::biSystemMenu) &&
      form.BorderStyle != vcl::TFormBorderStyle::bsNone) {
    const auto kind = form.BorderStyle == vcl::TFormBorderStyle::bsDialog       ? Qt::Dialog
                      : form.BorderStyle == vcl::TFormBorderStyle::bsToolWindow ? Qt::Tool
                                                                                : Qt::Window;
    return kind | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  }
  switch (form.BorderStyle) {
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

// The window managers keep only dialogs and tool windows above their owner:
// a plain window that is owned becomes a dialog with the same buttons.
Qt::WindowFlags OwnedFlags(Qt::WindowFlags flags) {
  if ((flags & Qt::WindowType_Mask) != Qt::Window) return flags;
  if (!(flags & Qt::CustomizeWindowHint))
    flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
             Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
  return (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
}

}  // namespace

// Holds the client area at its designed size and scrolls it only when the
// room the screen leaves is smaller: at its full size no scroll bar shows and
// the window is as it would be without it.
class FormWindow::Scroller : public QScrollArea {
 public:
  explicit Scroller(QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Tab moves between the form's controls, never onto the area itself.
    setFocusPolicy(Qt::NoFocus);
  }
  void SetRoom(QSize room) {
    if (room == room_) return;
    room_ = room;
    updateGeometry();
  }
  QSize sizeHint() const override {
    const QSize client = widget() ? widget()->size() : QSize();
    const int bar = std::max(verticalScrollBar()->sizeHint().width(),
                             horizontalScrollBar()->sizeHint().height());
    const int roomW = std::max(room_.width(), 2 * bar);
    const int roomH = std::max(room_.height(), 2 * bar);
    bool across = client.width() > roomW, down = client.height() > roomH;
    // One scroll bar takes room the other direction may then lack.
    if (down && !across) across = client.width() + bar > roomW;
    if (across && !down) down = client.height() + bar > roomH;
    return {std::min(roomW, client.width() + (down ? bar : 0)),
            std::min(roomH, client.height() + (across ? bar : 0))};
  }
  QSize minimumSizeHint() const override { return sizeHint(); }

 private:
  QSize room_{QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
};

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
        window_.scroller_->updateGeometry();
        break;
      case vcl::Prop::Enabled:
        SetEnabled(form.Enabled());
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
  // A window waits, disabled, while another is open; the control that had the
  // focus has it again once the window takes input again, and shows it, also
  // a button that a click had given it.
  void SetEnabled(bool enabled) {
    QWidget* window = window_.window_.get();
    if (!enabled && window->isEnabled()) focus_ = window->focusWidget();
    window->setEnabled(enabled);
    if (!enabled || !focus_) return;
    if (focus_->isVisible() && focus_->isEnabled()) {
      window->setAttribute(Qt::WA_KeyboardFocusChange);
      focus_->setFocus(Qt::ActiveWindowFocusReason);
    }
    focus_ = nullptr;
  }

  FormWindow& window_;
  QPointer<QWidget> focus_;
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
  askedFlags_ = FlagsFor(form);
  auto frame = std::make_unique<FrameWidget>(nullptr, askedFlags_);
  frame->onClose = [this] {
    if (Live()) vcl::user::CloseForm(form_);
  };
  frame->onMoved = [this] {
    if (Live()) FrameMoved();
  };
  window_ = std::move(frame);
  window_->setObjectName(Q(form.Name));
  // The layouts are measured in the program's font: the window holds it as its
  // own, so a font the desktop gives the application later changes none of it.
  window_->setFont(ProgramFont());
  scroller_ = new Scroller(window_.get());
  scroller_->setObjectName(Q(form.Name + ".scroller"));
  client_ = new QWidget;
  client_->setObjectName(Q(form.Name + ".client"));
  // Taking the client fills its background; the form's colour decides that below.
  scroller_->setWidget(client_);
  ShowCursor(*client_, form);

  auto* layout = new QVBoxLayout(window_.get());
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (form.Menu) {
    menuBar_ = new QMenuBar(window_.get());
    layout->setMenuBar(menuBar_);
    BuildMenu();
  }
  layout->addWidget(scroller_);
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
    // A drop-down is a window of its own; it takes the menu bar's font all the same.
    menu->setAttribute(Qt::WA_WindowPropagation);
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

QScreen* FormWindow::TargetScreen() const {
  if (!placed_ && form_.Position == vcl::TPosition::poMainFormCenter)
    if (QWidget* active = QApplication::activeWindow(); active && active != window_.get())
      return active->screen();
  return window_->screen();
}

QMargins FormWindow::FrameMargins() const {
  if (window_->windowFlags() & Qt::FramelessWindowHint) return {};
  if (QWindow* handle = window_->windowHandle(); handle && window_->isVisible()) {
    const QMargins frame = handle->frameMargins();
    if (!frame.isNull()) return frame;
  }
  return LearnedFrame().isNull() ? kAssumedFrame : LearnedFrame();
}

// Limits the client area to the room the screen's free area leaves beside the
// frame and the menu bar.
void FormWindow::Fit(QScreen* screen) {
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins frame = FrameMargins();
  if (area == fittedArea_ && frame == fittedFrame_) return;
  fittedArea_ = area;
  fittedFrame_ = frame;
  const int width = area.width() - frame.left() - frame.right();
  const int menu = menuBar_ ? menuBar_->heightForWidth(width) : 0;
  scroller_->SetRoom(QSize(width, area.height() - frame.top() - frame.bottom() - menu));
  if (QLayout* layout = window_->layout()) layout->activate();
  window_->adjustSize();
}

// Moves the window, frame and all, inside the screen's free area; the title
// bar wins where it cannot be all inside.
void FormWindow::KeepOnScreen(QScreen* screen) {
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  const QMargins frame = FrameMargins();
  const QRect outer(window_->pos(), window_->size().grownBy(frame));
  QPoint shift;
  if (outer.right() > area.right()) shift.rx() = area.right() - outer.right();
  if (outer.left() + shift.x() < area.left()) shift.rx() = area.left() - outer.left();
  if (outer.bottom() > area.bottom()) shift.ry() = area.bottom() - outer.bottom();
  if (outer.top() + shift.y() < area.top()) shift.ry() = area.top() - outer.top();
  if (!shift.isNull()) window_->move(window_->pos() + shift);
}

void FormWindow::Place(QScreen* screen) {
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
  if (area.isEmpty() && screen) area = screen->availableGeometry();
  if (area.isEmpty()) return;
  window_->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

// Dialogs and tool windows belong to the main window, and so does any window
// the main window waits for, disabled, while it is open: the window manager
// keeps them above it and a click on it brings them forward. A window with a
// border of its own (and the splash, before the main window is up) stands on
// its own, behind the main window when the user picks that.
const FormWindow* FormWindow::SetOwner(const FormWindow* main) {
  const Qt::WindowFlags own = FlagsFor(form_);
  const FormWindow* owner = nullptr;
  if (main && main != this && main->window_->isVisible()) {
    const auto kind = own & Qt::WindowType_Mask;
    if (kind == Qt::Dialog || kind == Qt::Tool || !main->form_.Enabled()) owner = main;
  }
  const Qt::WindowFlags flags = owner ? OwnedFlags(own) : own;
  if (flags != askedFlags_) {
    askedFlags_ = flags;
    window_->setWindowFlags(flags);
  }
  return owner;
}

void FormWindow::Show(const FormWindow* main) {
  const FormWindow* owner = SetOwner(main);
  QScreen* screen = TargetScreen();
  Fit(screen);
  if (!placed_) {
    Place(screen);
    placed_ = true;
  }
  KeepOnScreen(window_->screen());
  // The window manager reads the owner as the window is mapped; the native
  // window is made where the window has been placed, on its screen.
  window_->winId();
  window_->windowHandle()->setTransientParent(owner ? owner->window_->windowHandle() : nullptr);
  window_->show();
  window_->raise();
  window_->activateWindow();
  FrameMoved();
}

// Once shown, the frame is what the window manager made it: the window is
// fitted again if it differs from the one assumed.
void FormWindow::FrameMoved() {
  if (!window_->isVisible()) return;
  if (QWindow* handle = window_->windowHandle();
      handle && !(window_->windowFlags() & Qt::FramelessWindowHint) &&
      !handle->frameMargins().isNull())
    LearnedFrame() = handle->frameMargins();
  if (FrameMargins() == fittedFrame_) return;
  QScreen* screen = window_->screen();
  Fit(screen);
  KeepOnScreen(screen);
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

Peer* FormWindow::PeerOf(const vcl::TControl& control) const {
  auto it = byControl_.find(&control);
  return it == byControl_.end() ? nullptr : it->second;
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
  if (detached_) return false;
  auto it = watched_.find(watched);
  if (it == watched_.end()) return false;
  return it->second->Event(watched, event);
}

}  // namespace trellis::desktop
