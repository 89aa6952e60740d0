#include "ui/qt/peers.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSlider>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QToolButton>
#include <QValidator>
#include <algorithm>
#include <array>
#include <utility>

#include "ui/qt/accessibility.h"
#include "ui/qt/application.h"
#include "ui/qt/widgets.h"
#include "vcl/forms.h"
#include "vcl/user.h"

namespace trellis::desktop {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QStringList ToList(const vcl::TStrings& strings) {
  QStringList out;
  for (const std::string& s : strings.Items()) out << Q(s);
  return out;
}

Qt::Alignment HorizontalAlignment(vcl::TAlignment a) {
  switch (a) {
    case vcl::TAlignment::taRightJustify:
      return Qt::AlignRight;
    case vcl::TAlignment::taCenter:
      return Qt::AlignHCenter;
    case vcl::TAlignment::taLeftJustify:
      break;
  }
  return Qt::AlignLeft;
}

// The width the style leaves for a check box's or radio button's text.
int TextRoom(QAbstractButton* button) {
  QStyleOptionButton opt;
  opt.initFrom(button);
  opt.rect = QRect(QPoint(0, 0), button->size());
  const bool radio = qobject_cast<QRadioButton*>(button) != nullptr;
  const QRect contents = button->style()->subElementRect(
      radio ? QStyle::SE_RadioButtonContents : QStyle::SE_CheckBoxContents, &opt, button);
  return contents.width() - 1;
}

constexpr std::array kAllProps = {vcl::Prop::Text,      vcl::Prop::Caption, vcl::Prop::Items,
                                  vcl::Prop::ItemIndex, vcl::Prop::Checked, vcl::Prop::Visible,
                                  vcl::Prop::Enabled,   vcl::Prop::Hint,    vcl::Prop::ReadOnly,
                                  vcl::Prop::MaxLength, vcl::Prop::Range,   vcl::Prop::Position,
                                  vcl::Prop::Picture,   vcl::Prop::Panels,  vcl::Prop::Color,
                                  vcl::Prop::Font,      vcl::Prop::Other,   vcl::Prop::Geometry};

}  // namespace

