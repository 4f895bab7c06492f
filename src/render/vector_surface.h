#pragma once
// A drawing surface for vector pictures (SVG, PDF). It keeps what was drawn since the
// last Cls, in pixels of the drawing area mapped exactly as the raster surface maps
// user units, and paints it on any QPainter whose unit is one pixel: lines and dots
// as strokes, text as text in a face with Chinese glyphs. Needs a QGuiApplication
// for the text.
//
// Painting joins each run of segments that continue one another (the end of one is
// the start of the next, same colour and width) into one polyline, leaves out the
// dots that such a polyline already covers (a dot at one of its points is the round
// join there) and cuts away what lies wholly outside the picture. The picture stays
// the same: strokes of one colour cover the union of their shapes whatever their
// order, and round caps and joins cover the same discs as the separate segments.
#include <QFont>
#include <QPointF>
#include <QRgb>
#include <QString>
#include <string>
#include <vector>

#include "plot/surface.h"

class QPainter;

namespace quorvel {

class VectorSurface : public Surface {
 public:
  // The default is an 800 × 800-pixel picture without a border.
  explicit VectorSurface(int widthPixels = 800, int heightPixels = 800, int borderPixels = 0);

  // One shape as it is painted, in pixels from the drawing area's top-left corner.
  struct Shape {
    enum class Kind { Polyline, Dot, Text, Box, Circle, Polygon };
    Kind kind = Kind::Dot;
    QRgb colour = 0;
    int width = 1;                // pen width in pixels (lines and dots)
    std::vector<QPointF> points;  // polyline: two or more; dot: its centre; text: top-left;
                                  // box: two opposite corners
    QString text;
    int fontPixels = 12;  // text: the size of its font
    double radius = 0;    // circle: its outer radius in pixels
    bool filled = false;  // circle: a disc, or a ring around white
    double opacity = 1;   // polygon: its fill's
  };

  // The shapes in painting order: what was drawn since the last Cls, joined and cut
  // as described above.
  std::vector<Shape> shapes() const;

  // Paints the drawing area (white) and the shapes on `painter`.
  void paint(QPainter& painter) const;

  QString fontFamily() const { return font_.family(); }

 protected:
  void onFontSize() override;
  double textWidthPixels(const std::string& text) const override;
  double textHeightPixels() const override;
  void onCls() override;
  void onLine(float x1, float y1, float x2, float y2) override;
  void onPSet(float x, float y) override;
  void onPrint(float x, float y, const std::string& text) override;
  void onFillBox(float x1, float y1, float x2, float y2) override;
  void onCircle(float x, float y, float radiusPixels, bool filled) override;
  void onFillPolygon(const std::vector<PolygonPoint>& points, double opacity) override;

 private:
  // One drawing call in pixels, with the pen it was drawn with.
  struct Mark {
    enum class Kind { Line, Dot, Text, Box, Circle, Polygon };
    Kind kind;
    QPointF from, to;  // a dot and a text use `from` only; a box's corners
    QRgb colour;
    int width;
    QString text;
    int fontPixels;
    double radius = 0;  // a circle's
    bool filled = false;
    std::vector<QPointF> polygon{};  // a polygon's corners
    double opacity = 1;
  };

  QRgb penColour() const;

  std::vector<Mark> marks_;
  QFont font_;
};

}  // namespace quorvel
