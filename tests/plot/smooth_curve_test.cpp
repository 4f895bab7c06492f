// Smooth curves, checked on the points drawn: conics close at their vertical
// tangents at every zoom, no line joins the two sides of a pole, and the refinement
// stays within its budget.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <numeric>
#include <vector>

#include "plot/plotter.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

struct Segment {
  PixelPoint a, b;
};

double pointToSegment(const PixelPoint& p, const Segment& s) {
  const double dx = s.b.column - s.a.column, dy = s.b.row - s.a.row;
  const double length2 = dx * dx + dy * dy;
  double f = 0;
  if (length2 > 0) {
    f = std::clamp(((p.column - s.a.column) * dx + (p.row - s.a.row) * dy) / length2, 0.0, 1.0);
  }
  return std::hypot(p.column - (s.a.column + f * dx), p.row - (s.a.row + f * dy));
}

double cross(const PixelPoint& o, const PixelPoint& a, const PixelPoint& b) {
  return (a.column - o.column) * (b.row - o.row) - (a.row - o.row) * (b.column - o.column);
}

double segmentDistance(const Segment& s, const Segment& t) {
  const double d1 = cross(s.a, s.b, t.a), d2 = cross(s.a, s.b, t.b);
  const double d3 = cross(t.a, t.b, s.a), d4 = cross(t.a, t.b, s.b);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) {
    return 0;
  }
  return std::min({pointToSegment(s.a, t), pointToSegment(s.b, t), pointToSegment(t.a, s),
                   pointToSegment(t.b, s)});
}

// The pieces of the drawing: segments that lie within `gap` pixels of one another
// belong to one piece.
int piecesOf(const std::vector<Segment>& segments, double gap) {
  std::vector<std::size_t> parent(segments.size());
  std::iota(parent.begin(), parent.end(), 0);
  auto root = [&](std::size_t i) {
    while (parent[i] != i) i = parent[i] = parent[parent[i]];
    return i;
  };
  // Only segments in neighbouring cells can be that near.
  constexpr double kCell = 16;
  auto cellOf = [](double v) { return static_cast<long>(std::floor(v / kCell)); };
  std::vector<std::pair<std::pair<long, long>, std::size_t>> cells;
  for (std::size_t i = 0; i < segments.size(); ++i) {
    const Segment& s = segments[i];
    for (long c = cellOf(std::min(s.a.column, s.b.column));
         c <= cellOf(std::max(s.a.column, s.b.column)); ++c) {
      for (long r = cellOf(std::min(s.a.row, s.b.row)); r <= cellOf(std::max(s.a.row, s.b.row));
           ++r) {
        cells.push_back({{c, r}, i});
      }
    }
  }
  std::sort(cells.begin(), cells.end());
  for (std::size_t i = 0; i < cells.size(); ++i) {
    for (std::size_t j = i + 1; j < cells.size(); ++j) {
      const auto [ci, ri] = cells[i].first;
      const auto [cj, rj] = cells[j].first;
      if (cj > ci + 1) break;
      if (std::abs(rj - ri) > 1) continue;
      const std::size_t a = cells[i].second, b = cells[j].second;
      if (root(a) != root(b) && segmentDistance(segments[a], segments[b]) <= gap) {
        parent[root(a)] = root(b);
      }
    }
  }
  int pieces = 0;
  for (std::size_t i = 0; i < segments.size(); ++i) pieces += root(i) == i ? 1 : 0;
  return pieces;
}

class SmoothCurve : public ::testing::Test {
 protected:
  // 1000 × 700 pixels inside a one-pixel border, as a window's surface.
  RecordingSurface surface{1002, 702, 1};
  ViewState view;
  CurveParams curve;
  EvalState eval;
  CurvePoints points;
  std::int32_t penColor = 0;
  PlotProgress progress;  // nobody watches
  PlotOptions options;    // the panel's: level 2000, lines, Smart Skip, Ｘ修正
  PlotRange range;

  // The view with (cx, cy) curve units in its middle, at `scale`.
  void lookAt(double cx, double cy, std::int32_t scale) {
    const auto halfWidth = static_cast<std::int32_t>(std::lround(surface.Width() / 2));
    const auto halfHeight = static_cast<std::int32_t>(std::lround(surface.Height() / 2));
    const auto x = static_cast<std::int32_t>(std::lround(cx * scale));
    const auto y = static_cast<std::int32_t>(std::lround(cy * scale));
    view = ViewState{x - halfWidth, x + halfWidth, y - halfHeight, y + halfHeight, scale};
    surface.Scale(static_cast<float>(view.viewLeft), static_cast<float>(view.viewTop),
                  static_cast<float>(view.viewRight), static_cast<float>(view.viewBottom));
  }
  void plot(bool smooth) {
    surface.clearCalls();
    options.smooth = smooth;
    PlotContext ctx{surface, view, curve, eval, points, 7515, 5265, false, -1, penColor, progress};
    draw(ctx, options, range, false);
  }
  // Every line and dot drawn, in pixels of the drawing area.
  std::vector<Segment> drawn() const {
    std::vector<Segment> out;
    for (const SurfaceCall& c : surface.calls()) {
      if (c.kind == SurfaceCallKind::Line) {
        out.push_back(
            {surface.toPixels(c.args[0], c.args[1]), surface.toPixels(c.args[2], c.args[3])});
      } else if (c.kind == SurfaceCallKind::PSet) {
        const PixelPoint p = surface.toPixels(c.args[0], c.args[1]);
        out.push_back({p, p});
      }
    }
    return out;
  }
  // The lines longer than a pixel whose ends lie on either side of x = pole (curve
  // units); one within a pixel is no line to see.
  int linesAcross(double pole) const {
    int count = 0;
    for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Line)) {
      const double x1 = c.args[0] / static_cast<double>(view.zoomScale);
      const double x2 = c.args[2] / static_cast<double>(view.zoomScale);
      const PixelPoint a = surface.toPixels(c.args[0], c.args[1]);
      const PixelPoint b = surface.toPixels(c.args[2], c.args[3]);
      if (std::min(x1, x2) < pole && pole < std::max(x1, x2) &&
          std::hypot(a.column - b.column, a.row - b.row) > 1) {
        ++count;
      }
    }
    return count;
  }
};

