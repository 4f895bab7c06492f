// Parametric and polar curves, checked on the polylines drawn against the true curve:
// every drawn line within a pixel of it, every point of it in the frame within a pixel
// of a drawn line, closed curves closed, and no line across a jump or a gap.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "plot/parametric_sampler.h"
#include "plot/plane_geometry.h"

namespace quorvel {
namespace {

using testing::densePoints;
using testing::frameAt;
using testing::insideFrame;
using testing::SegmentIndex;

constexpr double kPi = std::numbers::pi;

struct CurveCase {
  std::string name;
  CurveFunction x;  // x(t), or ρ(θ) for a polar curve
  CurveFunction y;  // y(t); empty for a polar curve
  ParameterRange range;
  bool closes;  // one closed polyline when the whole curve is in the frame
};

std::function<std::optional<PlanePoint>(double)> pointsOf(const CurveCase& c) {
  return [&c](double t) -> std::optional<PlanePoint> {
    const std::optional<double> a = finiteValue(c.x, t);
    if (!a) return std::nullopt;
    if (!c.y) return PlanePoint{*a * std::cos(t), *a * std::sin(t)};
    const std::optional<double> b = finiteValue(c.y, t);
    if (!b) return std::nullopt;
    return PlanePoint{*a, *b};
  };
}

SampledCurve sample(const CurveCase& c, const PixelFrame& frame, const CurveSampling& s) {
  return c.y ? sampleParametric(c.x, c.y, c.range, frame, s) : samplePolar(c.x, c.range, frame, s);
}

const std::vector<CurveCase>& curves() {
  static const std::vector<CurveCase> table = {
      {"circle",
       [](double t) { return 3 * std::cos(t); },
       [](double t) { return 3 * std::sin(t); },
       {},
       true},
      {"circle backwards",
       [](double t) { return 3 * std::cos(t); },
       [](double t) { return 3 * std::sin(t); },
       {2 * kPi, 0},
       true},
      {"ellipse",
       [](double t) { return 2 * std::cos(t); },
       [](double t) { return std::sin(t); },
       {},
       true},
      {"lissajous",
       [](double t) { return 2 * std::sin(3 * t); },
       [](double t) { return 1.5 * std::sin(2 * t); },
       {},
       true},
      {"rose", [](double t) { return 2 * std::sin(3 * t); }, {}, {}, true},
      {"cardioid", [](double t) { return 1 + std::cos(t); }, {}, {}, true},
      {"spiral", [](double t) { return t / 4; }, {}, {0, 6 * kPi}, false},
      // Negative ρ through the pole: the circle of radius 1 through the origin, traced twice.
      {"negative rho", [](double t) { return 2 * std::cos(t); }, {}, {}, true},
      // Undefined where cos 2θ < 0: two loops that meet at the pole.
      {"lemniscate", [](double t) { return std::sqrt(4 * std::cos(2 * t)); }, {}, {}, false},
      {"parabola",
       [](double t) { return t; },
       [](double t) { return t * t - 3; },
       {-10, 10},
       false},
  };
  return table;
}

struct Zoom {
  double scale;
  double cx, cy;
};

// The program's scales, from the slider's small end to its large one; the large ones
// look at a stretch of the curve.
const Zoom kZooms[] = {{125, 0, 0}, {500, 0, 0}, {2000, 0.3, 0.5}, {16000, 1.0, 1.2}};

TEST(ParametricSampler, DrawnLinesFollowTheCurveAndCoverIt) {
  for (const CurveCase& c : curves()) {
    for (const Zoom& zoom : kZooms) {
      const PixelFrame frame = frameAt(zoom.scale, zoom.cx, zoom.cy);
      const auto truth = densePoints(pointsOf(c), c.range.from, c.range.to, frame, 0.25);
      std::vector<PlanePolyline> trueLines;
      for (const auto& run : truth) trueLines.push_back({run, false});
      const SegmentIndex curve(frame, trueLines);
      for (const int steps : {20, 2000}) {
        SCOPED_TRACE(c.name + " at " + std::to_string(zoom.scale) + ", steps " +
                     std::to_string(steps));
        CurveSampling sampling;
        sampling.steps = steps;
        const SampledCurve drawn = sample(c, frame, sampling);

        // Every drawn line within a pixel of the curve.
        double worst = 0;
        for (const PlanePolyline& line : drawn.polylines) {
          for (std::size_t k = 1; k < line.points.size(); ++k) {
            const PlanePoint a = line.points[k - 1], b = line.points[k];
            // The ends are points of the curve; a chord strays furthest near its middle.
            const PlanePoint p{(a.x + b.x) / 2, (a.y + b.y) / 2};
            if (insideFrame(frame, p)) worst = std::max(worst, curve.distance(p));
          }
        }
        EXPECT_LE(worst, 1.0);

        // Every point of the curve in the frame within a pixel of a drawn line.
        const SegmentIndex lines(frame, drawn.polylines);
        double missed = 0;
        for (const auto& run : truth) {
          for (const PlanePoint& p : run) {
            if (insideFrame(frame, p, 1)) missed = std::max(missed, lines.distance(p));
          }
        }
        EXPECT_LE(missed, 1.0);
      }
    }
  }
}

TEST(ParametricSampler, WholeClosedCurvesClose) {
  for (const CurveCase& c : curves()) {
    if (!c.closes) continue;
    for (const double scale : {125.0, 500.0, 1000.0}) {
      SCOPED_TRACE(c.name + " at " + std::to_string(scale));
      const SampledCurve drawn = sample(c, frameAt(scale, 0, 0), {});
      ASSERT_EQ(drawn.polylines.size(), 1u);
      const PlanePolyline& line = drawn.polylines.front();
      EXPECT_TRUE(line.closed);
      EXPECT_EQ(line.points.front().x, line.points.back().x);
      EXPECT_EQ(line.points.front().y, line.points.back().y);
    }
  }
}

TEST(ParametricSampler, ACurveThatLeavesTheFrameIsNotClosedAcrossIt) {
  // The circle of radius 3 at a scale where only its right part is seen: the pieces are
  // open, and the one across the seam at t = 0 is joined, not broken there.
  const PixelFrame frame = frameAt(2000, 3, 0);
  const SampledCurve drawn =
      sampleParametric([](double t) { return 3 * std::cos(t); },
                       [](double t) { return 3 * std::sin(t); }, {}, frame, {});
  ASSERT_EQ(drawn.polylines.size(), 1u);
  EXPECT_FALSE(drawn.polylines.front().closed);
}

// Points on both sides of x = a: a drawn line there would cross it.
int linesAcross(const std::vector<PlanePolyline>& lines, double a) {
  int across = 0;
  for (const PlanePolyline& line : lines) {
    for (std::size_t k = 1; k < line.points.size(); ++k) {
      if ((line.points[k - 1].x - a) * (line.points[k].x - a) < 0) ++across;
    }
  }
  return across;
}

TEST(ParametricSampler, JumpsAndGapsBreakTheCurve) {
  const PixelFrame frame = frameAt(500, 0, 0);
  for (const int steps : {7, 20, 2000}) {
    SCOPED_TRACE(steps);
    CurveSampling sampling;
    sampling.steps = steps;
    // y = tan t: no line across an asymptote, whatever the steps land on.
    const SampledCurve tangent = sampleParametric(
        [](double t) { return t; }, [](double t) { return std::tan(t); }, {-6, 6}, frame, sampling);
    for (const double a : {-1.5 * kPi, -0.5 * kPi, 0.5 * kPi, 1.5 * kPi}) {
      EXPECT_EQ(linesAcross(tangent.polylines, a), 0) << a;
    }
    EXPECT_EQ(tangent.polylines.size(), 5u);
    // A step function: the jump at t = 0 is not drawn (a step that fails is a gap).
    const SampledCurve step =
        sampleParametric([](double t) { return t; }, [](double t) { return t < 0 ? -1.0 : 1.0; },
                         {-3, 3}, frame, sampling);
    EXPECT_EQ(linesAcross(step.polylines, 0), 0);
    // No point where the function fails: ln t for t ≤ 0, a hole (nullopt) in 1 < t < 2.
    const SampledCurve holed = sampleParametric([](double t) { return t; },
                                                [](double t) -> std::optional<double> {
                                                  if (t > 1 && t < 2) return std::nullopt;
                                                  return std::log(t);
                                                },
                                                {-3, 5}, frame, sampling);
    ASSERT_EQ(holed.polylines.size(), 2u);
    EXPECT_NEAR(holed.polylines[0].points.back().x, 1, 1e-6);
    EXPECT_NEAR(holed.polylines[1].points.front().x, 2, 1e-6);
    for (const PlanePolyline& line : holed.polylines) {
      for (const PlanePoint& p : line.points) EXPECT_FALSE(p.x > 1 && p.x < 2);
    }
  }
}

TEST(ParametricSampler, TheBudgetBoundsACurveThatWigglesWithoutEnd) {
  CurveSampling sampling;
  sampling.budget = 50000;
  const SampledCurve drawn =
      sampleParametric([](double t) { return t; }, [](double t) { return std::sin(1 / t); },
                       {-1, 1}, frameAt(16000, 0, 0), sampling);
  EXPECT_TRUE(drawn.budgetSpent);
  EXPECT_LE(drawn.evaluations, sampling.budget + sampling.steps + 200);
}

TEST(ParametricSampler, NothingInAFrameWithoutPixelsOrScale) {
  const CurveFunction one = [](double) { return 1.0; };
  PixelFrame none = frameAt(500, 0, 0);
  none.pixelsPerUnitX = 0;
  EXPECT_TRUE(sampleParametric(one, one, {}, none, {}).polylines.empty());
  EXPECT_TRUE(samplePolar(one, {0, std::nan("")}, frameAt(500, 0, 0), {}).polylines.empty());
  ViewState zeroScale;
  zeroScale.viewRight = 7500;
  zeroScale.viewLeft = -7500;
  zeroScale.viewTop = 5250;
  zeroScale.viewBottom = -5250;
  zeroScale.zoomScale = 0;
  EXPECT_FALSE(frameOfView(zeroScale, 1000, 700).valid());
}

TEST(PixelFrame, OfTheViewMapsAsTheSurfaceDoes) {
  ViewState view;
  view.viewLeft = -7500;
  view.viewRight = 7500;
  view.viewTop = 5250;
  view.viewBottom = -5250;
  view.zoomScale = 500;
  const PixelFrame frame = frameOfView(view, 1000, 700);
  // View unit X is at column (X − viewLeft) × 1000 / 15000; curve x at X = 500 x.
  EXPECT_DOUBLE_EQ(frame.columnOf(1), (500 + 7500) * 1000.0 / 15000);
  EXPECT_DOUBLE_EQ(frame.rowOf(-2), (5250 + 1000) * 700.0 / 10500);
  EXPECT_DOUBLE_EQ(frame.pixelsPerUnitX, 500.0 / 15);
  const PixelFrame dense = frameOfView(view, 1000, 700, 2);
  EXPECT_EQ(dense.width, 2000);
  EXPECT_DOUBLE_EQ(dense.columnOf(1), 2 * frame.columnOf(1));
}

}  // namespace
}  // namespace quorvel
