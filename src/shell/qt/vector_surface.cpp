#include "shell/qt/vector_surface.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace quorvel {

namespace {

// 9 points at 96 dots per inch, as on the screen.
constexpr int kFontPixelSize = 12;

// A sans-serif face with Chinese glyphs: the two usual ones by name, else any face
// that writes Simplified Chinese (proportional first), else the default sans.
QString chineseFamily() {
  for (const char* name : {"WenQuanYi Micro Hei", "Noto Sans CJK SC"}) {
    if (QFontDatabase::hasFamily(QString::fromLatin1(name))) return QString::fromLatin1(name);
  }
  const QStringList chinese = QFontDatabase::families(QFontDatabase::SimplifiedChinese);
  for (const QString& family : chinese) {
    if (!QFontDatabase::isFixedPitch(family)) return family;
  }
  return chinese.isEmpty() ? QString() : chinese.front();
}

QFont pictureFont() {
  static const QString family = chineseFamily();
  QFont font;
  if (!family.isEmpty()) font.setFamily(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(kFontPixelSize);
  return font;
}

// QPointF's own == forgives small differences; joining needs the very same point.
bool samePoint(const QPointF& a, const QPointF& b) { return a.x() == b.x() && a.y() == b.y(); }

bool finite(const QPointF& p) { return std::isfinite(p.x()) && std::isfinite(p.y()); }

// The area a stroke of some width can be seen from: the picture and a margin.
struct Box {
  double left, top, right, bottom;
  bool contains(const QPointF& p) const {
    return p.x() >= left && p.x() <= right && p.y() >= top && p.y() <= bottom;
  }
};

Box boxFor(int areaWidth, int areaHeight, int penWidth) {
  const double margin = penWidth + 2.0;
  return Box{-margin, -margin, areaWidth + margin, areaHeight + margin};
}

// Cuts the segment a-b to the box (Liang–Barsky); false when nothing of it is inside.
// A cut end is put on the edge and its other coordinate is interpolated from the end
// nearer to that edge, so a far end (1e30) does not wash out the part that is seen.
bool clipSegment(QPointF& a, QPointF& b, const Box& box) {
  if (box.contains(a) && box.contains(b)) return true;
  const double dx = b.x() - a.x();
  const double dy = b.y() - a.y();
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {a.x() - box.left, box.right - a.x(), a.y() - box.top, box.bottom - a.y()};
  const double edge[4] = {box.left, box.right, box.top, box.bottom};
  double t0 = 0;
  double t1 = 1;
  int enter = -1;
  int leave = -1;
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double t = q[i] / p[i];
    if (p[i] < 0) {
      if (t > t1) return false;
      if (t > t0) {
        t0 = t;
        enter = i;
      }
    } else {
      if (t < t0) return false;
      if (t < t1) {
        t1 = t;
        leave = i;
      }
    }
  }
  const QPointF start = a;
  const QPointF end = b;
  auto onEdge = [&](int i) {
    const double e = edge[i];
    if (i < 2) {  // a vertical edge; dx is not 0 here
      const QPointF& near = std::abs(e - start.x()) <= std::abs(e - end.x()) ? start : end;
      return QPointF(e, near.y() + (e - near.x()) * (dy / dx));
    }
    const QPointF& near = std::abs(e - start.y()) <= std::abs(e - end.y()) ? start : end;
    return QPointF(near.x() + (e - near.y()) * (dx / dy), e);
  };
  if (enter >= 0) a = onEdge(enter);
  if (leave >= 0) b = onEdge(leave);
  // Rounding may leave a cut end a hair outside; the box bounds the result.
  a = QPointF(std::clamp(a.x(), box.left, box.right), std::clamp(a.y(), box.top, box.bottom));
  b = QPointF(std::clamp(b.x(), box.left, box.right), std::clamp(b.y(), box.top, box.bottom));
  return true;
}

using Shape = VectorSurface::Shape;

// Appends the parts of `chain` that lie in the box as polylines.
void appendClipped(const std::vector<QPointF>& chain, const Box& box, const Shape& pen,
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
    if (!clipSegment(a, b, box)) {
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
  marks_.push_back(Mark{Mark::Kind::Line, from, to, penColour(), DrawWidth(), {}});
}

void VectorSurface::onPSet(float x, float y) {
  const PixelPoint p = toPixels(x, y);
  const QPointF at(p.column, p.row);
  if (!finite(at)) return;
  marks_.push_back(Mark{Mark::Kind::Dot, at, at, penColour(), DrawWidth(), {}});
}

void VectorSurface::onPrint(float x, float y, const std::string& text) {
  const PixelPoint p = toPixels(x, y);
  const QPointF at(p.column, p.row);
  if (text.empty() || !finite(at)) return;
  marks_.push_back(
      Mark{Mark::Kind::Text, at, at, penColour(), DrawWidth(), QString::fromStdString(text)});
}

std::vector<VectorSurface::Shape> VectorSurface::shapes() const {
  std::vector<Shape> out;
  const int areaWidth = AreaWidthPixels();
  const int areaHeight = AreaHeightPixels();
  const QFontMetricsF metrics(font_);
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
    const Box box = boxFor(areaWidth, areaHeight, width);
    for (const auto& chain : chains) appendClipped(chain, box, pen, out);
    for (const QPointF& dot : dots) {
      if (!box.contains(dot)) continue;
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
      // Text wholly outside the picture is left out.
      if (at.x() >= areaWidth || at.y() >= areaHeight || at.y() <= -metrics.height() ||
          at.x() + metrics.horizontalAdvance(m->text) <= 0) {
        continue;
      }
      Shape s = pen;
      s.kind = Shape::Kind::Text;
      s.points = {at};
      s.text = m->text;
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
  painter.setFont(font_);
  const double ascent = QFontMetricsF(font_, painter.device()).ascent();
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
      case Shape::Kind::Text:
        painter.setPen(colour);
        painter.drawText(QPointF(s.points.front().x(), s.points.front().y() + ascent), s.text);
        break;
    }
  }
  painter.restore();
}

}  // namespace quorvel
