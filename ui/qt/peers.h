// Peers: one widget per model control, built by control kind. A peer shows
// what the model holds (pushed under signal blockers) and turns the user's
// own input into the model's user entry points; it never decides an event.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/controls.h"

class QAbstractButton;
class QEvent;
class QObject;
class QPalette;
class QWidget;

namespace trellis::desktop {

class Peer;

// What a peer needs of the window it lives in.
class PeerHost {
 public:
  virtual ~PeerHost() = default;
  // False once the window is being torn down: no input reaches the model then.
  virtual bool Live() const = 0;
  // Routes the object's events to the peer's Event.
  virtual void Watch(QObject* object, Peer* peer) = 0;
  // The hint of the control under the mouse, for a status bar that shows hints.
  virtual void ShowHint(const std::string& hint) = 0;
  virtual QWidget* WidgetOf(const vcl::TControl& control) const = 0;
};

class Peer : public vcl::ControlPeer {
 public:
  Peer(PeerHost& host, vcl::TControl& control) : host_(host), control_(control) {}
  ~Peer() override = default;
  Peer(const Peer&) = delete;
  Peer& operator=(const Peer&) = delete;

  // Makes the widget under parent and shows the model's whole state in it.
  void Create(QWidget* parent);
  void Changed(vcl::Prop what) final;

  QWidget* Widget() const { return widget_; }
  // Where the widgets of the control's children go.
  virtual QWidget* ChildParent() const { return widget_; }
  vcl::TControl& Control() const { return control_; }
  // The toolkit draws these beneath the windowed controls of the same parent.
  virtual bool IsGraphic() const { return false; }
  // Events of the watched objects; true swallows the event.
  virtual bool Event(QObject* watched, QEvent* event);
  // A status bar that shows hints shows this one.
  virtual void ShowHintText(const std::string&) {}
  // The widget Tab gives the focus to; none when the control is no tab stop.
  virtual QWidget* TabTarget() const;
  // The buttons showing a choice control's items, in item order; none for other kinds.
  virtual std::vector<QAbstractButton*> ItemButtons() const { return {}; }

 protected:
  virtual QWidget* Make(QWidget* parent) = 0;
  // Kind-specific part of a change; the common properties are done already.
  virtual void Update(vcl::Prop) {}
  virtual QSize ShownSize() const;
  // Whether the control paints its Color as background (and in which role).
  virtual bool FillsBackground() const { return false; }
  virtual bool BackgroundIsBase() const { return false; }
  // Painted in the window colour even without a colour of its own.
  virtual bool Opaque() const { return false; }
  // A click on the widget itself (not on a child) is the control's click.
  bool ClickEvent(QObject* watched, QEvent* event);
  void ApplyGeometry();
  // The font the model asks for, as this widget resolves it.
  QFont ModelFont() const;
  // Signals of this object are blocked while model values are pushed.
  void Block(QObject* source) { blocked_.push_back(source); }
  bool Live() const { return host_.Live(); }
  // The model's font and colours on the widget.
  void ApplyLook();

  PeerHost& host_;
  vcl::TControl& control_;
  QWidget* widget_ = nullptr;

 private:
  void ApplyHint();
  void NameBoxesBeside(bool made) const;
  void NameBox(const vcl::TControl& control) const;
  std::vector<QObject*> blocked_;
  bool creating_ = false;
};

// The control's own mouse pointer on its widget (children without one inherit it).
void ShowCursor(QWidget& widget, const vcl::TControl& control);

// The radio group widget's count of button rebuilds after item changes.
inline constexpr char kItemRebuildsProperty[] = "itemRebuilds";

// The peer for a control's kind.
std::unique_ptr<Peer> MakePeer(PeerHost& host, vcl::TControl& control);

// A TColor as a Qt colour; invalid for the system's and the default colours.
QColor PlainColour(vcl::TColor colour);

// The model picks its text and background colours for a light window; a theme
// that is not light maps them to ones that read on its own surfaces. An
// invalid result leaves the widget the palette's colour.
using ColourMapping = std::function<QColor(QColor colour, bool background)>;
void SetColourMapping(ColourMapping mapping);
// A control's own colour as the current theme shows it (invalid: none).
QColor ShownColour(vcl::TColor colour, bool background);

}  // namespace trellis::desktop
