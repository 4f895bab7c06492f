// The view typed in: which scale and middle a box of the plane gets.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "plot/view_box.h"

namespace quorvel {
namespace {

// A surface of 600 × 400 pixels.
constexpr float kWidth = 9000, kHeight = 6000;

struct BoxCase {
  const char* what;
  PlaneBox box;
  ViewBoxFault fault;
  std::int32_t scale;  // expected when fitted
  std::int32_t middleX, middleY;
};

class ViewBoxTable : public ::testing::TestWithParam<BoxCase> {};

TEST_P(ViewBoxTable, ScaleAndMiddle) {
  const BoxCase& c = GetParam();
  ViewState view;
  view.viewLeft = 11;  // a view that must stay as it is when the box is refused
  const ViewState before = view;
  ASSERT_EQ(fitViewToBox(view, c.box, kWidth, kHeight), c.fault) << c.what;
  if (c.fault != ViewBoxFault::None) {
    EXPECT_EQ(view.viewLeft, before.viewLeft);
    EXPECT_EQ(view.zoomScale, before.zoomScale);
    return;
  }
  EXPECT_EQ(view.zoomScale, c.scale) << c.what;
  EXPECT_EQ(view.viewLeft + view.viewRight, 2 * c.middleX) << c.what;
  EXPECT_EQ(view.viewBottom + view.viewTop, 2 * c.middleY) << c.what;
  // The surface's size is kept and the box lies inside the view.
  EXPECT_EQ(view.viewRight - view.viewLeft, kWidth);
  EXPECT_EQ(view.viewTop - view.viewBottom, kHeight);
  const double s = view.zoomScale;
  EXPECT_LE(view.viewLeft, c.box.xFrom * s);
  EXPECT_GE(view.viewRight, c.box.xTo * s);
  EXPECT_LE(view.viewBottom, c.box.yFrom * s);
  EXPECT_GE(view.viewTop, c.box.yTo * s);
  // The next whole scale would cut the box (unless the scale is at its largest).
  if (view.zoomScale < kMaxScale) {
    const double next = s + 1;
    EXPECT_TRUE((c.box.xTo - c.box.xFrom) * next > kWidth ||
                (c.box.yTo - c.box.yFrom) * next > kHeight)
        << c.what;
  }
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Boxes, ViewBoxTable,
    ::testing::Values(
        BoxCase{"x −1..5, y −2..3: the height decides",
                {-1, 5, -2, 3},
                ViewBoxFault::None,
                1200,
                2400,
                600},
        BoxCase{"x −2..7, y 0..3: the width decides",
                {-2, 7, 0, 3},
                ViewBoxFault::None,
                1000,
                2500,
                1500},
        BoxCase{"a scale that is no whole number is rounded down",
                {0, 7, -1, 1},
                ViewBoxFault::None,
                1285,
                4498,
                0},
        BoxCase{"the default view's box", {-9, 9, -6, 6}, ViewBoxFault::None, 500, 0, 0},
        BoxCase{"a tiny box stops at the largest scale",
                {0, 0.1, 0, 0.1},
                ViewBoxFault::None,
                kMaxScale,
                800,
                800},
        BoxCase{"a box wider than a scale of 1 shows",
                {-10000, 10000, -1, 1},
                ViewBoxFault::TooLarge,
                0,
                0,
                0},
        BoxCase{"from equal to to", {2, 2, 0, 1}, ViewBoxFault::Empty, 0, 0, 0},
        BoxCase{"the y ends reversed", {0, 1, 3, -3}, ViewBoxFault::Empty, 0, 0, 0},
        BoxCase{"an end that is no number", {kNaN, 1, 0, 1}, ViewBoxFault::Empty, 0, 0, 0},
        BoxCase{"an infinite end",
                {0, std::numeric_limits<double>::infinity(), 0, 1},
                ViewBoxFault::Empty,
                0,
                0,
                0},
        BoxCase{"a middle beyond 32 bits", {1e7, 1e7 + 1, 0, 1}, ViewBoxFault::TooFar, 0, 0, 0}));

TEST(ViewBox, NoSurfaceShowsNothing) {
  ViewState view;
  EXPECT_EQ(fitViewToBox(view, PlaneBox{0, 1, 0, 1}, 0, kHeight), ViewBoxFault::TooLarge);
}

}  // namespace
}  // namespace quorvel