QColor PlainColour(vcl::TColor colour) {
  // System colours carry the high byte, the default is its own marker.
  if (colour == vcl::clDefault || (static_cast<unsigned>(colour) & 0xFF000000u) != 0) return {};
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

namespace {
ColourMapping& Mapping() {
  static ColourMapping mapping;
  return mapping;
}
}  // namespace

void SetColourMapping(ColourMapping mapping) { Mapping() = std::move(mapping); }

QColor ShownColour(vcl::TColor colour, bool background) {
  const QColor plain = PlainColour(colour);
  return plain.isValid() && Mapping() ? Mapping()(plain, background) : plain;
}

// ---- Peer ----

void ShowCursor(QWidget& widget, const vcl::TControl& control) {
  if (control.Cursor == vcl::TCursor::crHandPoint) widget.setCursor(Qt::PointingHandCursor);
}

void Peer::Create(QWidget* parent) {
  widget_ = Make(parent);
  // The style sheet polishes a widget when it is first shown and then replaces
  // its font and palette; polished now, the model's look goes on top of it,
  // whether the control is shown at start-up or later.
  widget_->ensurePolished();
  // Tab passes a control that is no tab stop; a click still focuses it.
  if (!control_.TabStop && (widget_->focusPolicy() & Qt::TabFocus))
    widget_->setFocusPolicy(Qt::ClickFocus);
  ShowCursor(*widget_, control_);
  Block(widget_);
  host_.Watch(widget_, this);
  creating_ = true;
  for (vcl::Prop p : kAllProps) Changed(p);
  creating_ = false;
  NameBoxesBeside(true);
}

void Peer::Changed(vcl::Prop what) {
  if (!widget_ || !host_.Live()) return;
  std::vector<QSignalBlocker> blockers;
  blockers.reserve(blocked_.size());
  for (QObject* o : blocked_) blockers.emplace_back(o);
  switch (what) {
    case vcl::Prop::Geometry:
      ApplyGeometry();
      break;
    case vcl::Prop::Visible:
      widget_->setVisible(control_.Visible());
      break;
    case vcl::Prop::Enabled:
      widget_->setEnabled(control_.Enabled());
      break;
    case vcl::Prop::Hint:
      ApplyHint();
      break;
    case vcl::Prop::Font:
    case vcl::Prop::Color:
      ApplyLook();
      break;
    default:
      break;
  }
  Update(what);
  if (!creating_ &&
      (what == vcl::Prop::Caption || what == vcl::Prop::Visible || what == vcl::Prop::Geometry))
    NameBoxesBeside(false);
}

// The boxes of the control's group take their names again: a label's
// caption, place or showing may be what names one. A control just made names
// itself alone, and a label just made is the buddy of a combo box it names.
void Peer::NameBoxesBeside(bool made) const {
  const vcl::TControl* parent = control_.Parent();
  const bool label = dynamic_cast<const vcl::TLabel*>(&control_) != nullptr;
  if (!parent || !(label || IsNamedBox(control_) || dynamic_cast<const vcl::TUpDown*>(&control_)))
    return;
  if (made && !label) return NameBox(control_);
  for (const vcl::TControl* c : parent->Children())
    if (!made || dynamic_cast<const vcl::TComboBox*>(c)) NameBox(*c);
}

void Peer::NameBox(const vcl::TControl& c) const {
  QWidget* widget = host_.WidgetOf(c);
  if (!widget) return;
  if (IsNamedBox(c)) {
    const QString name = BoxName(c);
    if (widget->accessibleName() != name) widget->setAccessibleName(name);
    // A combo box is spoken by its choice, and by the label it is given as
    // its buddy (one that makes no mnemonic of an ampersand).
    if (qobject_cast<QComboBox*>(widget))
      if (const vcl::TControl* label = NamingLabel(c))
        if (auto* text = qobject_cast<QLabel*>(host_.WidgetOf(*label));
            text && !text->text().contains(QLatin1Char('&')) && text->buddy() != widget)
          text->setBuddy(widget);
  } else if (const auto* updown = dynamic_cast<const vcl::TUpDown*>(&c)) {
    // The arrows are "Up" and "Down" of the box they step.
    auto* arrows = dynamic_cast<UpDownButtons*>(widget);
    const QString box = updown->Associate ? BoxName(*updown->Associate) : QString();
    if (!arrows || arrows->accessibleName() == box) return;
    arrows->setAccessibleName(box);
    arrows->Up()->setAccessibleDescription(box);
    arrows->Down()->setAccessibleDescription(box);
  }
}

QSize Peer::ShownSize() const { return {control_.Width(), control_.Height()}; }

void Peer::ApplyGeometry() {
  const QSize size = ShownSize();
  widget_->setGeometry(control_.Left(), control_.Top(), size.width(), size.height());
}

void Peer::ApplyHint() {
  widget_->setToolTip(control_.ShowHint ? ShortHint(control_.Hint()) : QString());
}

QFont Peer::ModelFont() const {
  const vcl::TFont& f = control_.Font();
  if (f.Style == 0 && f.Size == 0)
    return widget_->parentWidget() ? widget_->parentWidget()->font() : QApplication::font();
  QFont font = ProgramFont();
  font.setPixelSize(FontPixelSize(f.Size));
  font.setBold(f.Style & vcl::fsBold);
  font.setItalic(f.Style & vcl::fsItalic);
  font.setUnderline(f.Style & vcl::fsUnderline);
  font.setStrikeOut(f.Style & vcl::fsStrikeOut);
  return font;
}

void Peer::ApplyLook() {
  const vcl::TFont& f = control_.Font();
  // Without a font of its own the widget inherits the window's.
  widget_->setFont(f.Style == 0 && f.Size == 0 ? QFont() : ModelFont());
  // An empty palette inherits every role; only the model's own colours are set.
  QPalette palette;
  palette.setResolveMask(0);
  // The disabled group is left to the window, so a greyed control reads greyed
  // whatever colour its text has.
  const QColor text = ShownColour(f.Color, false);
  if (text.isValid())
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
      for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(group, role, text);
  const QColor back = ShownColour(control_.Color(), true);
  bool fill = Opaque();
  if (back.isValid()) {
    if (BackgroundIsBase()) {
      palette.setColor(QPalette::Base, back);
    } else if (FillsBackground()) {
      palette.setColor(QPalette::Window, back);
      fill = true;
    }
  }
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(fill);
}

namespace {

// Enter or the keypad's Enter, unmodified and not repeated: the key that
// presses a focused button.
bool IsEnterPress(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat() &&
         (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

QWidget* Peer::TabTarget() const {
  return control_.TabStop && (widget_->focusPolicy() & Qt::TabFocus) ? widget_ : nullptr;
}

namespace {

// The form's controls in the order Tab visits them: within a parent by
// TabOrder (equal ones as the layout lists them), each control followed by
// its own children.
void AddInTabOrder(const vcl::TControl& parent, std::vector<const vcl::TControl*>& out) {
  std::vector<const vcl::TControl*> children(parent.Children().begin(), parent.Children().end());
  std::stable_sort(
      children.begin(), children.end(),
      [](const vcl::TControl* a, const vcl::TControl* b) { return a->TabOrder < b->TabOrder; });
  for (const vcl::TControl* child : children) {
    out.push_back(child);
    AddInTabOrder(*child, out);
  }
}

// The next control after `from` (before it, going back) that takes the focus
// by Tab, round the form; false when there is none.
bool FocusNextTabStop(const vcl::TControl& from, bool forward) {
  const vcl::TControl* root = &from;
  while (root->Parent()) root = root->Parent();
  std::vector<const vcl::TControl*> order;
  AddInTabOrder(*root, order);
  const auto at = std::find(order.begin(), order.end(), &from);
  if (at == order.end()) return false;
  const size_t n = order.size();
  const size_t start = static_cast<size_t>(at - order.begin());
  for (size_t step = 1; step < n; ++step) {
    const vcl::TControl* next = order[(forward ? start + step : start + n - step) % n];
    const auto* peer = dynamic_cast<const Peer*>(next->Peer());
    QWidget* target = peer ? peer->TabTarget() : nullptr;
    if (!target || !target->isVisible() || !target->isEnabled()) continue;
    target->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
  }
  return false;
}

}  // namespace

bool Peer::Event(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::Enter:
      host_.ShowHint(control_.Hint());
      break;
    case QEvent::KeyPress: {
      // Tab follows the layout's tab order rather than the order the widgets
      // were made in. X11 reports Shift+Tab as Backtab, with or without the
      // Shift; with Ctrl it is no move between controls.
      const auto* key = static_cast<QKeyEvent*>(event);
      const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
      const bool tab = key->key() == Qt::Key_Tab && mods == Qt::NoModifier;
      const bool backtab = (key->key() == Qt::Key_Backtab &&
                            (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) ||
                           (key->key() == Qt::Key_Tab && mods == Qt::ShiftModifier);
      if ((tab || backtab) && Live() && FocusNextTabStop(control_, tab)) return true;
      break;
    }
    case QEvent::FocusOut: {
      // Only the focus moving to another control of the window is an exit,
      // not the window losing the focus to a box or a menu.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
          reason == Qt::MenuBarFocusReason)
        break;
      QWidget* next = QApplication::focusWidget();
      if (next && (next == widget_ || widget_->isAncestorOf(next))) break;
      // Nor is the window being disabled while another one is open: the
      // control has the focus again when the window comes back.
      if (!widget_->window()->isEnabled()) break;
      if (Live()) vcl::user::Leave(control_);
      break;
    }
    default:
      break;
  }
  return false;
}

bool Peer::ClickEvent(QObject* watched, QEvent* event) {
  if (watched != widget_ || event->type() != QEvent::MouseButtonRelease) return false;
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = mouse->position().toPoint();
  if (mouse->button() != Qt::LeftButton || !widget_->rect().contains(at)) return false;
  // A release passed up from a child is not a click on this control.
  if (widget_->childAt(at)) return false;
  if (Live()) vcl::user::Click(control_);
  return true;
}

namespace {

// ---- Edits ----

// The edit's length limit in characters, as the model counts them: the widget's
// own counts UTF-16 units and would split a character beyond the basic plane.
// What passes the limit is dropped where it was typed, before the caret.
class CharacterLimit : public QValidator {
 public:
  explicit CharacterLimit(QObject* parent) : QValidator(parent) {}
  int limit = 0;  // none

  State validate(QString& text, int& caret) const override {
    if (limit <= 0) return Acceptable;
    // The units the character ending at `at` takes.
    auto last = [&](qsizetype at) -> int {
      return at >= 2 && text[at - 1].isLowSurrogate() && text[at - 2].isHighSurrogate() ? 2 : 1;
    };
    qsizetype count = 0;
    for (qsizetype at = text.size(); at > 0; at -= last(at)) ++count;
    for (; count > limit && caret > 0; --count) {
      const int n = last(caret);
      text.remove(caret - n, n);
      caret -= n;
    }
    for (; count > limit; --count) text.chop(last(text.size()));
    return Acceptable;
  }
};

class EditPeer : public Peer {
 public:
  EditPeer(PeerHost& host, vcl::TEdit& edit) : Peer(host, edit), edit_(edit) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    line_ = new QLineEdit(parent);
    MarkBox(line_);
    line_->setAlignment(HorizontalAlignment(edit_.Alignment) | Qt::AlignVCenter);
    limit_ = new CharacterLimit(line_);
    line_->setValidator(limit_);
    QObject::connect(line_, &QLineEdit::textEdited, line_, [this](const QString& text) {
      if (!Live()) return;
      typing_ = true;
      vcl::user::TypeText(edit_, text.toStdString());
      // The model may cut or refuse the text; the widget shows what it kept.
      Changed(vcl::Prop::Text);
      typing_ = false;
    });
    return line_;
  }
  bool BackgroundIsBase() const override { return true; }
  void Update(vcl::Prop what) override {
    switch (what) {
      case vcl::Prop::Text:
      case vcl::Prop::Caption:
        // Unchanged text keeps the caret where the user left it.
        if (line_->text() != Q(edit_.Text())) {
          const int caret = line_->cursorPosition();
          // The limit is the typing's: the validator would cut the model's
          // own text too, so it is off while that text goes in.
          const int limit = std::exchange(limit_->limit, 0);
          line_->setText(Q(edit_.Text()));
          limit_->limit = limit;
          // Text the program sets shows its start; text corrected while the
          // user types keeps the caret where the user had it.
          line_->setCursorPosition(typing_ ? caret : 0);
        }
        break;
      case vcl::Prop::ReadOnly:
        line_->setReadOnly(edit_.ReadOnly());
        // The themes style read-only boxes by the property, which a style
        // sheet only reads again on a fresh polish.
        line_->style()->unpolish(line_);
        line_->style()->polish(line_);
        // The polish replaced the font and palette with the sheet's.
        ApplyLook();
        break;
      case vcl::Prop::MaxLength:
        limit_->limit = edit_.MaxLength();
        break;
      default:
        break;
    }
  }
  bool Event(QObject* watched, QEvent* event) override {
    // A click into the box reaches its handler; the box still sees the release,
    // so selecting text with the mouse works as before.
    if (ClickEvent(watched, event)) return false;
    if (watched == line_ && event->type() == QEvent::KeyPress && Live()) {
      auto* key = static_cast<QKeyEvent*>(event);
      const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
      if (plain && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        vcl::user::PressKey(edit_, vcl::VK_RETURN);
        return true;
      }
      if (plain && key->key() == Qt::Key_Escape) {
        vcl::user::PressKey(edit_, vcl::VK_ESCAPE);
        return true;
      }
      // The arrows step a spin button paired with the box, as its own arrows do.
      if (plain && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
          vcl::user::PressArrowKey(edit_, key->key() == Qt::Key_Up))
        return true;
      // Other characters reach the handlers, then the edit as typing.
      const QString text = key->text();
      if ((edit_.OnKeyDown || edit_.OnKeyPress) && text.size() == 1 && text[0].unicode() >= 32 &&
          text[0].unicode() < 127)
        vcl::user::PressKey(edit_, text[0].unicode());
    }
    // Tab selects the whole text, which leaves a narrow box showing its end;
    // a result box shows its start again once the focus moves on, also to
    // another window. Its own context menu keeps the selection for Copy.
    if (watched == line_ && event->type() == QEvent::FocusOut && edit_.ReadOnly() &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
      line_->setCursorPosition(0);
    return Peer::Event(watched, event);
  }

 private:
  vcl::TEdit& edit_;
  QLineEdit* line_ = nullptr;
  CharacterLimit* limit_ = nullptr;
  bool typing_ = false;
};

class MemoPeer : public Peer {
 public:
  MemoPeer(PeerHost& host, vcl::TMemo& memo) : Peer(host, memo), memo_(memo) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    text_ = new QPlainTextEdit(parent);
    text_->setTabChangesFocus(true);
    // Every change outside the blocker is the user's.
    QObject::connect(text_, &QPlainTextEdit::textChanged, text_, [this] {
      if (!Live()) return;
      vcl::user::TypeText(memo_, text_->toPlainText().toStdString());
      Changed(vcl::Prop::Text);
    });
    return text_;
  }
  bool BackgroundIsBase() const override { return true; }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Text) {
      const QString shown = ToList(memo_.Lines()).join('\n');
      if (text_->toPlainText() != shown) text_->setPlainText(shown);
    }
    if (what == vcl::Prop::Text || what == vcl::Prop::Other) {
      text_->setReadOnly(memo_.ReadOnly);
      text_->setLineWrapMode(memo_.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
      const std::string& bars = memo_.ScrollBars;
      const bool vertical = bars == "ssVertical" || bars == "ssBoth";
      const bool horizontal = bars == "ssHorizontal" || bars == "ssBoth";
      text_->setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
      text_->setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn
                                                     : Qt::ScrollBarAlwaysOff);
    }
  }

 private:
  vcl::TMemo& memo_;
  QPlainTextEdit* text_ = nullptr;
};

// ---- Texts ----

class LabelPeer : public Peer {
 public:
  LabelPeer(PeerHost& host, vcl::TLabel& label) : Peer(host, label), label_(label) {}
  bool IsGraphic() const override { return true; }
  bool Event(QObject* watched, QEvent* event) override {
    return ClickEvent(watched, event) || Peer::Event(watched, event);
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    text_ = new QLabel(parent);
    text_->setTextFormat(Qt::PlainText);
    text_->setAlignment(HorizontalAlignment(label_.Alignment) | Qt::AlignTop);
    text_->setWordWrap(label_.WordWrap);
    return text_;
  }
  bool FillsBackground() const override { return !label_.Transparent; }
  QSize ShownSize() const override {
    if (!label_.AutoSize) return Peer::ShownSize();
    // Auto-sized labels take their text's extent, as the toolkit sizes them.
    if (label_.WordWrap) return {label_.Width(), text_->heightForWidth(label_.Width())};
    return text_->sizeHint();
  }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Caption) text_->setText(ShownCaption(label_.Caption()));
    if ((what == vcl::Prop::Caption || what == vcl::Prop::Font) && label_.AutoSize) ApplyGeometry();
  }

 private:
  vcl::TLabel& label_;
  QLabel* text_ = nullptr;
};

