#pragma once
// The straight lines of the analysis (tangents and normals): y = mx + c, or x = c when
// vertical, built from a point and a direction computed with some noise, and written
// as a textbook writes them.
#include <string>

#include "analysis/analysed_curve.h"

namespace quorvel {

struct StraightLine {
  bool vertical = false;
  double slope = 0;      // y = slope·x + intercept
  double intercept = 0;  //
  double x = 0;          // x = x when vertical
  bool operator==(const StraightLine&) const = default;
};

// A direction (dx, dy) whose components are known to within noiseX and noiseY.
struct Direction {
  double dx = 0;
  double dy = 0;
  double noiseX = 0;
  double noiseY = 0;

  // Both components lie within their noise (or a rounding of the other): no direction.
  bool vanishes() const;
  // The perpendicular direction (−dy, dx), its noise with it.
  Direction turned() const;
};

// The line through p along d (which must not vanish). A component within its noise
// (or a rounding of the other) is zero: the line is vertical or level. A number of
// the equation that is only a rounding of the others (10^-12 of them) is zero: the
// intercept y − mx at p, with the slope's noise; x of a vertical line against y at p,
// y of a level one against x.
StraightLine lineThrough(const PlanePoint& p, const Direction& d);

// "y = 2x − 1", "x = 3", "y = −x + 2", "y = 0.5x + 1.25", "y = 0": the numbers as
// textbookNumber writes them, the real minus sign; a slope that rounds to 1 or −1 is
// left out ("y = x", "y = −x"), one that rounds to 0 leaves "y = c".
std::string equationText(const StraightLine& line);

}  // namespace quorvel
