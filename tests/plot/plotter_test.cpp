#include "plot/plotter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "plot/recording_surface.h"
#include "plot/sweep_rules.h"
#include "plot/sweeps.h"
#include "support/progress_on_bar.h"

namespace quorvel {
namespace {

using Calls = std::vector<SurfaceCall>;
constexpr float kPi = 3.14159265f;

// ---- the rules of a step -------------------------------------------------------

TEST(SelectSweep, FamilyFormAndDirectionChooseOneOfFourSweeps) {
  using K = SweepKind;
  struct Case {
    std::int16_t family, form;
    bool yDriven;
    K kind;
  };
  const Case cases[] = {
      {0, 0, false, K::XOneValue},
      {1, 2, false, K::XOneValue},
      {8, 0, false, K::XTwoValues},
      {9, 0, false, K::XTwoValues},
      {10, 0, false, K::XTwoValues},
      {11, 1, false, K::XTwoValues},
      {11, 2, false, K::XOneValue},
      {13, 1, false, K::XOneValue},
      {0, 1, true, K::YOneValue},
      {2, 0, true, K::YOneValue},
      {3, 0, true, K::YOneValue},
      {4, 0, true, K::YOneValue},
      {11, 0, true, K::YOneValue},
      {1, 0, true, K::YTwoValues},
      {8, 0, true, K::YTwoValues},
      {10, 0, true, K::YTwoValues},
      {11, 3, true, K::YTwoValues},
      // No inverse along y: swept along x instead.
      {5, 0, true, K::XOneValue},
      {6, 0, true, K::XOneValue},
      {7, 0, true, K::XOneValue},
      {12, 0, true, K::XOneValue},
      {13, 0, true, K::XOneValue},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(selectSweep(c.family, c.form, c.yDriven), c.kind)
        << "family " << c.family << " form " << c.form << " y " << c.yDriven;
  }
}

TEST(CheckStep, RejectsWhereTheCurveHasNoPoint) {
  using K = SweepKind;
  using S = StepCheck;
  struct Case {
    K kind;
    std::int16_t family, form;
    float a, b, c, k, r, p, x1, x2;
    float t;
    S expected;
  };
  const float big = 3e38f;
  const Case cases[] = {
      {K::XOneValue, 2, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, S::Reject},
      {K::XOneValue, 2, 0, 0, 0, 0, 6, 0, 0, 0, 0, 1e-30f, S::Accept},
      {K::XOneValue, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, S::Reject},
      {K::XOneValue, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0, -1, S::Reject},
      {K::XOneValue, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0, 1e-38f, S::Accept},
      {K::XOneValue, 12, 0, 1, 1, 0, 0, 0, 0, 0, 0, 0, S::Reject},
      {K::XOneValue, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, S::Accept},
      // Circle centred at a = 2, r = 1, along x: 1 <= x <= 3.
      {K::XTwoValues, 8, 0, 2, 0, 0, 0, 1, 0, 0, 0, 3, S::Accept},
      {K::XTwoValues, 8, 0, 2, 0, 0, 0, 1, 0, 0, 0, 3.01f, S::Reject},
      {K::XTwoValues, 8, 0, 2, 0, 0, 0, 1, 0, 0, 0, 0.99f, S::Reject},
      {K::XTwoValues, 8, 0, 0, 0, 0, 0, big, 0, 0, 0, big, S::Fail},  // x + r overflows
      {K::XTwoValues, 9, 0, 2, 1, 0, 0, 0, 0, 0, 0, -2, S::Accept},
      {K::XTwoValues, 9, 0, 2, 1, 0, 0, 0, 0, 0, 0, 2.0000002f, S::Reject},
      {K::XTwoValues, 9, 0, 1e20f, 1, 0, 0, 0, 0, 0, 0, 0, S::Fail},  // a² overflows
      {K::XTwoValues, 10, 0, 2, 1, 0, 0, 0, 0, 0, 0, 1.9f, S::Reject},
      {K::XTwoValues, 10, 0, 2, 1, 0, 0, 0, 0, 0, 0, -2, S::Accept},
      {K::XTwoValues, 11, 0, 0, 0, 0, 0, 0, 1, 0, 0, -0.1f, S::Reject},
      {K::XTwoValues, 11, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, S::Accept},
      {K::XTwoValues, 11, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0.1f, S::Reject},
      {K::XTwoValues, 11, 1, 0, 0, 0, 0, 0, -1, 0, 0, 0.1f, S::Accept},
      {K::YOneValue, 2, 0, 0, 0, 0, 6, 0, 0, 0, 0, 0, S::Reject},
      {K::YOneValue, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, S::Reject},
      {K::YOneValue, 3, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0.5f, S::Accept},
      {K::YOneValue, 4, 0, 2, 0, 0, 0, 0, 0, 0, 0, -5, S::Accept},
      // y = x²: b² + 4a(y − c) < 0 below the vertex.
      {K::YTwoValues, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, -0.01f, S::Reject},
      {K::YTwoValues, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, S::Accept},
      {K::YTwoValues, 1, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0.5f, S::Reject},
      // y = (x − 1)(x − 3), lowest at y = −1.
      {K::YTwoValues, 1, 1, 1, 0, 0, 0, 0, 0, 1, 3, -1, S::Accept},
      {K::YTwoValues, 1, 1, 1, 0, 0, 0, 0, 0, 1, 3, -1.01f, S::Reject},
      // y = 2(x − h)² + 3.
      {K::YTwoValues, 1, 2, 2, 0, 0, 3, 0, 0, 0, 0, 2.9f, S::Reject},
      {K::YTwoValues, 1, 2, 2, 0, 0, 3, 0, 0, 0, 0, 3, S::Accept},
      {K::YTwoValues, 1, 2, -2, 0, 0, 3, 0, 0, 0, 0, 3.1f, S::Reject},
      // Circle centred at b = 2 along y.
      {K::YTwoValues, 8, 0, 0, 2, 0, 0, 1, 0, 0, 0, 3, S::Accept},
      {K::YTwoValues, 8, 0, 0, 2, 0, 0, 1, 0, 0, 0, 0.9f, S::Reject},
      {K::YTwoValues, 9, 0, 1, 3, 0, 0, 0, 0, 0, 0, 3.01f, S::Reject},
      {K::YTwoValues, 10, 0, 1, 3, 0, 0, 0, 0, 0, 0, 0, S::Accept},
      {K::YTwoValues, 11, 2, 0, 0, 0, 0, 0, 1, 0, 0, -1, S::Reject},
      {K::YTwoValues, 11, 3, 0, 0, 0, 0, 0, 1, 0, 0, 1, S::Reject},
      {K::YTwoValues, 11, 3, 0, 0, 0, 0, 0, -1, 0, 0, 1, S::Accept},
  };
  int row = 0;
  for (const Case& c : cases) {
    CurveParams curve;
    curve.funcFamily = c.family;
    curve.funcForm = c.form;
    curve.paramA = c.a;
    curve.paramB = c.b;
    curve.paramC = c.c;
    curve.paramK = c.k;
    curve.paramR = c.r;
    curve.paramP = c.p;
    curve.paramX1 = c.x1;
    curve.paramX2 = c.x2;
    EXPECT_EQ(checkStep(c.kind, curve, c.t), c.expected) << "row " << row;
    ++row;
  }
}

TEST(SmartSkip, FarOutBeyondTheBandByTheRulesMultipleOfH) {
  const SmartSkipRule oneValue = smartSkipRule(SweepKind::XOneValue, 1000, 3750);
  const SmartSkipRule twoValues = smartSkipRule(SweepKind::XTwoValues, 1000, 3750);
  const SmartSkipRule alongY = smartSkipRule(SweepKind::YTwoValues, 1000, 3750);
  struct Case {
    float v;
    SmartSkipRule rule;
    bool far;
  };
  const Case cases[] = {
      {5625, oneValue, false},  // exactly half of 3750 above: not beyond
      {5626, oneValue, true},   {-5626, oneValue, true},
      {7500, twoValues, false}, {7501, twoValues, true},
      {4751, alongY, true},  // h = halfWidth for the y sweeps
      {4750, alongY, false},    {1e9f, SmartSkipRule{0, 0.5}, false},  // no band to measure against
  };
  for (const Case& c : cases) {
    EXPECT_EQ(isFarOut(c.v, -3750, 3750, c.rule), c.far) << c.v;
  }
}

TEST(SnapToStep, RoundsToTheNearestMultipleHalvesToEven) {
  struct Case {
    float t, step, snapped;
  };
  const Case cases[] = {
      {0.0074f, 0.0075f, 0.0075f}, {-0.4f, 0.25f, -0.5f},   {0.375f, 0.25f, 0.5f},
      {0.625f, 0.25f, 0.5f},       {-0.625f, 0.25f, -0.5f}, {7, 1, 7},
  };
  for (const Case& c : cases) {
    float t = c.t;
    ASSERT_EQ(snapToStep(t, c.step), kOk);
    EXPECT_EQ(t, c.snapped) << c.t << " by " << c.step;
  }
  float t = 3;
  EXPECT_NE(snapToStep(t, 0), kOk);
  EXPECT_EQ(t, 3);
}

TEST(ProgressValue, HundredthsOfTheRangeModOneHundredSignKept) {
  struct Case {
    float t, tStart;
    double range;
    std::int32_t value;
  };
  const Case cases[] = {
      {0, -7.5f, 15, 50},  {7.5f, -7.5f, 15, 0},  // 100 Mod 100
      {2.5f, 0, 100, 2},   {3.5f, 0, 100, 4},     // halves to even
      {-60, -20, -80, 50}, {-1, 0, 100, -1},      // before the start: negative
      {-150, 0, 100, -50},
  };
  for (const Case& c : cases) {
    std::int32_t value = 999;
    ASSERT_EQ(progressValue(c.t, c.tStart, c.range, value), kOk);
    EXPECT_EQ(value, c.value) << c.t;
  }
  std::int32_t value = 0;
  EXPECT_NE(progressValue(1, 1, 0, value), kOk);
}

TEST(PlanSweep, EndsStepAndLimitsFromTheViewOrTheTypedRange) {
  const ViewState view{-3750, 3750, -2000, 3000, 500};
  PlotRange open;
  SweepPlan p = planSweep(SweepKind::XOneValue, view, open, 2000, false, 3750, 2500);
  EXPECT_EQ(p.tStart, -7.5f);
  EXPECT_EQ(p.tEnd, 7.5f);
  EXPECT_EQ(p.step, 0.0075f);
  EXPECT_EQ(p.lo, -2000);
  EXPECT_EQ(p.hi, 3000);
  EXPECT_EQ(p.skip.h, 2500);

  PlotRange typed;
  typed.yFromOpen = typed.yToOpen = false;
  typed.yFrom = -2;
  typed.yTo = 3.5f;
  p = planSweep(SweepKind::XOneValue, view, typed, 2000, true, 3750, 2500);
  EXPECT_EQ(p.tStart, -7);  // truncated toward zero
  EXPECT_EQ(p.tEnd, 7);
  EXPECT_EQ(p.step, 1);
  EXPECT_EQ(p.range, 14);
  EXPECT_EQ(p.lo, -1000);
  EXPECT_EQ(p.hi, 1750);

  // Along y the ends come from the bottom and top, the limits from the x range;
  // whole-number mode plays no part.
  p = planSweep(SweepKind::YTwoValues, view, typed, 10, true, 3750, 2500);
  EXPECT_EQ(p.tStart, -2);
  EXPECT_EQ(p.tEnd, 3.5f);
  EXPECT_EQ(p.step, 0.55f);
  EXPECT_EQ(p.lo, -3750);
  EXPECT_EQ(p.skip.h, 3750);

  // A scale of 0 counts as 1, a level of 0 as 1.
  p = planSweep(SweepKind::XOneValue, ViewState{-3750, 3750, -10, 10, 0}, open, 0, false, 1, 1);
  EXPECT_EQ(p.tStart, -3750);
  EXPECT_EQ(p.step, 7500);
}

TEST(AutoColor, FollowsTheListIndexModSix) {
  const std::int32_t red = rgbOf(255, 0, 0), green = rgbOf(0, 255, 0), yellow = rgbOf(255, 255, 0),
                     magenta = rgbOf(255, 0, 255), blue = rgbOf(0, 0, 255),
                     cyan = rgbOf(128, 255, 255);
  const std::pair<int, std::int32_t> cases[] = {
      {-1, blue}, {0, red},  {1, green}, {2, yellow}, {3, magenta},
      {4, blue},  {5, cyan}, {6, red},   {7, green},  {11, cyan},
  };
  for (const auto& [index, colour] : cases) EXPECT_EQ(autoColor(index), colour) << index;
}

// ---- whole plots on a recording surface ----------------------------------------

class PlotTest : public ::testing::Test {
 protected:
  RecordingSurface surface{500, 500, 1};
  ViewState view{-3750, 3750, -3750, 3750, 500};
  CurveParams curve;
  EvalState eval;
  CurvePoints points;
  std::int32_t penColor = 0x123456;
  ProgressBar progress;
  PlotOptions options{2000, true, false, true, false, false};  // link, fixx
  PlotRange range;
  int listIndex = -1;
  bool redrawing = false;

