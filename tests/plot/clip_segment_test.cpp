#include "plot/clip_segment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quorvel {
namespace {

// A picture of 100 × 50 pixels with no margin.
constexpr ClipBox kBox{0, 0, 100, 50};
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct Segment {
  double x0, y0, x1, y1;
};

struct ClipCase {
  std::string name;
  Segment in;
  bool visible;
  Segment out;  // only when visible
};

class ClipSegmentTable : public ::testing::TestWithParam<ClipCase> {};

TEST_P(ClipSegmentTable, CutsToTheBox) {
  const ClipCase& c = GetParam();
  Segment s = c.in;
  const bool visible = clipSegment(s.x0, s.y0, s.x1, s.y1, kBox);
  ASSERT_EQ(visible, c.visible);
  if (!visible) return;
  // Every case's answer is exact in double: ends on an edge or kept as they were.
  EXPECT_EQ(s.x0, c.out.x0);
  EXPECT_EQ(s.y0, c.out.y0);
  EXPECT_EQ(s.x1, c.out.x1);
  EXPECT_EQ(s.y1, c.out.y1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClipSegmentTable,
    ::testing::Values(
        // Inside, edges included: the very same numbers back.
        ClipCase{"Inside", {10.25, 20.5, 30.75, 40.125}, true, {10.25, 20.5, 30.75, 40.125}},
        ClipCase{"AlongTheEdges", {0, 0, 100, 50}, true, {0, 0, 100, 50}},
        ClipCase{"PointInside", {7, 8, 7, 8}, true, {7, 8, 7, 8}},
        // Wholly beyond one side.
        ClipCase{"LeftOfIt", {-20, 10, -1, 40}, false, {}},
        ClipCase{"RightOfIt", {101, 10, 300, 40}, false, {}},
        ClipCase{"AboveIt", {10, -5, 90, -0.5}, false, {}},
        ClipCase{"BelowIt", {10, 51, 90, 80}, false, {}},
        ClipCase{"PointOutside", {-1, 10, -1, 10}, false, {}},
        ClipCase{"ParallelOutside", {-3, -1, 200, -1}, false, {}},
        // Passing by a corner without touching the box.
        ClipCase{"MissesACorner", {90, -20, 120, 10}, false, {}},
        // Leaving through each side, the start inside: the end goes onto the edge.
        ClipCase{"CrossesLeft", {20, 10, -20, 30}, true, {20, 10, 0, 20}},
        ClipCase{"CrossesRight", {80, 10, 120, 30}, true, {80, 10, 100, 20}},
        ClipCase{"CrossesTop", {10, 20, 50, -20}, true, {10, 20, 30, 0}},
        ClipCase{"CrossesBottom", {10, 30, 50, 70}, true, {10, 30, 30, 50}},
        // Entering: the start is cut.
        ClipCase{"EntersFromLeft", {-20, 30, 20, 10}, true, {0, 20, 20, 10}},
        // Through the box: both ends cut.
        ClipCase{"Through", {-50, 25, 150, 25}, true, {0, 25, 100, 25}},
        ClipCase{"ThroughDiagonally", {-10, -10, 60, 60}, true, {0, 0, 50, 50}},
        // An end 1e30 pixels away does not wash out the part that is seen.
        ClipCase{"FarEndHorizontal", {10, 10, 1e30, 10}, true, {10, 10, 100, 10}},
        ClipCase{"FarEndDiagonal", {10, 10, 1e30, 1e30}, true, {10, 10, 50, 50}},
        ClipCase{"BothEndsFar", {-1e30, 25, 1e30, 25}, true, {0, 25, 100, 25}},
        ClipCase{"FarEndVertical", {40, -1e300, 40, 30}, true, {40, 0, 40, 30}},
        // An end that is not a finite number has no place to draw from.
        ClipCase{"NaNStart", {kNaN, 10, 20, 20}, false, {}},
        ClipCase{"NaNEnd", {10, 10, 20, kNaN}, false, {}},
        ClipCase{"InfiniteEnd", {10, 10, kInf, 10}, false, {}},
        ClipCase{"InfiniteBoth", {-kInf, 10, kInf, 10}, false, {}}),
    [](const ::testing::TestParamInfo<ClipCase>& param) { return param.param.name; });

TEST(ClipSegment, ACutEndNeverLiesOutsideTheBox) {
  // Steep and shallow segments from far away whose interpolated coordinate rounds.
  const ClipBox box{-4, -4, 1604.0, 1004.0};
  for (int i = 1; i <= 200; ++i) {
    double x0 = -1e7 / i, y0 = 3.3 * i, x1 = 1e9 * i, y1 = 1000.0 / 3.0 + i;
    ASSERT_TRUE(clipSegment(x0, y0, x1, y1, box)) << i;
    for (double x : {x0, x1}) {
      EXPECT_GE(x, box.left);
      EXPECT_LE(x, box.right);
    }
    for (double y : {y0, y1}) {
      EXPECT_GE(y, box.top);
      EXPECT_LE(y, box.bottom);
    }
  }
}

}  // namespace
}  // namespace quorvel
