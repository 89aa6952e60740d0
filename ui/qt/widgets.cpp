#include "ui/qt/widgets.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QSvgRenderer>
#include <QTabBar>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace trellis::desktop {

QString ShownCaption(const std::string& caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] != '&') {
      out += caption[i];
    } else if (i + 1 < caption.size() && caption[i + 1] == '&') {
      out += '&';
      ++i;
    }
  }
  return QString::fromStdString(out);
}

QString ShortHint(const std::string& hint) {
  return QString::fromStdString(hint.substr(0, hint.find('|')));
}

QString LongHint(const std::string& hint) {
  const size_t bar = hint.find('|');
  return QString::fromStdString(bar == std::string::npos ? hint : hint.substr(bar + 1));
}

namespace {

const QString kCondensed = QStringLiteral("DejaVu Sans Condensed");

bool HaveCondensed() {
  static const bool have = QFontDatabase::families().contains(kCondensed);
  return have;
}

}  // namespace

QFont FittingFont(const QFont& font, const QString& text, int width) {
  if (QFontMetrics(font).horizontalAdvance(text) <= width || !HaveCondensed()) return font;
  QFont condensed = font;
  condensed.setFamily(kCondensed);
  if (QFontMetrics(condensed).horizontalAdvance(text) <= width || font.pixelSize() <= 1)
    return condensed;
  condensed.setPixelSize(font.pixelSize() - 1);
  return condensed;
}

namespace {

double RelativeLuminance(const QColor& colour) {
  auto channel = [](double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
         0.0722 * channel(rgb.blueF());
}

// From 1 (the same colour) to 21 (black on white), as the accessibility
// guidelines reckon it.
double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = RelativeLuminance(a), lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// ---- GroupFrame ----

void GroupFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QFontMetrics fm = fontMetrics();
  const QRect frame = rect().adjusted(0, fm.height() / 2, -1, -1);
  // An etched line: dark, with a light one just inside it.
  p.setPen(palette().color(QPalette::Mid));
  p.drawRect(frame.adjusted(0, 0, -1, -1));
  p.setPen(palette().color(QPalette::Light));
  p.drawRect(frame.adjusted(1, 1, 0, 0));
  if (title().isEmpty()) return;
  const QRect text(8, 0, fm.horizontalAdvance(ShownCaption(title().toStdString())), fm.height());
  p.fillRect(text, palette().window());
  style()->drawItemText(&p, text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                        palette(), isEnabled(), title(), QPalette::WindowText);
}

// ---- TabStrip ----

namespace {
constexpr int kTabPadding = 4;

// The keys that pick the next (step +1) and the previous (-1) tab round the
// ends. X11 reports Shift+Tab as Backtab, with or without the Shift.
const QList<QKeySequence>& RoundKeys(int step) {
  static const QList<QKeySequence> next = {QKeySequence(Qt::CTRL | Qt::Key_Tab),
                                           QKeySequence(Qt::CTRL | Qt::Key_PageDown)};
  static const QList<QKeySequence> previous = {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab),
                                               QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                                               QKeySequence(Qt::CTRL | Qt::Key_Backtab),
                                               QKeySequence(Qt::CTRL | Qt::Key_PageUp)};
  return step > 0 ? next : previous;
}

// +1 or -1 for a key of RoundKeys, 0 for any other.
int CtrlTabStep(const QKeyEvent& key) {
  const QKeySequence pressed(
      QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, static_cast<Qt::Key>(key.key())));
  for (int step : {1, -1})
    if (RoundKeys(step).contains(pressed)) return step;
  return 0;
}
}  // namespace

TabStrip::TabStrip(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::TabFocus);
  setAttribute(Qt::WA_Hover);
}

void TabStrip::SetTabs(const QStringList& tabs) {
  tabs_ = tabs;
  Arrange();
}

void TabStrip::SetCurrent(int index) {
  if (current_ == index) return;
  current_ = index;
  Arrange();
}

void TabStrip::SetMultiLine(bool multiLine) {
  multiLine_ = multiLine;
  Arrange();
}

void TabStrip::PickNeighbour(int step, bool wrap) {
  const int count = static_cast<int>(tabs_.size());
  if (count == 0 || !onPick) return;
  int next = current_ < 0 ? (step > 0 ? step - 1 : count + step) : current_ + step;
  if (wrap)
    next = ((next % count) + count) % count;
  else if (next < 0 || next >= count)
    return;
  onPick(next);
}

QRect TabStrip::TabRect(int index) const {
  if (index < 0 || index >= static_cast<int>(rects_.size())) return {};
  return rects_[static_cast<size_t>(index)];
}

int TabStrip::RowHeight() const { return QFontMetrics(tabFont_).height() + 8; }

