#include "plot/view.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

namespace quorvel {
namespace {

ViewState centred(std::int32_t half = 3750, std::int32_t scale = 500) {
  return ViewState{-half, half, -half, half, scale};
}

void expectView(const ViewState& v, std::int32_t left, std::int32_t right, std::int32_t bottom,
                std::int32_t top) {
  EXPECT_EQ(v.viewLeft, left);
  EXPECT_EQ(v.viewRight, right);
  EXPECT_EQ(v.viewBottom, bottom);
  EXPECT_EQ(v.viewTop, top);
}

TEST(CentreView, HalvesTheOuterSizeRoundingHalvesToEven) {
  struct Case {
    float width, height;
    std::int32_t right, top;
  };
  const Case cases[] = {
      {7500, 7500, 3750, 3750},
      {7501, 7503, 3750, 3752},  // 3750.5 -> 3750, 3751.5 -> 3752
      {24000, 15000, 12000, 7500},
      {0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ViewState v{1, 2, 3, 4, 500};
    centreView(v, c.width, c.height);
    expectView(v, -c.right, c.right, -c.top, c.top);
    EXPECT_EQ(v.zoomScale, 500);
  }
}

TEST(PanView, MovesTheTwoExtentsOfItsDirection) {
  struct Case {
    PanDirection direction;
    std::string text;
    std::int32_t scale;
    std::int32_t left, right, bottom, top;
  };
  const Case cases[] = {
      // An empty box pans one tick spacing whatever the scale.
      {PanDirection::Up, "", 16000, -3750, 3750, -3250, 4250},
      {PanDirection::Down, "", 2, -3750, 3750, -4250, 3250},
      {PanDirection::Left, "", 500, -4250, 3250, -3750, 3750},
      {PanDirection::Right, "", 500, -3250, 4250, -3750, 3750},
      // One curve unit is zoomScale view units.
      {PanDirection::Right, "1", 500, -3250, 4250, -3750, 3750},
      {PanDirection::Right, "1", 1000, -2750, 4750, -3750, 3750},
      {PanDirection::Up, "-2", 1000, -3750, 3750, -5750, 1750},
      {PanDirection::Left, "0.25", 1000, -4000, 3500, -3750, 3750},
      // d = 0.5: 3750.5 and -3749.5 round to the even neighbours, so nothing moves.
      {PanDirection::Right, "0.001", 500, -3750, 3750, -3750, 3750},
      // d = 1.5: -3748.5 -> -3748, 3751.5 -> 3752.
      {PanDirection::Right, "0.003", 500, -3748, 3752, -3750, 3750},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ViewState v = centred(3750, c.scale);
    ASSERT_EQ(panView(v, c.direction, c.text), kOk);
    expectView(v, c.left, c.right, c.bottom, c.top);
  }
}

TEST(PanView, AFailureLeavesTheViewAlone) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  struct Case {
    ViewState start;
    PanDirection direction;
    std::string text;
    Status expected;
  };
  const Case cases[] = {
      {centred(), PanDirection::Up, "abc", kTypeMismatch},
      {centred(), PanDirection::Up, " ", kTypeMismatch},
      {centred(), PanDirection::Right, "1e10", kOverflow},
      // Only the top would leave 32 bits; the bottom must not move either.
      {ViewState{0, 10, 0, kMax - 100, 500}, PanDirection::Up, "", kOverflow},
      {ViewState{0, 10, kMin + 499, 0, 500}, PanDirection::Down, "", kOverflow},
      {ViewState{0, kMax - 600, 0, 10, 500}, PanDirection::Right, "2", kOverflow},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    ViewState v = c.start;
    EXPECT_EQ(panView(v, c.direction, c.text), c.expected);
    expectView(v, c.start.viewLeft, c.start.viewRight, c.start.viewBottom, c.start.viewTop);
  }
}

TEST(ZoomExtentsAtClick, ScalesTheClickedQuadrantAndKeepsTheSurfaceSize) {
  struct Case {
    ZoomMode mode;
    float x, y;
    std::int32_t left, right, bottom, top;
  };
  const Case cases[] = {
      // 3750 × 1.25 = 4687.5 -> 4688; the opposite edges follow at 7500.
      {ZoomMode::In, 10, 10, -2812, 4688, -2812, 4688},
      {ZoomMode::In, 10, -10, -2812, 4688, -4688, 2812},
      {ZoomMode::In, -10, 10, -4688, 2812, -2812, 4688},
      {ZoomMode::In, -10, -10, -4688, 2812, -4688, 2812},
      // 3750 / 1.25 = 3000.
      {ZoomMode::Out, 10, 10, -4500, 3000, -4500, 3000},
      {ZoomMode::Out, -10, -10, -3000, 4500, -3000, 4500},
      // On an axis, or no zoom armed: the extents stay.
      {ZoomMode::In, 0, 10, -3750, 3750, -3750, 3750},
      {ZoomMode::Out, 10, 0, -3750, 3750, -3750, 3750},
      {ZoomMode::None, 10, 10, -3750, 3750, -3750, 3750},
  };
  for (const Case& c : cases) {
    ViewState v = centred();
    ASSERT_EQ(zoomExtentsAtClick(v, c.mode, c.x, c.y, 7500, 7500), kOk);
    expectView(v, c.left, c.right, c.bottom, c.top);
    EXPECT_EQ(v.viewRight - v.viewLeft, 7500);
  }
}

TEST(ZoomExtentsAtClick, MovesTheCentreAnEighthIntoTheQuadrant) {
  ViewState v = centred(7500);
  ASSERT_EQ(zoomExtentsAtClick(v, ZoomMode::In, 1, 1, 15000, 15000), kOk);
  EXPECT_EQ(v.viewLeft + v.viewRight, 2 * 15000 / 8);
  EXPECT_EQ(v.viewBottom + v.viewTop, 2 * 15000 / 8);
}

TEST(ZoomExtentsAtClick, RefusesExtentsBeyond32Bits) {
  ViewState v{-1000, 2'000'000'000, -1000, 1000, 500};
  const ViewState before = v;
  EXPECT_EQ(zoomExtentsAtClick(v, ZoomMode::In, 5, 5, 7500, 7500), kOverflow);
  expectView(v, before.viewLeft, before.viewRight, before.viewBottom, before.viewTop);
}

TEST(PointerReadout, ShowsHundredthsOfCurveUnits) {
  struct Case {
    float x, y;
    std::int32_t scale;
    const char* text;
  };
  const Case cases[] = {
      {1234, 0, 500, "(2.47,0)"},           {-250, 625, 500, "(-0.5,1.25)"},
      {0.125f, 0.375f, 1, "(0.12,0.38)"},  // halves to even
      {12345, -7, 0, "(12345,-7)"},        // a scale of 0 reads as 1
      {-3750, 3750, 16000, "(-0.23,0.23)"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(pointerReadout(c.x, c.y, c.scale), c.text);
  }
}

}  // namespace
}  // namespace quorvel
