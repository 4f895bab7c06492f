#include "render/vector_surface.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "plot/clip_segment.h"
#include "render/font_family.h"

namespace quorvel {

namespace {

// QPointF's own == forgives small differences; joining needs the very same point.
bool samePoint(const QPointF& a, const QPointF& b) { return a.x() == b.x() && a.y() == b.y(); }

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// The area a stroke of some width can be seen from: the picture and a margin.
ClipBox boxFor(int areaWidth, int areaHeight, int penWidth) {
  const double margin = penWidth + 2.0;
  return ClipBox{-margin, -margin, areaWidth + margin, areaHeight + margin};
}

bool contains(const ClipBox& box, const QPointF& p) {
  return p.x() >= box.left && p.x() <= box.right && p.y() >= box.top && p.y() <= box.bottom;
}

// Cuts the segment a-b to the box; false when nothing of it is inside.
bool clipToBox(QPointF& a, QPointF& b, const ClipBox& box) {
  double x0 = a.x(), y0 = a.y(), x1 = b.x(), y1 = b.y();
  if (!clipSegment(x0, y0, x1, y1, box)) return false;
  a = QPointF(x0, y0);
  b = QPointF(x1, y1);
  return true;
}

using Shape = VectorSurface::Shape;

// Appends the parts of `chain` that lie in the box as polylines.
void appendClipped(const std::vector<QPointF>& chain, const ClipBox& box, const Shape& pen,
                   std::vector<Shape>& out) {
  std::vector<QPointF> piece;
  auto finish = [&] {
    if (piece.size() >= 2) {
      Shape s = pen;
      s.kind = Shape::Kind::Polyline;
      s.points = std::move(piece);
      out.push_back(std::move(s));
    }
    piece.clear();
  };
  for (std::size_t i = 1; i < chain.size(); ++i) {
    QPointF a = chain[i - 1];
    QPointF b = chain[i];
    if (!clipToBox(a, b, box)) {
      finish();
      continue;
    }
    if (piece.empty() || !samePoint(piece.back(), a)) {
      finish();
      piece.push_back(a);
    }
    piece.push_back(b);
    if (!samePoint(b, chain[i])) finish();  // the chain leaves the box here
  }
  finish();
}

}  // namespace

VectorSurface::VectorSurface(int widthPixels, int heightPixels, int borderPixels)
    : Surface(widthPixels, heightPixels, borderPixels), font_(pictureFont()) {}

void VectorSurface::onFontSize() {
  font_.setPixelSize(
      std::max(1, static_cast<int>(std::lround(static_cast<double>(FontSize()) * 96.0 / 72.0))));
}

double VectorSurface::textWidthPixels(const std::string& text) const {
  return QFontMetricsF(font_).horizontalAdvance(QString::fromStdString(text));
}

double VectorSurface::textHeightPixels() const { return QFontMetricsF(font_).height(); }

QRgb VectorSurface::penColour() const {
  const std::int32_t rgb = ForeColor();
  return qRgb(redOf(rgb), greenOf(rgb), blueOf(rgb));
}

void VectorSurface::onCls() { marks_.clear(); }

void VectorSurface::onLine(float x1, float y1, float x2, float y2) {
  const PixelPoint a = toPixels(x1, y1);
  const PixelPoint b = toPixels(x2, y2);
  const QPointF from(a.column, a.row);
  const QPointF to(b.column, b.row);
  if (!finite(from) || !finite(to)) return;  // a point at infinity has no pixel
  marks_.push_back(Mark{Mark::Kind::Line, from, to, penColour(), DrawWidth(), {}, 0, 0, false});
}

void VectorSurface::onPSet(float x, float y) {
  const PixelPoint p = toPixels(x, y);
  const QPointF at(p.column, p.row);
  if (!finite(at)) return;
  marks_.push_back(Mark{Mark::Kind::Dot, at, at, penColour(), DrawWidth(), {}, 0, 0, false});
}

void VectorSurface::onPrint(float x, float y, const std::string& text) {
  const PixelPoint p = toPixels(x, y);
  const QPointF at(p.column, p.row);
  if (text.empty() || !finite(at)) return;
  marks_.push_back(Mark{Mark::Kind::Text, at, at, penColour(), DrawWidth(),
                        QString::fromStdString(text), font_.pixelSize(), 0, false});
}

void VectorSurface::onFillBox(float x1, float y1, float x2, float y2) {
  const PixelPoint a = toPixels(x1, y1);
  const PixelPoint b = toPixels(x2, y2);
  const QPointF from(a.column, a.row);
  const QPointF to(b.column, b.row);
  if (!finite(from) || !finite(to)) return;
  marks_.push_back(Mark{Mark::Kind::Box, from, to, penColour(), DrawWidth(), {}, 0, 0, false});
}

void VectorSurface::onFillPolygon(const std::vector<PolygonPoint>& points, double opacity) {
  const double width = AreaWidthPixels(), height = AreaHeightPixels();
  Mark mark{Mark::Kind::Polygon, {}, {}, penColour(), DrawWidth(), {}, 0, 0, false};
  for (const PolygonPoint& point : points) {
    const PixelPoint p = toPixels(point.x, point.y);
    if (!std::isfinite(p.column) || !std::isfinite(p.row)) return;
    // Kept near the picture, as a box is cut to it.
    mark.polygon.emplace_back(std::clamp(p.column, -2.0, width + 2),
                              std::clamp(p.row, -2.0, height + 2));
  }
  mark.opacity = opacity;
  marks_.push_back(std::move(mark));
}

void VectorSurface::onCircle(float x, float y, float radiusPixels, bool filled) {
  const PixelPoint p = toPixels(x, y);
  const QPointF at(p.column, p.row);
  if (!finite(at) || !(radiusPixels > 0)) return;
  marks_.push_back(
      Mark{Mark::Kind::Circle, at, at, penColour(), DrawWidth(), {}, 0, radiusPixels, filled});
}

std::vector<VectorSurface::Shape> VectorSurface::shapes() const {
  std::vector<Shape> out;
  const int areaWidth = AreaWidthPixels();
  const int areaHeight = AreaHeightPixels();
  std::size_t runStart = 0;
  while (runStart < marks_.size()) {
    // A run: marks of one colour and one width, which may be painted in any order.
    const QRgb colour = marks_[runStart].colour;
    const int width = marks_[runStart].width;
    std::size_t runEnd = runStart;
    while (runEnd < marks_.size() && marks_[runEnd].colour == colour &&
           marks_[runEnd].width == width) {
      ++runEnd;
    }
    std::vector<std::vector<QPointF>> chains;
    std::map<std::pair<double, double>, std::size_t> chainEnds;  // last point → chain
    std::vector<QPointF> dots;
    std::vector<const Mark*> texts;
    for (std::size_t i = runStart; i < runEnd; ++i) {
      const Mark& m = marks_[i];
      if (m.kind == Mark::Kind::Text) {
        texts.push_back(&m);
        continue;
      }
      if (m.kind == Mark::Kind::Polygon) {
        Shape s;
        s.kind = Shape::Kind::Polygon;
        s.colour = m.colour;
        s.points = m.polygon;
        s.opacity = m.opacity;
        out.push_back(std::move(s));
        continue;
      }
      if (m.kind == Mark::Kind::Circle) {
        // A circle wholly outside the picture is left out.
        if (!QRectF(-m.radius, -m.radius, areaWidth + 2 * m.radius, areaHeight + 2 * m.radius)
                 .contains(m.from)) {
          continue;
        }
        Shape s;
        s.kind = Shape::Kind::Circle;
        s.colour = m.colour;
        s.width = m.width;
        s.points = {m.from};
        s.radius = m.radius;
        s.filled = m.filled;
        out.push_back(std::move(s));
        continue;
      }
      if (m.kind == Mark::Kind::Box) {
        // Cut to the picture; a box of one colour goes under that colour's strokes.
        const QRectF box = QRectF(m.from, m.to)
                               .normalized()
                               .intersected(QRectF(-1, -1, areaWidth + 2, areaHeight + 2));
        if (box.isEmpty()) continue;
        Shape s;
        s.kind = Shape::Kind::Box;
        s.colour = m.colour;
        s.width = m.width;
        s.points = {box.topLeft(), box.bottomRight()};
        out.push_back(std::move(s));
        continue;
      }
      if (m.kind == Mark::Kind::Dot || samePoint(m.from, m.to)) {
        dots.push_back(m.from);
        continue;
      }
      // The two branches of a two-valued curve take turns, so any chain may continue.
      std::size_t k = chains.size();
      const auto end = chainEnds.find({m.from.x(), m.from.y()});
      if (end != chainEnds.end()) {
        k = end->second;
        chainEnds.erase(end);
        chains[k].push_back(m.to);
      } else {
        chains.push_back({m.from, m.to});
      }
      chainEnds[{m.to.x(), m.to.y()}] = k;
    }
    // A dot on a point of a polyline is inside its round join or cap already.
    std::vector<std::pair<double, double>> corners;
    for (const auto& chain : chains) {
      for (const QPointF& p : chain) corners.emplace_back(p.x(), p.y());
    }
    std::sort(corners.begin(), corners.end());

    Shape pen;
    pen.colour = colour;
    pen.width = width;
    const ClipBox box = boxFor(areaWidth, areaHeight, width);
    for (const auto& chain : chains) appendClipped(chain, box, pen, out);
    for (const QPointF& dot : dots) {
      if (!contains(box, dot)) continue;
      if (std::binary_search(corners.begin(), corners.end(), std::make_pair(dot.x(), dot.y()))) {
        continue;
      }
      Shape s = pen;
      s.kind = Shape::Kind::Dot;
      s.points = {dot};
      out.push_back(std::move(s));
    }
    for (const Mark* m : texts) {
      const QPointF& at = m->from;
      QFont font = font_;
      font.setPixelSize(m->fontPixels);
      const QFontMetricsF metrics(font);
      // Text wholly outside the picture is left out.
      if (at.x() >= areaWidth || at.y() >= areaHeight || at.y() <= -metrics.height() ||
          at.x() + metrics.horizontalAdvance(m->text) <= 0) {
        continue;
      }
      Shape s = pen;
      s.kind = Shape::Kind::Text;
      s.points = {at};
      s.text = m->text;
      s.fontPixels = m->fontPixels;
      out.push_back(std::move(s));
    }
    runStart = runEnd;
  }
  return out;
}

void VectorSurface::paint(QPainter& painter) const {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  const QRectF area(0, 0, AreaWidthPixels(), AreaHeightPixels());
  painter.fillRect(area, Qt::white);
  for (const Shape& s : shapes()) {
    const QColor colour = QColor::fromRgb(s.colour);
    switch (s.kind) {
      case Shape::Kind::Polyline: {
        QPen pen(colour);
        pen.setWidthF(s.width);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPolyline(s.points.data(), static_cast<int>(s.points.size()));
        break;
      }
      case Shape::Kind::Dot:
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(s.points.front(), s.width / 2.0, s.width / 2.0);
        break;
      case Shape::Kind::Box:
        painter.fillRect(QRectF(s.points.front(), s.points.back()), colour);
        break;
      case Shape::Kind::Polygon: {
        QColor fill = colour;
        fill.setAlphaF(static_cast<float>(s.opacity));
        painter.setPen(Qt::NoPen);
        painter.setBrush(fill);
        painter.drawPolygon(s.points.data(), static_cast<int>(s.points.size()));
        break;
      }
      case Shape::Kind::Circle:
        if (s.filled) {
          painter.setPen(Qt::NoPen);
          painter.setBrush(colour);
          painter.drawEllipse(s.points.front(), s.radius, s.radius);
        } else {
          const double width = std::min<double>(s.width, s.radius);
          QPen pen(colour);
          pen.setWidthF(width);
          painter.setPen(pen);
          painter.setBrush(Qt::white);
          painter.drawEllipse(s.points.front(), s.radius - width / 2, s.radius - width / 2);
        }
        break;
      case Shape::Kind::Text: {
        QFont font = font_;
        font.setPixelSize(s.fontPixels);
        painter.setFont(font);
        painter.setPen(colour);
        const double ascent = QFontMetricsF(font, painter.device()).ascent();
        painter.drawText(QPointF(s.points.front().x(), s.points.front().y() + ascent), s.text);
        break;
      }
    }
  }
  painter.restore();
}

}  // namespace quorvel