void TabStrip::Arrange() {
  // The layouts leave room for the rows their own face needed; a face too wide
  // for that gives way to the condensed one, a pixel smaller at need.
  const QFont base = font();
  std::vector<QFont> candidates{base};
  if (HaveCondensed())
    for (int shrink = 0; shrink <= 2; ++shrink) {
      QFont f = base;
      f.setFamily(kCondensed);
      if (base.pixelSize() > 0) f.setPixelSize(std::max(1, base.pixelSize() - shrink));
      candidates.push_back(f);
    }
  for (const QFont& f : candidates)
    if (ArrangeIn(f)) return;
  ArrangeIn(candidates.back());
}

bool TabStrip::ArrangeIn(const QFont& font) {
  tabFont_ = font;
  const QFontMetrics metrics(font);
  const int count = static_cast<int>(tabs_.size());
  rects_.assign(static_cast<size_t>(count), QRect());
  rowOf_.assign(static_cast<size_t>(count), 0);
  std::vector<std::vector<int>> rows(1);
  std::vector<int> widths;
  const int available = std::max(1, width() - 4);
  int x = 0;
  for (int i = 0; i < count; ++i) {
    const int w = metrics.horizontalAdvance(ShownCaption(tabs_[i].toStdString())) + 2 * kTabPadding;
    widths.push_back(w);
    if (multiLine_ && x > 0 && x + w > available) {
      rows.emplace_back();
      x = 0;
    }
    rows.back().push_back(i);
    x += w;
  }
  rows_ = count == 0 ? 0 : static_cast<int>(rows.size());
  int currentRow = rows_ - 1;
  for (int r = 0; r < rows_; ++r)
    for (int i : rows[static_cast<size_t>(r)])
      if (i == current_) currentRow = r;

  const int h = RowHeight();
  for (int r = 0; r < rows_; ++r) {
    const auto& row = rows[static_cast<size_t>(r)];
    int used = 0;
    for (int i : row) used += widths[static_cast<size_t>(i)];
    // Wrapped rows fill the width; a single row keeps its natural widths.
    const int extra = rows_ > 1 ? std::max(0, available - used) : 0;
    const int n = static_cast<int>(row.size());
    // The current tab's row lies next to the body, the others above it in turn.
    const int visual = (r - currentRow + rows_ - 1) % rows_;
    int left = 2;
    for (int k = 0; k < n; ++k) {
      const int i = row[static_cast<size_t>(k)];
      const int w = widths[static_cast<size_t>(i)] + extra / n + (k < extra % n ? 1 : 0);
      rects_[static_cast<size_t>(i)] = QRect(left, 2 + visual * h, w, h);
      rowOf_[static_cast<size_t>(i)] = visual;
      left += w;
    }
  }
  update();
  // The body keeps at least a few pixels below the rows.
  return !multiLine_ || 2 + rows_ * h + 3 <= height();
}

void TabStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int bodyTop = 2 + rows_ * RowHeight();
  QStyleOptionTabWidgetFrame frame;
  frame.initFrom(this);
  frame.rect = QRect(0, bodyTop - 1, width(), std::max(2, height() - bodyTop + 1));
  frame.shape = QTabBar::RoundedNorth;
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, &p, this);

  auto drawTab = [&](int i) {
    QStyleOptionTab opt;
    opt.initFrom(this);
    opt.state &= ~QStyle::State_HasFocus;
    opt.rect = rects_[static_cast<size_t>(i)];
    opt.text = tabs_[i];
    opt.shape = QTabBar::RoundedNorth;
    opt.row = rowOf_[static_cast<size_t>(i)];
    const bool first = i == 0 || rowOf_[static_cast<size_t>(i - 1)] != opt.row;
    const bool last = i + 1 == tabs_.size() || rowOf_[static_cast<size_t>(i + 1)] != opt.row;
    opt.position = first && last ? QStyleOptionTab::OnlyOneTab
                   : first       ? QStyleOptionTab::Beginning
                   : last        ? QStyleOptionTab::End
                                 : QStyleOptionTab::Middle;
    if (i == current_) {
      opt.state |= QStyle::State_Selected;
      if (hasFocus()) opt.state |= QStyle::State_HasFocus;
    }
    if (!opt.rect.contains(mapFromGlobal(QCursor::pos()))) opt.state &= ~QStyle::State_MouseOver;
    style()->drawControl(QStyle::CE_TabBarTabShape, &opt, &p, this);
    // The style's own label keeps wide margins and elides; ours fits the tab.
    p.setFont(tabFont_);
    style()->drawItemText(&p, opt.rect, Qt::AlignCenter | Qt::TextShowMnemonic, palette(),
                          isEnabled(), tabs_[i], QPalette::WindowText);
    if (opt.state & QStyle::State_HasFocus) {
      // The style's own mark is a faint dotted line in some themes; ours is a
      // solid frame between the bevel and the caption that stands out from the tab.
      constexpr int side = kTabPadding / 2;
      constexpr int line = 2;
      const QRect mark = opt.rect.adjusted(side, 3, -side, -2);
      const QColor colour = FocusMarkColour(TabFill(opt));
      p.fillRect(mark.left(), mark.top(), mark.width(), line, colour);
      p.fillRect(mark.left(), mark.bottom() - line + 1, mark.width(), line, colour);
      p.fillRect(mark.left(), mark.top(), line, mark.height(), colour);
      p.fillRect(mark.right() - line + 1, mark.top(), line, mark.height(), colour);
    }
  };
  for (int i = 0; i < static_cast<int>(tabs_.size()); ++i)
    if (i != current_) drawTab(i);
  if (current_ >= 0 && current_ < static_cast<int>(tabs_.size())) drawTab(current_);
}

