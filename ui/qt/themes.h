// The colour themes on the desktop: a palette for the Fusion style, an
// optional style sheet ":/resources/themes/<name>.qss" and the way the
// model's own text and background colours are shown.
#pragma once

#include <string>

namespace trellis::desktop {

// Applies the named theme to the application and every open window at once;
// a name the program does not know keeps the present look.
void ApplyDesktopTheme(const std::string& name);

// The theme applied last ("Windows" before any).
std::string CurrentDesktopTheme();

}  // namespace trellis::desktop
