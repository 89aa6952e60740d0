#include "ui/qt/themes.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QPalette>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <optional>

#include "ui/qt/peers.h"
#include "vcl/forms.h"

namespace trellis::desktop {

namespace {

struct Surface {
  QColor window, windowText, base, alternateBase, text, button, buttonText;
  // The bevels: Light and Mid draw the group boxes' etched lines.
  QColor light, midlight, mid, dark, shadow;
  QColor highlight, highlightedText, link, toolTipBase, toolTipText;
  QColor disabledText, placeholder;
};

struct Theme {
  const char* name;
  Surface surface;
  // False: the model's colours are shown as they are, its backgrounds too.
  bool mapped = true;
  bool dark = false;
  // How the model's results (navy) and warnings (red) read on this surface.
  QColor navy, red;
};

QColor C(const char* hex) { return QColor(QString::fromLatin1(hex)); }

const std::array<Theme, 5>& Themes() {
  static const std::array<Theme, 5> themes = {{
      // The style's light palette as it is without a desktop: the style's own
      // "standard" palette is the desktop's, dark under a dark desktop.
      {"Windows",
       Surface{C("#efefef"), C("#000000"), C("#ffffff"), C("#f7f7f7"), C("#000000"), C("#efefef"),
               C("#000000"), C("#ffffff"), C("#cacaca"), C("#b8b8b8"), C("#9f9f9f"), C("#767676"),
               C("#308cc6"), C("#ffffff"), C("#0000ff"), C("#ffffdc"), C("#000000"), C("#bebebe"),
               C("#80000000")},
       false,
       false,
       {},
       {}},
      {"Charcoal Dark Slate",
       Surface{C("#2d3136"), C("#dfe4ea"), C("#1f2226"), C("#272b30"), C("#e8ecf0"), C("#393e45"),
               C("#e8ecf0"), C("#474e56"), C("#41474e"), C("#1b1e21"), C("#16181b"), C("#0c0d0f"),
               C("#587ca3"), C("#ffffff"), C("#8db7e6"), C("#34404d"), C("#eef2f6"), C("#7b838c"),
               C("#858e98")},
       true, true, C("#92c0f2"), C("#ff7b6b")},
      {"Charcoal HiRes",
       Surface{C("#1c1c1c"), C("#f5f5f5"), C("#0a0a0a"), C("#151515"), C("#ffffff"), C("#2e2e2e"),
               C("#ffffff"), C("#5e5e5e"), C("#3c3c3c"), C("#050505"), C("#000000"), C("#000000"),
               C("#1f7fe0"), C("#ffffff"), C("#7cc4ff"), C("#2e2e2e"), C("#ffffff"), C("#8a8a8a"),
               C("#9a9a9a")},
       true, true, C("#7fcbff"), C("#ff6655")},
      {"Slate",
       Surface{C("#d3dbe4"), C("#17212c"), C("#f6f8fb"), C("#e8edf2"), C("#0f1822"), C("#c3cedb"),
               C("#17212c"), C("#f2f5f8"), C("#e0e6ed"), C("#93a2b3"), C("#6e7d8e"), C("#475361"),
               C("#4a6a8e"), C("#ffffff"), C("#2b5b8f"), C("#2f3e4e"), C("#eef2f6"), C("#7d8895"),
               C("#7d8895")},
       true, false, C("#000080"), C("#c0141c")},
      {"Windows10",
       Surface{C("#f0f0f0"), C("#000000"), C("#ffffff"), C("#f7f7f7"), C("#000000"), C("#e1e1e1"),
               C("#000000"), C("#ffffff"), C("#f0f0f0"), C("#d5d5d5"), C("#a0a0a0"), C("#696969"),
               C("#0078d7"), C("#ffffff"), C("#0066cc"), C("#ffffff"), C("#000000"), C("#8d8d8d"),
               C("#8d8d8d")},
       true, false, C("#000080"), C("#e81123")},
  }};
  return themes;
}

std::string& Current() {
  static std::string current = "Windows";
  return current;
}

QPalette PaletteOf(const Theme& theme) {
  const Surface& s = theme.surface;
  QPalette p;
  for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    p.setColor(g, QPalette::Window, s.window);
    p.setColor(g, QPalette::WindowText, s.windowText);
    p.setColor(g, QPalette::Base, s.base);
    p.setColor(g, QPalette::AlternateBase, s.alternateBase);
    p.setColor(g, QPalette::Text, s.text);
    p.setColor(g, QPalette::Button, s.button);
    p.setColor(g, QPalette::ButtonText, s.buttonText);
    p.setColor(g, QPalette::BrightText, Qt::white);
    p.setColor(g, QPalette::Light, s.light);
    p.setColor(g, QPalette::Midlight, s.midlight);
    p.setColor(g, QPalette::Mid, s.mid);
    p.setColor(g, QPalette::Dark, s.dark);
    p.setColor(g, QPalette::Shadow, s.shadow);
    p.setColor(g, QPalette::Highlight, s.highlight);
    p.setColor(g, QPalette::HighlightedText, s.highlightedText);
    p.setColor(g, QPalette::Link, s.link);
    p.setColor(g, QPalette::LinkVisited, s.link);
    p.setColor(g, QPalette::ToolTipBase, s.toolTipBase);
    p.setColor(g, QPalette::ToolTipText, s.toolTipText);
    p.setColor(g, QPalette::PlaceholderText, s.placeholder);
  }
  for (QPalette::ColorRole r : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
    p.setColor(QPalette::Disabled, r, s.disabledText);
  p.setColor(QPalette::Disabled, QPalette::Base, s.window);
  p.setColor(QPalette::Disabled, QPalette::Highlight, s.mid);
  if (!theme.mapped) {
    // The light style's own shades of a disabled bevel and selection.
    p.setColor(QPalette::Disabled, QPalette::Dark, C("#bebebe"));
    p.setColor(QPalette::Disabled, QPalette::Shadow, C("#b1b1b1"));
    p.setColor(QPalette::Disabled, QPalette::Highlight, C("#919191"));
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
      p.setColor(g, QPalette::LinkVisited, C("#ff00ff"));
  }
  return p;
}

// The model's colours were picked for a light window: a themed surface keeps
// its own backgrounds, and a dark one swaps the text colours for readable ones.
ColourMapping MappingOf(const Theme& theme) {
  if (!theme.mapped) return {};
  const Surface surface = theme.surface;
  return [theme, surface](QColor colour, bool background) -> QColor {
    if (background) return {};
    const QRgb rgb = colour.rgb() & 0xFFFFFF;
    if (rgb == 0x000080 && theme.navy.isValid()) return theme.navy;
    if (rgb == 0xFF0000 && theme.red.isValid()) return theme.red;
    if (!theme.dark) return colour;
    if (rgb == 0x000000) return surface.windowText;
    // Any other dark colour keeps its hue, lightened to read on charcoal.
    float h = 0, s = 0, l = 0;
    colour.getHslF(&h, &s, &l);
    return l >= 0.65f ? colour : QColor::fromHslF(h, s, 0.72f);
  };
}

// Every control shows its own colours again, through the new mapping.
void RefreshLooks(const vcl::TControl& control) {
  if (vcl::ControlPeer* peer = control.Peer()) peer->Changed(vcl::Prop::Font);
  for (const vcl::TControl* child : control.Children()) RefreshLooks(*child);
}

// The palette the current theme set, once one has.
std::optional<QPalette>& ThemePalette() {
  static std::optional<QPalette> palette;
  return palette;
}

// A desktop may set the application's palette after start-up (a platform
// theme following its settings), and a change of the desktop's theme gives
// the tooltips the desktop's palette again: the theme's own goes back at once.
class PaletteKeeper : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ThemeChange && ThemePalette() &&
        QToolTip::palette() != *ThemePalette())
      QToolTip::setPalette(*ThemePalette());
    if (watched == qApp && event->type() == QEvent::ApplicationPaletteChange && !restoring_ &&
        ThemePalette() && QApplication::palette() != *ThemePalette()) {
      restoring_ = true;
      ApplyDesktopTheme(Current());
      restoring_ = false;
    }
    return false;
  }

 private:
  bool restoring_ = false;
};