  void plot(bool intOnly = false) {
    surface.clearCalls();
    PlotContext ctx{surface, view,      curve,     eval,     points,         3750,
                    3750,    redrawing, listIndex, penColor, onBar(progress)};
    draw(ctx, options, range, intOnly);
  }
  Calls dots() const { return surface.callsOf(SurfaceCallKind::PSet); }
  Calls lines() const { return surface.callsOf(SurfaceCallKind::Line); }
  void use(std::int16_t family, std::int16_t form = 0) {
    curve.funcFamily = family;
    curve.funcForm = form;
  }
  void linear(float k, float b) {
    use(0);
    curve.paramK = k;
    curve.paramB = b;
  }
  void userDefined(const std::string& expression, std::int16_t form) {
    use(13, form);
    curve.expression = expression;
  }
  void typedY(float from, float to) {
    range.yFromOpen = range.yToOpen = false;
    range.yFrom = from;
    range.yTo = to;
  }
  void typedX(float from, float to) {
    range.xFromOpen = range.xToOpen = false;
    range.xFrom = from;
    range.xTo = to;
  }
  // Lines that cross the vertical line x = at (view units).
  int linesAcross(float at) const {
    int n = 0;
    for (const SurfaceCall& l : lines()) {
      if ((l.args[0] < at && at < l.args[2]) || (l.args[2] < at && at < l.args[0])) ++n;
    }
    return n;
  }
};

TEST_F(PlotTest, InverseProportionIsNeverJoinedAcrossZero) {
  use(2);
  curve.paramK = 6;
  for (bool fixx : {true, false}) {
    options.fixx = fixx;
    plot();
    EXPECT_GT(lines().size(), 100u);
    EXPECT_EQ(linesAcross(0), 0) << "fixx " << fixx;
  }
  // With limits wide enough for the neighbours of x = 0, only the rejected step at
  // x = 0 (the snapped sweep lands on it) keeps the branches apart: 2001 steps, 2000 dots.
  options.fixx = true;
  typedY(-1e6f, 1e6f);
  plot();
  const Calls d = dots();
  ASSERT_EQ(d.size(), 2000u);
  for (const SurfaceCall& c : d) {
    ASSERT_NE(c.args[0], 0);
    EXPECT_NEAR(c.args[1] / 500, 6 / (c.args[0] / 500), std::fabs(c.args[1]) * 1e-5);
  }
  EXPECT_FLOAT_EQ(d[999].args[0], -3.75f);
  EXPECT_FLOAT_EQ(d[1000].args[0], 3.75f);
  EXPECT_EQ(linesAcross(0), 0);
}

TEST_F(PlotTest, CircleAlongXHasTwoBranchesWithinItsWidth) {
  use(8);
  curve.paramR = 1;
  plot();
  // Multiples of 0.0075 with |x| <= 1: k = -133..133, two dots each.
  const Calls d = dots();
  ASSERT_EQ(d.size(), 534u);
  EXPECT_EQ(lines().size(), 532u);
  for (const SurfaceCall& c : d) EXPECT_LE(std::fabs(c.args[0]), 500);
  for (const SurfaceCall& l : lines()) {
    EXPECT_TRUE((l.args[1] >= 0 && l.args[3] >= 0) || (l.args[1] <= 0 && l.args[3] <= 0));
  }
  // Order: the colour, then per step branch 1 (dot, join) before branch 2.
  const Calls& all = surface.calls();
  ASSERT_GE(all.size(), 7u);
  EXPECT_EQ(all[0], SurfaceCall::foreColor(0x123456));
  const float x0 = all[1].args[0], x1 = all[3].args[0];
  EXPECT_NEAR(x0, -498.75f, 1e-3);
  EXPECT_NEAR(all[1].args[1], 500 * std::sqrt(1 - 0.9975 * 0.9975), 0.05);
  EXPECT_EQ(all[2], SurfaceCall::pset(x0, -all[1].args[1]));
  EXPECT_EQ(all[4], SurfaceCall::line(x0, all[1].args[1], x1, all[3].args[1]));
  EXPECT_EQ(all[5], SurfaceCall::pset(x1, -all[3].args[1]));
  EXPECT_EQ(all[6], SurfaceCall::line(x0, all[2].args[1], x1, all[5].args[1]));
}

TEST_F(PlotTest, CircleAlongYHasARightAndALeftBranch) {
  use(8);
  curve.paramR = 1;
  curve.paramB = 2;  // centre (0, 2): y from 1 to 3
  options.yDriven = true;
  plot();
  const Calls d = dots();
  ASSERT_EQ(d.size() % 2, 0u);
  ASSERT_GT(d.size(), 500u);
  for (std::size_t i = 0; i < d.size(); i += 2) {
    EXPECT_GE(d[i].args[0], 0);      // branch 1: a + s
    EXPECT_LE(d[i + 1].args[0], 0);  // branch 2: a − s
    EXPECT_EQ(d[i].args[1], d[i + 1].args[1]);
    EXPECT_GE(d[i].args[1], 500);
    EXPECT_LE(d[i].args[1], 1500);
  }
  EXPECT_EQ(linesAcross(0), 0);
}

TEST_F(PlotTest, LimitsAreStrictAtTheTypedEnds) {
  // 0.1 × 500 rounds to 50 for the points and for the limits alike.
  linear(0, 0.1f);
  typedY(-1, 0.1f);
  plot();
  EXPECT_TRUE(dots().empty());
  typedY(0.1f, 1);
  plot();
  EXPECT_TRUE(dots().empty());
  typedY(-3e38f, 3e38f);  // beyond single precision once scaled: no limit
  plot();
  EXPECT_EQ(dots().size(), 2001u);
}

TEST_F(PlotTest, RejectedStepsSeparateTheHyperbolasBranches) {
  use(10);
  curve.paramA = 1;
  curve.paramB = 1;
  plot();
  EXPECT_GT(lines().size(), 1000u);
  EXPECT_EQ(linesAcross(0), 0);
  for (const SurfaceCall& c : dots()) EXPECT_GE(std::fabs(c.args[0]), 500);
}

TEST_F(PlotTest, AFailingStepBreaksTheLineOfAOneValueSweep) {
  use(3);  // y = (-2)^x exists at whole x only
  curve.paramA = -2;
  typedX(-2, 2);
  options.level = 8;
  plot();
  const Calls expected = {SurfaceCall::pset(-1000, 125), SurfaceCall::pset(-500, -250),
                          SurfaceCall::pset(0, 500), SurfaceCall::pset(500, -1000),
                          SurfaceCall::pset(1000, 2000)};
  EXPECT_EQ(dots(), expected);
  EXPECT_TRUE(lines().empty());
}

TEST_F(PlotTest, TangentBreaksAtAsymptotesUnlessTheLimitsHoldBothNeighbours) {
  use(7);
  curve.paramA = 1;
  curve.paramOmega = 1;
  plot();
  EXPECT_GT(lines().size(), 1500u);
  for (float k : {-1.5f, -0.5f, 0.5f, 1.5f}) EXPECT_EQ(linesAcross(k * kPi * 500), 0) << k;

  typedY(-1e5f, 1e5f);
  plot();
  for (float k : {-1.5f, -0.5f, 0.5f, 1.5f}) EXPECT_EQ(linesAcross(k * kPi * 500), 1) << k;
}

TEST_F(PlotTest, SmartSkipThinsTheEvaluationsWhereTheCurveIsFarOut) {
  // "Ｓｘ＝" of 1 counts the evaluated steps; above y = 1 every point is outside,
  // and from the fifth on (5 × 500 − 500 > 0.5 × 3750) far out.
  userDefined("1", 1);
  range.yToOpen = false;
  range.yTo = 1;
  plot();
  EXPECT_EQ(points.pointY1, 2001 * 500.0f);
  options.skip = true;
  plot();
  // Four normal steps, then 0.1 + 0.0075 snapped to 14 steps of 0.0075 each time.
  EXPECT_EQ(points.pointY1, 147 * 500.0f);
  EXPECT_TRUE(dots().empty());
}

TEST_F(PlotTest, SmartSkipKeepsTheDotsInsideTheBand) {
  use(1);  // y = x²: inside for |x| < 2.74, far out beyond 3.35
  curve.paramA = 1;
  plot();
  const Calls without = surface.calls();
  options.skip = true;
  plot();
  EXPECT_EQ(surface.calls(), without);
  EXPECT_GT(without.size(), 700u);
}

TEST_F(PlotTest, RunningSumGrowsWithTheNumberOfSteps) {
  userDefined("1", 1);
  typedY(-1, 1e6f);
  for (int level : {1000, 2000}) {
    options.level = level;
    plot();
    const Calls d = dots();
    ASSERT_EQ(d.size(), static_cast<std::size_t>(level + 1));
    EXPECT_EQ(d.back().args[1], static_cast<float>(level + 1) * 500);
  }
}

TEST_F(PlotTest, FailingExpressionStepsAddNothingAndDrawNothing) {
  userDefined("sqr x", 1);
  typedY(-1, 1e6f);
  plot();
  const Calls d = dots();
  ASSERT_EQ(d.size(), 1001u);  // x = 0 .. 7.5
  EXPECT_EQ(d.front(), SurfaceCall::pset(0, 0));
  double sum = 0;
  for (int k = 0; k <= 1000; ++k) sum += std::sqrt(0.0075 * k);
  EXPECT_NEAR(d.back().args[1], sum * 500, sum * 500 * 1e-4);
  EXPECT_EQ(eval.evalStatus, 0);
}

TEST_F(PlotTest, WholeNumberModeVisitsWholeXOnly) {
  linear(1, 0);
  options.link = false;
  struct Case {
    bool typed;
    float from, to;
    int first, last;
  };
  const Case cases[] = {{false, 0, 0, -7, 7}, {true, -2.7f, 3.9f, -2, 3}};
  for (const Case& c : cases) {
    if (c.typed) typedX(c.from, c.to);
    plot(true);
    Calls expected;
    for (int x = c.first; x <= c.last; ++x) {
      expected.push_back(
          SurfaceCall::pset(500.0f * static_cast<float>(x), 500.0f * static_cast<float>(x)));
    }
    EXPECT_EQ(dots(), expected);
    EXPECT_TRUE(lines().empty());
  }
}

TEST_F(PlotTest, NegativeStepRunsDownToTheNumericEnd) {
  view = ViewState{-2000, 5500, -3750, 3750, 100};  // left edge at x = -20
  linear(0, 0);
  range.xToOpen = false;
  range.xTo = -100;
  options.level = 80;
  plot();
  Calls expected;
  for (int x = -20; x >= -100; --x)
    expected.push_back(SurfaceCall::pset(100.0f * static_cast<float>(x), 0));
  EXPECT_EQ(dots(), expected);
  EXPECT_EQ(progress.Value(), 0);  // 100 Mod 100

  // Far out with a step smaller than Smart Skip's extra distance: the sweep still
  // runs down to -100 and ends there.
  linear(0, 1000);
  options.level = 2000;
  options.skip = true;
  options.fixx = false;
  plot();
  EXPECT_LE(points.pointX1, -9986);
  EXPECT_GE(points.pointX1, -10000);
}

TEST_F(PlotTest, ColourIsAutomaticOnlyForNewCurves) {
  linear(1, 0);
  struct Case {
    bool redrawing, autoColor;
    int listIndex;
    std::int32_t pen;
  };
  const Case cases[] = {
      {false, true, -1, rgbOf(0, 0, 255)}, {false, true, 0, rgbOf(255, 0, 0)},
      {false, true, 7, rgbOf(0, 255, 0)},  {true, true, 7, 0x123456},
      {false, false, 7, 0x123456},
  };
  for (const Case& c : cases) {
    penColor = 0x123456;
    redrawing = c.redrawing;
    options.autoColor = c.autoColor;
    listIndex = c.listIndex;
    plot();
    EXPECT_EQ(penColor, c.pen);
    ASSERT_FALSE(surface.calls().empty());
    EXPECT_EQ(surface.calls().front(), SurfaceCall::foreColor(c.pen));
  }
}

TEST_F(PlotTest, ARefusedProgressValueAbandonsTheStep) {
  // The first t, -0.4, snaps to -0.5: progress (-0.1 × 100 / 1) = -10 is refused,
  // so that step draws nothing; the others run on.
  linear(1, 0);
  typedX(-0.4f, 0.6f);
  options.level = 4;
  plot();
  const Calls expected = {SurfaceCall::pset(-125, -125), SurfaceCall::pset(0, 0),
                          SurfaceCall::pset(125, 125), SurfaceCall::pset(250, 250)};
  EXPECT_EQ(dots(), expected);
  EXPECT_EQ(lines().size(), 3u);
  EXPECT_EQ(progress.Value(), 90);
}

TEST_F(PlotTest, ZeroRangeEvaluatesTheSingleValueOnce) {
  linear(0.2f, 0);
  ASSERT_TRUE(progress.setValue(37));
  range.xToOpen = false;
  range.xTo = -7.5f;  // the left edge: tStart = tEnd
  plot();
  EXPECT_EQ(dots(), Calls{SurfaceCall::pset(-3750, -750)});
  EXPECT_EQ(progress.Value(), 37);  // the x sweeps leave the bar alone

  linear(2, 0);  // x = y / 2
  range = PlotRange{};
  range.yFromOpen = false;
  range.yFrom = 7.5f;  // the top edge
  options.yDriven = true;
  plot();
  EXPECT_EQ(dots(), Calls{SurfaceCall::pset(1875, 3750)});
  EXPECT_EQ(progress.Value(), 0);
}

TEST_F(PlotTest, SweepsEndWhereSinglePrecisionStopsMoving) {
  linear(0, 0);
  view.zoomScale = 1;
  struct Case {
    float from, to;
    bool intOnly, fixx;
  };
  const float above = std::nextafter(1e30f, std::numeric_limits<float>::infinity());
  const Case cases[] = {
      {1e30f, above, false, true},
      {1e30f, above, false, false},
      {-5e8f, 5e8f, true, true},  // t + 1 == t
  };
  for (const Case& c : cases) {
    typedX(c.from, c.to);
    options.fixx = c.fixx;
    plot(c.intOnly);
    ASSERT_EQ(dots().size(), 1u) << c.from;
    EXPECT_EQ(dots().front().args[0], c.from);
  }
}

TEST_F(PlotTest, WholeNumberSweepIsCapped) {
  linear(0, 1e6f);  // always outside: nothing is recorded
  view.zoomScale = 1;
  typedX(-1.6e7f, 1.6e7f);
  plot(true);
  EXPECT_TRUE(dots().empty());
  EXPECT_EQ(points.pointX1, -1.6e7f + static_cast<float>(kMaxSweepSteps - 1));
}

}  // namespace
}  // namespace quorvel
