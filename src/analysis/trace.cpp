#include "analysis/trace.h"

#include <cmath>

namespace quorvel {

std::optional<TracedPoint> tracePoint(const AnalysedCurve& curve, double px, double py,
                                      const std::vector<KeyPoint>& keys, const PixelScale& scale) {
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
  TracedPoint traced{best->x, best->y, std::nullopt};
  double nearest = kSnapPixels;
  for (const KeyPoint& k : keys) {
    const double distance =
        std::hypot((k.x - best->x) * scale.perUnitX, (k.y - best->y) * scale.perUnitY);
    if (distance <= nearest) {
      nearest = distance;
      traced = {k.x, k.y, k};
    }
  }
  return traced;
}

}  // namespace quorvel
