// The component model: controls with the toolkit's event rules. Renderers
// (the desktop peers) observe a control through its ControlPeer and never
// decide when an event fires; the setters here do.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "vcl/sysutils.h"

namespace vcl {

class TObject {
 public:
  virtual ~TObject() = default;
};

class TComponent;
class TControl;
class TForm;
class TApplication;
class TStrings;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TShiftState = unsigned;
using TKeyEvent = std::function<void(TObject* sender, uint16_t& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TCloseQueryEvent = std::function<void(TObject* sender, bool& canClose)>;
using TChangingEvent = std::function<void(TObject* sender, bool& allowChange)>;
enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(TObject* sender, TUDBtnType button)>;

constexpr uint16_t VK_RETURN = 13;
constexpr uint16_t VK_TAB = 9;
constexpr uint16_t VK_ESCAPE = 27;

// What changed on a control, so a renderer refreshes only that.
enum class Prop {
  Text,
  Caption,
  Items,
  ItemIndex,
  Checked,
  Geometry,
  Visible,
  Enabled,
  Hint,
  Font,
  ReadOnly,
  MaxLength,
  Position,
  Range,
  Picture,
  Panels,
  Color,
  Other
};

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  virtual void Changed(Prop what) = 0;
};

enum FontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

struct TFont {
  TColor Color = clWindowText;
  unsigned Style = 0;
  int Size = 0;  // 0: the program's fixed font size
  std::string Name;
  bool operator==(const TFont&) const = default;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TCursor { crDefault, crHandPoint };

// A list of texts whose owner hears every change (radio group items, memo lines).
class TStrings {
 public:
  explicit TStrings(std::function<void()> onChange = {}) : onChange_(std::move(onChange)) {}
  void Clear();
  void Add(const std::string& s);
  void Assign(const std::vector<std::string>& items);
  void Delete(int index);
  void SetString(int index, const std::string& s);
  int Count() const { return static_cast<int>(items_.size()); }
  const std::string& operator[](int index) const;
  const std::vector<std::string>& Items() const { return items_; }
  int IndexOf(const std::string& s) const;
  // Lines joined with "\n".
  std::string Text() const;
  void SetText(const std::string& text);

 private:
  friend class TRadioGroup;
  friend class TComboBox;
  void Changed() {
    if (onChange_) onChange_();
  }
  std::vector<std::string> items_;
  std::function<void()> onChange_;
};

class TComponent : public TObject {
 public:
  explicit TComponent(std::string className) : className_(std::move(className)) {}
  const std::string& ClassName() const { return className_; }
  std::string Name;
  int Tag = 0;
  TForm* OwnerForm = nullptr;
  // "resource:line" of the layout object it was made from, for binding errors.
  std::string DeclaredAt;

 private:
  std::string className_;
};

class TControl : public TComponent {
 public:
  explicit TControl(std::string className) : TComponent(std::move(className)) {}
  ~TControl() override;

  TControl* Parent() const { return parent_; }
  const std::vector<TControl*>& Children() const { return children_; }
  void SetParent(TControl* parent);

  int Left() const { return left_; }
  int Top() const { return top_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetLeft(int v);
  void SetTop(int v);
  void SetWidth(int v);
  void SetHeight(int v);
  void SetBounds(int left, int top, int width, int height);

  bool Visible() const { return visible_; }
  virtual void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  // Visible here and in every parent.
  bool Showing() const;

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& v);
  bool ShowHint = true;

  // Caption (labels, buttons, group boxes, forms) and Text (edits) share one
  // slot, as in the toolkit.
  const std::string& Caption() const { return caption_; }
  virtual void SetCaption(const std::string& v);

  const TFont& Font() const { return font_; }
  void SetFontColor(TColor c);
  void SetFontStyle(unsigned style);
  void SetFont(const TFont& f);
  TColor Color() const { return color_; }
  void SetColor(TColor c);

