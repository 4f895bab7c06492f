#include "shell/qt/print_preview.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "catalogue/curve_rules.h"
#include "render/vector_surface.h"
#include "shell/program.h"
#include "shell/qt/main_window.h"

namespace quorvel {

QRectF pagePlacement(QSizeF picture, const QRectF& page) {
  if (picture.isEmpty() || page.isEmpty()) return {page.topLeft(), QSizeF(0, 0)};
  picture.scale(page.size(), Qt::KeepAspectRatio);
  const double left = page.left() + (page.width() - picture.width()) / 2;
  return {QPointF(left, page.top()), picture};
}

QRectF paintOnPage(QPainter& painter, const QRectF& page, const VectorSurface& picture) {
  const QSizeF area(picture.AreaWidthPixels(), picture.AreaHeightPixels());
  const QRectF target = pagePlacement(area, page);
  if (target.isEmpty()) return target;
  painter.save();
  // The shapes themselves are scaled, not a picture of them: lines and text are as
  // sharp as the device draws.
  painter.translate(target.topLeft());
  painter.scale(target.width() / area.width(), target.height() / area.height());
  picture.paint(painter);
  painter.restore();
  return target;
}

bool printPicture(QPrinter& printer, const VectorSurface& picture, QRectF* placed) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The painter's origin is the printable area's corner; the device is that area.
  const QRectF target =
      paintOnPage(painter, QRectF(0, 0, printer.width(), printer.height()), picture);
  if (placed != nullptr) *placed = target;
  return painter.end();
}

void MainWindow::printWithPreview() {
  const std::unique_ptr<VectorSurface> picture = pictureAsVectors();
  QPrinter printer(QPrinter::HighResolution);
  printer.setPageOrientation(picture->AreaWidthPixels() > picture->AreaHeightPixels()
                                 ? QPageLayout::Landscape
                                 : QPageLayout::Portrait);
  QPrintPreviewDialog dialog(&printer, this);
  dialog.setObjectName(QStringLiteral("printPreview"));
  bool failed = false;
  connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
          [&picture, &failed](QPrinter* target) {
            if (!printPicture(*target, *picture)) failed = true;
          });
  dialog.exec();
  if (failed) program_.message("打印错误", kTitleError);
}

}  // namespace quorvel
