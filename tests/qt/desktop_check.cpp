#include "tests/qt/desktop_check.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <map>
#include <sstream>
#include <tuple>

#include "tests/support/harness.h"
#include "ui/qt/peers.h"
#include "ui/qt/renderer.h"
#include "ui/qt/themes.h"
#include "ui/qt/widgets.h"

namespace trellis::desktop::testing {

namespace {

std::string Quoted(const QString& s) {
  std::string out = "\"";
  for (char c : s.toStdString()) {
    if (c == '\n')
      out += "\\n";
    else if (c == '"' || c == '\\')
      out += std::string("\\") + c;
    else
      out += c;
  }
  return out + "\"";
}
std::string Quoted(const std::string& s) { return Quoted(QString::fromStdString(s)); }
std::string YesNo(bool b) { return b ? "yes" : "no"; }
std::string AlignmentName(vcl::TAlignment a) {
  return a == vcl::TAlignment::taRightJustify ? "right"
         : a == vcl::TAlignment::taCenter     ? "center"
                                              : "left";
}
std::string AlignmentName(Qt::Alignment a) {
  return a & Qt::AlignRight ? "right" : a & Qt::AlignHCenter ? "center" : "left";
}
std::string Colour(const QColor& c) { return c.isValid() ? c.name().toStdString() : "none"; }

QString Q(const std::string& s) { return QString::fromStdString(s); }

QStringList ToList(const vcl::TStrings& strings) {
  QStringList out;
  for (const std::string& s : strings.Items()) out << Q(s);
  return out;
}

std::string ListText(const QStringList& list) {
  if (list.isEmpty()) return "none";
  std::string out;
  for (const QString& s : list) out += (out.empty() ? "" : " ") + Quoted(s);
  return out;
}

// Visible in the model up to its window (the window itself is checked on its own).
bool ShownInWindow(const vcl::TControl& control) {
  for (const vcl::TControl* c = &control; c && c->Parent(); c = c->Parent())
    if (!c->Visible()) return false;
  return true;
}

// Enabled here, in every parent and in its window.
bool EnabledInWindow(const vcl::TControl& control) {
  for (const vcl::TControl* c = &control; c; c = c->Parent())
    if (!c->Enabled()) return false;
  return true;
}

// The background a fresh read-only box of this size and state gets from the
// current theme at `at`, where the frame and the text leave the fill.
QColor ThemedResultBackground(QSize size, bool enabled, QPoint at) {
  using Key = std::tuple<QString, int, int, bool, QRgb>;
  static std::map<Key, QColor> cache;
  const Key key{qApp->styleSheet(), size.width(), size.height(), enabled,
                QApplication::palette().color(QPalette::Base).rgb()};
  if (auto it = cache.find(key); it != cache.end()) return it->second;
  QWidget host;
  QLineEdit box(&host);
  box.setReadOnly(true);
  box.setEnabled(enabled);
  box.resize(size);
  box.ensurePolished();
  const QColor colour = box.grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
  cache[key] = colour;
  return colour;
}

class Comparer {
 public:
  Comparer(QtRenderer& renderer, std::vector<std::string>& out) : renderer_(renderer), out_(out) {}

  void Form(vcl::TForm& form) {
    form_ = &form;
    QWidget* window = renderer_.Window(form);
    QWidget* client = renderer_.ClientArea(form);
    windowShown_ = window->isVisible();
    Same(form.Name, "caption", Quoted(form.Caption()), Quoted(window->windowTitle()));
    Same(form.Name, "visible", YesNo(form.Visible()), YesNo(window->isVisible()));
    Same(form.Name, "enabled", YesNo(form.Enabled()), YesNo(window->isEnabled()));
    Same(form.Name, "client width", std::to_string(form.ClientWidth()),
         std::to_string(client->width()));
    Same(form.Name, "client height", std::to_string(form.ClientHeight()),
         std::to_string(client->height()));
    const QColor back = ShownColour(form.Color(), true);
    if (back.isValid())
      Same(form.Name, "brush", Colour(back),
           Colour(client->autoFillBackground() ? client->palette().color(QPalette::Window)
                                               : QColor()));
    for (vcl::TControl* child : form.Children()) Control(*child, client);
    if (form.Menu)
      for (vcl::TMenuItem* item : form.Menu->Items()) MenuItem(*item);
  }

 private:
  void Same(const std::string& who, const char* what, const std::string& model,
            const std::string& widget) {
    if (model == widget) return;
    out_.push_back(who + " " + what + ": the control has " + model + ", the widget shows " +
                   widget);
  }