  int TabOrder = 0;
  // Off for the kinds that take no focus of their own; the kinds that do
  // switch it on, and a layout may switch it off again.
  bool TabStop = false;
  // The mouse pointer over the control and its children that have none of their own.
  TCursor Cursor = TCursor::crDefault;

  TNotifyEvent OnClick;
  TNotifyEvent OnExit;
  TNotifyEvent OnEnter;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;

  // Programmatic click: runs OnClick (as the toolkit's Click method does).
  virtual void Click();

  void SetPeer(ControlPeer* peer) { peer_ = peer; }
  ControlPeer* Peer() const { return peer_; }

  // True while the owning form is being loaded from its layout.
  bool Loading() const;

 protected:
  void Notify(Prop what) {
    if (peer_) peer_->Changed(what);
  }
  std::string caption_;

 private:
  TControl* parent_ = nullptr;
  std::vector<TControl*> children_;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;
  std::string hint_;
  TFont font_;
  TColor color_ = clDefault;
  ControlPeer* peer_ = nullptr;
};

class TLabel : public TControl {
 public:
  TLabel() : TControl("TLabel") {}
  bool AutoSize = true;
  bool WordWrap = false;
  bool Transparent = true;
  TAlignment Alignment = TAlignment::taLeftJustify;
};

class TStaticText : public TControl {
 public:
  TStaticText() : TControl("TStaticText") {}
  TAlignment Alignment = TAlignment::taLeftJustify;
};

class TEdit : public TControl {
 public:
  TEdit() : TControl("TEdit") { TabStop = true; }
  const std::string& Text() const { return caption_; }
  // Runs OnChange when the text changes (from code or from the user).
  void SetText(const std::string& text);
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v);
  // The most characters (code points, not bytes) typing leaves; 0 for no limit.
  int MaxLength() const { return maxLength_; }
  void SetMaxLength(int v);
  TAlignment Alignment = TAlignment::taLeftJustify;
  TNotifyEvent OnChange;

 private:
  bool readOnly_ = false;
  int maxLength_ = 0;
};

class TGroupBox : public TControl {
 public:
  TGroupBox() : TControl("TGroupBox") {}
};

class TPanel : public TControl {
 public:
  TPanel() : TControl("TPanel") {}
  bool Bevel = true;
};

class TCheckBox : public TControl {
 public:
  TCheckBox() : TControl("TCheckBox") { TabStop = true; }
  bool Checked() const { return checked_; }
  // Runs OnClick when the state changes.
  void SetChecked(bool v);
  // Takes the state without running OnClick (to put a refused click back).
  void SetCheckedQuietly(bool v);
  void Click() override;  // toggles, as a user's click does

 private:
  bool checked_ = false;
};

class TRadioGroup : public TControl {
 public:
  TRadioGroup();
  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  // Runs OnClick when the index changes. Indexes below -1 become -1; an index
  // past the last item is refused.
  void SetItemIndex(int index);
  // Takes the index without running OnClick (to put a refused choice back).
  void SetItemIndexQuietly(int index);
  int Columns = 1;

 private:
  void ItemsChanged();
  TStrings items_;
  int itemIndex_ = -1;
};

enum class TComboBoxStyle { csDropDown, csDropDownList, csSimple };

class TComboBox : public TControl {
 public:
  TComboBox();
  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  // From code: no event.
  void SetItemIndex(int index);
  const std::string& Text() const { return caption_; }
  void SetText(const std::string& text);
  TComboBoxStyle Style = TComboBoxStyle::csDropDownList;
  int DropDownCount = 8;
  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

