#include "plot/half_plane_region.h"

#include <cmath>
#include <utility>

namespace quorvel {

namespace {

// The side of the line the region keeps, as "≤ 0" of ± (a x + b y + c).
double keptSide(const HalfPlane& h, const PlanePoint& p) {
  const double g = h.a * p.x + h.b * p.y + h.c;
  return h.relation == Relation::Greater || h.relation == Relation::GreaterOrEqual ? -g : g;
}

double pixelArea(const HalfPlaneRegion& r, const PixelFrame& frame) {
  double twice = 0;
  const std::size_t n = r.vertices.size();
  for (std::size_t k = 0; k < n; ++k) {
    const PlanePoint& p = r.vertices[k];
    const PlanePoint& q = r.vertices[(k + 1) % n];
    twice += (p.x * q.y - q.x * p.y);
  }
  return std::abs(twice) / 2 * frame.pixelsPerUnitX * frame.pixelsPerUnitY;
}

// Sutherland–Hodgman: the polygon cut to the kept side of one line. Each vertex carries
// the source of the edge that leaves it.
HalfPlaneRegion clip(const HalfPlaneRegion& in, const HalfPlane& h, int source) {
  HalfPlaneRegion out;
  const std::size_t n = in.vertices.size();
  for (std::size_t k = 0; k < n; ++k) {
    const PlanePoint& p = in.vertices[k];
    const PlanePoint& q = in.vertices[(k + 1) % n];
    const double gp = keptSide(h, p), gq = keptSide(h, q);
    const bool pIn = gp <= 0, qIn = gq <= 0;
    if (pIn) {
      out.vertices.push_back(p);
      out.edgeSource.push_back(in.edgeSource[k]);
    }
    if (pIn != qIn) {
      const double t = gp / (gp - gq);
      out.vertices.push_back({p.x + t * (q.x - p.x), p.y + t * (q.y - p.y)});
      // Leaving the kept side, the edge from here runs along the line; entering it,
      // along the rest of the old edge.
      out.edgeSource.push_back(pIn ? source : in.edgeSource[k]);
    }
  }
  return out;
}

// Vertices that repeat the next one are dropped (their edge has no length).
void dropRepeats(HalfPlaneRegion& r) {
  HalfPlaneRegion kept;
  const std::size_t n = r.vertices.size();
  for (std::size_t k = 0; k < n; ++k) {
    const PlanePoint& p = r.vertices[k];
    const PlanePoint& q = r.vertices[(k + 1) % n];
    if (p.x == q.x && p.y == q.y) continue;
    kept.vertices.push_back(p);
    kept.edgeSource.push_back(r.edgeSource[k]);
  }
  r = std::move(kept);
}

}  // namespace

HalfPlaneRegion clipHalfPlanes(const std::vector<HalfPlane>& system, const PixelFrame& frame) {
  HalfPlaneRegion region;
  if (!frame.valid()) return region;
  const double left = frame.left, right = frame.right(), top = frame.top, bottom = frame.bottom();
  region.vertices = {{left, bottom}, {right, bottom}, {right, top}, {left, top}};
  region.edgeSource.assign(4, HalfPlaneRegion::kFrameEdge);
  for (std::size_t k = 0; k < system.size() && !region.empty(); ++k) {
    const HalfPlane& h = system[k];
    if (h.a == 0 && h.b == 0) {
      // No line: the whole plane or none of it.
      if (!signHolds(h.relation, h.c)) return {};
      continue;
    }
    region = clip(region, h, static_cast<int>(k));
    dropRepeats(region);
  }
  // A sliver thinner than any pixel's share (only a line or a point is left) is nothing.
  if (region.empty() || pixelArea(region, frame) < 1e-9) return {};
  return region;
}

std::optional<PlaneSegment> lineInFrame(const HalfPlane& line, const PixelFrame& frame) {
  if (!frame.valid() || (line.a == 0 && line.b == 0)) return std::nullopt;
  const double left = frame.left, right = frame.right(), top = frame.top, bottom = frame.bottom();
  std::vector<PlanePoint> meets;
  auto add = [&](double x, double y) {
    if (x >= left && x <= right && y >= bottom && y <= top) meets.push_back({x, y});
  };
  if (line.b != 0) {
    add(left, -(line.a * left + line.c) / line.b);
    add(right, -(line.a * right + line.c) / line.b);
  }
  if (line.a != 0) {
    add(-(line.b * bottom + line.c) / line.a, bottom);
    add(-(line.b * top + line.c) / line.a, top);
  }
  // The two meetings furthest apart (a line through a corner meets two edges there).
  std::optional<PlaneSegment> best;
  double longest = 0;
  for (std::size_t i = 0; i < meets.size(); ++i) {
    for (std::size_t j = i + 1; j < meets.size(); ++j) {
      const double d = frame.pixelDistance(meets[i], meets[j]);
      if (d > longest) {
        longest = d;
        best = PlaneSegment{meets[i], meets[j]};
      }
    }
  }
  return best;
}

}  // namespace quorvel
