#pragma once
// Printing: the picture drawn afresh as lines and text on the printer's page at the
// printer's resolution, the same way from the toolbar's 打印 and from the print
// preview of 打印… (Ctrl+P): at its size on the screen, 96 of its pixels to the inch,
// made just small enough to fit when it is larger than the page.
#include <QRectF>
#include <QSize>

class QPainter;
class QPrinter;

namespace quorvel {

class VectorSurface;

// Where a picture of `picturePixels` goes on a page whose printable area is
// `printable` (device units, in the painter's coordinates) on a device of `dpi` dots
// to the inch: at the area's top-left corner, at 96 of its pixels to the inch when
// that fits the area, else scaled down to just fit it, keeping its proportions. An
// empty picture, an empty area or a resolution of 0 or less give an empty rectangle
// at the corner.
QRectF printPlacement(QSize picturePixels, const QRectF& printable, double dpi);

// Paints the picture's drawing area scaled into `target` on `painter`.
void paintOnPage(QPainter& painter, const QRectF& target, const VectorSurface& picture);

// One page on the printer: false when the printer would not start or finish it.
// `placed`, when given, receives where the picture went (device units from the
// printable area's corner).
bool printPicture(QPrinter& printer, const VectorSurface& picture, QRectF* placed = nullptr);

}  // namespace quorvel