class StaticTextPeer : public Peer {
 public:
  StaticTextPeer(PeerHost& host, vcl::TStaticText& text) : Peer(host, text), static_(text) {}
  bool Event(QObject* watched, QEvent* event) override {
    return ClickEvent(watched, event) || Peer::Event(watched, event);
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    text_ = new QLabel(parent);
    text_->setTextFormat(Qt::PlainText);
    text_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    text_->setAlignment(HorizontalAlignment(static_.Alignment) | Qt::AlignTop);
    return text_;
  }
  bool FillsBackground() const override { return true; }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Caption) text_->setText(ShownCaption(static_.Caption()));
  }

 private:
  vcl::TStaticText& static_;
  QLabel* text_ = nullptr;
};

// ---- Containers ----

class GroupBoxPeer : public Peer {
 public:
  using Peer::Peer;
  bool Event(QObject* watched, QEvent* event) override {
    return ClickEvent(watched, event) || Peer::Event(watched, event);
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    box_ = new GroupFrame(parent);
    return box_;
  }
  bool FillsBackground() const override { return true; }
  // A group box is a window of its own: one in front hides the one behind.
  bool Opaque() const override { return true; }
  void Update(vcl::Prop what) override {
    // The group box shows "&&" as one ampersand itself.
    if (what == vcl::Prop::Caption) box_->setTitle(Q(control_.Caption()));
  }

