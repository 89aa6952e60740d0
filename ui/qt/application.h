// The look every window shares, set once right after the QApplication exists.
#pragma once

class QApplication;
class QFont;
class QIcon;

namespace trellis::desktop {

// Resets the numeric C locale (Qt's constructor adopts the user's), and sets
// the one style, palette, font and icon of the program.
void PrepareApplication(QApplication& app);

// The program's icon at every size the desktop's icon theme holds it.
QIcon ProgramIcon();

// The program's fixed font: the layouts are drawn for this size on every machine.
QFont ProgramFont();

// The font's pixel size for a layout's point size (0: the program's size).
int FontPixelSize(int layoutPointSize);

}  // namespace trellis::desktop
