// Definite integrals and areas against closed forms, and the intervals refused.
#include "analysis/definite_integral.h"

#include <cmath>
#include <numbers>
#include <string>

#include "analysis_test_support.h"
#include "eval/expression_codes.h"

// The cases name only the parameters a curve reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

constexpr double kPi = std::numbers::pi;

ScalarFunction lambda(double (*f)(double)) {
  return [f](double x) { return std::optional<double>(f(x)); };
}

TEST(DefiniteIntegral, AgainstClosedForms) {
  // The bound as the evaluator reads "e".
  const double e = static_cast<double>(expression_codes::kE);
  const struct {
    const char* what;
    ScalarFunction f;
    double a, b;
    double integral, area;
    std::vector<double> zeros;
  } cases[] = {
      {"sin on [0, pi]", real(std::sin), 0, kPi, 2, 2, {}},
      {"sin on [pi, 0]", real(std::sin), kPi, 0, -2, 2, {}},
      {"sin on [0, 2pi]", real(std::sin), 0, 2 * kPi, 0, 4, {kPi}},
      {"1/x on [1, e]", curveFunctionOf(expression("1/x")), 1, e, std::log(e), std::log(e), {}},
      {"1/x on [1, 2]",
       curveFunctionOf({.funcFamily = 2, .paramK = 1}),
       1,
       2,
       std::log(2.0),
       std::log(2.0),
       {}},
      {"1/x on [-3, -1]",
       curveFunctionOf(expression("1/x")),
       -3,
       -1,
       -std::log(3.0),
       std::log(3.0),
       {}},
      {"x on [-1, 2]", lambda([](double x) { return x; }), -1, 2, 1.5, 2.5, {0}},
      {"x^20 on [0, 1]",
       lambda([](double x) { return std::pow(x, 20); }),
       0,
       1,
       1.0 / 21,
       1.0 / 21,
       {}},
      {"e^x on [0, 10]", real(std::exp), 0, 10, std::expm1(10.0), std::expm1(10.0), {}},
      {"sqrt on [0, 1]", real(std::sqrt), 0, 1, 2.0 / 3, 2.0 / 3, {}},
      {"x^3-3x on [-3, 3]",
       curveFunctionOf(expression("x^3-3*x")),
       -3,
       3,
       0,
       22.5,
       {-std::sqrt(3.0), 0, std::sqrt(3.0)}},
      {"a step: -1, then 1 from 0",
       lambda([](double x) { return x < 0 ? -1.0 : 1.0; }),
       -1,
       2,
       1,
       3,
       {}},
      {"an empty interval", real(std::sin), 1, 1, 0, 0, {}},
  };
  for (const auto& c : cases) {
    const IntegralOutcome found = integrate(c.f, c.a, c.b);
    ASSERT_TRUE(found.result) << c.what << ": " << found.reason;
    const double tolerance = 1e-10 * std::max(c.area, 1e-300);
    EXPECT_NEAR(found.result->integral, c.integral, tolerance) << c.what;
    EXPECT_NEAR(found.result->area, c.area, tolerance) << c.what;
    EXPECT_LE(found.result->error, tolerance) << c.what;
    ASSERT_EQ(found.result->zeros.size(), c.zeros.size()) << c.what;
    for (std::size_t i = 0; i < c.zeros.size(); ++i) {
      EXPECT_NEAR(found.result->zeros[i], c.zeros[i], 1e-9) << c.what;
    }
  }
}

TEST(DefiniteIntegral, BetweenTwoCurves) {
  const ScalarFunction x = lambda([](double v) { return v; });
  const ScalarFunction square = curveFunctionOf(expression("x^2"));
  const IntegralOutcome above = integrateBetween(x, square, 0, 1);
  ASSERT_TRUE(above.result);
  EXPECT_NEAR(above.result->integral, 1.0 / 6, 1e-12);
  EXPECT_NEAR(above.result->area, 1.0 / 6, 1e-12);
  const IntegralOutcome below = integrateBetween(square, x, 0, 1);
  ASSERT_TRUE(below.result);
  EXPECT_NEAR(below.result->integral, -1.0 / 6, 1e-12);
  EXPECT_NEAR(below.result->area, 1.0 / 6, 1e-12);
  // On [0, 2] they cross at 1: 1/6 on either side of it, of opposite signs.
  const IntegralOutcome crossing = integrateBetween(x, square, 0, 2);
  ASSERT_TRUE(crossing.result);
  EXPECT_NEAR(crossing.result->integral, 2.0 - 8.0 / 3, 1e-12);
  EXPECT_NEAR(crossing.result->area, 1.0 / 6 + 5.0 / 6, 1e-12);
  ASSERT_EQ(crossing.result->zeros.size(), 1u);
  EXPECT_NEAR(crossing.result->zeros[0], 1, 1e-12);
}

TEST(DefiniteIntegral, RefusesPolesAndUndefinedPoints) {
  const struct {
    const char* what;
    ScalarFunction f;
    double a, b;
    const char* reason;
  } cases[] = {
      {"1/x across 0", curveFunctionOf(expression("1/x")), -1, 1,
       "积分区间内的 x = 0 处是函数的极点，积分不存在"},
      {"6/x across 0", curveFunctionOf({.funcFamily = 2, .paramK = 6}), -1, 2,
       "积分区间内的 x = 0 处是函数的极点，积分不存在"},
      {"tan across pi/2", real(std::tan), 0, 3,
       "积分区间内的 x = 1.5708 处是函数的极点，积分不存在"},
      {"tan of the family across pi/2",
       curveFunctionOf({.funcFamily = 7, .paramA = 1, .paramOmega = 1}), 1, 2,
       "积分区间内的 x = 1.5708 处是函数的极点，积分不存在"},
      {"1/(x-1/3)^2, a pole without a change of sign",
       lambda([](double x) { return 1 / ((x - 1.0 / 3) * (x - 1.0 / 3)); }), 0, 1,
       "积分区间内的 x = 0.333333 处是函数的极点，积分不存在"},
      {"ln x from -1", real(std::log), -1, 1, "函数在积分区间内的 x = −1 处没有定义"},
      {"sqrt(1-x^2) beyond 1", curveFunctionOf(expression("sqr(1-x^2)")), 0, 2,
       "函数在积分区间内的 x = 1.0005 处没有定义"},
      {"an open end", real(std::sin), 0, INFINITY, kMessageIntegralBounds},
  };
  for (const auto& c : cases) {
    const IntegralOutcome found = integrate(c.f, c.a, c.b);
    EXPECT_FALSE(found.result) << c.what;
    EXPECT_EQ(found.reason, c.reason) << c.what;
  }
}

TEST(DefiniteIntegral, AnIntegrandTooWildIsRefusedWithinItsBound) {
  int evaluations = 0;
  const ScalarFunction wild = [&evaluations](double x) {
    ++evaluations;
    return std::optional<double>(std::sin(1e6 * x));
  };
  const IntegralOutcome found = integrate(wild, 0, 1000);
  EXPECT_FALSE(found.result);
  EXPECT_EQ(found.reason, "积分没有达到要求的精度：函数在区间内变化太剧烈");
  // The samples with their checks, and 15 points on each of the pieces.
  EXPECT_LT(evaluations, 60 * (kSampleSteps + 1) + 31 * kMostIntegralPieces);
}

}  // namespace
}  // namespace quorvel::test
