#include "analysis/linear_program_text.h"

#include "analysis/rational_text.h"

namespace quorvel {

namespace {

std::string pointsText(const std::vector<Corner>& points, const char* separator) {
  std::string text;
  for (const Corner& c : points) {
    if (!text.empty()) text += separator;
    text += pointText(c.point);
  }
  return text;
}

// The place a value is taken at: a point, an edge, a ray, a line, the region.
std::string placeName(const Optimum& o) {
  if (o.everywhere) return "整个区域";
  if (o.directions.empty()) {
    if (o.points.size() == 1) return pointText(o.points.front().point);
    return "线段 " + pointsText(o.points, "—");
  }
  const std::string from = pointText(o.points.front().point);
  const std::string way = pointText(o.directions.front());
  if (o.directions.size() == 1) return "从 " + from + " 出发、方向为 " + way + " 的射线";
  return "过 " + from + "、方向为 " + way + " 的直线";
}

bool atOnePoint(const Optimum& o) {
  return !o.everywhere && o.directions.empty() && o.points.size() == 1;
}

// A blank between a number's bracket and the Chinese after it, none between words.
std::string joined(const std::string& place, const char* after) {
  return place + (place.back() == ')' ? " " : "") + after;
}

}  // namespace

std::string pointText(const RationalPoint& p) {
  return "(" + rationalText(p.x) + ", " + rationalText(p.y) + ")";
}

std::string cornersText(const FeasibleRegion& region) {
  std::string text;
  for (const Corner& c : region.corners) {
    if (!text.empty()) text += ", ";
    text += pointText(c.point);
    if (!c.included) text += "（不含）";
  }
  return text;
}

std::string optimumText(const Optimum& o, bool maximum) {
  const std::string name = maximum ? "最大值" : "最小值";
  switch (o.kind) {
    case OptimumKind::NoFeasiblePoint: return "无可行解";
    case OptimumKind::Unbounded: return "无" + name + "（无界）";
    case OptimumKind::Attained: {
      const std::string place = placeName(o);
      std::string text = name + " " + rationalText(o.value) + "，在" +
                         (place.front() == '(' ? " " : "") +
                         joined(place, atOnePoint(o) ? "处取得" : "上各点取得");
      std::string left;
      for (const Corner& c : o.points) {
        if (!c.included) left += (left.empty() ? "" : "、") + pointText(c.point);
      }
      if (!left.empty() && !o.everywhere) text += "（" + left + " 除外）";
      return text;
    }
    case OptimumKind::NotAttained:
      return "无" + name + "：z 可以无限接近 " + rationalText(o.value) + "，但取不到（" +
             joined(placeName(o), "不在区域内）");
  }
  return "";
}

}  // namespace quorvel
