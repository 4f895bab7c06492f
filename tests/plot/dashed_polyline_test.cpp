// Dashes measured in pixels: each dash as long as the pattern says wherever the line
// bends, the pattern running on across the corners, and nothing from what cannot be
// laid out.
#include "plot/dashed_polyline.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quorvel {
namespace {

// 10 pixels to the unit both ways, the origin in the picture.
PixelFrame frame() { return PixelFrame{200, 200, -10, 10, 10, 10}; }

double pixelLength(const PlanePolyline& line) {
  double sum = 0;
  for (std::size_t i = 1; i < line.points.size(); ++i) {
    sum += frame().pixelDistance(line.points[i - 1], line.points[i]);
  }
  return sum;
}

TEST(DashedPolyline, AStraightLineIsCutIntoEqualDashesAtEqualGaps) {
  struct Case {
    DashPattern pattern;
    double toX;  // the line from (0, 0) to (toX, 0)
    std::size_t dashes;
    double lastLength;
  };
  const Case cases[] = {
      {{6, 4}, 10, 10, 6},                        // 100 px: ten whole periods
      {{6, 4}, 9.3, 10, 3},                       // 93 px: the last dash cut short at 93
      {{6, 4}, 9.5, 10, 5}, {{3, 3}, 1.2, 2, 3},  // 12 px: dashes at 0 and 6
      {{6, 4}, 0.2, 1, 2},                        // shorter than one dash: the line itself
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.toX);
    const PlanePolyline line{{{0, 0}, {c.toX, 0}}, false};
    const std::vector<PlanePolyline> dashes = dashedPieces(line, frame(), c.pattern);
    ASSERT_EQ(dashes.size(), c.dashes);
    const double period = c.pattern.dashPixels + c.pattern.gapPixels;
    for (std::size_t i = 0; i < dashes.size(); ++i) {
      ASSERT_EQ(dashes[i].points.size(), 2u);
      EXPECT_NEAR(dashes[i].points.front().x * 10, static_cast<double>(i) * period, 1e-9);
      EXPECT_NEAR(pixelLength(dashes[i]),
                  i + 1 == dashes.size() ? c.lastLength : c.pattern.dashPixels, 1e-9);
      EXPECT_DOUBLE_EQ(dashes[i].points.front().y, 0);
    }
  }
}

TEST(DashedPolyline, ADashFollowsTheLineRoundACornerAndThePatternRunsOn) {
  // 3 px along x, then 10 px up: the first dash turns the corner, the second starts
  // one period from the start.
  const PlanePolyline line{{{0, 0}, {0.3, 0}, {0.3, 1}}, false};
  const std::vector<PlanePolyline> dashes = dashedPieces(line, frame(), {6, 4});
  ASSERT_EQ(dashes.size(), 2u);
  ASSERT_EQ(dashes[0].points.size(), 3u);
  EXPECT_EQ(dashes[0].points[1], (PlanePoint{0.3, 0}));
  EXPECT_NEAR(dashes[0].points[2].y, 0.3, 1e-12);
  EXPECT_NEAR(dashes[1].points.front().y, 0.7, 1e-12);
  EXPECT_NEAR(pixelLength(dashes[1]), 3, 1e-9);  // cut at the line's end
}

TEST(DashedPolyline, NothingFromWhatCannotBeLaidOut) {
  const PlanePolyline line{{{0, 0}, {1, 1}}, false};
  EXPECT_TRUE(dashedPieces(line, PixelFrame{}, {6, 4}).empty());
  EXPECT_TRUE(dashedPieces(line, frame(), {0, 4}).empty());
  EXPECT_TRUE(dashedPieces(line, frame(), {6, 0}).empty());
  EXPECT_TRUE(dashedPieces(line, frame(), {std::nan(""), 4}).empty());
  EXPECT_TRUE(dashedPieces(PlanePolyline{{{0, 0}}, false}, frame(), {6, 4}).empty());
  // A point at infinity ends the dash before it; the line goes on after it.
  const double inf = std::numeric_limits<double>::infinity();
  const PlanePolyline broken{{{0, 0}, {0.3, 0}, {inf, 0}, {0, 1}, {0, 2}}, false};
  const std::vector<PlanePolyline> dashes = dashedPieces(broken, frame(), {6, 4});
  for (const PlanePolyline& dash : dashes) {
    for (const PlanePoint& p : dash.points) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
  }
  EXPECT_FALSE(dashes.empty());
}

}  // namespace
}  // namespace quorvel