TEST_F(SmoothCurve, TheCircleClosesAtItsVerticalTangentAtEveryZoom) {
  // x² + y² = 9 with (3, 0) in the middle of the view.
  curve.funcFamily = 8;
  curve.paramR = 3;
  for (const std::int32_t scale : {125, 500, 1000, 2000, 3333, 5000, 8000, 12800, 16000}) {
    lookAt(3, 0, scale);
    plot(true);
    const std::vector<Segment> segments = drawn();
    ASSERT_FALSE(segments.empty()) << scale;
    EXPECT_EQ(piecesOf(segments, 1.0), 1) << "zoom " << scale;
    // The piece reaches the vertex, the middle of the view.
    double nearest = 1e9;
    for (const Segment& s : segments) {
      nearest = std::min(nearest, pointToSegment(PixelPoint{500, 350}, s));
    }
    EXPECT_LE(nearest, 1.0) << "zoom " << scale;
  }
}

TEST_F(SmoothCurve, WithoutSmoothingTheVertexIsLeftOpen) {
  // The check above can fail: the plain sweep leaves the two branches apart.
  curve.funcFamily = 8;
  curve.paramR = 3;
  lookAt(3, 0, 2000);
  plot(false);
  EXPECT_GT(piecesOf(drawn(), 1.0), 1);
}

TEST_F(SmoothCurve, EllipseAndHyperbolaCloseWhereTheyTurn) {
  struct Case {
    std::int16_t family;
    float a, b;
    double vertex;
    std::int32_t fromScale;  // the other branch of the hyperbola out of the view
  };
  for (const Case& c : {Case{9, 4, 3, -4, 125}, Case{9, 4, 3, 4, 125}, Case{10, 2, 1, 2, 2000},
                        Case{10, 2, 1, -2, 2000}}) {
    curve.funcFamily = c.family;
    curve.paramA = c.a;
    curve.paramB = c.b;
    for (const std::int32_t scale : {125, 500, 2000, 4000, 16000}) {
      if (scale < c.fromScale) continue;
      lookAt(c.vertex, 0, scale);
      plot(true);
      EXPECT_EQ(piecesOf(drawn(), 1.0), 1)
          << "family " << c.family << " vertex " << c.vertex << " zoom " << scale;
    }
  }
}

TEST_F(SmoothCurve, NoLineJoinsTheSidesOfAPole) {
  struct Case {
    std::int16_t family;
    double pole;
  };
  const double halfPi = std::numbers::pi / 2;
  for (const Case& c : {Case{7, halfPi}, Case{7, -halfPi}, Case{2, 0}}) {
    curve = CurveParams{};
    curve.funcFamily = c.family;
    curve.paramA = 1;  // tan x
    curve.paramOmega = 1;
    curve.paramK = 1;  // 1 / x
    // Coarse and fine steps; from a scale of 20 on a period of tan x spans a few
    // pixels (below, no sampling tells its branches apart).
    for (const int level : {10, 37, 2000}) {
      for (const std::int32_t scale : {20, 100, 500, 3000}) {
        options.level = level;
        lookAt(c.pole, 0, scale);
        plot(true);
        EXPECT_EQ(linesAcross(c.pole), 0)
            << "family " << c.family << " level " << level << " zoom " << scale;
        EXPECT_GT(surface.count(SurfaceCallKind::Line), 0u)
            << "family " << c.family << " level " << level << " zoom " << scale;
      }
    }
  }
}

TEST_F(SmoothCurve, ThePlainSweepJoinsAcrossAPoleAtCoarseLevels) {
  // What the rule above guards against: ten steps over the view straddle the pole.
  curve.funcFamily = 7;
  curve.paramA = 1;
  curve.paramOmega = 1;
  options.level = 10;
  lookAt(std::numbers::pi / 2 + 0.3, 0, 100);
  plot(false);
  EXPECT_EQ(linesAcross(std::numbers::pi / 2), 1);
}

TEST_F(SmoothCurve, ASteepCurveReachesTheEdgeOfTheView) {
  // tan x rises out of the top of the view; its last point lies within a pixel of it.
  curve.funcFamily = 7;
  curve.paramA = 1;
  curve.paramOmega = 1;
  lookAt(0, 0, 500);
  for (const bool smooth : {false, true}) {
    plot(smooth);
    double highest = 1e9;
    for (const Segment& s : drawn()) highest = std::min({highest, s.a.row, s.b.row});
    if (smooth) {
      EXPECT_LE(highest, 1.0);
    } else {
      EXPECT_GT(highest, 5.0);
    }
  }
}

TEST_F(SmoothCurve, AnOscillatingExpressionStaysWithinTheBudget) {
  // sin(1/x) swings without end near 0: the refinement stops at its budget.
  curve.funcFamily = 13;
  curve.expression = "sin(1/x)";
  lookAt(0, 0, 16000);
  plot(true);
  const std::size_t plain = [&] {
    plot(false);
    return surface.count(SurfaceCallKind::PSet);
  }();
  plot(true);
  EXPECT_GT(surface.count(SurfaceCallKind::PSet), plain);
  EXPECT_LE(surface.count(SurfaceCallKind::PSet), plain + 8 * 2000 + 16384);
}

}  // namespace
}  // namespace quorvel
