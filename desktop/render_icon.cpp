// Draws the program's SVG icon as a square PNG, at build time, with Qt's own SVG
// renderer: render_icon ICON.svg SIDE OUT.png. No display is needed.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include "files/atomic_file.h"

int main(int argc, char** argv) {
  int side = 0;
  if (argc != 4 ||
      std::from_chars(argv[2], argv[2] + std::strlen(argv[2]), side).ec != std::errc() ||
      side < 1 || side > 4096) {
    std::fprintf(stderr, "usage: render_icon ICON.svg SIDE OUT.png\n");
    return 2;
  }
  QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
  if (!renderer.isValid()) {
    std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
    return 1;
  }
  QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(0, 0, side, side));
  }
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  std::string error;
  if (!image.save(&buffer, "PNG") ||
      !quorvel::replaceFileWith(argv[3], png.toStdString(), &error)) {
    std::fprintf(stderr, "render_icon: cannot write %s %s\n", argv[3], error.c_str());
    return 1;
  }
  return 0;
}