 private:
  QGroupBox* box_ = nullptr;
};

class PanelPeer : public Peer {
 public:
  PanelPeer(PeerHost& host, vcl::TPanel& panel) : Peer(host, panel), panel_(panel) {}
  bool Event(QObject* watched, QEvent* event) override {
    return ClickEvent(watched, event) || Peer::Event(watched, event);
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    frame_ = new PanelFrame(parent);
    if (!panel_.Bevel) frame_->setFrameStyle(QFrame::NoFrame);
    return frame_;
  }
  bool FillsBackground() const override { return true; }
  bool Opaque() const override { return true; }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Caption) frame_->SetCaption(ShownCaption(panel_.Caption()));
  }

 private:
  vcl::TPanel& panel_;
  PanelFrame* frame_ = nullptr;
};

// ---- Choices ----

// A radio group's button, which tells its group when it has taken the focus.
class GroupRadio : public QRadioButton {
 public:
  using QRadioButton::QRadioButton;
  std::function<void()> afterFocus;

 protected:
  void focusInEvent(QFocusEvent* event) override {
    QRadioButton::focusInEvent(event);
    if (afterFocus) afterFocus();
  }
};

class RadioGroupPeer : public Peer {
 public:
  RadioGroupPeer(PeerHost& host, vcl::TRadioGroup& group) : Peer(host, group), group_(group) {}
  // The queued rebuilds go with their context, so none reaches a gone peer.
  ~RadioGroupPeer() override { delete rebuilds_.data(); }
  // The group is reached through its checked button, the first one when none is.
  QWidget* TabTarget() const override {
    if (radios_.empty()) return nullptr;
    const int index = group_.ItemIndex();
    return index >= 0 && index < static_cast<int>(radios_.size())
               ? radios_[static_cast<size_t>(index)]
               : radios_.front();
  }
  std::vector<QAbstractButton*> ItemButtons() const override {
    return {radios_.begin(), radios_.end()};
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    box_ = new GroupFrame(parent);
    box_->setProperty(kItemRebuildsProperty, 0);
    rebuilds_ = new QObject(box_);
    buttons_ = new QButtonGroup(box_);
    Block(buttons_);
    QObject::connect(buttons_, &QButtonGroup::idClicked, box_, [this](int id) {
      if (!Live()) return;
      vcl::user::ChooseItem(group_, id);
      Changed(vcl::Prop::ItemIndex);
    });
    return box_;
  }
  bool FillsBackground() const override { return true; }
  void Update(vcl::Prop what) override {
    switch (what) {
      case vcl::Prop::Caption:
        box_->setTitle(Q(group_.Caption()));
        break;
      case vcl::Prop::Items:
        // A refill is a clear and one change per item: the buttons are rebuilt
        // once, when the index is next shown or the event loop next runs.
        DeferItems();
        break;
      case vcl::Prop::ItemIndex:
        if (!RebuildPendingItems()) ShowIndex();
        break;
      case vcl::Prop::Geometry:
      case vcl::Prop::Font:
        if (!itemsPending_) Arrange();
        break;
      default:
        break;
    }
  }

