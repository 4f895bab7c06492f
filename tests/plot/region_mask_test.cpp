// Regions as masks of the frame's pixels: the block mask is the literal per-pixel mask,
// byte for byte, for a table of inequalities and systems (each sign, curved and straight
// boundaries, poles, gaps in the domain, features smaller than a block or a pixel) at
// the program's scales and at a device pixel ratio of 2.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "plot/plane_geometry.h"
#include "plot/region_mask.h"

namespace quorvel {
namespace {

using testing::frameAt;

struct SystemCase {
  std::string name;
  std::vector<Inequality> system;
};

std::vector<SystemCase> systems() {
  const PlaneFunction circle = [](double x, double y) { return x * x + y * y - 4; };
  const PlaneFunction parabola = [](double x, double y) { return y - x * x; };
  const PlaneFunction line = [](double x, double y) { return y - (2 * x - 1); };
  const PlaneFunction vertical = [](double x, double) { return x - 0.3; };
  return {
      {"x^2+y^2<4", {{circle, Relation::Less}}},
      {"x^2+y^2<=4", {{circle, Relation::LessOrEqual}}},
      {"x^2+y^2>4", {{circle, Relation::Greater}}},
      {"x^2+y^2>=4", {{circle, Relation::GreaterOrEqual}}},
      {"y>x^2", {{parabola, Relation::Greater}}},
      {"y<=x^2", {{parabola, Relation::LessOrEqual}}},
      {"y>2x-1", {{line, Relation::Greater}}},
      {"x<0.3", {{vertical, Relation::Less}}},
      // A disc of radius 0.1: under a pixel across at scale 125, inside one block.
      {"tiny disc",
       {{[](double x, double y) { return (x - 0.37) * (x - 0.37) + y * y - 0.01; },
         Relation::Less}}},
      // A band narrower than a pixel between two parallel lines.
      {"thin band",
       {{[](double x, double y) { return y - x - 0.001; }, Relation::Less},
        {[](double x, double y) { return y - x + 0.001; }, Relation::Greater}}},
      {"pole 1/x>y", {{[](double x, double y) { return 1 / x - y; }, Relation::Greater}}},
      {"domain sqrt(x)>=y",
       {{[](double x, double y) -> std::optional<double> {
           if (x < 0) return std::nullopt;
           return std::sqrt(x) - y;
         },
         Relation::GreaterOrEqual}}},
      {"linear program",
       {{[](double x, double y) { return x + y - 4; }, Relation::LessOrEqual},
        {[](double x, double) { return x; }, Relation::GreaterOrEqual},
        {[](double, double y) { return y; }, Relation::GreaterOrEqual},
        {[](double x, double y) { return x - y - 2; }, Relation::LessOrEqual}}},
      {"disc above a line", {{circle, Relation::Less}, {line, Relation::Greater}}},
      {"sin(xy/4)>0",
       {{[](double x, double y) { return std::sin(x * y / 4); }, Relation::Greater}}},
  };
}

TEST(RegionMask, BlocksGiveExactlyThePerPixelMask) {
  struct Frame {
    double scale, cx, cy;
    int width, height;
  };
  const Frame frames[] = {{125, 0, 0, 1000, 700},
                          {500, 0, 0, 600, 420},
                          {2000, 0.2, 0.1, 600, 420},
                          {16000, 0.37, 0.05, 600, 420},
                          // Blocks cut by the frame's edges; the device pixels of a 2x screen.
                          {500, 0.5, -0.5, 333, 201},
                          {1000, 0, 0, 1200, 840}};
  for (const SystemCase& s : systems()) {
    for (const Frame& f : frames) {
      SCOPED_TRACE(s.name + " at " + std::to_string(f.scale) + " " + std::to_string(f.width));
      const PixelFrame frame = frameAt(f.scale, f.cx, f.cy, f.width, f.height);
      const RegionMask fast = regionMask(s.system, frame);
      const RegionMask literal = regionMaskPerPixel(s.system, frame);
      ASSERT_EQ(fast.width, literal.width);
      ASSERT_EQ(fast.height, literal.height);
      std::int64_t differ = 0;
      for (std::size_t k = 0; k < fast.inside.size(); ++k) {
        differ += fast.inside[k] != literal.inside[k] ? 1 : 0;
      }
      EXPECT_EQ(differ, 0);
    }
  }
}

TEST(RegionMask, TheLiteralMaskIsTheTestAtEachPixelsMiddle) {
  const PixelFrame frame = frameAt(500, 0, 0);
  const PlaneFunction circle = [](double x, double y) { return x * x + y * y - 4; };
  const RegionMask mask = regionMaskPerPixel({{circle, Relation::LessOrEqual}}, frame);
  // A disc of radius 2 units, 66.7 pixels: its area in pixels, give or take its rim.
  const double r = 2 * frame.pixelsPerUnitX;
  EXPECT_NEAR(static_cast<double>(mask.count()), std::numbers::pi * r * r,
              2 * std::numbers::pi * r);
  for (int row = 0; row < frame.height; row += 7) {
    for (int column = 0; column < frame.width; column += 7) {
      const double x = frame.xAt(column + 0.5), y = frame.yAt(row + 0.5);
      EXPECT_EQ(mask.at(column, row), x * x + y * y <= 4) << column << "," << row;
    }
  }
}

TEST(RegionMask, BlocksSpareMostEvaluations) {
  const PixelFrame frame = frameAt(500, 0, 0);
  const std::vector<Inequality> disc = {
      {[](double x, double y) { return x * x + y * y - 4; }, Relation::Less}};
  const std::int64_t pixels = std::int64_t{frame.width} * frame.height;
  EXPECT_EQ(regionMaskPerPixel(disc, frame).evaluations, pixels);
  EXPECT_LT(regionMask(disc, frame).evaluations, pixels / 5);
}

TEST(RegionMask, SpansCoverTheMaskRowByRow) {
  const PixelFrame frame = frameAt(500, 0, 0, 200, 150);
  const RegionMask mask =
      regionMask({{[](double x, double y) { return std::sin(3 * x) - y; }, Relation::Less},
                  {[](double x, double y) { return x * x + y * y - 4; }, Relation::Less}},
                 frame);
  std::vector<std::uint8_t> painted(mask.inside.size(), 0);
  for (const MaskSpan& span : mask.spans()) {
    ASSERT_LT(span.from, span.to);
    for (int column = span.from; column < span.to; ++column) {
      painted[static_cast<std::size_t>(span.row * frame.width + column)] = 1;
    }
  }
  EXPECT_EQ(painted, mask.inside);
  EXPECT_GT(mask.count(), 0);
}

TEST(RegionMask, NoInequalitiesIsTheWholeFrameAndABadFrameNothing) {
  const PixelFrame frame = frameAt(500, 0, 0, 40, 30);
  EXPECT_EQ(regionMask({}, frame).count(), 40 * 30);
  PixelFrame bad = frame;
  bad.pixelsPerUnitY = std::nan("");
  EXPECT_TRUE(regionMask({}, bad).inside.empty());
  EXPECT_TRUE(regionMaskPerPixel({}, bad).inside.empty());
  EXPECT_FALSE(relationHolds(Relation::LessOrEqual, std::nullopt));
  EXPECT_FALSE(relationHolds(Relation::Greater, std::numeric_limits<double>::infinity()));
  EXPECT_TRUE(relationHolds(Relation::GreaterOrEqual, 0.0));
  EXPECT_FALSE(relationHolds(Relation::Greater, 0.0));
}

}  // namespace
}  // namespace quorvel