  void MenuItem(vcl::TMenuItem& item) {
    const std::string who = form_->Name + "." + item.Name;
    QAction* action = renderer_.ActionOf(item);
    if (!action) {
      out_.push_back(who + " has no menu entry");
      return;
    }
    Same(who, "caption", Quoted(item.Caption()), Quoted(action->text()));
    Same(who, "visible", YesNo(item.Visible()), YesNo(action->isVisible()));
    // Qt disables a hidden action until it is shown again, and a submenu's
    // entry while its window is disabled.
    if (item.Visible())
      Same(who, "enabled", YesNo(item.Enabled() && (item.Items().empty() || form_->Enabled())),
           YesNo(action->isEnabled()));
    Same(who, "checked", YesNo(item.Checked()), YesNo(action->isChecked()));
    for (vcl::TMenuItem* child : item.Items()) MenuItem(*child);
  }

  void Control(vcl::TControl& control, QWidget* parentWidget) {
    const std::string who = form_->Name + "." + control.Name;
    Peer* peer = renderer_.PeerOf(control);
    QWidget* widget = peer ? peer->Widget() : nullptr;
    if (!widget) {
      out_.push_back(who + " has no widget");
      return;
    }
    if (widget->parentWidget() != parentWidget) out_.push_back(who + " lies in another widget");
    Common(who, control, *peer, *widget);
    Kind(who, control, *peer, *widget);
    Tab(who, control, *peer);
    for (vcl::TControl* child : control.Children()) Control(*child, peer->ChildParent());
  }

  void Common(const std::string& who, const vcl::TControl& control, const Peer&, QWidget& widget) {
    Same(who, "visible", YesNo(control.Visible()), YesNo(!widget.isHidden()));
    if (windowShown_) Same(who, "shown", YesNo(ShownInWindow(control)), YesNo(widget.isVisible()));
    Same(who, "enabled", YesNo(EnabledInWindow(control)), YesNo(widget.isEnabled()));

    // An auto-sized label takes its text's extent, as the toolkit sizes it.
    QSize size(control.Width(), control.Height());
    if (auto* label = dynamic_cast<const vcl::TLabel*>(&control); label && label->AutoSize) {
      auto* text = qobject_cast<QLabel*>(&widget);
      if (text)
        size = label->WordWrap ? QSize(label->Width(), text->heightForWidth(label->Width()))
                               : text->sizeHint();
    }
    const QRect g = widget.geometry();
    Same(who, "left", std::to_string(control.Left()), std::to_string(g.x()));
    Same(who, "top", std::to_string(control.Top()), std::to_string(g.y()));
    Same(who, "width", std::to_string(size.width()), std::to_string(g.width()));
    Same(who, "height", std::to_string(size.height()), std::to_string(g.height()));

    const vcl::TFont& f = control.Font();
    const QColor text = ShownColour(f.Color, false);
    if (text.isValid()) {
      const QPalette& p = widget.palette();
      for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text})
        Same(who, "font colour", Colour(text), Colour(p.color(QPalette::Active, role)));
    }
    if (f.Style != 0 || f.Size != 0) {
      const QFont font = widget.font();
      Same(who, "bold", YesNo(f.Style & vcl::fsBold), YesNo(font.bold()));
      Same(who, "italic", YesNo(f.Style & vcl::fsItalic), YesNo(font.italic()));
      Same(who, "underline", YesNo(f.Style & vcl::fsUnderline), YesNo(font.underline()));
    }
  }

  // The background colour the model gives the control, where its kind paints one.
  void Background(const std::string& who, const vcl::TControl& control, QWidget& widget,
                  bool base) {
    const QColor back = ShownColour(control.Color(), true);
    if (!back.isValid()) return;
    const QColor shown = base                          ? widget.palette().color(QPalette::Base)
                         : widget.autoFillBackground() ? widget.palette().color(QPalette::Window)
                                                       : QColor();
    Same(who, "brush", Colour(back), Colour(shown));
  }