 private:
  void DeferItems() {
    if (itemsPending_) return;
    itemsPending_ = true;
    QMetaObject::invokeMethod(
        rebuilds_,
        [this] {
          if (!Live()) return;
          const QSignalBlocker blocker(buttons_);
          RebuildPendingItems();
        },
        Qt::QueuedConnection);
  }
  // Rebuilds the buttons if the items changed since; false when they had not.
  bool RebuildPendingItems() {
    if (!itemsPending_) return false;
    itemsPending_ = false;
    SetItems();
    ShowIndex();
    box_->setProperty(kItemRebuildsProperty, box_->property(kItemRebuildsProperty).toInt() + 1);
    return true;
  }
  void SetItems() {
    const int count = group_.Items().Count();
    // Buttons are reused: the items may change inside a click on one of them.
    while (static_cast<int>(radios_.size()) > count) {
      QRadioButton* gone = radios_.back();
      radios_.pop_back();
      buttons_->removeButton(gone);
      gone->hide();
      gone->deleteLater();
    }
    while (static_cast<int>(radios_.size()) < count) {
      auto* radio = new GroupRadio(box_);
      radio->afterFocus = [this] { KeepTabOnTarget(); };
      buttons_->addButton(radio, static_cast<int>(radios_.size()));
      host_.Watch(radio, this);
      radio->show();
      radios_.push_back(radio);
    }
    for (int i = 0; i < count; ++i) radios_[static_cast<size_t>(i)]->setText(Q(group_.Items()[i]));
    Arrange();
  }
  void ShowIndex() {
    const int index = group_.ItemIndex();
    if (index >= 0 && index < static_cast<int>(radios_.size())) {
      radios_[static_cast<size_t>(index)]->setChecked(true);
    } else {
      // An exclusive group cannot uncheck its last button.
      buttons_->setExclusive(false);
      for (QRadioButton* r : radios_) r->setChecked(false);
      buttons_->setExclusive(true);
    }
    KeepTabOnTarget();
  }
  // Qt makes the button that takes the focus its group's only one Tab
  // reaches, checked or not: the group is still reached through its target.
  void KeepTabOnTarget() {
    const QWidget* target = TabTarget();
    for (QRadioButton* r : radios_)
      r->setFocusPolicy(Qt::FocusPolicy(r == target ? r->focusPolicy() | Qt::TabFocus
                                                    : r->focusPolicy() & ~Qt::TabFocus));
  }
  // Items run down the columns; the columns share the width inside the frame
  // and the rows share the height below the caption.
  void Arrange() {
    const int count = static_cast<int>(radios_.size());
    if (count == 0) return;
    const int columns = std::max(1, group_.Columns);
    const int perColumn = (count + columns - 1) / columns;
    const int columnWidth = (group_.Width() - 10) / columns;
    const int captionHeight = box_->fontMetrics().height();
    const int rowsHeight = std::max(0, group_.Height() - captionHeight - 5);
    const int rowHeight = rowsHeight / perColumn;
    const int top = captionHeight + 1 + (rowsHeight % perColumn) / 2;
    for (int i = 0; i < count; ++i) {
      QRadioButton* radio = radios_[static_cast<size_t>(i)];
      radio->setGeometry(8 + (i / perColumn) * columnWidth, top + (i % perColumn) * rowHeight,
                         columnWidth, rowHeight);
      radio->setFont(FittingFont(ModelFont(), ShownCaption(group_.Items()[i]), TextRoom(radio)));
    }
  }

  vcl::TRadioGroup& group_;
  QGroupBox* box_ = nullptr;
  QButtonGroup* buttons_ = nullptr;
  std::vector<QRadioButton*> radios_;
  // The context of the queued rebuilds, made with the widget; the widget may
  // take it along first.
  QPointer<QObject> rebuilds_;
  bool itemsPending_ = false;
};

class CheckBoxPeer : public Peer {
 public:
  CheckBoxPeer(PeerHost& host, vcl::TCheckBox& box) : Peer(host, box), box_(box) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    check_ = new QCheckBox(parent);
    QObject::connect(check_, &QCheckBox::clicked, check_, [this] {
      if (!Live()) return;
      // The model toggles; the widget then shows the model's state.
      vcl::user::Click(box_);
      Changed(vcl::Prop::Checked);
    });
    return check_;
  }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Caption) check_->setText(Q(box_.Caption()));
    if (what == vcl::Prop::Checked) check_->setChecked(box_.Checked());
    if (what == vcl::Prop::Caption || what == vcl::Prop::Geometry || what == vcl::Prop::Font) {
      check_->resize(box_.Width(), box_.Height());
      check_->setFont(FittingFont(ModelFont(), ShownCaption(box_.Caption()), TextRoom(check_)));
    }
  }

 private:
  vcl::TCheckBox& box_;
  QCheckBox* check_ = nullptr;
};

