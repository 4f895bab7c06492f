#include "analysis/trace.h"

#include <cmath>

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

}  // namespace

std::optional<TracedPoint> tracePoint(const AnalysedCurve& curve, double px, double py,
                                      const std::vector<KeyPoint>& keys, const PixelScale& scale) {
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