  // A box narrower than its text shows the text's start, and so does a
  // result box without the focus, whatever its width.
  void ShowsStart(const std::string& who, const QLineEdit& line, bool result) {
    if (!result || line.hasFocus()) {
      const int frame = line.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &line);
      const int room = line.width() - 2 * frame - 4;
      if (line.fontMetrics().horizontalAdvance(line.text()) <= room) return;
    }
    if (line.cursorPosition() != 0)
      out_.push_back(who + " shown start: the control's text " + Quoted(line.text()) +
                     " shows from its start, the widget from character " +
                     std::to_string(line.cursorPosition()));
  }

  void ResultStyle(const std::string& who, const vcl::TEdit& edit, QLineEdit& line) {
    if (!edit.ReadOnly() || !windowShown_ || !line.isVisible() || line.height() < 8) return;
    const QPoint at(line.width() / 2, 2);
    // Without a style sheet the box is filled with its palette's base, the
    // model's colour when it has one.
    const QColor own = ShownColour(edit.Color(), true);
    const QColor expected = qApp->styleSheet().isEmpty() && own.isValid()
                                ? own
                                : ThemedResultBackground(line.size(), line.isEnabled(), at);
    const QColor shown = line.grab(QRect(at, QSize(1, 1))).toImage().pixelColor(0, 0);
    if (shown != expected)
      out_.push_back(who + " result style: the theme " + Quoted(CurrentDesktopTheme()) +
                     " fills a result box with " + Colour(expected) + ", the widget with " +
                     Colour(shown));
  }

  void Kind(const std::string& who, vcl::TControl& control, Peer& peer, QWidget& widget) {
    if (auto* edit = dynamic_cast<vcl::TEdit*>(&control)) {
      auto* line = qobject_cast<QLineEdit*>(&widget);
      if (!line) return Wrong(who, "a line edit");
      Same(who, "text", Quoted(edit->Text()), Quoted(line->text()));
      Same(who, "read-only", YesNo(edit->ReadOnly()), YesNo(line->isReadOnly()));
      ShowsStart(who, *line, edit->ReadOnly());
      Background(who, control, widget, true);
      ResultStyle(who, *edit, *line);
    } else if (auto* memo = dynamic_cast<vcl::TMemo*>(&control)) {
      auto* text = qobject_cast<QPlainTextEdit*>(&widget);
      if (!text) return Wrong(who, "a text area");
      Same(who, "text", Quoted(ToList(memo->Lines()).join('\n')), Quoted(text->toPlainText()));
      Same(who, "read-only", YesNo(memo->ReadOnly), YesNo(text->isReadOnly()));
      Background(who, control, widget, true);
    } else if (auto* label = dynamic_cast<vcl::TLabel*>(&control)) {
      auto* text = qobject_cast<QLabel*>(&widget);
      if (!text) return Wrong(who, "a label");
      Same(who, "caption", Quoted(ShownCaption(label->Caption())), Quoted(text->text()));
      if (!label->Transparent) Background(who, control, widget, false);
    } else if (dynamic_cast<vcl::TStaticText*>(&control)) {
      auto* text = qobject_cast<QLabel*>(&widget);
      if (!text) return Wrong(who, "a label");
      Same(who, "caption", Quoted(ShownCaption(control.Caption())), Quoted(text->text()));
      Background(who, control, widget, false);
    } else if (dynamic_cast<vcl::TGroupBox*>(&control)) {
      auto* box = qobject_cast<QGroupBox*>(&widget);
      if (!box) return Wrong(who, "a group box");
      Same(who, "caption", Quoted(control.Caption()), Quoted(box->title()));
      Background(who, control, widget, false);
    } else if (dynamic_cast<vcl::TPanel*>(&control)) {
      auto* panel = dynamic_cast<PanelFrame*>(&widget);
      if (!panel) return Wrong(who, "a panel");
      Same(who, "caption", Quoted(ShownCaption(control.Caption())), Quoted(panel->Caption()));
      Background(who, control, widget, false);
    } else if (auto* group = dynamic_cast<vcl::TRadioGroup*>(&control)) {
      auto* box = qobject_cast<QGroupBox*>(&widget);
      if (!box) return Wrong(who, "a group box");
      Same(who, "caption", Quoted(group->Caption()), Quoted(box->title()));
      Items(who, ToList(group->Items()), group->ItemIndex(), peer.ItemButtons());
      Background(who, control, widget, false);
    } else if (auto* check = dynamic_cast<vcl::TCheckBox*>(&control)) {
      auto* box = qobject_cast<QCheckBox*>(&widget);
      if (!box) return Wrong(who, "a check box");
      Same(who, "caption", Quoted(check->Caption()), Quoted(box->text()));
      Same(who, "checked", YesNo(check->Checked()), YesNo(box->isChecked()));
    } else if (auto* combo = dynamic_cast<vcl::TComboBox*>(&control)) {
      auto* box = qobject_cast<QComboBox*>(&widget);
      if (!box) return Wrong(who, "a combo box");
      QStringList shown;
      for (int i = 0; i < box->count(); ++i) shown << box->itemText(i);
      Same(who, "items", ListText(ToList(combo->Items())), ListText(shown));
      Same(who, "item index", std::to_string(combo->ItemIndex()),
           std::to_string(box->currentIndex()));
      Same(who, "text", Quoted(combo->Text()), Quoted(box->currentText()));
      if (QLineEdit* line = box->lineEdit()) ShowsStart(who, *line, false);
      Background(who, control, widget, true);
    } else if (auto* buttons = dynamic_cast<vcl::TButtonGroup*>(&control)) {
      Items(who, ToList(buttons->Items()), buttons->ItemIndex(), peer.ItemButtons());
    } else if (dynamic_cast<vcl::TButton*>(&control)) {
      auto* button = qobject_cast<QPushButton*>(&widget);
      if (!button) return Wrong(who, "a push button");
      Same(who, "caption", Quoted(control.Caption()), Quoted(button->text()));
    } else if (auto* progress = dynamic_cast<vcl::TProgressBar*>(&control)) {
      auto* bar = qobject_cast<QProgressBar*>(&widget);
      if (!bar) return Wrong(who, "a progress bar");
      Range(who, *progress, bar->minimum(), bar->maximum(), bar->value());
    } else if (auto* track = dynamic_cast<vcl::TTrackBar*>(&control)) {
      auto* slider = qobject_cast<QSlider*>(&widget);
      if (!slider) return Wrong(who, "a slider");
      Range(who, *track, slider->minimum(), slider->maximum(), slider->value());
    } else if (auto* tabs = dynamic_cast<vcl::TTabControl*>(&control)) {
      auto* strip = dynamic_cast<TabStrip*>(&widget);
      if (!strip) return Wrong(who, "a tab strip");
      Same(who, "tabs", ListText(ToList(tabs->Tabs())), ListText(strip->Tabs()));
      Same(who, "item index", std::to_string(tabs->TabIndex()), std::to_string(strip->Current()));
    } else if (auto* status = dynamic_cast<vcl::TStatusBar*>(&control)) {
      auto* strip = dynamic_cast<StatusStrip*>(&widget);
      if (!strip) return Wrong(who, "a status strip");
      const int panels = status->SimplePanel ? 1 : std::max(1, status->PanelCount());
      Same(who, "panels", std::to_string(panels), std::to_string(strip->PanelCount()));
      for (int i = 0; i < std::min(panels, status->PanelCount()); ++i) {
        const std::string panel = "panel " + std::to_string(i);
        Same(who, (panel + " text").c_str(), Quoted(status->Panel(i).Text),
             Quoted(strip->PanelText(i)));
        Same(who, (panel + " alignment").c_str(), AlignmentName(status->Panel(i).Alignment),
             AlignmentName(strip->PanelAlignment(i)));
      }
    } else if (auto* shape = dynamic_cast<vcl::TShape*>(&control)) {
      auto* view = dynamic_cast<ShapeView*>(&widget);
      if (!view) return Wrong(who, "a shape");
      // The toolkit's default colours stand for white and black.
      const QColor brush = PlainColour(shape->BrushColor);
      const QColor pen = PlainColour(shape->PenColor);
      Same(who, "brush", Colour(brush.isValid() ? brush : QColor(Qt::white)),
           Colour(view->Brush()));
      Same(who, "pen", Colour(pen.isValid() ? pen : QColor(Qt::black)), Colour(view->Pen()));
    }
  }

  void Wrong(const std::string& who, const char* kind) {
    out_.push_back(who + " is shown by a widget that is not " + std::string(kind));
  }

  void Range(const std::string& who, const vcl::TRangedControl& model, int min, int max,
             int value) {
    Same(who, "min", std::to_string(model.Min()), std::to_string(min));
    Same(who, "max", std::to_string(model.Max()), std::to_string(max));
    Same(who, "position", std::to_string(model.Position()), std::to_string(value));
  }

  // A choice control's items as buttons: their captions and the checked one.
  void Items(const std::string& who, const QStringList& items, int index,
             const std::vector<QAbstractButton*>& buttons) {
    QStringList shown;
    int checked = -1;
    for (size_t i = 0; i < buttons.size(); ++i) {
      shown << buttons[i]->text();
      if (buttons[i]->isChecked()) checked = checked == -1 ? static_cast<int>(i) : -2;
    }
    Same(who, "items", ListText(items), ListText(shown));
    const int expected = index >= 0 && index < items.size() ? index : -1;
    Same(who, "item index", std::to_string(expected),
         checked == -2 ? std::string("several") : std::to_string(checked));
  }

  void Tab(const std::string& who, const vcl::TControl& control, const Peer& peer) {
    QWidget* target = peer.TabTarget();
    const bool radios = dynamic_cast<const vcl::TRadioGroup*>(&control) != nullptr;
    const bool pushes = dynamic_cast<const vcl::TButtonGroup*>(&control) != nullptr;
    if (radios || pushes) {
      // A group is reached through its checked button (the first when none
      // is): the original platform's radio buttons are tab stops of their own,
      // whatever the group's flag; a button group follows its flag.
      const std::vector<QAbstractButton*> buttons = peer.ItemButtons();
      const int index = radios ? static_cast<const vcl::TRadioGroup&>(control).ItemIndex()
                               : static_cast<const vcl::TButtonGroup&>(control).ItemIndex();
      int expected = -1;
      if ((radios || control.TabStop) && !buttons.empty())
        expected = index >= 0 && index < static_cast<int>(buttons.size()) ? index : 0;
      int got = target ? -2 : -1;
      for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i] == target) got = static_cast<int>(i);
      auto name = [](int i) {
        return i == -1   ? std::string("none")
               : i == -2 ? "another widget"
                         : "item " + std::to_string(i);
      };
      Same(who, "tab target", name(expected), name(got));
      if (expected >= 0 && got == expected) {
        QAbstractButton* button = buttons[static_cast<size_t>(expected)];
        if (!(button->focusPolicy() & Qt::TabFocus))
          out_.push_back(who + " tab target: item " + std::to_string(expected) +
                         " takes no focus by Tab");
        if (windowShown_ && ShownInWindow(control) && !button->isVisible())
          out_.push_back(who + " tab target: item " + std::to_string(expected) + " is not shown");
        if (EnabledInWindow(control) && !button->isEnabled())
          out_.push_back(who + " tab target: item " + std::to_string(expected) + " is not enabled");
      }
      return;
    }
    Same(who, "tab stop", YesNo(control.TabStop),
         YesNo(target && (target->focusPolicy() & Qt::TabFocus)));
  }

  QtRenderer& renderer_;
  std::vector<std::string>& out_;
  vcl::TForm* form_ = nullptr;
  bool windowShown_ = false;
};

}  // namespace