class ComboBoxPeer : public Peer {
 public:
  ComboBoxPeer(PeerHost& host, vcl::TComboBox& combo) : Peer(host, combo), combo_(combo) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    box_ = new QComboBox(parent);
    box_->setEditable(combo_.Style != vcl::TComboBoxStyle::csDropDownList);
    box_->setMaxVisibleItems(std::max(1, combo_.DropDownCount));
    QObject::connect(box_, &QComboBox::activated, box_, [this](int index) {
      if (!Live()) return;
      vcl::user::ChooseItem(combo_, index);
      Changed(vcl::Prop::ItemIndex);
    });
    if (QLineEdit* line = box_->lineEdit()) {
      Block(line);
      host_.Watch(line, this);
      QObject::connect(line, &QLineEdit::textEdited, box_, [this](const QString& text) {
        if (!Live()) return;
        typing_ = true;
        vcl::user::TypeText(combo_, text.toStdString());
        Changed(vcl::Prop::Text);
        typing_ = false;
      });
    }
    return box_;
  }
  bool BackgroundIsBase() const override { return true; }
  void Update(vcl::Prop what) override {
    switch (what) {
      case vcl::Prop::Items:
        box_->clear();
        box_->addItems(ToList(combo_.Items()));
        ShowIndex();
        break;
      case vcl::Prop::ItemIndex:
      case vcl::Prop::Text:
        ShowIndex();
        break;
      default:
        break;
    }
  }

 private:
  void ShowIndex() {
    QLineEdit* line = box_->lineEdit();
    const QString before = line ? line->text() : QString();
    const int caret = line ? line->cursorPosition() : 0;
    if (box_->currentIndex() != combo_.ItemIndex()) box_->setCurrentIndex(combo_.ItemIndex());
    if (line && box_->currentText() != Q(combo_.Text())) box_->setEditText(Q(combo_.Text()));
    // As in an edit: the program's text from its start, the user's caret kept.
    if (line && line->text() != before) line->setCursorPosition(typing_ ? caret : 0);
  }
  vcl::TComboBox& combo_;
  QComboBox* box_ = nullptr;
  bool typing_ = false;
};

class ButtonGroupPeer : public Peer {
 public:
  ButtonGroupPeer(PeerHost& host, vcl::TButtonGroup& group) : Peer(host, group), group_(group) {}
  QWidget* TabTarget() const override {
    if (!control_.TabStop || pushes_.empty()) return nullptr;
    const int index = group_.ItemIndex();
    return index >= 0 && index < static_cast<int>(pushes_.size())
               ? pushes_[static_cast<size_t>(index)]
               : pushes_.front();
  }
  std::vector<QAbstractButton*> ItemButtons() const override {
    return {pushes_.begin(), pushes_.end()};
  }

  bool Event(QObject* watched, QEvent* event) override {
    if (auto* push = qobject_cast<QPushButton*>(watched); push && DragEvent(push, event))
      return true;
    if (auto* push = qobject_cast<QPushButton*>(watched); push && IsEnterPress(event)) {
      push->click();
      return true;
    }
    if (event->type() == QEvent::Enter) {
      // The button under the mouse speaks for the group.
      const int index = IndexOf(qobject_cast<QPushButton*>(watched));
      if (index >= 0) {
        host_.ShowHint(group_.ItemHint(index));
        return false;
      }
    }
    return Peer::Event(watched, event);
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    // More buttons than the group's height holds scroll, one button a step.
    area_ = new QScrollArea(parent);
    area_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    area_->verticalScrollBar()->setSingleStep(kButtonHeight);
    list_ = new QWidget;
    area_->setWidget(list_);
    area_->setWidgetResizable(false);
    buttons_ = new QButtonGroup(list_);
    Block(buttons_);
    QObject::connect(buttons_, &QButtonGroup::idClicked, list_, [this](int id) {
      if (!Live()) return;
      vcl::user::ChooseItem(group_, id);
      Changed(vcl::Prop::ItemIndex);
    });
    return area_;
  }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Items) {
      const int count = group_.Items().Count();
      while (static_cast<int>(pushes_.size()) > count) {
        QPushButton* gone = pushes_.back();
        pushes_.pop_back();
        buttons_->removeButton(gone);
        gone->hide();
        gone->deleteLater();
      }
      while (static_cast<int>(pushes_.size()) < count) {
        auto* push = new QPushButton(list_);
        push->setCheckable(true);
        push->setAutoDefault(false);
        buttons_->addButton(push, static_cast<int>(pushes_.size()));
        host_.Watch(push, this);
        push->show();
        pushes_.push_back(push);
      }
      for (int i = 0; i < count; ++i) {
        QPushButton* push = pushes_[static_cast<size_t>(i)];
        push->setText(Q(group_.Items()[i]));
        push->setToolTip(control_.ShowHint ? ShortHint(group_.ItemHint(i)) : QString());
      }
    }
    if (what == vcl::Prop::Items || what == vcl::Prop::ItemIndex) {
      buttons_->setExclusive(false);
      for (size_t i = 0; i < pushes_.size(); ++i)
        pushes_[i]->setChecked(static_cast<int>(i) == group_.ItemIndex());
      buttons_->setExclusive(true);
    }
    if (what == vcl::Prop::Items || what == vcl::Prop::Geometry) Arrange();
  }

 private:
  static constexpr int kButtonHeight = 24;

  // Full-width buttons, one under another, as wide as the room the scroll bar leaves.
  void Arrange() {
    const int frame = 2 * area_->frameWidth();
    const int rows = static_cast<int>(pushes_.size());
    const int shownHeight = std::max(0, group_.Height() - frame);
    const bool scrolls = rows * kButtonHeight > shownHeight;
    const int width = std::max(
        0, group_.Width() - frame - (scrolls ? area_->verticalScrollBar()->sizeHint().width() : 0));
    list_->resize(width, rows * kButtonHeight);
    for (int i = 0; i < rows; ++i)
      pushes_[static_cast<size_t>(i)]->setGeometry(0, i * kButtonHeight, width, kButtonHeight);
  }

  int IndexOf(const QPushButton* push) const {
    const auto it = std::find(pushes_.begin(), pushes_.end(), push);
    return it == pushes_.end() ? -1 : static_cast<int>(it - pushes_.begin());
  }

  // A press, a move past the drag distance and a release over another button
  // move the pressed button there; the drag is no click.
  bool DragEvent(QPushButton* push, QEvent* event) {
    switch (event->type()) {
      case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton) break;
        dragFrom_ = IndexOf(push);
        pressedAt_ = mouse->globalPosition().toPoint();
        dragging_ = false;
        break;
      }
      case QEvent::MouseMove:
        if (dragFrom_ >= 0 && group_.AllowReorder &&
            (static_cast<QMouseEvent*>(event)->globalPosition().toPoint() - pressedAt_)
                    .manhattanLength() >= QApplication::startDragDistance())
          dragging_ = true;
        break;
      case QEvent::MouseButtonRelease: {
        const int from = dragFrom_;
        const bool dragged = dragging_;
        dragFrom_ = -1;
        dragging_ = false;
        if (!dragged || from < 0) break;
        const QPoint at =
            list_->mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
        push->setDown(false);
        if (at.y() >= 0 && at.y() < static_cast<int>(pushes_.size()) * kButtonHeight && Live())
          vcl::user::DragButton(group_, from, at.y() / kButtonHeight);
        return true;
      }
      default:
        break;
    }
    return false;
  }

  vcl::TButtonGroup& group_;
  QScrollArea* area_ = nullptr;
  QWidget* list_ = nullptr;
  QButtonGroup* buttons_ = nullptr;
  std::vector<QPushButton*> pushes_;
  int dragFrom_ = -1;
  bool dragging_ = false;
  QPoint pressedAt_;
};

