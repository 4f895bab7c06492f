#include "plot/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvel::testing {

namespace {

constexpr double kBucketPixels = 2;   // a point is looked up within one bucket round it
constexpr double kBucketMargin = 16;  // pixels round the frame that are indexed too

bool nearFrame(const PixelFrame& frame, const PlanePoint& a, const PlanePoint& b, double margin) {
  const double c0 = std::min(frame.columnOf(a.x), frame.columnOf(b.x));
  const double c1 = std::max(frame.columnOf(a.x), frame.columnOf(b.x));
  const double r0 = std::min(frame.rowOf(a.y), frame.rowOf(b.y));
  const double r1 = std::max(frame.rowOf(a.y), frame.rowOf(b.y));
  return c1 >= -margin && c0 <= frame.width + margin && r1 >= -margin &&
         r0 <= frame.height + margin;
}

}  // namespace

PixelFrame frameAt(double scale, double cx, double cy, int width, int height) {
  PixelFrame frame;
  frame.width = width;
  frame.height = height;
  frame.pixelsPerUnitX = frame.pixelsPerUnitY = scale / 15.0;
  frame.left = cx - width / 2.0 / frame.pixelsPerUnitX;
  frame.top = cy + height / 2.0 / frame.pixelsPerUnitY;
  return frame;
}

// The distance from (px, py) to the segment from (ax, ay) to (bx, by), all in pixels.
double pixelDistanceToSegment(double px, double py, double ax, double ay, double bx, double by) {
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  double f = 0;
  if (length2 > 0) f = std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0);
  const double ex = px - (ax + f * dx), ey = py - (ay + f * dy);
  return std::sqrt(ex * ex + ey * ey);
}

double pixelsToSegment(const PixelFrame& frame, const PlanePoint& p, const PlanePoint& a,
                       const PlanePoint& b) {
  return pixelDistanceToSegment(frame.columnOf(p.x), frame.rowOf(p.y), frame.columnOf(a.x),
                                frame.rowOf(a.y), frame.columnOf(b.x), frame.rowOf(b.y));
}

std::vector<std::vector<PlanePoint>> densePoints(
    const std::function<std::optional<PlanePoint>(double)>& pointAt, double from, double to,
    const PixelFrame& frame, double spacing) {
  std::vector<std::vector<PlanePoint>> runs(1);
  auto endRun = [&] {
    if (!runs.back().empty()) runs.emplace_back();
  };
  // Points strictly between (ta, a) and (tb, b), in order; false at a jump.
  std::function<bool(double, const PlanePoint&, double, const PlanePoint&, int)> fill =
      [&](double ta, const PlanePoint& a, double tb, const PlanePoint& b, int depth) {
        if (frame.pixelDistance(a, b) <= spacing) return true;
        if (!nearFrame(frame, a, b, kBucketMargin)) return false;
        const double tm = (ta + tb) / 2;
        const std::optional<PlanePoint> m = pointAt(tm);
        if (depth > 60 || !m) return false;
        if (!fill(ta, a, tm, *m, depth + 1)) {
          endRun();
        }
        runs.back().push_back(*m);
        return fill(tm, *m, tb, b, depth + 1);
      };
  constexpr int kSteps = 20000;
  std::optional<PlanePoint> previous = pointAt(from);
  double tPrevious = from;
  if (previous) runs.back().push_back(*previous);
  for (int k = 1; k <= kSteps; ++k) {
    const double t = k == kSteps ? to : from + (to - from) * k / kSteps;
    const std::optional<PlanePoint> next = pointAt(t);
    if (previous && next) {
      if (!fill(tPrevious, *previous, t, *next, 0)) endRun();
    } else if (previous) {
      // Up to the edge of the domain.
      double tIn = tPrevious, tOut = t;
      PlanePoint in = *previous;
      for (int i = 0; i < 60; ++i) {
        const double tm = (tIn + tOut) / 2;
        if (const std::optional<PlanePoint> m = pointAt(tm)) {
          if (!fill(tIn, in, tm, *m, 0)) endRun();
          runs.back().push_back(*m);
          tIn = tm;
          in = *m;
        } else {
          tOut = tm;
        }
      }
      endRun();
    } else if (next) {
      // From the edge of the domain: the points nearest it first, then in order.
      std::vector<std::pair<double, PlanePoint>> edge;
      double tOut = tPrevious, tIn = t;
      for (int i = 0; i < 60; ++i) {
        const double tm = (tIn + tOut) / 2;
        if (const std::optional<PlanePoint> m = pointAt(tm)) {
          edge.emplace_back(tm, *m);
          tIn = tm;
        } else {
          tOut = tm;
        }
      }
      endRun();
      for (auto it = edge.rbegin(); it != edge.rend(); ++it) {
        if (!runs.back().empty()) {
          const auto& before = *(it - 1);
          if (!fill(before.first, before.second, it->first, it->second, 0)) endRun();
        }
        runs.back().push_back(it->second);
      }
      if (!edge.empty() && !fill(edge.front().first, edge.front().second, t, *next, 0)) endRun();
    } else {
      endRun();
    }
    if (next) runs.back().push_back(*next);
    previous = next;
    tPrevious = t;
  }
  if (runs.back().empty()) runs.pop_back();
  return runs;
}

