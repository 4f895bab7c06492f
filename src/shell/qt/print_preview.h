#pragma once
// Printing with the print dialog: the picture drawn afresh as lines and text on the
// printer's page at the printer's resolution, as large as the page allows.
#include <QRectF>
#include <QSizeF>

class QPainter;
class QPrinter;

namespace quorvel {

class VectorSurface;

// Where a picture of `picture` (any unit) goes on a page whose printable area is
// `page` (device units): scaled to just fit the area, its proportions kept, centred
// across the area and at its top. An empty picture or area gives an empty rectangle
// at the area's top-left corner.
QRectF pagePlacement(QSizeF picture, const QRectF& page);

// Paints the picture's drawing area, placed by pagePlacement in `page`, on
// `painter`; returns where it went.
QRectF paintOnPage(QPainter& painter, const QRectF& page, const VectorSurface& picture);

// One page on the printer: false when the printer would not start or finish it.
// `placed`, when given, receives where the picture went (device units from the
// printable area's corner).
bool printPicture(QPrinter& printer, const VectorSurface& picture, QRectF* placed = nullptr);

}  // namespace quorvel
