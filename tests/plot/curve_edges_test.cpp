// The modern look runs a curve to the picture's edge at an asymptote: with Smart Skip
// on (the panel's default), with and without smooth curves, the branches of 1/x,
// tan x and log₂ x end within a pixel of the edge they leave by, where the original
// sweep stops short of it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "plot/plotter.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

constexpr int kWidth = 1000, kHeight = 700;

class CurveEdges : public ::testing::Test {
 protected:
  RecordingSurface surface{kWidth + 2, kHeight + 2, 1};
  ViewState view;
  CurveParams curve;
  EvalState eval;
  CurvePoints points;
  std::int32_t penColor = 0;
  PlotProgress progress;  // nobody watches
  PlotOptions options;    // the panel's: level 2000, lines, Smart Skip, Ｘ修正
  PlotRange range;

  void centreAt(std::int32_t scale) {
    view = ViewState{-7515, 7515, -5265, 5265, scale};
    surface.Scale(static_cast<float>(view.viewLeft), static_cast<float>(view.viewTop),
                  static_cast<float>(view.viewRight), static_cast<float>(view.viewBottom));
  }
  // The rows (pixels from the top) of the highest and lowest point drawn.
  std::pair<double, double> rowsReached(bool modern, bool smooth) {
    surface.clearCalls();
    options.toEdges = modern;
    options.smooth = smooth;
    PlotContext ctx{surface, view, curve, eval, points, 7515, 5265, false, -1, penColor, progress};
    draw(ctx, options, range, false);
    double top = 1e9, bottom = -1e9;
    for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::PSet)) {
      const double row = surface.toPixels(c.args[0], c.args[1]).row;
      top = std::min(top, row);
      bottom = std::max(bottom, row);
    }
    return {top, bottom};
  }
};

TEST_F(CurveEdges, BranchesRunToTheEdgeTheyLeaveBy) {
  struct Case {
    const char* name;
    std::int16_t family;
    float a, k, omega;
    bool top, bottom;  // the edges the curve leaves by
  };
  const Case cases[] = {
      {"1/x", 2, 0, 1, 0, true, true},
      {"tan x", 7, 1, 0, 1, true, true},
      {"log2 x", 4, 2, 0, 0, false, true},
      {"log0.5 x", 4, 0.5f, 0, 0, true, false},
  };
  for (const Case& c : cases) {
    curve = CurveParams{};
    curve.funcFamily = c.family;
    curve.paramA = c.a;
    curve.paramK = c.k;
    curve.paramOmega = c.omega;
    for (const std::int32_t scale : {250, 500, 625, 781, 977, 2000}) {
      centreAt(scale);
      for (const bool smooth : {false, true}) {
        const auto [top, bottom] = rowsReached(true, smooth);
        const std::string where =
            std::string(c.name) + " at " + std::to_string(scale) + (smooth ? ", smooth" : "");
        if (c.top) {
          EXPECT_LE(top, 1.0) << where;
        }
        if (c.bottom) {
          EXPECT_GE(bottom, kHeight - 1.0) << where;
        }
      }
    }
  }
}

TEST_F(CurveEdges, TheOriginalSweepStopsShortWithSmartSkip) {
  // What the rule above mends: 1/x ends far below the top and log₂ x far above the
  // bottom of the picture (near y = 6.3 and y = −6.6 at the scale of 500).
  centreAt(500);
  curve.funcFamily = 2;
  curve.paramK = 1;
  EXPECT_GT(rowsReached(false, false).first, 50);
  curve = CurveParams{};
  curve.funcFamily = 4;
  curve.paramA = 2;
  EXPECT_LT(rowsReached(false, false).second, kHeight - 50);
}

TEST_F(CurveEdges, RunningToTheEdgeAddsNoLineAcrossThePole) {
  curve.funcFamily = 2;
  curve.paramK = 1;
  centreAt(500);
  rowsReached(true, false);
  for (const SurfaceCall& c : surface.callsOf(SurfaceCallKind::Line)) {
    EXPECT_FALSE(c.args[0] < 0 && c.args[2] > 0) << c.args[0] << " " << c.args[2];
  }
}

}  // namespace
}  // namespace quorvel
