#include "qt/artwork.h"

#include <QPainter>
#include <QSvgRenderer>
#include <array>
#include <cmath>

namespace quorvel {

namespace {

// In the order of the toolbar's buttons 2 to 15.
constexpr std::array<const char*, kToolbarImageCount> kToolbarPictures = {
    "tb_control", "tb_open",    "tb_save",     "tb_export", "tb_up",       "tb_down", "tb_left",
    "tb_right",   "tb_zoom_in", "tb_zoom_out", "tb_print",  "tb_analysis", "tb_live", "tb_about",
};

}  // namespace

QPixmap artPixmap(const QString& name, QSize size, qreal devicePixelRatio) {
  QSvgRenderer renderer(QStringLiteral(":/art/%1.svg").arg(name));
  if (!renderer.isValid() || size.isEmpty()) return {};
  const QSize device(static_cast<int>(std::ceil(size.width() * devicePixelRatio)),
                     static_cast<int>(std::ceil(size.height() * devicePixelRatio)));
  QPixmap pixmap(device);
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QIcon artIcon(const QString& name) {
  QIcon icon;
  for (const int side : {16, 24, 32, 48}) {
    const QPixmap p = artPixmap(name, QSize(side, side));
    if (!p.isNull()) icon.addPixmap(p);
  }
  return icon;
}

QIcon toolbarImage(int image) {
  if (image < 1 || image > kToolbarImageCount) return {};
  return artIcon(QString::fromLatin1(kToolbarPictures[static_cast<std::size_t>(image - 1)]));
}

}  // namespace quorvel