// ---- Buttons ----

class ButtonPeer : public Peer {
 public:
  using Peer::Peer;

 protected:
  QWidget* Make(QWidget* parent) override {
    button_ = new QPushButton(parent);
    button_->setAutoDefault(false);
    QObject::connect(button_, &QPushButton::clicked, button_, [this] {
      if (Live()) vcl::user::Click(control_);
    });
    return button_;
  }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Caption) button_->setText(Q(control_.Caption()));
  }
  bool Event(QObject* watched, QEvent* event) override {
    // Enter presses a focused button, as Space does.
    if (watched == button_ && IsEnterPress(event)) {
      button_->click();
      return true;
    }
    return Peer::Event(watched, event);
  }

 private:
  QPushButton* button_ = nullptr;
};

class UpDownPeer : public Peer {
 public:
  UpDownPeer(PeerHost& host, vcl::TUpDown& updown) : Peer(host, updown), updown_(updown) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    arrows_ = new UpDownButtons(parent);
    arrows_->Up()->setAccessibleName(QStringLiteral("Up"));
    arrows_->Down()->setAccessibleName(QStringLiteral("Down"));
    arrows_->onStep = [this](bool up) {
      if (!Live()) return;
      // The arrows hand the focus to their edit, so its exit runs first.
      if (updown_.Associate)
        if (QWidget* edit = host_.WidgetOf(*updown_.Associate))
          edit->setFocus(Qt::MouseFocusReason);
      vcl::user::StepUpDown(updown_, up);
    };
    return arrows_;
  }

 private:
  vcl::TUpDown& updown_;
  UpDownButtons* arrows_ = nullptr;
};

// ---- Bars ----

// A bar's range and position, pushed into its widget.
template <class Widget, class Model>
void PushRange(Widget* widget, const Model& model, vcl::Prop what) {
  if (what != vcl::Prop::Range && what != vcl::Prop::Position) return;
  widget->setRange(model.Min(), model.Max());
  widget->setValue(model.Position());
}

class ProgressBarPeer : public Peer {
 public:
  ProgressBarPeer(PeerHost& host, vcl::TProgressBar& bar) : Peer(host, bar), bar_(bar) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    progress_ = new QProgressBar(parent);
    progress_->setTextVisible(false);
    return progress_;
  }
  void Update(vcl::Prop what) override { PushRange(progress_, bar_, what); }

 private:
  vcl::TProgressBar& bar_;
  QProgressBar* progress_ = nullptr;
};

class TrackBarPeer : public Peer {
 public:
  TrackBarPeer(PeerHost& host, vcl::TTrackBar& bar) : Peer(host, bar), bar_(bar) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    slider_ = new QSlider(Qt::Horizontal, parent);
    slider_->setTickPosition(QSlider::TicksBelow);
    slider_->setTickInterval(std::max(1, bar_.Frequency));
    // Pushed values are blocked, so any change here is the user's.
    QObject::connect(slider_, &QSlider::valueChanged, slider_, [this](int value) {
      if (!Live()) return;
      vcl::user::MoveTrackBar(bar_, value);
      Changed(vcl::Prop::Position);
    });
    return slider_;
  }
  void Update(vcl::Prop what) override { PushRange(slider_, bar_, what); }

 private:
  vcl::TTrackBar& bar_;
  QSlider* slider_ = nullptr;
};

// The window's own tab strip: the first tab control placed on the form itself.
bool IsWindowStrip(const vcl::TTabControl& tabs) {
  const vcl::TControl* form = tabs.Parent();
  if (!dynamic_cast<const vcl::TForm*>(form)) return false;
  for (const vcl::TControl* child : form->Children())
    if (dynamic_cast<const vcl::TTabControl*>(child)) return child == &tabs;
  return false;
}

class TabControlPeer : public Peer {
 public:
  TabControlPeer(PeerHost& host, vcl::TTabControl& tabs) : Peer(host, tabs), tabs_(tabs) {}

 protected:
  QWidget* Make(QWidget* parent) override {
    strip_ = new TabStrip(parent);
    strip_->SetMultiLine(tabs_.MultiLine);
    strip_->onPick = [this](int index) {
      if (!Live()) return;
      vcl::user::PickTab(tabs_, index);
      Changed(vcl::Prop::ItemIndex);
    };
    // Ctrl+Tab, Ctrl+Shift+Tab and the like move the window's strip from anywhere in it.
    if (IsWindowStrip(tabs_)) strip_->AnswerRoundKeysInWindow();
    return strip_;
  }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Items) strip_->SetTabs(ToList(tabs_.Tabs()));
    if (what == vcl::Prop::Items || what == vcl::Prop::ItemIndex)
      strip_->SetCurrent(tabs_.TabIndex());
  }

 private:
  vcl::TTabControl& tabs_;
  TabStrip* strip_ = nullptr;
};

