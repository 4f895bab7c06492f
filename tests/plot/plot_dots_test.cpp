// Runs of dots (PlotDots) and the progress the plotter shows: the same calls and the
// same values as drawing and showing every step one at a time.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "plot/plotter.h"
#include "plot/recording_surface.h"
#include "plot/sweep_rules.h"
#include "plot/sweeps.h"
#include "support/progress_on_bar.h"

namespace quorvel {
namespace {

using Calls = std::vector<SurfaceCall>;

struct DotsCase {
  const char* name;
  std::vector<PlotDot> dots;
  Calls expected;
};

class DefaultPlotDots : public ::testing::TestWithParam<DotsCase> {};

TEST_P(DefaultPlotDots, EachDotThenItsJoinAndThePositionOnTheLastDot) {
  const DotsCase& c = GetParam();
  RecordingSurface s;
  s.setCurrentX(-7);
  s.setCurrentY(-9);
  s.PlotDots(c.dots.data(), c.dots.size());
  EXPECT_EQ(s.calls(), c.expected);
  const float lastX = c.dots.empty() ? -7.0f : c.dots.back().x;
  const float lastY = c.dots.empty() ? -9.0f : c.dots.back().y;
  EXPECT_EQ(s.CurrentX(), lastX);
  EXPECT_EQ(s.CurrentY(), lastY);
}

INSTANTIATE_TEST_SUITE_P(
    Runs, DefaultPlotDots,
    ::testing::Values(DotsCase{"Empty", {}, {}},
                      DotsCase{"OneLooseDot", {{3, 4, 99, 99, false}}, {SurfaceCall::pset(3, 4)}},
                      DotsCase{"JoinedDotDrawsTheDotFirst",
                               {{3, 4, 1, 2, true}},
                               {SurfaceCall::pset(3, 4), SurfaceCall::line(1, 2, 3, 4)}},
                      // Two branches, as the two-value sweeps give them: each join starts on the
                      // previous dot of its own branch.
                      DotsCase{"TwoBranches",
                               {{0, 10, 0, 0, false},
                                {0, -10, 0, 0, false},
                                {1, 11, 0, 10, true},
                                {1, -11, 0, -10, true},
                                {2, 12, 1, 11, false}},
                               {SurfaceCall::pset(0, 10), SurfaceCall::pset(0, -10),
                                SurfaceCall::pset(1, 11), SurfaceCall::line(0, 10, 1, 11),
                                SurfaceCall::pset(1, -11), SurfaceCall::line(0, -10, 1, -11),
                                SurfaceCall::pset(2, 12)}}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

// ---- progress values over a whole sweep ----------------------------------------

struct ProgressCase {
  float xFrom, xTo;
  int level;
};

// Every value the bar changes to while a y = 0 line is drawn over a typed x range,
// and the dots drawn, next to what each step's own progress value gives: a step
// whose value the bar refuses draws nothing.
class ProgressOfASweep : public ::testing::TestWithParam<ProgressCase> {};

TEST_P(ProgressOfASweep, BarChangesAsIfEveryStepSetItsValue) {
  const ProgressCase& c = GetParam();
  RecordingSurface surface{500, 500, 1};
  const ViewState view{-3750, 3750, -3750, 3750, 500};
  CurveParams curve;
  curve.funcFamily = 0;  // y = 0x + 0
  EvalState eval;
  CurvePoints points;
  std::int32_t pen = 0;
  ProgressBar progress;
  std::vector<int> shown;
  progress.subscribe([&] { shown.push_back(progress.Value()); });
  const PlotOptions options{c.level, true, false, true, false, false};
  PlotRange range;
  range.xFromOpen = range.xToOpen = false;
  range.xFrom = c.xFrom;
  range.xTo = c.xTo;
  PlotContext ctx{surface, view, curve, eval, points, 3750, 3750, false, -1, pen, onBar(progress)};
  draw(ctx, options, range, false);

  // The steps as the sweep visits them (snapped, no Smart Skip), one value each.
  const SweepPlan plan = planSweep(SweepKind::XOneValue, view, range, c.level, false, 3750, 3750);
  std::vector<int> expectedShown;
  std::size_t expectedDots = 0;
  int bar = 0;
  bool visited = false;
  float previous = 0;
  float t = plan.tStart;
  for (int count = 0; count < 1'000'000 && t <= plan.tEnd; ++count) {
    float worked = t;
    ASSERT_EQ(snapToStep(worked, plan.step), kOk);
    if (visited && !(worked > previous)) break;
    visited = true;
    previous = worked;
    std::int32_t value = 0;
    if (progressValue(worked, plan.tStart, plan.range, value) == kOk && value >= 0) {
      if (value != bar) expectedShown.push_back(value);
      bar = value;
      ++expectedDots;
    }
    t = worked + plan.step;
  }
  EXPECT_EQ(shown, expectedShown);
  EXPECT_EQ(surface.count(SurfaceCallKind::PSet), expectedDots);
  EXPECT_GT(expectedDots, 0u);
}

INSTANTIATE_TEST_SUITE_P(Ranges, ProgressOfASweep,
                         ::testing::Values(ProgressCase{-0.4f, 0.6f, 4},  // first value refused
                                           ProgressCase{-7.5f, 7.5f, 10000},
                                           ProgressCase{-1, 1, 200},  // shares near halves
                                           ProgressCase{0.3f, 0.7f, 333},
                                           ProgressCase{-5, 5, 1000}));

}  // namespace
}  // namespace quorvel
