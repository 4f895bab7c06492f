#pragma once
// The key points of a curve in a part of the plane: where it crosses the x axis (零点),
// where y = f(x) turns (极大值, 极小值), where it meets the y axis (与ｙ轴交点), where
// it meets a second curve (交点) and where it takes a given value (ｙ＝ｃ). Each branch
// of a two-branch curve reports its own points; the same point is never reported
// twice.
#include <optional>
#include <vector>

#include "analysis/analysed_curve.h"

namespace quorvel {

enum class KeyKind { Zero, Maximum, Minimum, YIntercept, Intersection, Value };

struct KeyPoint {
  KeyKind kind = KeyKind::Zero;
  double x = 0;
  double y = 0;
  bool operator==(const KeyPoint&) const = default;
};

struct KeyPointQuery {
  // Where to look; the curves' own ranges are applied as well. The x interval (the y
  // interval for a function of y) must be bounded for the curve to be sampled.
  Region region;
  // 零点, the turns (for y = f(x) only) and 与ｙ轴交点.
  bool basic = true;
  // 交点 with this curve.
  const AnalysedCurve* other = nullptr;
  // ｙ＝ｃ for this c.
  std::optional<double> value;
};

// Sorted by x, then y. Points closer than a millionth of the region's width (height)
// are one point. A parametric or polar curve has none, and meets no curve here; an
// equation has its intersections with the axes (零点, 与ｙ轴交点) only.
std::vector<KeyPoint> findKeyPoints(const AnalysedCurve& curve, const KeyPointQuery& query);

}  // namespace quorvel