class StatusBarPeer : public Peer {
 public:
  StatusBarPeer(PeerHost& host, vcl::TStatusBar& bar) : Peer(host, bar), bar_(bar) {}
  void ShowHintText(const std::string& hint) override {
    if (!strip_) return;
    hint_ = LongHint(hint);
    showingHint_ = true;
    strip_->ShowInFirst(hint_);
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    strip_ = new StatusStrip(parent);
    return strip_;
  }
  void Update(vcl::Prop what) override {
    if (what != vcl::Prop::Panels) return;
    std::vector<StatusStrip::Panel> panels;
    for (int i = 0; i < bar_.PanelCount(); ++i) {
      const vcl::TStatusPanel& p = bar_.Panel(i);
      panels.push_back({Q(p.Text), p.Width, HorizontalAlignment(p.Alignment)});
    }
    // A hint stays over the first panel while other panels change; text the
    // program writes there itself replaces it.
    const QString first = panels.empty() ? QString() : panels.front().text;
    if (first != modelFirst_) showingHint_ = false;
    modelFirst_ = first;
    strip_->SetPanels(panels, bar_.SimplePanel);
    if (showingHint_) strip_->ShowInFirst(hint_);
  }

 private:
  vcl::TStatusBar& bar_;
  StatusStrip* strip_ = nullptr;
  QString hint_, modelFirst_;
  bool showingHint_ = false;
};

// ---- Pictures ----

class ImagePeer : public Peer {
 public:
  ImagePeer(PeerHost& host, vcl::TImage& image) : Peer(host, image), image_(image) {}
  bool IsGraphic() const override { return true; }
  bool Event(QObject* watched, QEvent* event) override {
    return ClickEvent(watched, event) || Peer::Event(watched, event);
  }

 protected:
  QWidget* Make(QWidget* parent) override {
    view_ = new ImageView(parent);
    view_->SetPlacement(image_.Stretch, image_.Proportional, image_.Center);
    return view_;
  }
  void Update(vcl::Prop what) override {
    if (what == vcl::Prop::Picture) view_->SetPicture(Q(image_.Picture()));
  }

 private:
  vcl::TImage& image_;
  ImageView* view_ = nullptr;
};

class ShapePeer : public Peer {
 public:
  ShapePeer(PeerHost& host, vcl::TShape& shape) : Peer(host, shape), shape_(shape) {}
  bool IsGraphic() const override { return true; }

 protected:
  QWidget* Make(QWidget* parent) override {
    view_ = new ShapeView(parent);
    return view_;
  }
  void Update(vcl::Prop what) override {
    if (what != vcl::Prop::Color && what != vcl::Prop::Other) return;
    using K = ShapeView::Kind;
    K kind = K::Rectangle;
    switch (shape_.Shape) {
      case vcl::TShapeType::stRectangle:
        kind = K::Rectangle;
        break;
      case vcl::TShapeType::stSquare:
        kind = K::Square;
        break;
      case vcl::TShapeType::stRoundRect:
        kind = K::RoundRect;
        break;
      case vcl::TShapeType::stEllipse:
        kind = K::Ellipse;
        break;
      case vcl::TShapeType::stCircle:
        kind = K::Circle;
        break;
    }
    const QColor brush = PlainColour(shape_.BrushColor);
    const QColor pen = PlainColour(shape_.PenColor);
    view_->SetShape(kind, brush.isValid() ? brush : QColor(Qt::white),
                    pen.isValid() ? pen : QColor(Qt::black));
  }

 private:
  vcl::TShape& shape_;
  ShapeView* view_ = nullptr;
};

// A control of a kind without a widget of its own still holds its children.
class PlainPeer : public Peer {
 public:
  using Peer::Peer;

 protected:
  QWidget* Make(QWidget* parent) override { return new QWidget(parent); }
};

}  // namespace

std::unique_ptr<Peer> MakePeer(PeerHost& host, vcl::TControl& c) {
  if (auto* x = dynamic_cast<vcl::TEdit*>(&c)) return std::make_unique<EditPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TMemo*>(&c)) return std::make_unique<MemoPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TLabel*>(&c)) return std::make_unique<LabelPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TStaticText*>(&c))
    return std::make_unique<StaticTextPeer>(host, *x);
  if (dynamic_cast<vcl::TGroupBox*>(&c)) return std::make_unique<GroupBoxPeer>(host, c);
  if (auto* x = dynamic_cast<vcl::TPanel*>(&c)) return std::make_unique<PanelPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TRadioGroup*>(&c))
    return std::make_unique<RadioGroupPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TCheckBox*>(&c)) return std::make_unique<CheckBoxPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TComboBox*>(&c)) return std::make_unique<ComboBoxPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TButtonGroup*>(&c))
    return std::make_unique<ButtonGroupPeer>(host, *x);
  if (dynamic_cast<vcl::TButton*>(&c)) return std::make_unique<ButtonPeer>(host, c);
  if (auto* x = dynamic_cast<vcl::TUpDown*>(&c)) return std::make_unique<UpDownPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TProgressBar*>(&c))
    return std::make_unique<ProgressBarPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TTrackBar*>(&c)) return std::make_unique<TrackBarPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TTabControl*>(&c))
    return std::make_unique<TabControlPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TStatusBar*>(&c))
    return std::make_unique<StatusBarPeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TImage*>(&c)) return std::make_unique<ImagePeer>(host, *x);
  if (auto* x = dynamic_cast<vcl::TShape*>(&c)) return std::make_unique<ShapePeer>(host, *x);
  return std::make_unique<PlainPeer>(host, c);
}

}  // namespace trellis::desktop
