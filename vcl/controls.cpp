#include "vcl/controls.h"

#include <algorithm>
#include <cmath>

#include "vcl/forms.h"

namespace vcl {

// ---- TStrings ----

void TStrings::Clear() {
  if (items_.empty()) return;
  items_.clear();
  Changed();
}

void TStrings::Add(const std::string& s) {
  items_.push_back(s);
  Changed();
}

void TStrings::Assign(const std::vector<std::string>& items) {
  items_ = items;
  Changed();
}

void TStrings::Delete(int index) {
  if (index < 0 || index >= Count())
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  items_.erase(items_.begin() + index);
  Changed();
}

void TStrings::SetString(int index, const std::string& s) {
  if (index < 0 || index >= Count())
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  items_[index] = s;
  Changed();
}

const std::string& TStrings::operator[](int index) const {
  if (index < 0 || index >= Count())
    throw Exception("List index out of bounds (" + std::to_string(index) + ")");
  return items_[index];
}

int TStrings::IndexOf(const std::string& s) const {
  auto it = std::find(items_.begin(), items_.end(), s);
  return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

std::string TStrings::Text() const {
  std::string out;
  for (const auto& s : items_) {
    out += s;
    out += '\n';
  }
  return out;
}

void TStrings::SetText(const std::string& text) {
  std::vector<std::string> lines;
  std::string cur;
  for (char c : text) {
    if (c == '\r') continue;
    if (c == '\n') {
      lines.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  if (!cur.empty()) lines.push_back(cur);
  Assign(lines);
}

// ---- TControl ----

TControl::~TControl() {
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (TControl* child : children_) child->parent_ = nullptr;
}

void TControl::SetParent(TControl* parent) {
  if (parent_ == parent) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
}

void TControl::SetLeft(int v) { SetBounds(v, top_, width_, height_); }
void TControl::SetTop(int v) { SetBounds(left_, v, width_, height_); }
void TControl::SetWidth(int v) { SetBounds(left_, top_, v, height_); }
void TControl::SetHeight(int v) { SetBounds(left_, top_, width_, v); }

void TControl::SetBounds(int left, int top, int width, int height) {
  if (left == left_ && top == top_ && width == width_ && height == height_) return;
  left_ = left;
  top_ = top;
  width_ = std::max(0, width);
  height_ = std::max(0, height);
  Notify(Prop::Geometry);
}

void TControl::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Notify(Prop::Visible);
}

void TControl::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Notify(Prop::Enabled);
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::SetHint(const std::string& v) {
  if (hint_ == v) return;
  hint_ = v;
  Notify(Prop::Hint);
}

void TControl::SetCaption(const std::string& v) {
  if (caption_ == v) return;
  caption_ = v;
  Notify(Prop::Caption);
}

void TControl::SetFontColor(TColor c) {
  if (font_.Color == c) return;
  font_.Color = c;
  Notify(Prop::Font);
}

void TControl::SetFontStyle(unsigned style) {
  if (font_.Style == style) return;
  font_.Style = style;
  Notify(Prop::Font);
}

void TControl::SetFont(const TFont& f) {
  if (font_ == f) return;
  font_ = f;
  Notify(Prop::Font);
}

void TControl::SetColor(TColor c) {
  if (color_ == c) return;
  color_ = c;
  Notify(Prop::Color);
}

void TControl::Click() {
  if (OnClick && !Loading()) OnClick(this);
}

bool TControl::Loading() const { return OwnerForm && OwnerForm->IsLoading(); }

// ---- TEdit ----

void TEdit::SetText(const std::string& text) {
  if (caption_ == text) return;
  caption_ = text;
  Notify(Prop::Text);
  if (OnChange && !Loading()) OnChange(this);
}

void TEdit::SetReadOnly(bool v) {
  if (readOnly_ == v) return;
  readOnly_ = v;
  Notify(Prop::ReadOnly);
}

void TEdit::SetMaxLength(int v) {
  if (maxLength_ == v) return;
  maxLength_ = std::max(0, v);
  Notify(Prop::MaxLength);
}

// ---- TCheckBox ----

void TCheckBox::SetChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  Notify(Prop::Checked);
  if (OnClick && !Loading()) OnClick(this);
}

void TCheckBox::SetCheckedQuietly(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  Notify(Prop::Checked);
}

void TCheckBox::Click() { SetChecked(!checked_); }

// ---- TRadioGroup ----

TRadioGroup::TRadioGroup() : TControl("TRadioGroup"), items_([this] { ItemsChanged(); }) {}

void TRadioGroup::ItemsChanged() {
  // The toolkit drops the selection whenever the items are rebuilt, silently.
  if (items_.Count() == 0 || itemIndex_ >= items_.Count()) itemIndex_ = -1;
  Notify(Prop::Items);
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1) index = -1;
  if (index >= items_.Count()) return;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  Notify(Prop::ItemIndex);
  if (OnClick && !Loading()) OnClick(this);
}

void TRadioGroup::SetItemIndexQuietly(int index) {
  if (index < -1) index = -1;
  if (index >= items_.Count() || index == itemIndex_) return;
  itemIndex_ = index;
  Notify(Prop::ItemIndex);
}

// ---- TComboBox ----

TComboBox::TComboBox() : TControl("TComboBox"), items_([this] { ItemsChanged(); }) {
  TabStop = true;
}

void TComboBox::ItemsChanged() {
  if (itemIndex_ >= items_.Count()) {
    itemIndex_ = -1;
  }
  Notify(Prop::Items);
}

void TComboBox::SetItemIndex(int index) {
  if (index < -1) index = -1;
  if (index >= items_.Count()) return;
  if (index == itemIndex_) return;
  itemIndex_ = index;
  caption_ = index >= 0 ? items_[index] : std::string();
  Notify(Prop::ItemIndex);
}

void TComboBox::SetText(const std::string& text) {
  int idx = items_.IndexOf(text);
  if (Style == TComboBoxStyle::csDropDownList && idx < 0 && !text.empty()) return;
  bool changed = caption_ != text;
  caption_ = text;
  itemIndex_ = idx;
  if (changed) {
    Notify(Prop::Text);
    if (OnChange && !Loading()) OnChange(this);
  }
}

// ---- TImage, TShape, TMemo ----

void TImage::SetPicture(const std::string& name) {
  if (picture_ == name) return;
  picture_ = name;
  Notify(Prop::Picture);
}

void TShape::SetBrushColor(TColor c) {
  if (BrushColor == c) return;
  BrushColor = c;
  Notify(Prop::Color);
}

void TMemo::LinesChanged() {
  Notify(Prop::Text);
  if (OnChange && !Loading()) OnChange(this);
}

// ---- TTabControl ----

TTabControl::TTabControl()
    : TControl("TTabControl"), tabs_([this] {
        if (tabIndex_ >= tabs_.Count()) tabIndex_ = tabs_.Count() - 1;
        Notify(Prop::Items);
      }) {
  TabStop = true;
}

void TTabControl::SetTabIndex(int index) {
  if (index < -1) index = -1;
  if (index >= tabs_.Count()) return;
  if (index == tabIndex_) return;
  tabIndex_ = index;
  Notify(Prop::ItemIndex);
}

// ---- TStatusBar ----

void TStatusBar::AddPanel(TStatusPanel p) {
  panels_.push_back(std::move(p));
  Notify(Prop::Panels);
}

void TStatusBar::SetPanelText(int i, const std::string& text) {
  if (i < 0 || i >= PanelCount())
    throw Exception("List index out of bounds (" + std::to_string(i) + ")");
  if (panels_[i].Text == text) return;
  panels_[i].Text = text;
  Notify(Prop::Panels);
}

void TStatusBar::SetPanelAlignment(int i, TAlignment alignment) {
  if (i < 0 || i >= PanelCount())
    throw Exception("List index out of bounds (" + std::to_string(i) + ")");
  if (panels_[i].Alignment == alignment) return;
  panels_[i].Alignment = alignment;
  Notify(Prop::Panels);
}

// ---- Bars ----

void TRangedControl::SetRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  position_ = std::clamp(position_, min_, max_);
  Notify(Prop::Range);
}

