#pragma once
// The painter's lines and dots of one pen, gathered before they are painted: lines
// that continue one another go as one polyline, so a curve of many short segments is
// stroked once (round joins, no darker seams where antialiased segments overlap),
// and a dot under a line's end is left out (the line's round cap covers it). Strokes
// of one pen cover the union of their shapes whatever their order, so the picture
// is that of the calls one at a time, painted much faster.
#include <QPointF>
#include <vector>

class QPainter;

namespace quorvel {

class StrokeBatch {
 public:
  // A segment from `from` to `to` (pixels, as given: a later segment continues from
  // `to`), of which the part a–b is seen (a == from and b == to when nothing was cut).
  void line(QPainter& painter, const QPointF& from, const QPointF& to, const QPointF& a,
            const QPointF& b);
  // A dot at `at` (pixels, seen).
  void dot(const QPointF& at);
  // Paints everything gathered with the painter's pen, and forgets it.
  void flush(QPainter& painter);
  bool empty() const { return open_.empty() && dots_.empty(); }

 private:
  struct Chain {
    std::vector<QPointF> points;
    QPointF end;       // where the next segment must start to continue it
    bool open = true;  // false: its last segment was cut, nothing continues it
  };
  void paintChain(QPainter& painter, const Chain& chain) const;
  void paintDot(QPainter& painter, const QPointF& at) const;
  // Leaves out a gathered dot at `p` (the last few only: the plotter sets a dot just
  // before the line that ends on it, or one or two dots earlier).
  void coverDot(const QPointF& p);

  std::vector<Chain> open_;
  std::vector<QPointF> dots_;
};

}  // namespace quorvel
