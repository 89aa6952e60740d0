// What a screen reader is told of the windows beyond the widgets' own: the
// name of each box, from the label that names it in the layout, and the tabs
// of the tab strips.
#pragma once

#include <QString>

class QLineEdit;

namespace vcl {
class TControl;
}

namespace trellis::desktop {

// Edits and combo boxes: the boxes a label names.
bool IsNamedBox(const vcl::TControl& control);

// The label that names the box in its layout, none when no label does. Only
// the controls of the box's own parent (its group) count, and of them the
// shown ones while the box is shown: the nearest label to the box's left on
// its row, else the nearest label above it that it overlaps across, else the
// label of the nearest box to its left on its row (the value a unit box
// belongs to).
const vcl::TControl* NamingLabel(const vcl::TControl& box);

// The naming label's caption; without one, the caption of the group box the
// box lies in, else empty.
QString BoxName(const vcl::TControl& box);

// Marks a box's line edit, which then reports itself read-only and not
// editable when it is read-only (the toolkit's own says editable always).
void MarkBox(QLineEdit* line);

// Lets the tab strips and the boxes answer a screen reader; once is enough.
void InstallAccessibility();

}  // namespace trellis::desktop
