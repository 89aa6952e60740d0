#include "ui/qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>
#include <map>

#include "ui/qt/widgets.h"
#include "vcl/controls.h"

namespace trellis::desktop {

bool IsNamedBox(const vcl::TControl& control) {
  return dynamic_cast<const vcl::TEdit*>(&control) || dynamic_cast<const vcl::TComboBox*>(&control);
}

namespace {

bool IsLabel(const vcl::TControl& control) {
  return dynamic_cast<const vcl::TLabel*>(&control) != nullptr;
}

int Right(const vcl::TControl& c) { return c.Left() + c.Width(); }
int Bottom(const vcl::TControl& c) { return c.Top() + c.Height(); }

bool SameRow(const vcl::TControl& a, const vcl::TControl& b) {
  return a.Top() < Bottom(b) && b.Top() < Bottom(a);
}

bool Across(const vcl::TControl& a, const vcl::TControl& b) {
  return a.Left() < Right(b) && b.Left() < Right(a);
}

QString LabelText(const vcl::TControl& label) { return ShownCaption(label.Caption()).simplified(); }

}  // namespace

const vcl::TControl* NamingLabel(const vcl::TControl& box) {
  const vcl::TControl* parent = box.Parent();
  if (!parent) return nullptr;
  // A hidden box is named among all its neighbours: the ones shown with it
  // are not known.
  auto counts = [&](const vcl::TControl& c) {
    return &c != &box && (!box.Visible() || c.Visible());
  };
  // The nearest of the kind to the box's left on its row.
  auto leftOnRow = [&](bool labels) {
    const vcl::TControl* found = nullptr;
    for (const vcl::TControl* c : parent->Children())
      if (counts(*c) && (labels ? IsLabel(*c) : IsNamedBox(*c)) && c->Left() < box.Left() &&
          SameRow(*c, box) && (!found || c->Left() > found->Left()))
        found = c;
    return found;
  };
  if (const vcl::TControl* label = leftOnRow(true)) return label;
  const vcl::TControl* above = nullptr;
  for (const vcl::TControl* c : parent->Children())
    if (counts(*c) && IsLabel(*c) && Bottom(*c) <= box.Top() + 2 && Across(*c, box) &&
        (!above || Bottom(*c) > Bottom(*above)))
      above = c;
  if (above) return above;
  const vcl::TControl* value = leftOnRow(false);
  return value ? NamingLabel(*value) : nullptr;
}

QString BoxName(const vcl::TControl& box) {
  if (const vcl::TControl* label = NamingLabel(box)) return LabelText(*label);
  const vcl::TControl* parent = box.Parent();
  if (parent && dynamic_cast<const vcl::TGroupBox*>(parent))
    return ShownCaption(parent->Caption()).simplified();
  return {};
}

namespace {

class TabStripAccessible;

// One tab of a strip: no widget of its own, its strip answers for it.
class TabAccessible : public QAccessibleInterface {
 public:
  TabAccessible(TabStrip* strip, int index) : strip_(strip), index_(index) {}
  bool isValid() const override { return strip_ && index_ < strip_->Tabs().size(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(strip_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* focusChild() const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid() || t != QAccessible::Name) return {};
    return ShownCaption(strip_->Tabs()[index_].toStdString());
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    const QRect tab = strip_->TabRect(index_);
    return tab.isEmpty() ? QRect() : QRect(strip_->mapToGlobal(tab.topLeft()), tab.size());
  }
  QAccessible::Role role() const override { return QAccessible::PageTab; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) return s;
    const bool current = strip_->Current() == index_;
    s.selectable = true;
    s.focusable = true;
    s.selected = current;
    s.focused = current && strip_->hasFocus();
    s.invisible = strip_->TabRect(index_).isEmpty() || !strip_->isVisible();
    s.disabled = !strip_->isEnabled();
    return s;
  }