void KeepThemePalette() {
  static PaletteKeeper* keeper = nullptr;
  if (keeper) return;
  keeper = new PaletteKeeper;
  keeper->setParent(qApp);
  qApp->installEventFilter(keeper);
}

}  // namespace

void ApplyDesktopTheme(const std::string& name) {
  const auto& themes = Themes();
  const auto it =
      std::find_if(themes.begin(), themes.end(), [&](const Theme& t) { return name == t.name; });
  if (it == themes.end()) return;
  const Theme& theme = *it;

  // Every role is the theme's own, so none is filled in from the desktop's
  // palette; the sheet goes first, so the palette reaches unstyled widgets.
  KeepThemePalette();
  qApp->setStyleSheet(QString());
  ThemePalette() = PaletteOf(theme);
  QApplication::setPalette(*ThemePalette());
  // The tooltips keep a palette of their own, the desktop's until set.
  QToolTip::setPalette(*ThemePalette());
  QFile sheet(QStringLiteral(":/resources/themes/") + QString::fromStdString(name) +
              QStringLiteral(".qss"));
  if (sheet.open(QIODevice::ReadOnly | QIODevice::Text))
    qApp->setStyleSheet(QString::fromUtf8(sheet.readAll()));
  SetColourMapping(MappingOf(theme));
  Current() = name;

  if (vcl::TApplication* app = vcl::Application())
    for (vcl::TForm* form : app->Forms()) {
      if (vcl::ControlPeer* peer = form->Peer()) peer->Changed(vcl::Prop::Color);
      for (const vcl::TControl* child : form->Children()) RefreshLooks(*child);
    }
}

std::string CurrentDesktopTheme() { return Current(); }

}  // namespace trellis::desktop
