#include "plot/label_space.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace quorvel {

namespace {

constexpr double kNearestPixels = 5;  // clear of a point's mark
constexpr double kFarthestHeights = 3;
constexpr int kRings = 5;

struct Direction {
  double x, y;  // pixels: right and down
};
// Upper right first, as a book writes a point's name; the sides before above and below.
constexpr double kDiagonal = 0.70710678118654752;
constexpr std::array<Direction, 8> kDirections = {{
    {kDiagonal, -kDiagonal},
    {1, 0},
    {kDiagonal, kDiagonal},
    {-kDiagonal, -kDiagonal},
    {-1, 0},
    {-kDiagonal, kDiagonal},
    {0, -1},
    {0, 1},
}};

// The box whose point nearest `p` lies `reach` pixels from it in direction d.
PixelBox boxToward(const PixelPoint& p, const Direction& d, double reach, double width,
                   double height) {
  const double x = p.column + reach * d.x;
  const double y = p.row + reach * d.y;
  const double left = d.x > 0 ? x : d.x < 0 ? x - width : x - width / 2;
  const double top = d.y > 0 ? y : d.y < 0 ? y - height : y - height / 2;
  return {left, top, left + width, top + height};
}

}  // namespace

LabelSpace::LabelSpace(const Surface& canvas, const std::vector<LabelledCurve>& curves)
    : canvas_(canvas), curves_(curves) {}

const PictureCells& LabelSpace::cells() const {
  if (!cells_) cells_.emplace(canvas_, curves_, std::vector<PixelBox>{});
  return *cells_;
}

bool LabelSpace::fits(const PixelBox& box) const {
  if (!(box.left >= 0 && box.top >= 0 && box.right <= canvas_.AreaWidthPixels() &&
        box.bottom <= canvas_.AreaHeightPixels())) {
    return false;
  }
  return std::none_of(taken_.begin(), taken_.end(),
                      [&](const PixelBox& other) { return other.overlaps(box); });
}

int LabelSpace::crossings(const PixelBox& box) const { return cells().covered(box); }

std::optional<PixelBox> LabelSpace::placeNear(const PixelPoint& point, double width,
                                              double height) const {
  std::optional<PixelBox> best;
  int least = INT_MAX;
  const double farthest = std::max(kNearestPixels, kFarthestHeights * height);
  for (int ring = 0; ring < kRings; ++ring) {
    const double reach = kNearestPixels + (farthest - kNearestPixels) * ring / (kRings - 1);
    for (const Direction& d : kDirections) {
      const PixelBox box = boxToward(point, d, reach, width, height);
      if (!fits(box)) continue;
      const int crossed = crossings(box);
      if (crossed == 0) return box;
      if (crossed < least) {
        least = crossed;
        best = box;
      }
    }
  }
  return best;
}

}  // namespace quorvel