 private:
  QPointer<TabStrip> strip_;
  int index_;
};

// A tab strip as a list of page tabs, the current one selected.
class TabStripAccessible : public QAccessibleWidget {
 public:
  explicit TabStripAccessible(TabStrip* strip)
      : QAccessibleWidget(strip, QAccessible::PageTabList) {}
  ~TabStripAccessible() override {
    for (const auto& [index, id] : tabs_) QAccessible::deleteAccessibleInterface(id);
  }
  int childCount() const override { return static_cast<int>(Strip()->Tabs().size()); }
  QAccessibleInterface* child(int index) const override {
    if (index < 0 || index >= childCount()) return nullptr;
    auto it = tabs_.find(index);
    if (it == tabs_.end()) {
      QAccessibleInterface* tab = new TabAccessible(Strip(), index);
      it = tabs_.emplace(index, QAccessible::registerAccessibleInterface(tab)).first;
    }
    return QAccessible::accessibleInterface(it->second);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    for (const auto& [index, id] : tabs_)
      if (QAccessible::accessibleInterface(id) == child) return index;
    return -1;
  }
  QAccessibleInterface* childAt(int x, int y) const override {
    const QPoint at = Strip()->mapFromGlobal(QPoint(x, y));
    for (int i = 0; i < childCount(); ++i)
      if (Strip()->TabRect(i).contains(at)) return child(i);
    return nullptr;
  }
  QAccessibleInterface* focusChild() const override {
    return Strip()->hasFocus() ? child(Strip()->Current()) : nullptr;
  }

 private:
  TabStrip* Strip() const { return static_cast<TabStrip*>(widget()); }
  mutable std::map<int, QAccessible::Id> tabs_;
};

QWindow* TabAccessible::window() const {
  return strip_ && strip_->window() ? strip_->window()->windowHandle() : nullptr;
}

constexpr char kBoxProperty[] = "trellisBox";

// A box's line edit: its text as the toolkit's own reports it, and editable
// only when the user may type into it.
class BoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit BoxAccessible(QLineEdit* line) : QAccessibleWidget(line, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType t) override {
    if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Value) return Line()->text();
    return QAccessibleWidget::text(t);
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = Line()->isReadOnly();
    s.editable = !Line()->isReadOnly();
    s.selectableText = true;
    return s;
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Line()->hasSelectedText()) return;
    *start = Line()->selectionStart();
    *end = *start + Line()->selectionLength();
  }
  int selectionCount() const override { return Line()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) Line()->deselect();
  }
  void setSelection(int, int start, int end) override { Line()->setSelection(start, end - start); }
  int cursorPosition() const override { return Line()->cursorPosition(); }
  void setCursorPosition(int position) override { Line()->setCursorPosition(position); }
  QString text(int start, int end) const override { return Line()->text().mid(start, end - start); }
  int characterCount() const override { return static_cast<int>(Line()->text().size()); }
  QRect characterRect(int offset) const override {
    const QString text = Line()->text();
    if (offset < 0 || offset >= text.size()) return {};
    const QFontMetrics metrics = Line()->fontMetrics();
    const QRect inside = Line()->contentsRect();
    const int x = inside.left() + 2 + metrics.horizontalAdvance(text.left(offset));
    const QRect local(x, inside.top(), metrics.horizontalAdvance(text[offset]), inside.height());
    return QRect(Line()->mapToGlobal(local.topLeft()), local.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Line()->cursorPositionAt(Line()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int end) override {
    Line()->setCursorPosition(end);
    Line()->setCursorPosition(start);
  }
  QString attributes(int, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

 private:
  QLineEdit* Line() const { return static_cast<QLineEdit*>(widget()); }
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
  if (auto* strip = dynamic_cast<TabStrip*>(object)) return new TabStripAccessible(strip);
  if (auto* line = qobject_cast<QLineEdit*>(object); line && line->property(kBoxProperty).toBool())
    return new BoxAccessible(line);
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(Factory);
}

void MarkBox(QLineEdit* line) { line->setProperty(kBoxProperty, true); }

}  // namespace trellis::desktop
