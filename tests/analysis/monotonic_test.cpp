// Monotonic intervals and extrema against closed forms: turns, poles, domain ends and
// level stretches.
#include "analysis/monotonic.h"

#include <cmath>
#include <numbers>
#include <string>

#include "analysis_test_support.h"

// The cases name only the parameters a curve reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

constexpr double kPi = std::numbers::pi;
using enum Trend;

ScalarFunction curve(const CurveParams& params) {
  return [c = curveOf(params)](double x) { return c.valueAt(0, x); };
}

ScalarFunction lambda(double (*f)(double)) {
  return [f](double x) -> std::optional<double> {
    const double v = f(x);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
  };
}

std::string describe(const std::vector<MonotonicInterval>& intervals) {
  std::string text;
  for (const MonotonicInterval& i : intervals) {
    text += std::string(" ") + trendCaption(i.trend) + intervalText(i);
  }
  return text;
}

struct Case {
  const char* what;
  ScalarFunction f;
  double lo, hi;
  std::vector<MonotonicInterval> intervals;
  std::vector<Turn> extrema = {};
};

TEST(Monotonicity, IntervalsAndExtremaAgainstClosedForms) {
  const double third = 1.0 / 3;
  const Case cases[] = {
      {"x^3-3x on [-3, 3]",
       curve(expression("x^3-3*x")),
       -3,
       3,
       {{-3, -1, true, true, Rising}, {-1, 1, true, true, Falling}, {1, 3, true, true, Rising}},
       {{-1, 2, true}, {1, -2, false}}},
      {"2x^3-3x^2-12x+1",
       lambda([](double x) { return 2 * x * x * x - 3 * x * x - 12 * x + 1; }),
       -3,
       4,
       {{-3, -1, true, true, Rising}, {-1, 2, true, true, Falling}, {2, 4, true, true, Rising}},
       {{-1, 8, true}, {2, -19, false}}},
      {"-x^3+3x",
       curve(expression("-x^3+3*x")),
       -2,
       2.5,
       {{-2, -1, true, true, Falling}, {-1, 1, true, true, Rising}, {1, 2.5, true, true, Falling}},
       {{-1, -2, false}, {1, 2, true}}},
      {"x^10+1, equal to 1 in double near its turn",
       lambda([](double x) { return std::pow(x, 10) + 1; }),
       -1,
       1,
       {{-1, 0, true, true, Falling}, {0, 1, true, true, Rising}},
       {{0, 1, false}}},
      {"x^3 never turns", curve(expression("x^3")), -2, 2, {{-2, 2, true, true, Rising}}},
      {"x^5+100, flat in double near 0",
       lambda([](double x) { return std::pow(x, 5) + 100; }),
       -1,
       1,
       {{-1, 1, true, true, Rising}}},
      {"x+1/x: its pole at 0 is a sample",
       curve(expression("x+1/x")),
       -3,
       3,
       {{-3, -1, true, true, Rising},
        {-1, 0, true, false, Falling},
        {0, 1, false, true, Falling},
        {1, 3, true, true, Rising}},
       {{-1, -2, true}, {1, 2, false}}},
      {"x+1/x of the family, its pole between samples",
       curve({.funcFamily = 12, .paramA = 1, .paramB = 1}),
       -2.9,
       3.1,
       {{-2.9, -1, true, true, Rising},
        {-1, 0, true, false, Falling},
        {0, 1, false, true, Falling},
        {1, 3.1, true, true, Rising}},
       {{-1, -2, true}, {1, 2, false}}},
      {"1/(x-1/3)^2: a pole without a change of sign",
       lambda([](double x) { return 1 / ((x - 1.0 / 3) * (x - 1.0 / 3)); }),
       -2,
       2,
       {{-2, third, true, false, Rising}, {third, 2, false, true, Falling}}},
      {"sin on [0, 2pi]",
       curve({.funcFamily = 5, .paramA = 1, .paramOmega = 1}),
       0,
       2 * kPi,
       {{0, kPi / 2, true, true, Rising},
        {kPi / 2, 3 * kPi / 2, true, true, Falling},
        {3 * kPi / 2, 2 * kPi, true, true, Rising}},
       {{kPi / 2, 1, true}, {3 * kPi / 2, -1, false}}},
      {"tan on [0, 3]",
       lambda(std::tan),
       0,
       3,
       {{0, kPi / 2, true, false, Rising}, {kPi / 2, 3, false, true, Rising}}},
      {"ln x from -2: from its open end at 0",
       lambda(std::log),
       -2,
       3,
       {{0, 3, false, true, Rising}}},
      {"sqrt x from -1: from its closed end at 0",
       lambda(std::sqrt),
       -1,
       4,
       {{0, 4, true, true, Rising}}},
      {"ln(x-1) of the evaluator",
       curve(expression("ln(x-1)")),
       0,
       5,
       {{1, 5, false, true, Rising}}},
      {"a constant", lambda([](double) { return 5.0; }), -1, 1, {{-1, 1, true, true, Constant}}},
      {"level, then x^2",
       lambda([](double x) { return x < 0 ? 0.0 : x * x; }),
       -2,
       2,
       {{-2, 0, true, true, Constant}, {0, 2, true, true, Rising}}},
      {"|x-1|+|x+1|",
       curve(expression("abs(x-1)+abs(x+1)")),
       -3,
       3,
       {{-3, -1, true, true, Falling}, {-1, 1, true, true, Constant}, {1, 3, true, true, Rising}}},
      {"|x| has a corner",
       curve(expression("abs(x)")),
       -2,
       3,
       {{-2, 0, true, true, Falling}, {0, 3, true, true, Rising}},
       {{0, 0, false}}},
      {"a step",
       lambda([](double x) { return x < 1 ? 0.0 : 1.0; }),
       0,
       2,
       {{0, 1, true, false, Constant}, {1, 2, false, true, Constant}}},
  };
  for (const Case& c : cases) {
    const Monotonicity found = monotonicity(c.f, c.lo, c.hi);
    ASSERT_EQ(found.intervals.size(), c.intervals.size())
        << c.what << ":" << describe(found.intervals);
    for (std::size_t i = 0; i < c.intervals.size(); ++i) {
      const MonotonicInterval &got = found.intervals[i], &want = c.intervals[i];
      const std::string where = std::string(c.what) + ":" + describe(found.intervals);
      EXPECT_NEAR(got.lo, want.lo, 1e-6) << where;
      EXPECT_NEAR(got.hi, want.hi, 1e-6) << where;
      EXPECT_EQ(got.loIncluded, want.loIncluded) << where;
      EXPECT_EQ(got.hiIncluded, want.hiIncluded) << where;
      EXPECT_EQ(got.trend, want.trend) << where;
    }
    // The ends of the range are its own numbers.
    if (c.intervals.front().lo == c.lo) {
      EXPECT_EQ(found.intervals.front().lo, c.lo) << c.what;
    }
    if (c.intervals.back().hi == c.hi) {
      EXPECT_EQ(found.intervals.back().hi, c.hi) << c.what;
    }
    ASSERT_EQ(found.extrema.size(), c.extrema.size()) << c.what;
    for (std::size_t i = 0; i < c.extrema.size(); ++i) {
      EXPECT_NEAR(found.extrema[i].t, c.extrema[i].t, 1e-6) << c.what;
      EXPECT_NEAR(found.extrema[i].value, c.extrema[i].value, 1e-9) << c.what;
      EXPECT_EQ(found.extrema[i].maximum, c.extrema[i].maximum) << c.what;
    }
  }
}

TEST(Monotonicity, TheTextsOfTheIntervals) {
  const Monotonicity cubic = monotonicity(curve(expression("x^3-3*x")), -3, 3);
  EXPECT_EQ(describe(cubic.intervals), " 单调递增[−3, −1] 单调递减[−1, 1] 单调递增[1, 3]");
  const Monotonicity tick = monotonicity(curve(expression("x+1/x")), -3, 3);
  EXPECT_EQ(describe(tick.intervals),
            " 单调递增[−3, −1] 单调递减[−1, 0) 单调递减(0, 1] 单调递增[1, 3]");
  EXPECT_TRUE(monotonicity(curve(expression("x")), 1, 1).intervals.empty());
  EXPECT_TRUE(monotonicity(lambda(std::log), -3, -1).intervals.empty());
}

}  // namespace
}  // namespace quorvel::test
