// Widgets for the control kinds Qt has no close match for.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class QLabel;
class QStyleOptionTab;
class QSvgRenderer;
class QToolButton;

namespace trellis::desktop {

// A tab strip that wraps its tabs onto as many rows as they need, each row
// stretched to the full width, the current tab's row next to the body. With
// the focus it marks its current tab; the arrow keys pick the neighbouring
// tab and Ctrl+Tab, Ctrl+Shift+Tab (or Ctrl+Page Down, Ctrl+Page Up) the next
// and previous round the ends.
class TabStrip : public QWidget {
 public:
  explicit TabStrip(QWidget* parent);
  void SetTabs(const QStringList& tabs);
  void SetCurrent(int index);
  void SetMultiLine(bool multiLine);
  int RowCount() const { return rows_; }
  const QStringList& Tabs() const { return tabs_; }
  int Current() const { return current_; }
  // The tab's rectangle as laid out now (empty when it is not shown).
  QRect TabRect(int index) const;
  // Picks the tab `step` places from the current one; past an end it goes
  // round when `wrap`, else nothing.
  void PickNeighbour(int step, bool wrap);
  // The Ctrl keys pick round the ends from anywhere in the window, unless a
  // strip with the focus takes them.
  void AnswerRoundKeysInWindow();
  // A press on a tab or a key; the model decides whether it becomes current.
  std::function<void(int)> onPick;

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The colour the style fills the tab with, and the mark of the focus on it.
  QColor TabFill(const QStyleOptionTab& tab) const;
  QColor FocusMarkColour(const QColor& fill) const;
  // Lays the tabs out in the font; false when the rows overflow the height.
  bool ArrangeIn(const QFont& font);
  void Arrange();
  int RowHeight() const;
  QStringList tabs_;
  QFont tabFont_;
  int current_ = -1;
  bool multiLine_ = false;
  int rows_ = 0;
  std::vector<QRect> rects_;
  std::vector<int> rowOf_;
};

// A group box as the toolkit draws it: the frame's top line runs through the
// middle of the caption.
class GroupFrame : public QGroupBox {
 public:
  explicit GroupFrame(QWidget* parent) : QGroupBox(parent) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A picture resource drawn as the toolkit's image control draws it.
class ImageView : public QWidget {
 public:
  explicit ImageView(QWidget* parent);
  ~ImageView() override;
  // Loads ":/resources/pictures/<name>.svg" or ".png"; nothing for a missing one.
  void SetPicture(const QString& name);
  void SetPlacement(bool stretch, bool proportional, bool center);
  bool HasPicture() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF Target(QSizeF natural) const;
  std::unique_ptr<QSvgRenderer> svg_;
  QImage image_;
  bool stretch_ = false, proportional_ = false, center_ = false;
};

// A filled and outlined shape.
class ShapeView : public QWidget {
 public:
  enum class Kind { Rectangle, Square, RoundRect, Ellipse, Circle };
  explicit ShapeView(QWidget* parent) : QWidget(parent) {}
  void SetShape(Kind kind, QColor brush, QColor pen);
  QColor Brush() const { return brush_; }
  QColor Pen() const { return pen_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Kind kind_ = Kind::Rectangle;
  QColor brush_ = Qt::white, pen_ = Qt::black;
};

// A raised panel with an optional caption centred on it.
class PanelFrame : public QFrame {
 public:
  explicit PanelFrame(QWidget* parent);
  void SetCaption(const QString& caption);
  const QString& Caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

// Sunken panels side by side; the last one takes what is left of the width.
class StatusStrip : public QWidget {
 public:
  struct Panel {
    QString text;
    int width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
  };
  explicit StatusStrip(QWidget* parent);
  void SetPanels(const std::vector<Panel>& panels, bool simple);
  // Text shown in the first panel until the panels are set again.
  void ShowInFirst(const QString& text);
  QString PanelText(int index) const;
  Qt::Alignment PanelAlignment(int index) const;
  int PanelCount() const { return static_cast<int>(labels_.size()); }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Arrange();
  std::vector<QLabel*> labels_;
  std::vector<int> widths_;
};

// Two arrow buttons stacked, as the up-down control shows them.
class UpDownButtons : public QWidget {
 public:
  explicit UpDownButtons(QWidget* parent);
  QToolButton* Up() const { return up_; }
  QToolButton* Down() const { return down_; }
  std::function<void(bool up)> onStep;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  QToolButton* up_;
  QToolButton* down_;
};

// The font itself when the text fits the width, else the condensed face, a
// pixel smaller at need: the layouts were measured in a narrower face than ours.
QFont FittingFont(const QFont& font, const QString& text, int width);

// The caption as the toolkit shows it: "&&" is an ampersand, a single "&"
// marks the next letter and is not drawn.
QString ShownCaption(const std::string& caption);
// The short part of a hint "short|long" (the tooltip) and the long part (the status bar).
QString ShortHint(const std::string& hint);
QString LongHint(const std::string& hint);

}  // namespace trellis::desktop