bool TRangedControl::MovePosition(int p) {
  p = std::clamp(p, min_, max_);
  if (p == position_) return false;
  position_ = p;
  Notify(Prop::Position);
  return true;
}

void TProgressBar::SetPositionFrom(double value) {
  if (std::isnan(value)) {
    SetPosition(Min());
    return;
  }
  double clamped =
      std::clamp(std::trunc(value), static_cast<double>(Min()), static_cast<double>(Max()));
  SetPosition(static_cast<int>(clamped));
}

void TTrackBar::SetPosition(int p) {
  if (MovePosition(p) && OnChange && !Loading()) OnChange(this);
}

void TUpDown::SetPosition(int p) {
  MovePosition(p);
  if (Associate && !Loading()) Associate->SetText(std::to_string(Position()));
}

// ---- Menus ----

TMenuItem::~TMenuItem() = default;

void TMenuItem::SetCaption(const std::string& v) {
  if (caption_ == v) return;
  caption_ = v;
  Notify(Prop::Caption);
}

void TMenuItem::SetVisible(bool v) {
  if (visible_ == v) return;
  visible_ = v;
  Notify(Prop::Visible);
}

void TMenuItem::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  Notify(Prop::Enabled);
}

void TMenuItem::SetChecked(bool v) {
  if (checked_ == v) return;
  checked_ = v;
  Notify(Prop::Checked);
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::Add(TMenuItem* child) {
  child->parent_ = this;
  items_.push_back(child);
}

// ---- Timer ----

// A timer belongs to the run it was made in, which counts time for it.
TTimer::TTimer() : TComponent("TTimer"), app_(Application()) {
  if (app_) app_->timers_.push_back(this);
}

TTimer::~TTimer() {
  if (app_) std::erase(app_->timers_, this);
  if (Application()) CurrentPlatform().TimerDestroyed(*this);
}

void TTimer::SetEnabled(bool v) {
  if (enabled_ == v) return;
  enabled_ = v;
  counted_ = 0;
  if (Application()) CurrentPlatform().TimerChanged(*this);
}

void TTimer::SetInterval(int ms) {
  if (interval_ == ms) return;
  interval_ = std::max(0, ms);
  counted_ = 0;
  if (Application()) CurrentPlatform().TimerChanged(*this);
}

// ---- Button group, printer set-up ----

TButtonGroup::TButtonGroup() : TControl("TButtonGroup"), items_([this] { ItemsChanged(); }) {
  TabStop = true;
}

void TButtonGroup::ItemsChanged() {
  extras_.resize(static_cast<size_t>(items_.Count()));
  if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
  Notify(Prop::Items);
}

const std::string& TButtonGroup::ItemHint(int index) const {
  static const std::string none;
  if (index < 0 || index >= static_cast<int>(extras_.size())) return none;
  return extras_[static_cast<size_t>(index)].hint;
}

void TButtonGroup::SetItemHint(int index, const std::string& hint) {
  if (index < 0 || index >= static_cast<int>(extras_.size())) return;
  if (extras_[static_cast<size_t>(index)].hint == hint) return;
  extras_[static_cast<size_t>(index)].hint = hint;
  Notify(Prop::Items);
}

bool TButtonGroup::ItemHasClick(int index) const {
  return index >= 0 && index < static_cast<int>(extras_.size()) &&
         static_cast<bool>(extras_[static_cast<size_t>(index)].onClick);
}

void TButtonGroup::SetItemClick(int index, TNotifyEvent handler) {
  if (index < 0 || index >= static_cast<int>(extras_.size())) return;
  extras_[static_cast<size_t>(index)].onClick = std::move(handler);
}

void TButtonGroup::ClickItem(int index) {
  if (index < 0 || index >= items_.Count()) return;
  // Copied: the handler may reorder or refill the buttons.
  const TNotifyEvent own = extras_[static_cast<size_t>(index)].onClick;
  if (own)
    own(this);
  else if (OnButtonClicked)
    OnButtonClicked(this);
}

void TButtonGroup::MoveItem(int from, int to) {
  const int count = items_.Count();
  if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
  std::vector<std::string> captions = items_.Items();
  auto shift = [&](auto& list) {
    auto moved = std::move(list[static_cast<size_t>(from)]);
    list.erase(list.begin() + from);
    list.insert(list.begin() + to, std::move(moved));
  };
  shift(captions);
  std::vector<Extra> extras = std::move(extras_);
  shift(extras);
  if (itemIndex_ == from)
    itemIndex_ = to;
  else if (itemIndex_ > from && itemIndex_ <= to)
    --itemIndex_;
  else if (itemIndex_ < from && itemIndex_ >= to)
    ++itemIndex_;
  extras_ = std::move(extras);
  items_.Assign(captions);
  Notify(Prop::ItemIndex);
}

void TButtonGroup::SetItemIndex(int i) {
  if (i < -1) i = -1;
  if (i >= items_.Count()) return;
  if (i == itemIndex_) return;
  itemIndex_ = i;
  Notify(Prop::ItemIndex);
}

bool TPrinterSetupDialog::Execute() { return CurrentPlatform().PrinterSetup(); }

}  // namespace vcl
