// Draws the program's icon at every size the window offers, as the desktop's
// icon theme holds them: OUTDIR/<side>x<side>/apps/trellis.png.
#include <QDir>
#include <QString>
#include <cstdio>

#include "ui/qt/program_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s PICTURE.svg OUTDIR\n", argv[0]);
    return 2;
  }
  const QString svg = QString::fromLocal8Bit(argv[1]);
  const QString out = QString::fromLocal8Bit(argv[2]);
  for (int side : trellis::desktop::kProgramIconSides) {
    const QImage image = trellis::desktop::ProgramIconImage(svg, side);
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(out).arg(side);
    if (image.isNull() || !QDir().mkpath(dir) || !image.save(dir + "/trellis.png")) {
      std::fprintf(stderr, "%s: cannot draw %s at %d pixels into %s\n", argv[0], argv[1], side,
                   qPrintable(dir));
      return 1;
    }
  }
  return 0;
}
