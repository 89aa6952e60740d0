// The user's actions. Desktop peers call these on real input and tests call
// the same ones; each is an outermost dispatch through the Application, so an
// exception raised by a handler is reported there and goes no further.
// A disabled or hidden control (or one on a disabled form) ignores them.
#pragma once

#include <cstdint>
#include <string>

#include "vcl/controls.h"

namespace vcl::user {

// Replaces the edit's (or editable combo's) text as typing would: up to the
// first line break, cut to MaxLength characters. A memo keeps every line.
void TypeText(TControl& control, const std::string& text);
// A click on a button, check box, label, image or group box.
void Click(TControl& control);
// Picks an item of a radio group, combo box or button group.
void ChooseItem(TControl& control, int index);
// A key pressed in a control: OnKeyDown, then OnKeyPress for keys that give a
// character.
void PressKey(TControl& control, uint16_t key, TShiftState shift = 0);
// The focus leaves the control: OnExit.
void Leave(TControl& control);
// One click on an up-down arrow: OnChanging, the step, then OnClick.
void StepUpDown(TUpDown& updown, bool up);
// The Up or Down key in an edit that a spin button is paired with (its
// Associate): one click on that arrow. Nothing in any other control; false
// when the control has no spin button, so the key is not the spin button's.
bool PressArrowKey(TControl& control, bool up);
// Picks a tab: OnChanging, then the new index, then OnChange.
void PickTab(TTabControl& tabs, int index);
void PickMenuItem(TMenuItem& item);
// Moves a track bar's thumb.
void MoveTrackBar(TTrackBar& bar, int position);
// Drags a button of a group onto another's place; nothing unless the group
// allows reordering.
void DragButton(TButtonGroup& group, int from, int to);
// The window's close box.
void CloseForm(TForm& form);
// True when the control would accept input now.
bool Accepts(const TControl& control);

}  // namespace vcl::user
