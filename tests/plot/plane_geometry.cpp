#include "plot/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace quorvel::testing {

namespace {

constexpr double kBucketPixels = 4;
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

double pixelsToSegment(const PixelFrame& frame, const PlanePoint& p, const PlanePoint& a,
                       const PlanePoint& b) {
  const double px = frame.columnOf(p.x), py = frame.rowOf(p.y);
  const double ax = frame.columnOf(a.x), ay = frame.rowOf(a.y);
  const double dx = frame.columnOf(b.x) - ax, dy = frame.rowOf(b.y) - ay;
  const double length2 = dx * dx + dy * dy;
  double f = 0;
  if (length2 > 0) f = std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0);
  const double ex = px - (ax + f * dx), ey = py - (ay + f * dy);
  return std::sqrt(ex * ex + ey * ey);
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
  buckets_.resize(static_cast<std::size_t>(columns_ * rows_));
  for (const PlanePolyline& line : lines) {
    for (std::size_t k = 1; k < line.points.size(); ++k) {
      const PlanePoint a = line.points[k - 1], b = line.points[k];
      if (!nearFrame(frame, a, b, kBucketMargin)) continue;
      const std::size_t id = segments_.size();
      segments_.push_back({a, b});
      auto bucket = [&](double pixel) {
        return static_cast<long>(std::floor((pixel + kBucketMargin) / kBucketPixels));
      };
      const long c0 = std::max(0L, bucket(std::min(frame.columnOf(a.x), frame.columnOf(b.x))));
      const long c1 =
          std::min(columns_ - 1, bucket(std::max(frame.columnOf(a.x), frame.columnOf(b.x))));
      const long r0 = std::max(0L, bucket(std::min(frame.rowOf(a.y), frame.rowOf(b.y))));
      const long r1 = std::min(rows_ - 1, bucket(std::max(frame.rowOf(a.y), frame.rowOf(b.y))));
      for (long r = r0; r <= r1; ++r) {
        for (long c = c0; c <= c1; ++c) buckets_[bucketOf(c, r)].push_back(id);
      }
    }
  }
}

std::size_t SegmentIndex::bucketOf(long column, long row) const {
  return static_cast<std::size_t>(row * columns_ + column);
}

double SegmentIndex::distance(const PlanePoint& p) const {
  const long c =
      static_cast<long>(std::floor((frame_.columnOf(p.x) + kBucketMargin) / kBucketPixels));
  const long r = static_cast<long>(std::floor((frame_.rowOf(p.y) + kBucketMargin) / kBucketPixels));
  double best = 1e9;
  for (long dr = -1; dr <= 1; ++dr) {
    for (long dc = -1; dc <= 1; ++dc) {
      if (c + dc < 0 || r + dr < 0 || c + dc >= columns_ || r + dr >= rows_) continue;
      for (const std::size_t id : buckets_[bucketOf(c + dc, r + dr)]) {
        best = std::min(best, pixelsToSegment(frame_, p, segments_[id].a, segments_[id].b));
      }
    }
  }
  return best;
}

int piecesOf(const PixelFrame& frame, const std::vector<PlanePolyline>& lines, double gap) {
  std::vector<std::size_t> parent(lines.size());
  std::iota(parent.begin(), parent.end(), 0);
  auto root = [&](std::size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  // Each vertex of a polyline against the segments of every other polyline.
  std::vector<SegmentIndex> indexes;
  indexes.reserve(lines.size());
  for (const PlanePolyline& line : lines) indexes.emplace_back(frame, std::vector{line});
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (std::size_t j = i + 1; j < lines.size(); ++j) {
      if (root(i) == root(j)) continue;
      const bool near =
          std::any_of(lines[i].points.begin(), lines[i].points.end(),
                      [&](const PlanePoint& p) { return indexes[j].distance(p) <= gap; });
      if (near) parent[root(i)] = root(j);
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