 private:
  void ItemsChanged();
  TStrings items_;
  int itemIndex_ = -1;
};

class TButton : public TControl {
 public:
  TButton() : TButton("TButton") {}
  explicit TButton(std::string cls) : TControl(std::move(cls)) { TabStop = true; }
  bool Default = false;
  bool Cancel = false;
  int ModalResult = 0;
};

class TBitBtn : public TButton {
 public:
  TBitBtn() : TButton("TBitBtn") {}
  std::string Kind;
  std::string Glyph;
};

class TImage : public TControl {
 public:
  TImage() : TControl("TImage") {}
  // Name of a picture resource, empty for none.
  const std::string& Picture() const { return picture_; }
  void SetPicture(const std::string& name);
  bool Stretch = false;
  bool Proportional = false;
  bool Center = false;
  bool Transparent = false;

 private:
  std::string picture_;
};

enum class TShapeType { stRectangle, stSquare, stRoundRect, stEllipse, stCircle };

class TShape : public TControl {
 public:
  TShape() : TControl("TShape") {}
  TShapeType Shape = TShapeType::stRectangle;
  TColor BrushColor = clWhite;
  TColor PenColor = clBlack;
  void SetBrushColor(TColor c);
};

class TMemo : public TControl {
 public:
  TMemo() : TMemo("TMemo") {}
  explicit TMemo(std::string cls) : TControl(std::move(cls)), lines_([this] { LinesChanged(); }) {
    TabStop = true;
  }
  TStrings& Lines() { return lines_; }
  const TStrings& Lines() const { return lines_; }
  std::string Text() const { return lines_.Text(); }
  void SetText(const std::string& text) { lines_.SetText(text); }
  bool ReadOnly = false;
  bool WordWrap = true;
  std::string ScrollBars = "ssNone";
  TNotifyEvent OnChange;

 private:
  void LinesChanged();
  TStrings lines_;
};

class TRichEdit : public TMemo {
 public:
  TRichEdit() : TMemo("TRichEdit") {}
};

class TTabControl : public TControl {
 public:
  TTabControl();
  TStrings& Tabs() { return tabs_; }
  const TStrings& Tabs() const { return tabs_; }
  int TabIndex() const { return tabIndex_; }
  // From code: no event.
  void SetTabIndex(int index);
  bool MultiLine = false;
  TChangingEvent OnChanging;
  TNotifyEvent OnChange;

 private:
  TStrings tabs_;
  int tabIndex_ = -1;
};

struct TStatusPanel {
  std::string Text;
  int Width = 50;
  TAlignment Alignment = TAlignment::taLeftJustify;
};

class TStatusBar : public TControl {
 public:
  TStatusBar() : TControl("TStatusBar") {}
  int PanelCount() const { return static_cast<int>(panels_.size()); }
  const TStatusPanel& Panel(int i) const { return panels_.at(i); }
  void AddPanel(TStatusPanel p);
  void SetPanelText(int i, const std::string& text);
  void SetPanelAlignment(int i, TAlignment alignment);
  bool SimplePanel = false;
  bool AutoHint = false;

 private:
  std::vector<TStatusPanel> panels_;
};

// A control with a whole-number position kept within Min..Max. What a change
// of position runs is each kind's own rule.
class TRangedControl : public TControl {
 public:
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  // Max is raised to Min when below it; the position is kept within both.
  void SetRange(int min, int max);

 protected:
  TRangedControl(std::string className, int max) : TControl(std::move(className)), max_(max) {}
  // Takes the position, kept within Min..Max; whether it changed.
  bool MovePosition(int p);