QColor TabStrip::TabFill(const QStyleOptionTab& tab) const {
  // The style may shade or theme the tab: the colour is read from the tab drawn alone.
  const qreal ratio = devicePixelRatioF();
  QImage image(tab.rect.size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(palette().color(QPalette::Window));
  QStyleOptionTab alone = tab;
  alone.rect = QRect(QPoint(0, 0), tab.rect.size());
  QPainter p(&image);
  style()->drawControl(QStyle::CE_TabBarTabShape, &alone, &p, this);
  p.end();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

QColor TabStrip::FocusMarkColour(const QColor& fill) const {
  const QColor candidates[] = {palette().color(QPalette::Highlight),
                               palette().color(QPalette::WindowText)};
  for (const QColor& c : candidates)
    if (ContrastRatio(c, fill) >= 3.0) return c;
  const QColor black(Qt::black), white(Qt::white);
  return ContrastRatio(black, fill) >= ContrastRatio(white, fill) ? black : white;
}

void TabStrip::AnswerRoundKeysInWindow() {
  // Window shortcuts, which the toolkit rests while the strip is hidden or disabled.
  for (int step : {1, -1}) {
    auto* shortcut = new QShortcut(this);
    shortcut->setKeys(RoundKeys(step));
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, [this, step] { PickNeighbour(step, true); });
    // X11 offers one press of Ctrl+Shift+Tab as several of these keys at once,
    // which the toolkit reports as ambiguous: every one of them is ours.
    connect(shortcut, &QShortcut::activatedAmbiguously, this,
            [this, step] { PickNeighbour(step, true); });
  }
}

bool TabStrip::event(QEvent* event) {
  // With the focus, Ctrl+Tab moves this strip rather than the window's own.
  if (event->type() == QEvent::ShortcutOverride && CtrlTabStep(*static_cast<QKeyEvent*>(event))) {
    event->accept();
    return true;
  }
  return QWidget::event(event);
}

void TabStrip::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  if (const int step = CtrlTabStep(*event)) {
    PickNeighbour(step, true);
  } else if (mods == Qt::NoModifier &&
             (event->key() == Qt::Key_Left || event->key() == Qt::Key_Up)) {
    PickNeighbour(-1, false);
  } else if (mods == Qt::NoModifier &&
             (event->key() == Qt::Key_Right || event->key() == Qt::Key_Down)) {
    PickNeighbour(1, false);
  } else {
    QWidget::keyPressEvent(event);
    return;
  }
  // The style marks the focus once the keyboard is in use, as after a Tab.
  window()->setAttribute(Qt::WA_KeyboardFocusChange);
  update();
  event->accept();
}

void TabStrip::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  for (size_t i = 0; i < rects_.size(); ++i)
    if (rects_[i].contains(event->position().toPoint())) {
      if (onPick) onPick(static_cast<int>(i));
      return;
    }
}

void TabStrip::resizeEvent(QResizeEvent*) { Arrange(); }

void TabStrip::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) Arrange();
  QWidget::changeEvent(event);
}

// ---- ImageView ----

ImageView::ImageView(QWidget* parent) : QWidget(parent) {}
ImageView::~ImageView() = default;

void ImageView::SetPicture(const QString& name) {
  svg_.reset();
  image_ = QImage();
  if (!name.isEmpty()) {
    const QString base = QStringLiteral(":/resources/pictures/") + name;
    if (QFile::exists(base + QStringLiteral(".svg"))) {
      svg_ = std::make_unique<QSvgRenderer>(base + QStringLiteral(".svg"));
      if (!svg_->isValid()) svg_.reset();
    } else if (QFile::exists(base + QStringLiteral(".png"))) {
      image_.load(base + QStringLiteral(".png"));
    }
  }
  update();
}

bool ImageView::HasPicture() const { return svg_ || !image_.isNull(); }

void ImageView::SetPlacement(bool stretch, bool proportional, bool center) {
  stretch_ = stretch;
  proportional_ = proportional;
  center_ = center;
  update();
}

