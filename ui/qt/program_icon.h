// The program's icon: one picture, drawn at the sizes a desktop asks of a
// window, a task bar and an application menu.
#pragma once

#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>
#include <array>

namespace trellis::desktop {

inline constexpr std::array<int, 7> kProgramIconSides = {16, 24, 32, 48, 64, 128, 256};

// The picture at one size, on a transparent ground; a null image when the
// picture cannot be read.
inline QImage ProgramIconImage(const QString& svgFile, int side) {
  QSvgRenderer svg(svgFile);
  if (!svg.isValid()) return {};
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg.render(&painter);
  painter.end();
  return image;
}

}  // namespace trellis::desktop
