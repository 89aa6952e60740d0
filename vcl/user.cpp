#include "vcl/user.h"

#include "vcl/forms.h"

namespace vcl::user {

namespace {

void Dispatch(const std::function<void()>& action) {
  if (TApplication* app = Application())
    app->Dispatch(action);
  else
    action();
}

// The text's first `count` characters: a UTF-8 text is never cut inside one.
std::string FirstCharacters(const std::string& text, int count) {
  int seen = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
    if (!continuation && seen++ == count) return text.substr(0, i);
  }
  return text;
}

// A one-line box keeps what comes before the first line break, as a line
// pasted with its end from a terminal or a spreadsheet cell.
std::string FirstLine(const std::string& text) {
  return text.substr(0, text.find_first_of("\r\n"));
}

}  // namespace

bool Accepts(const TControl& control) {
  for (const TControl* c = &control; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

void TypeText(TControl& control, const std::string& text) {
  if (!Accepts(control)) return;
  Dispatch([&] {
    if (auto* e = dynamic_cast<TEdit*>(&control)) {
      if (e->ReadOnly()) return;
      const std::string line = FirstLine(text);
      e->SetText(e->MaxLength() > 0 ? FirstCharacters(line, e->MaxLength()) : line);
    } else if (auto* c = dynamic_cast<TComboBox*>(&control)) {
      if (c->Style == TComboBoxStyle::csDropDownList) return;
      c->SetText(FirstLine(text));
    } else if (auto* m = dynamic_cast<TMemo*>(&control)) {
      if (m->ReadOnly) return;
      m->SetText(text);
    }
  });
}

void Click(TControl& control) {
  if (!Accepts(control)) return;
  Dispatch([&] { control.Click(); });
}

void ChooseItem(TControl& control, int index) {
  if (!Accepts(control)) return;
  Dispatch([&] {
    if (auto* rg = dynamic_cast<TRadioGroup*>(&control)) {
      // The user picks a button; no click leaves the group without one.
      if (index < 0 || index >= rg->Items().Count()) return;
      // A click on the selected button changes nothing, so nothing runs.
      rg->SetItemIndex(index);
    } else if (auto* cb = dynamic_cast<TComboBox*>(&control)) {
      if (index < 0 || index >= cb->Items().Count()) return;
      cb->SetItemIndex(index);
      if (cb->OnClick) cb->OnClick(cb);
      if (cb->OnSelect) cb->OnSelect(cb);
      if (cb->OnChange) cb->OnChange(cb);
    } else if (auto* bg = dynamic_cast<TButtonGroup*>(&control)) {
      if (index < 0 || index >= bg->Items().Count()) return;
      bg->SetItemIndex(index);
      bg->ClickItem(index);
    }
  });
}

void PressKey(TControl& control, uint16_t key, TShiftState shift) {
  if (!Accepts(control)) return;
  Dispatch([&] {
    uint16_t k = key;
    if (control.OnKeyDown) control.OnKeyDown(&control, k, shift);
    if (k == 0) return;
    char ch = 0;
    if (k == VK_RETURN)
      ch = '\r';
    else if (k == VK_ESCAPE)
      ch = 27;
    else if (k >= 32 && k < 127)
      ch = static_cast<char>(k);
    if (ch && control.OnKeyPress) control.OnKeyPress(&control, ch);
  });
}

void Leave(TControl& control) {
  Dispatch([&] {
    if (control.OnExit) control.OnExit(&control);
  });
}

void StepUpDown(TUpDown& updown, bool up) {
  if (!Accepts(updown)) return;
  Dispatch([&] {
    // The arrows step from the number the edit shows, when it shows one.
    int shown = 0;
    if (updown.Associate && TryStrToInt(updown.Associate->Text(), shown) && shown >= updown.Min() &&
        shown <= updown.Max() && shown != updown.Position())
      updown.SetPositionQuietly(shown);
    bool allow = true;
    if (updown.OnChanging) updown.OnChanging(&updown, allow);
    if (!allow) return;
    int next = updown.Position() + (up ? updown.Increment : -updown.Increment);
    if (next > updown.Max()) next = updown.Wrap ? updown.Min() : updown.Max();
    if (next < updown.Min()) next = updown.Wrap ? updown.Max() : updown.Min();
    updown.SetPosition(next);
    if (updown.OnClick) updown.OnClick(&updown, up ? TUDBtnType::btNext : TUDBtnType::btPrev);
  });
}

bool PressArrowKey(TControl& control, bool up) {
  if (!control.OwnerForm) return false;
  for (TComponent* c : control.OwnerForm->Components())
    if (auto* updown = dynamic_cast<TUpDown*>(c); updown && updown->Associate == &control) {
      if (Accepts(control)) StepUpDown(*updown, up);
      return true;
    }
  return false;
}

void PickTab(TTabControl& tabs, int index) {
  if (!Accepts(tabs)) return;
  if (index < 0 || index >= tabs.Tabs().Count() || index == tabs.TabIndex()) return;
  Dispatch([&] {
    bool allow = true;
    if (tabs.OnChanging) tabs.OnChanging(&tabs, allow);
    if (!allow) return;
    tabs.SetTabIndex(index);
    if (tabs.OnChange) tabs.OnChange(&tabs);
  });
}

void PickMenuItem(TMenuItem& item) {
  for (const TMenuItem* m = &item; m; m = m->ParentItem())
    if (!m->Visible() || !m->Enabled()) return;
  if (item.OwnerForm && !item.OwnerForm->Enabled()) return;
  Dispatch([&] { item.Click(); });
}

void MoveTrackBar(TTrackBar& bar, int position) {
  if (!Accepts(bar)) return;
  Dispatch([&] { bar.SetPosition(position); });
}

void DragButton(TButtonGroup& group, int from, int to) {
  if (!Accepts(group) || !group.AllowReorder) return;
  Dispatch([&] { group.MoveItem(from, to); });
}

void CloseForm(TForm& form) {
  // A window without a system menu has no close box: its own buttons are the way out.
  if (!(form.BorderIcons & biSystemMenu)) return;
  Dispatch([&] { form.Close(); });
}

}  // namespace vcl::user