 private:
  int min_ = 0, max_, position_ = 0;
};

class TProgressBar : public TRangedControl {
 public:
  TProgressBar() : TRangedControl("TProgressBar", 100) {}
  // Runs nothing.
  void SetPosition(int p) { MovePosition(p); }
  // From a double: clamped in double first, so huge or NaN values are safe.
  void SetPositionFrom(double value);
};

class TTrackBar : public TRangedControl {
 public:
  TTrackBar() : TRangedControl("TTrackBar", 10) { TabStop = true; }
  // Runs OnChange when the position changes.
  void SetPosition(int p);
  int Frequency = 1;
  TNotifyEvent OnChange;
};

class TUpDown : public TRangedControl {
 public:
  TUpDown() : TRangedControl("TUpDown", 100) {}
  // Writes the new whole number into the associated edit (whose OnChange
  // runs), whether or not the position changed.
  void SetPosition(int p);
  // Takes the position without writing the associated edit.
  void SetPositionQuietly(int p) { MovePosition(p); }
  int Increment = 1;
  bool Wrap = false;
  bool Thousands = false;
  TEdit* Associate = nullptr;
  std::string AssociateName;  // resolved after loading
  TChangingEvent OnChanging;
  TUDClickEvent OnClick;
};

class TMenuItem : public TComponent {
 public:
  TMenuItem() : TComponent("TMenuItem") {}
  ~TMenuItem() override;
  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& v);
  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  bool Checked() const { return checked_; }
  void SetChecked(bool v);
  std::string ShortCut;
  std::string Hint;
  bool RadioItem = false;
  int GroupIndex = 0;
  TNotifyEvent OnClick;
  void Click();

  TMenuItem* ParentItem() const { return parent_; }
  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Add(TMenuItem* child);
  bool IsLine() const { return caption_ == "-"; }

  void SetPeer(ControlPeer* peer) { peer_ = peer; }

 private:
  void Notify(Prop p) {
    if (peer_) peer_->Changed(p);
  }
  std::string caption_;
  bool visible_ = true, enabled_ = true, checked_ = false;
  TMenuItem* parent_ = nullptr;
  std::vector<TMenuItem*> items_;
  ControlPeer* peer_ = nullptr;
};

class TMainMenu : public TComponent {
 public:
  TMainMenu() : TComponent("TMainMenu") {}
  const std::vector<TMenuItem*>& Items() const { return items_; }
  void Add(TMenuItem* item) { items_.push_back(item); }

 private:
  std::vector<TMenuItem*> items_;
};

class TTimer : public TComponent {
 public:
  TTimer();
  ~TTimer() override;
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool v);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  bool Running() const { return enabled_ && interval_ > 0; }
  TNotifyEvent OnTimer;

 private:
  friend class TApplication;
  TApplication* app_;
  bool enabled_ = true;
  int interval_ = 1000;
  // Time the platform's own timer did not see go by (a pause that did not
  // wait), towards the next tick; a stop, a start or a new interval begins
  // the count afresh, as the platform's timer does.
  long counted_ = 0;
};

// A list of full-width buttons, one under another. Each button carries its
// caption, hint and click handler; dragging a button to another place (when
// reordering is allowed) takes all three along.
class TButtonGroup : public TControl {
 public:
  TButtonGroup();
  // The buttons' captions, in the order shown.
  TStrings& Items() { return items_; }
  const TStrings& Items() const { return items_; }
  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int i);
  // Empty for a button without a hint or an index outside the buttons.
  const std::string& ItemHint(int index) const;
  void SetItemHint(int index, const std::string& hint);
  bool ItemHasClick(int index) const;
  void SetItemClick(int index, TNotifyEvent handler);
  // A click on the button: its own handler, else OnButtonClicked; a button
  // outside the list does nothing.
  void ClickItem(int index);
  // Takes the button out and puts it back at `to`, the others closing up; the
  // selected button stays selected. Indexes outside the buttons change nothing.
  void MoveItem(int from, int to);
  bool AllowReorder = false;
  TNotifyEvent OnButtonClicked;

 private:
  struct Extra {
    std::string hint;
    TNotifyEvent onClick;
  };
  void ItemsChanged();
  TStrings items_;
  std::vector<Extra> extras_;  // in step with items_
  int itemIndex_ = -1;
};

class TPrinterSetupDialog : public TComponent {
 public:
  TPrinterSetupDialog() : TComponent("TPrinterSetupDialog") {}
  // Opens the platform's printer set-up; true when confirmed.
  bool Execute();
};

}  // namespace vcl