std::vector<std::string> CompareWithDesktop(QtRenderer& renderer,
                                            const std::vector<vcl::TForm*>& forms) {
  std::vector<std::string> out;
  Comparer comparer(renderer, out);
  for (vcl::TForm* form : forms) comparer.Form(*form);
  return out;
}

DesktopScenarioView::DesktopScenarioView(int every, int runs)
    : every_(std::max(1, every)), runs_(std::max(1, runs)) {}

DesktopScenarioView::~DesktopScenarioView() = default;

void DesktopScenarioView::Attach(trellis::testing::Harness& harness) {
  // Rendering the windows is most of a run's time.
  if (attached_++ % runs_ != 0) return;
  harness_ = &harness;
  // The theme the program applied while its windows were made, before the
  // desktop could follow.
  if (!harness.platform.appliedThemes.empty())
    ApplyDesktopTheme(harness.platform.appliedThemes.back());
  renderer_ = std::make_unique<QtRenderer>();
  renderer_->Build(harness.program->Windows());
  harness.platform.onWindow = [this](vcl::TForm& form, bool shown) {
    if (shown)
      renderer_->Show(form);
    else
      renderer_->Hide(form);
  };
  harness.platform.onTheme = [](const std::string& name) { ApplyDesktopTheme(name); };
}

std::vector<std::string> DesktopScenarioView::Check() {
  if (!renderer_ || ++actions_ % every_ != 0) return {};
  // What the event loop does once the program's handler has returned: queued
  // rebuilds and deletions.
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return CompareWithDesktop(*renderer_, harness_->program->Windows());
}

void DesktopScenarioView::Detach() {
  if (harness_) {
    harness_->platform.onWindow = nullptr;
    harness_->platform.onTheme = nullptr;
  }
  renderer_.reset();
  harness_ = nullptr;
  // The next run starts as a fresh process does.
  if (CurrentDesktopTheme() != "Windows") ApplyDesktopTheme("Windows");
}

}  // namespace trellis::desktop::testing