SegmentIndex::SegmentIndex(const PixelFrame& frame, const std::vector<PlanePolyline>& lines)
    : frame_(frame) {
  columns_ = static_cast<long>(std::ceil((frame.width + 2 * kBucketMargin) / kBucketPixels));
  rows_ = static_cast<long>(std::ceil((frame.height + 2 * kBucketMargin) / kBucketPixels));
  auto bucket = [](double pixel) {
    return static_cast<long>(std::floor((pixel + kBucketMargin) / kBucketPixels));
  };
  // (bucket, segment) for every bucket a segment's box covers, then sorted by bucket.
  std::vector<std::pair<std::size_t, std::size_t>> entries;
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const std::vector<PlanePoint>& points = lines[l].points;
    for (std::size_t k = 1; k < points.size(); ++k) {
      const PlanePoint a = points[k - 1], b = points[k];
      if (!nearFrame(frame, a, b, kBucketMargin)) continue;
      const Segment g{frame.columnOf(a.x), frame.rowOf(a.y), frame.columnOf(b.x), frame.rowOf(b.y),
                      l};
      const long c0 = std::max(0L, bucket(std::min(g.ax, g.bx)));
      const long c1 = std::min(columns_ - 1, bucket(std::max(g.ax, g.bx)));
      const long r0 = std::max(0L, bucket(std::min(g.ay, g.by)));
      const long r1 = std::min(rows_ - 1, bucket(std::max(g.ay, g.by)));
      for (long r = r0; r <= r1; ++r) {
        for (long c = c0; c <= c1; ++c) entries.emplace_back(bucketOf(c, r), segments_.size());
      }
      segments_.push_back(g);
    }
  }
  std::sort(entries.begin(), entries.end());
  starts_.assign(static_cast<std::size_t>(columns_ * rows_) + 1, 0);
  for (const auto& e : entries) ++starts_[e.first + 1];
  for (std::size_t k = 1; k < starts_.size(); ++k) starts_[k] += starts_[k - 1];
  ids_.reserve(entries.size());
  for (const auto& e : entries) ids_.push_back(e.second);
}

std::size_t SegmentIndex::bucketOf(long column, long row) const {
  return static_cast<std::size_t>(row * columns_ + column);
}

template <class Visit>
void SegmentIndex::around(const PlanePoint& p, Visit visit) const {
  const double column = frame_.columnOf(p.x), row = frame_.rowOf(p.y);
  const long c = static_cast<long>(std::floor((column + kBucketMargin) / kBucketPixels));
  const long r = static_cast<long>(std::floor((row + kBucketMargin) / kBucketPixels));
  for (long dr = -1; dr <= 1; ++dr) {
    for (long dc = -1; dc <= 1; ++dc) {
      if (c + dc < 0 || r + dr < 0 || c + dc >= columns_ || r + dr >= rows_) continue;
      const std::size_t b = bucketOf(c + dc, r + dr);
      for (std::size_t k = starts_[b]; k < starts_[b + 1]; ++k) {
        const Segment& g = segments_[ids_[k]];
        visit(g, pixelDistanceToSegment(column, row, g.ax, g.ay, g.bx, g.by));
      }
    }
  }
}

double SegmentIndex::distance(const PlanePoint& p) const {
  double best = 1e9;
  around(p, [&](const Segment&, double d) { best = std::min(best, d); });
  return best;
}

std::vector<std::size_t> SegmentIndex::linesNear(const PlanePoint& p, double gap) const {
  std::vector<std::size_t> out;
  around(p, [&](const Segment& g, double d) {
    if (d <= gap) out.push_back(g.line);
  });
  return out;
}

int piecesOf(const PixelFrame& frame, const std::vector<PlanePolyline>& lines, double gap) {
  std::vector<std::size_t> parent(lines.size());
  std::iota(parent.begin(), parent.end(), 0);
  auto root = [&](std::size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  // Each vertex of a polyline against the segments of every polyline near it.
  const SegmentIndex index(frame, lines);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (const PlanePoint& p : lines[i].points) {
      for (const std::size_t j : index.linesNear(p, gap)) parent[root(i)] = root(j);
    }
  }
  int pieces = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) pieces += root(i) == i ? 1 : 0;
  return pieces;
}

bool insideFrame(const PixelFrame& frame, const PlanePoint& p, double inset) {
  const double c = frame.columnOf(p.x), r = frame.rowOf(p.y);
  return c >= inset && c <= frame.width - inset && r >= inset && r <= frame.height - inset;
}

}  // namespace quorvel::testing
