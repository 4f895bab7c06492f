// Equations F(x, y) = 0, checked on the polylines drawn, at the program's scales from
// 125 to 16000: every drawn point and every line's middle within a pixel of the curve
// (|F| / |∇F| in pixels), every point of the true curve in the frame within a pixel of
// a drawn line, the right number of branches, closed curves closed, and no line across
// a pole.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "plot/implicit_tracer.h"
#include "plot/plane_geometry.h"

namespace quorvel {
namespace {

using testing::densePoints;
using testing::frameAt;
using testing::insideFrame;
using testing::piecesOf;
using testing::SegmentIndex;

using PointAt = std::function<std::optional<PlanePoint>(double)>;

// A stretch of the true curve, by a parameter.
struct Stretch {
  PointAt point;
  double from, to;
};

struct View {
  double scale;
  double cx, cy;
  int pieces;  // branches seen in the frame
  int closed;  // closed polylines; −1: not checked (a node may close a loop or not)
};

struct Case {
  std::string name;
  PlaneFunction f;
  std::vector<Stretch> truth;
  std::vector<View> views;
};

Stretch ellipse(double h, double k, double a, double b) {
  return {[=](double t) { return PlanePoint{h + a * std::cos(t), k + b * std::sin(t)}; }, 0, 7};
}
// A branch of y = 1/x (sign +1: the first quadrant's, −1: the third's).
Stretch reciprocal(double sign) {
  return {[=](double s) { return PlanePoint{sign * std::exp(s), sign * std::exp(-s)}; }, -12, 12};
}
Stretch hyperbola(double sign) {
  return {[=](double s) { return PlanePoint{sign * std::cosh(s), std::sinh(s)}; }, -8, 8};
}
// x = 3t / (1 + t³), y = 3t² / (1 + t³), on either side of its asymptote's t = −1.
Stretch folium(double from, double to) {
  return {[](double t) {
            return PlanePoint{3 * t / (1 + t * t * t), 3 * t * t / (1 + t * t * t)};
          },
          from, to};
}

std::vector<Case> cases() {
  return {
      {"ellipse",
       [](double x, double y) { return x * x / 4 + y * y - 1; },
       {ellipse(0, 0, 2, 1)},
       {{125, 0, 0, 1, 1}, {500, 0, 0, 1, 1}, {2000, 1.08, 0.84, 1, 1}, {16000, 1.08, 0.84, 1, 0}}},
      {"x*y=1",
       [](double x, double y) { return x * y - 1; },
       {reciprocal(1), reciprocal(-1)},
       {{125, 0, 0, 2, 0}, {500, 0, 0, 2, 0}, {2000, 1, 1, 2, 0}, {16000, 1, 1, 1, 0}}},
      {"folium",
       [](double x, double y) { return x * x * x + y * y * y - 3 * x * y; },
       {folium(-0.99999, 1e4), folium(-1e4, -1.00001)},
       {{125, 0, 0, 1, -1}, {500, 0, 0, 1, -1}, {2000, 0, 0, 1, -1}, {16000, 1.5, 1.5, 1, 0}}},
      {"circle",
       [](double x, double y) { return x * x + y * y - 9; },
       {ellipse(0, 0, 3, 3)},
       {{125, 0, 0, 1, 1}, {500, 0, 0, 1, 1}, {2000, 3, 0, 1, 0}, {16000, 3, 0, 1, 0}}},
      {"small circle",
       [](double x, double y) { return x * x + y * y - 0.0625; },
       {ellipse(0, 0, 0.25, 0.25)},
       {{125, 0, 0, 1, 1}, {500, 0, 0, 1, 1}, {2000, 0, 0, 1, 1}, {16000, 0, 0, 1, 1}}},
      {"shifted circle",
       [](double x, double y) { return (x - 1) * (x - 1) + (y + 2) * (y + 2) - 4; },
       {ellipse(1, -2, 2, 2)},
       {{125, 0, 0, 1, 1}, {500, 0, 0, 1, 1}, {2000, 1, 0, 1, 0}, {16000, 1, 0, 1, 0}}},
      {"parabola",
       [](double x, double y) { return y * y - 4 * x; },
       {{[](double t) {
           return PlanePoint{t * t / 4, t};
         },
         -100, 100}},
       {{125, 0, 0, 1, 0}, {500, 0, 0, 1, 0}, {2000, 1, 2, 1, 0}, {16000, 1, 2, 1, 0}}},
      {"hyperbola",
       [](double x, double y) { return x * x - y * y - 1; },
       {hyperbola(1), hyperbola(-1)},
       {{125, 0, 0, 2, 0}, {500, 0, 0, 2, 0}, {2000, 1, 0, 2, 0}, {16000, 1, 0, 1, 0}}},
      {"1/x=y",
       [](double x, double y) { return 1 / x - y; },
       {reciprocal(1), reciprocal(-1)},
       {{125, 0, 0, 2, 0}, {500, 0, 0, 2, 0}, {2000, 0.5, 2, 2, 0}, {16000, 0.5, 2, 1, 0}}},
      {"sqrt x=y",
       [](double x, double y) -> std::optional<double> {
         if (x < 0) return std::nullopt;
         return std::sqrt(x) - y;
       },
       {{[](double t) {
           return PlanePoint{t * t, t};
         },
         0, 100}},
       {{125, 0, 0, 1, 0}, {500, 0, 0, 1, 0}, {2000, 1, 1, 1, 0}, {16000, 1, 1, 1, 0}}},
  };
}

// How far p is from the curve, in pixels, to first order: |F| / |∇F|, the gradient by
// differences a millionth of a pixel wide (one-sided where F has no value beyond).
double pixelsOff(const PlaneFunction& f, const PixelFrame& frame, const PlanePoint& p) {
  const double hx = 1e-6 / frame.pixelsPerUnitX, hy = 1e-6 / frame.pixelsPerUnitY;
  const double v = *finiteValue(f, p.x, p.y);
  auto slope = [&](double dx, double dy) {  // F per pixel
    const std::optional<double> ahead = finiteValue(f, p.x + dx, p.y + dy);
    const std::optional<double> behind = finiteValue(f, p.x - dx, p.y - dy);
    if (ahead && behind) return (*ahead - *behind) / 2e-6;
    return ahead ? (*ahead - v) / 1e-6 : (v - behind.value_or(v)) / 1e-6;
  };
  return std::abs(v) / std::hypot(slope(hx, 0), slope(0, hy));
}

// Segments with their ends on both sides of x = 0 (or of y = 0 when `alongY`).
int linesAcrossAxis(const std::vector<PlanePolyline>& lines, bool alongY) {
  int across = 0;
  for (const PlanePolyline& line : lines) {
    for (std::size_t k = 1; k < line.points.size(); ++k) {
      const PlanePoint a = line.points[k - 1], b = line.points[k];
      if (alongY ? a.y * b.y < 0 : a.x * b.x < 0) ++across;
    }
  }
  return across;
}

TEST(ImplicitTracer, EquationsAtEveryScale) {
  for (const Case& c : cases()) {
    for (const View& v : c.views) {
      SCOPED_TRACE(c.name + " at " + std::to_string(v.scale));
      const PixelFrame frame = frameAt(v.scale, v.cx, v.cy);
      const TracedCurve traced = traceImplicit(c.f, frame);
      ASSERT_FALSE(traced.polylines.empty());
      EXPECT_FALSE(traced.budgetSpent);

      // Every drawn point and the middle of every line, within a pixel of the curve.
      double worst = 0;
      for (const PlanePolyline& line : traced.polylines) {
        for (std::size_t k = 0; k < line.points.size(); ++k) {
          const PlanePoint a = line.points[k];
          worst = std::max(worst, pixelsOff(c.f, frame, a));
          if (k == 0) continue;
          const PlanePoint b = line.points[k - 1];
          worst = std::max(worst, pixelsOff(c.f, frame, {(a.x + b.x) / 2, (a.y + b.y) / 2}));
        }
      }
      EXPECT_LE(worst, 1.0);

      // No gap: every point of the curve in the frame within a pixel of a drawn line.
      const SegmentIndex drawn(frame, traced.polylines);
      double missed = 0;
      for (const Stretch& s : c.truth) {
        for (const auto& run : densePoints(s.point, s.from, s.to, frame, 0.25)) {
          for (const PlanePoint& p : run) {
            if (insideFrame(frame, p, 1)) missed = std::max(missed, drawn.distance(p));
          }
        }
      }
      EXPECT_LE(missed, 1.0);

      EXPECT_EQ(piecesOf(frame, traced.polylines), v.pieces);
      if (v.closed >= 0) {
        int closed = 0;
        for (const PlanePolyline& line : traced.polylines) closed += line.closed ? 1 : 0;
        EXPECT_EQ(closed, v.closed);
        if (v.closed == 1) {
          EXPECT_EQ(traced.polylines.size(), 1u);
        }
      }
    }
  }
}

TEST(ImplicitTracer, NoLineAcrossThePoles) {
  const PlaneFunction hyperbola = [](double x, double y) { return x * y - 1; };
  const PlaneFunction reciprocal = [](double x, double y) { return 1 / x - y; };
  // The axes in the middle of the frame, and beside it by a fraction of a pixel.
  for (const double scale : {125.0, 500.0, 2000.0, 16000.0}) {
    for (const double shift : {0.0, 0.37, 3.0}) {
      SCOPED_TRACE(std::to_string(scale) + " shifted " + std::to_string(shift));
      const PixelFrame frame = frameAt(scale, shift * 15 / scale, shift * 15 / scale);
      const TracedCurve h = traceImplicit(hyperbola, frame);
      EXPECT_EQ(linesAcrossAxis(h.polylines, false), 0);
      EXPECT_EQ(linesAcrossAxis(h.polylines, true), 0);
      const TracedCurve r = traceImplicit(reciprocal, frame);
      EXPECT_EQ(linesAcrossAxis(r.polylines, false), 0);
      // At 16000 the frame lies between the branches.
      EXPECT_EQ(piecesOf(frame, r.polylines), scale == 16000 ? 0 : 2);
    }
  }
}

TEST(ImplicitTracer, ASignChangeWithoutAZeroDrawsNothing) {
  for (const double scale : {125.0, 2000.0}) {
    SCOPED_TRACE(scale);
    const PixelFrame frame = frameAt(scale, 0, 0);
    // A step across x = 0, and a pole of 1/(x − 0.3), which has no zero.
    EXPECT_TRUE(traceImplicit([](double x, double) { return x < 0 ? -1.0 : 1.0; }, frame)
                    .polylines.empty());
    EXPECT_TRUE(
        traceImplicit([](double x, double) { return 1 / (x - 0.3); }, frame).polylines.empty());
    // cot x: zeros at π/2 + kπ, poles at kπ between them. Only the zeros are drawn.
    const TracedCurve cot =
        traceImplicit([](double x, double) { return std::cos(x) / std::sin(x); }, frame);
    EXPECT_FALSE(cot.polylines.empty());
    double worst = 0;
    for (const PlanePolyline& line : cot.polylines) {
      for (const PlanePoint& p : line.points) {
        const double offZero = std::remainder(p.x - std::numbers::pi / 2, std::numbers::pi);
        worst = std::max(worst, std::abs(offZero) * frame.pixelsPerUnitX);
      }
    }
    EXPECT_LE(worst, 1.0);
  }
}

TEST(ImplicitTracer, TheCensusTellsAlwaysAndNeverTrue) {
  const PixelFrame frame = frameAt(500, 0, 0);
  const TracedCurve always = traceImplicit([](double x, double) { return x - x; }, frame);
  EXPECT_TRUE(always.polylines.empty());
  EXPECT_EQ(always.census.positive + always.census.negative + always.census.undefined, 0);
  EXPECT_GT(always.census.zero, 0);
  const TracedCurve never =
      traceImplicit([](double x, double y) { return x * x + y * y + 1; }, frame);
  EXPECT_TRUE(never.polylines.empty());
  EXPECT_EQ(never.census.negative + never.census.zero, 0);
  const TracedCurve nowhere =
      traceImplicit([](double, double) { return std::optional<double>{}; }, frame);
  EXPECT_TRUE(nowhere.polylines.empty());
  EXPECT_EQ(nowhere.census.positive + nowhere.census.negative + nowhere.census.zero, 0);
}

TEST(ImplicitTracer, TheBudgetBoundsAnEquationWithoutEnd) {
  ImplicitTracing tracing;
  tracing.budget = 200000;
  const TracedCurve traced = traceImplicit([](double x, double y) { return std::sin(1 / (x * y)); },
                                           frameAt(125, 0, 0), tracing);
  EXPECT_TRUE(traced.budgetSpent);
  // The cells in hand when the budget ran out still have their crossings refined.
  EXPECT_LE(traced.evaluations, 3 * tracing.budget);
}

TEST(ImplicitTracer, NothingInAFrameWithoutPixelsOrTooLargeForTheLattice) {
  const PlaneFunction circle = [](double x, double y) { return x * x + y * y - 1; };
  PixelFrame none = frameAt(500, 0, 0);
  none.width = 0;
  EXPECT_TRUE(traceImplicit(circle, none).polylines.empty());
  PixelFrame huge = frameAt(500, 0, 0, 70000, 10);
  EXPECT_TRUE(traceImplicit(circle, huge).polylines.empty());
}

}  // namespace
}  // namespace quorvel