QRectF ImageView::Target(QSizeF natural) const {
  const QRectF area = rect();
  if (natural.isEmpty() || (stretch_ && !proportional_)) return area;
  QSizeF size = natural;
  // Proportional shrinks a picture too big for the box, and with Stretch also grows it.
  if (proportional_ && (stretch_ || size.width() > area.width() || size.height() > area.height()))
    size = natural.scaled(area.size(), Qt::KeepAspectRatio);
  const QPointF at =
      center_ ? QPointF((area.width() - size.width()) / 2, (area.height() - size.height()) / 2)
              : QPointF(0, 0);
  return QRectF(at, size);
}

void ImageView::paintEvent(QPaintEvent*) {
  if (!HasPicture()) return;
  QPainter p(this);
  p.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
  if (svg_)
    svg_->render(&p, Target(svg_->defaultSize()));
  else
    p.drawImage(Target(image_.size()), image_);
}

// ---- ShapeView ----

void ShapeView::SetShape(Kind kind, QColor brush, QColor pen) {
  kind_ = kind;
  brush_ = brush;
  pen_ = pen;
  update();
}

void ShapeView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(pen_, 1));
  p.setBrush(brush_);
  QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
  if (kind_ == Kind::Square || kind_ == Kind::Circle) {
    const qreal side = std::min(r.width(), r.height());
    r = QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side);
  }
  switch (kind_) {
    case Kind::Rectangle:
    case Kind::Square:
      p.drawRect(r);
      break;
    case Kind::RoundRect:
      p.drawRoundedRect(r, std::min(r.width(), r.height()) / 4,
                        std::min(r.width(), r.height()) / 4);
      break;
    case Kind::Ellipse:
    case Kind::Circle:
      p.drawEllipse(r);
      break;
  }
}

// ---- PanelFrame ----

PanelFrame::PanelFrame(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
}

void PanelFrame::SetCaption(const QString& caption) {
  caption_ = caption;
  update();
}

void PanelFrame::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (caption_.isEmpty()) return;
  QPainter p(this);
  p.setPen(palette().color(QPalette::WindowText));
  p.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

// ---- StatusStrip ----

StatusStrip::StatusStrip(QWidget* parent) : QWidget(parent) {}

void StatusStrip::SetPanels(const std::vector<Panel>& panels, bool simple) {
  const size_t wanted = simple ? 1 : std::max<size_t>(1, panels.size());
  while (labels_.size() > wanted) {
    delete labels_.back();
    labels_.pop_back();
  }
  while (labels_.size() < wanted) {
    auto* label = new QLabel(this);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setIndent(2);
    label->setTextFormat(Qt::PlainText);
    label->show();
    labels_.push_back(label);
  }
  widths_.clear();
  for (size_t i = 0; i < wanted; ++i) {
    const bool have = i < panels.size();
    labels_[i]->setText(have ? panels[i].text : QString());
    labels_[i]->setAlignment((have ? panels[i].alignment : Qt::AlignLeft) | Qt::AlignVCenter);
    widths_.push_back(have && !simple ? panels[i].width : width());
  }
  Arrange();
}

void StatusStrip::ShowInFirst(const QString& text) {
  if (!labels_.empty()) labels_.front()->setText(text);
}

QString StatusStrip::PanelText(int index) const {
  if (index < 0 || index >= PanelCount()) return {};
  return labels_[static_cast<size_t>(index)]->text();
}

Qt::Alignment StatusStrip::PanelAlignment(int index) const {
  if (index < 0 || index >= PanelCount()) return {};
  return labels_[static_cast<size_t>(index)]->alignment() & Qt::AlignHorizontal_Mask;
}

void StatusStrip::resizeEvent(QResizeEvent*) { Arrange(); }

void StatusStrip::Arrange() {
  int x = 0;
  for (size_t i = 0; i < labels_.size(); ++i) {
    const bool last = i + 1 == labels_.size();
    const int w = last ? std::max(0, width() - x) : widths_[i];
    labels_[i]->setGeometry(x, 2, std::max(0, w - 2), std::max(0, height() - 2));
    x += w;
  }
}

// ---- UpDownButtons ----

UpDownButtons::UpDownButtons(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
  for (QToolButton* b : {up_, down_}) {
    b->setFocusPolicy(Qt::NoFocus);
    b->setIconSize(QSize(7, 7));
  }
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  connect(up_, &QToolButton::clicked, this, [this] {
    if (onStep) onStep(true);
  });
  connect(down_, &QToolButton::clicked, this, [this] {
    if (onStep) onStep(false);
  });
}

void UpDownButtons::resizeEvent(QResizeEvent*) {
  const int half = height() / 2;
  up_->setGeometry(0, 0, width(), half);
  down_->setGeometry(0, half, width(), height() - half);
}

}  // namespace trellis::desktop
