#include "qt/print_preview.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <memory>

#include "catalogue/curve_rules.h"
#include "qt/main_window.h"
#include "render/vector_surface.h"
#include "shell/program.h"

namespace quorvel {

QRectF printPlacement(QSize picturePixels, const QRectF& printable, double dpi) {
  const QPointF corner = printable.topLeft();
  if (picturePixels.isEmpty() || printable.isEmpty() || !(dpi > 0)) {
    return {corner, QSizeF(0, 0)};
  }
  // The picture keeps its size on paper: 96 of its pixels to the inch...
  QSizeF size = QSizeF(picturePixels) * (dpi / 96.0);
  // ...unless that runs past the printable area: then it is made just small enough.
  if (size.width() > printable.width() || size.height() > printable.height()) {
    size.scale(printable.size(), Qt::KeepAspectRatio);
  }
  return {corner, size};
}

void paintOnPage(QPainter& painter, const QRectF& target, const VectorSurface& picture) {
  const QSizeF area(picture.AreaWidthPixels(), picture.AreaHeightPixels());
  if (target.isEmpty() || area.isEmpty()) return;
  painter.save();
  // The shapes themselves are scaled, not a picture of them: lines and text are as
  // sharp as the device draws.
  painter.translate(target.topLeft());
  painter.scale(target.width() / area.width(), target.height() / area.height());
  picture.paint(painter);
  painter.restore();
}

bool printPicture(QPrinter& printer, const VectorSurface& picture, QRectF* placed) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  // The painter's origin is the printable area's corner; the device is that area.
  const QRectF target =
      printPlacement(QSize(picture.AreaWidthPixels(), picture.AreaHeightPixels()),
                     QRectF(0, 0, printer.width(), printer.height()), printer.resolution());
  paintOnPage(painter, target, picture);
  if (placed != nullptr) *placed = target;
  // Ending the document sends the page (or writes the file), which can fail too.
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
