// The desktop entry and the icons the install puts where the desktop finds
// them belong to the running program: the entry names the class of its windows
// and its icon, and the icons are the window's own at each of its sizes.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QLibraryInfo>
#include <QSet>
#include <QSettings>
#include <QSize>

#include "tests/qt/qt_test_support.h"
#include "ui/qt/application.h"
#include "ui/qt/qt_platform.h"

namespace trellis::desktop {
namespace {

QString EntryValue(const QString& key) {
  QFile file(QStringLiteral(TRELLIS_DESKTOP_ENTRY));
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(key + "=")) return line.mid(key.size() + 1);
  }
  return {};
}

TEST(DesktopEntry, NamesTheWindowsClassTheIconAndItself) {
  testing::ScopedConfig config;
  // The platform names the application; on X11 that name is the class of
  // every window's WM_CLASS, which the menu matches the running program by.
  QtPlatform platform;
  EXPECT_EQ(EntryValue("StartupWMClass"), QCoreApplication::applicationName());
  // On Wayland the window's application id is the entry's file name.
  EXPECT_EQ(QGuiApplication::desktopFileName() + ".desktop.in",
            QFileInfo(QStringLiteral(TRELLIS_DESKTOP_ENTRY)).fileName());
  EXPECT_EQ(EntryValue("Icon"), "trellis");
}

TEST(DesktopEntry, TheIconsAreTheWindowsAtEachOfItsSizes) {
  const QIcon icon = ProgramIcon();
  ASSERT_FALSE(icon.availableSizes().isEmpty());
  QSet<QString> offered;
  for (const QSize& size : icon.availableSizes()) {
    const QString name =
        QStringLiteral("%1x%2/apps/trellis.png").arg(size.width()).arg(size.height());
    offered.insert(name);
    SCOPED_TRACE(name.toStdString());
    const QImage drawn(QDir(QStringLiteral(TRELLIS_ICON_DIR)).filePath(name));
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn.size(), size);
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_ARGB32),
              icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32));
  }
  QSet<QString> installed;
  QDirIterator it(QStringLiteral(TRELLIS_ICON_DIR), {QStringLiteral("*.png")}, QDir::Files,
                  QDirIterator::Subdirectories);
  while (it.hasNext())
    installed.insert(QDir(QStringLiteral(TRELLIS_ICON_DIR)).relativeFilePath(it.next()));
  EXPECT_EQ(installed, offered);
}

// The program runs natively in a Wayland session as in an X11 one: the
// toolkit finds a platform for each where it looks for them.
TEST(DesktopEntry, BothKindsOfDesktopSessionHaveTheirPlatform) {
  const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms");
  for (const char* plugin : {"libqwayland-generic.so", "libqxcb.so"})
    EXPECT_TRUE(platforms.exists(QLatin1String(plugin)))
        << plugin << " in " << platforms.path().toStdString();
}

}  // namespace
}  // namespace trellis::desktop
