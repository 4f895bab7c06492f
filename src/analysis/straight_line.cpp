#include "analysis/straight_line.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_text.h"

namespace quorvel {

namespace {

// A number this small against the others of its equation is rounding: the gradient
// of a circle at its top computed from a point a few ulps off the axis, cos(π/2) in
// double, or y − mx at a point of a line through the origin.
constexpr double kRoundingShare = 1e-12;
constexpr const char* kMinusSign = "\u2212";

bool negligible(double v, double noise, double other) {
  return std::fabs(v) <= std::max(noise, kRoundingShare * std::fabs(other));
}

}  // namespace

bool Direction::vanishes() const { return std::fabs(dx) <= noiseX && std::fabs(dy) <= noiseY; }

Direction Direction::turned() const { return {-dy, dx, noiseY, noiseX}; }

StraightLine lineThrough(const PlanePoint& p, const Direction& d) {
  StraightLine line;
  if (negligible(d.dx, d.noiseX, d.dy)) {
    line.vertical = true;
    line.x = negligible(p.x, 0, p.y) ? 0.0 : p.x;
    return line;
  }
  if (negligible(d.dy, d.noiseY, d.dx)) {
    line.intercept = negligible(p.y, 0, p.x) ? 0.0 : p.y;
    return line;
  }
  line.slope = d.dy / d.dx;
  // The slope's noise: a ratio's relative errors add up.
  const double slopeNoise =
      std::fabs(line.slope) * (d.noiseX / std::fabs(d.dx) + d.noiseY / std::fabs(d.dy));
  const double c = p.y - line.slope * p.x;
  const double terms = std::fabs(p.y) + std::fabs(line.slope * p.x);
  line.intercept = negligible(c, slopeNoise * std::fabs(p.x), terms) ? 0.0 : c;
  return line;
}

std::string equationText(const StraightLine& line) {
  if (line.vertical) return "x = " + textbookNumber(line.x);
  const std::string slope = textbookNumber(line.slope);
  const std::string intercept = textbookNumber(line.intercept);
  if (slope == "0") return "y = " + intercept;
  std::string text = "y = ";
  if (slope == "1") {
    text += "x";
  } else if (slope == std::string(kMinusSign) + "1") {
    text += std::string(kMinusSign) + "x";
  } else {
    text += slope + "x";
  }
  if (intercept == "0") return text;
  if (intercept.rfind(kMinusSign, 0) == 0) {
    return text + " " + kMinusSign + " " + intercept.substr(std::string(kMinusSign).size());
  }
  return text + " + " + intercept;
}

}  // namespace quorvel
