#include "analysis/trace.h"

#include <algorithm>
#include <cmath>

#include "plot/implicit_tracer.h"

namespace quorvel {

namespace {

// Even steps of the parameter searched for the nearest point, then the golden-section
// narrowing around the best of them.
constexpr int kParameterSteps = 2000;
constexpr int kNarrowings = 40;

std::optional<TracedPoint> tracePlanePoint(const AnalysedCurve& curve, double px, double py,
                                           const PixelScale& scale) {
  const ParameterRange& range = curve.plane()->range;
  // The squared distance on the screen; infinite where the curve has no point.
  const auto distance = [&](double t) {
    const std::optional<PlanePoint> p = curve.pointOfParameter(t);
    if (!p) return kUnbounded;
    const double dx = (p->x - px) * scale.perUnitX;
    const double dy = (p->y - py) * scale.perUnitY;
    return dx * dx + dy * dy;
  };
  const double step = (range.to - range.from) / kParameterSteps;
  const auto at = [&](int i) { return i == kParameterSteps ? range.to : range.from + i * step; };
  int best = -1;
  double bestDistance = kUnbounded;
  for (int i = 0; i <= kParameterSteps; ++i) {
    const double d = distance(at(i));
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  if (best < 0) return std::nullopt;
  // The nearest point lies within a step of the best sample, where the distance has
  // one minimum unless the curve turns sharply; a narrowing that finds no closer point
  // keeps the sample.
  double lo = at(std::max(best - 1, 0)), hi = at(std::min(best + 1, kParameterSteps));
  const double golden = (std::sqrt(5.0) - 1) / 2;
  double a = hi - golden * (hi - lo), b = lo + golden * (hi - lo);
  double da = distance(a), db = distance(b);
  for (int i = 0; i < kNarrowings; ++i) {
    if (da < db) {
      hi = b;
      b = a;
      db = da;
      a = hi - golden * (hi - lo);
      da = distance(a);
    } else {
      lo = a;
      a = b;
      da = db;
      b = lo + golden * (hi - lo);
      db = distance(b);
    }
  }
  double t = at(best);
  if (std::min(da, db) < bestDistance) t = da < db ? a : b;
  const std::optional<PlanePoint> p = curve.pointOfParameter(t);
  if (!p) return std::nullopt;
  return TracedPoint{p->x, p->y, std::nullopt, t};
}

// An equation's curve is traced as the picture draws it, in a window of pixels round
// the pointer; the nearest point of its polylines is then moved onto the curve.
constexpr int kEquationWindowPixels = 201;
constexpr int kProjections = 3;

// The nearest point of segment ab to p, in pixels of the frame.
PlanePoint nearestOnSegment(const PlanePoint& a, const PlanePoint& b, const PlanePoint& p,
                            const PixelScale& scale) {
  const double ax = a.x * scale.perUnitX, ay = a.y * scale.perUnitY;
  const double dx = b.x * scale.perUnitX - ax, dy = b.y * scale.perUnitY - ay;
  const double length2 = dx * dx + dy * dy;
  double s = 0;
  if (length2 > 0) {
    s = ((p.x * scale.perUnitX - ax) * dx + (p.y * scale.perUnitY - ay) * dy) / length2;
    s = std::clamp(s, 0.0, 1.0);
  }
  return {a.x + s * (b.x - a.x), a.y + s * (b.y - a.y)};
}

// Newton steps along the gradient of F − G (by differences of a hundredth of a pixel)
// from a point of the polylines, each kept only while it stays within a pixel.
PlanePoint ontoCurve(const AnalysedCurve& curve, PlanePoint p, const PixelScale& scale) {
  const double hx = 0.01 / scale.perUnitX, hy = 0.01 / scale.perUnitY;
  const PlanePoint start = p;
  for (int i = 0; i < kProjections; ++i) {
    const std::optional<double> f = curve.equationValue(p.x, p.y);
    const std::optional<double> fx1 = curve.equationValue(p.x + hx, p.y);
    const std::optional<double> fx0 = curve.equationValue(p.x - hx, p.y);
    const std::optional<double> fy1 = curve.equationValue(p.x, p.y + hy);
    const std::optional<double> fy0 = curve.equationValue(p.x, p.y - hy);
    if (!f || !fx1 || !fx0 || !fy1 || !fy0) break;
    const double gx = (*fx1 - *fx0) / (2 * hx), gy = (*fy1 - *fy0) / (2 * hy);
    const double g2 = gx * gx + gy * gy;
    if (!(g2 > 0) || !std::isfinite(g2)) break;
    const PlanePoint next{p.x - *f * gx / g2, p.y - *f * gy / g2};
    const double moved =
        std::hypot((next.x - start.x) * scale.perUnitX, (next.y - start.y) * scale.perUnitY);
    if (!(moved <= 1.0)) break;
    p = next;
  }
  return p;
}

std::optional<TracedPoint> traceEquationPoint(const AnalysedCurve& curve, double px, double py,
                                              const PixelScale& scale) {
  if (!(scale.perUnitX > 0) || !(scale.perUnitY > 0)) return std::nullopt;
  const double half = kEquationWindowPixels / 2.0;
  const PixelFrame frame{.width = kEquationWindowPixels,
                         .height = kEquationWindowPixels,
                         .left = px - half / scale.perUnitX,
                         .top = py + half / scale.perUnitY,
                         .pixelsPerUnitX = scale.perUnitX,
                         .pixelsPerUnitY = scale.perUnitY};
  const TracedCurve traced = traceImplicit(*curve.equationFunction(), frame);
  const PlanePoint pointer{px, py};
  std::optional<PlanePoint> best;
  double bestDistance = kUnbounded;
  for (const PlanePolyline& line : traced.polylines) {
    for (std::size_t i = 0; i < line.points.size(); ++i) {
      const PlanePoint& a = line.points[i];
      const PlanePoint& b = line.points[std::min(i + 1, line.points.size() - 1)];
      const PlanePoint q = nearestOnSegment(a, b, pointer, scale);
      const double d = frame.pixelDistance(q, pointer);
      if (d < bestDistance) {
        bestDistance = d;
        best = q;
      }
    }
  }
  if (!best) return std::nullopt;
  const PlanePoint p = ontoCurve(curve, *best, scale);
  return TracedPoint{p.x, p.y, std::nullopt, std::nullopt};
}

}  // namespace

std::optional<TracedPoint> tracePoint(const AnalysedCurve& curve, double px, double py,
                                      const std::vector<KeyPoint>& keys, const PixelScale& scale) {
  if (curve.equation()) return traceEquationPoint(curve, px, py, scale);
  if (curve.plane() != nullptr) return tracePlanePoint(curve, px, py, scale);
  const double t = curve.alongX() ? px : py;
  const double pointer = curve.alongX() ? py : px;
  std::optional<PlanePoint> best;
  for (int b = 0; b < curve.branches(); ++b) {
    const std::optional<PlanePoint> p = curve.pointAt(b, t);
    if (!p || !curve.own().contains(p->x, p->y)) continue;
    const double distance = std::fabs((curve.alongX() ? p->y : p->x) - pointer);
    if (!best || distance < std::fabs((curve.alongX() ? best->y : best->x) - pointer)) best = p;
  }
  if (!best) return std::nullopt;
  TracedPoint traced{best->x, best->y, std::nullopt, std::nullopt};
  double nearest = kSnapPixels;
  for (const KeyPoint& k : keys) {
    const double distance =
        std::hypot((k.x - best->x) * scale.perUnitX, (k.y - best->y) * scale.perUnitY);
    if (distance <= nearest) {
      nearest = distance;
      traced = {k.x, k.y, k, std::nullopt};
    }
  }
  return traced;
}

}  // namespace quorvel
