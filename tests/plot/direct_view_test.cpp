// The view under the pointer: the wheel's whole-number scale steps and limits, the
// point kept under the pointer by a wheel zoom, and a drag.
#include <gtest/gtest.h>

#include <cmath>

#include "plot/direct_view.h"

namespace quorvel {
namespace {

TEST(WheelZoom, StepsLimitsAndSmoothTurns) {
  struct Case {
    double target;
    std::int32_t current;
    double notches;
    std::int32_t scale;
    bool atLimit;
  };
  const Case cases[] = {
      {0, 500, 1, 625, false},          // one notch: × 1.25
      {0, 500, -1, 400, false},         // and back
      {0, 500, 2, 781, false},          // two notches at once
      {0, 2, 1, 3, false},              // 2 × 1.25 rounds back to 2: a notch still moves
      {0, 3, -1, 2, false},             // 2.4 rounds to 2
      {0, 4, -1, 3, false},             // 3.2
      {0, 12800, 1, 16000, false},      // the slider's end
      {0, 16000, 1, 16000, true},       // the wheel stops there
      {0, 2, -1, 2, true},              // and at the button's lower limit
      {0, 16000, -1, 12800, false},     // away from a limit it turns
      {0, 500, 0.125, 514, false},      // a touchpad's small turn: 500 × 1.25^(1/8)
      {512.7, 513, 0.125, 527, false},  // carried on from the unrounded scale
      {640, 500, 1, 625, false},        // a target left from another scale starts afresh
  };
  for (const Case& c : cases) {
    const WheelZoom z = wheelZoom(c.target, c.current, c.notches);
    EXPECT_EQ(z.scale, c.scale) << c.current << " by " << c.notches;
    EXPECT_EQ(z.atLimit, c.atLimit) << c.current << " by " << c.notches;
  }
  // Eight eighths of a notch zoom as far as one notch, smoothly.
  double target = 0;
  std::int32_t scale = 500;
  for (int i = 0; i < 8; ++i) {
    const WheelZoom z = wheelZoom(target, scale, 0.125);
    EXPECT_GT(z.scale, scale);
    target = z.target;
    scale = z.scale;
  }
  EXPECT_EQ(scale, 625);
}

TEST(WheelZoom, TheCurvePointUnderThePointerStays) {
  struct Case {
    float x, y;
    std::int32_t from, to;
  };
  const Case cases[] = {
      {1234, -567, 500, 625}, {-3000, 2500, 1000, 800}, {0, 0, 500, 16000}, {7499, -7499, 2, 3}};
  for (const Case& c : cases) {
    ViewState view{.viewLeft = -3735,
                   .viewRight = 3735,
                   .viewBottom = -3750,
                   .viewTop = 3750,
                   .zoomScale = c.from};
    const ViewState before = view;
    ASSERT_EQ(zoomViewAbout(view, c.x, c.y, c.from, c.to), kOk);
    // The point's distance from the left and top edges, in view units (twips), is the
    // same before and after: the same pixel, within a twip's rounding.
    const double point = static_cast<double>(c.x) / c.from * c.to;
    const double pointY = static_cast<double>(c.y) / c.from * c.to;
    EXPECT_NEAR(point - view.viewLeft, c.x - before.viewLeft, 0.5) << c.x;
    EXPECT_NEAR(view.viewTop - pointY, before.viewTop - c.y, 0.5) << c.y;
    EXPECT_EQ(view.viewRight - view.viewLeft, before.viewRight - before.viewLeft);
    EXPECT_EQ(view.viewTop - view.viewBottom, before.viewTop - before.viewBottom);
  }
  ViewState view{.viewLeft = 2147000000, .viewRight = 2147483000};
  const ViewState before = view;
  EXPECT_EQ(zoomViewAbout(view, 2.1474e9f, 0, 500, 16000), kOverflow);
  EXPECT_EQ(view.viewLeft, before.viewLeft);
}

TEST(DragView, ThePictureFollowsThePointer) {
  const ViewState start{.viewLeft = -3735, .viewRight = 3735, .viewBottom = -3750, .viewTop = 3750};
  ViewState view;
  ASSERT_EQ(dragView(view, start, 100, 50), kOk);
  // Right and down on the screen: the view goes left by 100 pixels and up by 50.
  EXPECT_EQ(view.viewLeft, -3735 - 1500);
  EXPECT_EQ(view.viewRight, 3735 - 1500);
  EXPECT_EQ(view.viewTop, 3750 + 750);
  EXPECT_EQ(view.viewBottom, -3750 + 750);
  ASSERT_EQ(dragView(view, start, 0, 0), kOk);
  EXPECT_EQ(view.viewLeft, start.viewLeft);
  const ViewState edge{.viewLeft = -2147483000, .viewRight = 0};
  EXPECT_EQ(dragView(view, edge, 1000, 0), kOverflow);
  EXPECT_EQ(view.viewLeft, start.viewLeft);  // unchanged
}

}  // namespace
}  // namespace quorvel
