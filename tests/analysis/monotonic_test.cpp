// Monotonic intervals and extrema against closed forms: turns, poles, domain ends and
// level stretches.
#include "analysis/monotonic.h"

#include <cmath>
#include <numbers>
#include <string>

#include "analysis/analysis_text.h"
#include "analysis_test_support.h"

// The cases name only the parameters a curve reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

constexpr double kPi = std::numbers::pi;

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

// The intervals as the analysis writes them, the extrema after a bar.
std::string describe(const Monotonicity& m) {
  std::string text;
  for (const MonotonicInterval& i : m.intervals) {
    text += std::string(text.empty() ? "" : " ") + trendCaption(i.trend) + intervalText(i);
  }
  text += " |";
  for (const Turn& t : m.extrema) {
    text += std::string(t.maximum ? " 极大值(" : " 极小值(") + textbookNumber(t.t) + ", " +
            textbookNumber(t.value) + ")";
  }
  return text;
}

TEST(Monotonicity, IntervalsAndExtremaAgainstClosedForms) {
  const struct {
    const char* what;
    ScalarFunction f;
    double lo, hi;
    const char* found;
  } cases[] = {
      {"x^3-3x", curve(expression("x^3-3*x")), -3, 3,
       "单调递增[−3, −1] 单调递减[−1, 1] 单调递增[1, 3] | 极大值(−1, 2) 极小值(1, −2)"},
      {"2x^3-3x^2-12x+1", lambda([](double x) { return 2 * x * x * x - 3 * x * x - 12 * x + 1; }),
       -3, 4, "单调递增[−3, −1] 单调递减[−1, 2] 单调递增[2, 4] | 极大值(−1, 8) 极小值(2, −19)"},
      {"x^3 never turns", curve(expression("x^3")), -2, 2, "单调递增[−2, 2] |"},
      {"x^5+100, flat in double near 0", lambda([](double x) { return std::pow(x, 5) + 100; }), -1,
       1, "单调递增[−1, 1] |"},
      {"x^10+1, equal to 1 in double near its turn",
       lambda([](double x) { return std::pow(x, 10) + 1; }), -1, 1,
       "单调递减[−1, 0] 单调递增[0, 1] | 极小值(0, 1)"},
      {"x+1/x: its pole at 0 is a sample", curve(expression("x+1/x")), -3, 3,
       "单调递增[−3, −1] 单调递减[−1, 0) 单调递减(0, 1] 单调递增[1, 3] | 极大值(−1, −2) 极小值(1, "
       "2)"},
      {"x+1/x of the family, its pole between samples",
       curve({.funcFamily = 12, .paramA = 1, .paramB = 1}), -2.9, 3.1,
       "单调递增[−2.9, −1] 单调递减[−1, 0) 单调递减(0, 1] 单调递增[1, 3.1] | 极大值(−1, −2) "
       "极小值(1, 2)"},
      {"1/(x-1/3)^2: a pole without a change of sign",
       lambda([](double x) { return 1 / ((x - 1.0 / 3) * (x - 1.0 / 3)); }), -2, 2,
       "单调递增[−2, 0.333333) 单调递减(0.333333, 2] |"},
      {"sin on [0, 2pi]", curve({.funcFamily = 5, .paramA = 1, .paramOmega = 1}), 0, 2 * kPi,
       "单调递增[0, 1.5708] 单调递减[1.5708, 4.71239] 单调递增[4.71239, 6.28319] | 极大值(1.5708, "
       "1) 极小值(4.71239, −1)"},
      {"tan on [0, 3]", lambda(std::tan), 0, 3, "单调递增[0, 1.5708) 单调递增(1.5708, 3] |"},
      {"ln x from its open end at 0", lambda(std::log), -2, 3, "单调递增(0, 3] |"},
      {"sqrt x from its closed end at 0", lambda(std::sqrt), -1, 4, "单调递增[0, 4] |"},
      {"level, then x^2", lambda([](double x) { return x < 0 ? 0.0 : x * x; }), -2, 2,
       "常数[−2, 0] 单调递增[0, 2] |"},
      {"|x-1|+|x+1|", curve(expression("abs(x-1)+abs(x+1)")), -3, 3,
       "单调递减[−3, −1] 常数[−1, 1] 单调递增[1, 3] |"},
      {"|x| has a corner", curve(expression("abs(x)")), -2, 3,
       "单调递减[−2, 0] 单调递增[0, 3] | 极小值(0, 0)"},
      {"a step: open at the jump", lambda([](double x) { return x < 1 ? 0.0 : 1.0; }), 0, 2,
       "常数[0, 1) 常数(1, 2] |"},
  };
  for (const auto& c : cases) {
    const Monotonicity found = monotonicity(c.f, c.lo, c.hi);
    EXPECT_EQ(describe(found), c.found) << c.what;
    // The ends of the range are its own numbers.
    if (c.f(c.lo)) {
      EXPECT_EQ(found.intervals.front().lo, c.lo) << c.what;
    }
    if (!found.intervals.empty()) {
      EXPECT_EQ(found.intervals.back().hi, c.hi) << c.what;
    }
  }
  // The turns to six digits.
  const Monotonicity cubic = monotonicity(curve(expression("x^3-3*x")), -3, 3);
  ASSERT_EQ(cubic.intervals.size(), 3u);
  EXPECT_NEAR(cubic.intervals[0].hi, -1, 1e-6);
  EXPECT_NEAR(cubic.intervals[1].hi, 1, 1e-6);
  EXPECT_TRUE(monotonicity(curve(expression("x")), 1, 1).intervals.empty());
  EXPECT_TRUE(monotonicity(lambda(std::log), -3, -1).intervals.empty());
}

}  // namespace
}  // namespace quorvel::test
