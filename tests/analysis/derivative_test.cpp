// Numerical derivatives against closed forms, and the zeros of f′ against the turns
// the analysis finds in f.
#include "analysis/numeric_derivative.h"

#include <cmath>
#include <functional>
#include <numbers>
#include <string>

#include "analysis/search.h"
#include "analysis_test_support.h"

// The cases name only the parameters a curve reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

using Real = std::function<double(double)>;

// A closed form as a function that fails where its value is not finite or the
// argument leaves `domain`.
ScalarFunction defined(Real f, std::function<bool(double)> domain = nullptr) {
  return [f = std::move(f), domain = std::move(domain)](double x) -> std::optional<double> {
    if (domain && !domain(x)) return std::nullopt;
    const double v = f(x);
    if (!std::isfinite(v)) return std::nullopt;
    return v;
  };
}

bool positive(double x) { return x > 0; }
bool nonZero(double x) { return x != 0; }

struct Case {
  const char* what;
  ScalarFunction f;
  Real first, second;
  std::vector<double> at;
};

TEST(NumericDerivative, FirstAndSecondAgainstClosedForms) {
  const Case cases[] = {
      {"x^3-3x",
       defined([](double x) { return x * x * x - 3 * x; }),
       [](double x) { return 3 * x * x - 3; },
       [](double x) { return 6 * x; },
       {-3, -1, 0, 0.5, 1, 2.75, 100}},
      {"5x^4-2x+7",
       defined([](double x) { return 5 * std::pow(x, 4) - 2 * x + 7; }),
       [](double x) { return 20 * x * x * x - 2; },
       [](double x) { return 60 * x * x; },
       {-2, -0.1, 0, 0.3, 1.7}},
      {"sin",
       defined([](double x) { return std::sin(x); }),
       [](double x) { return std::cos(x); },
       [](double x) { return -std::sin(x); },
       {-4, 0, 1, std::numbers::pi / 2, 3, 25}},
      {"cos",
       defined([](double x) { return std::cos(x); }),
       [](double x) { return -std::sin(x); },
       [](double x) { return -std::cos(x); },
       {-1, 0, 0.7, std::numbers::pi}},
      {"e^x",
       defined([](double x) { return std::exp(x); }),
       [](double x) { return std::exp(x); },
       [](double x) { return std::exp(x); },
       {-5, 0, 1, 10, 20}},
      {"ln x near and far from its domain's edge",
       defined([](double x) { return std::log(x); }, positive),
       [](double x) { return 1 / x; },
       [](double x) { return -1 / (x * x); },
       {0.001, 0.05, 0.5, 1, 7, 1000}},
      {"x+1/x, close to its pole",
       defined([](double x) { return x + 1 / x; }, nonZero),
       [](double x) { return 1 - 1 / (x * x); },
       [](double x) { return 2 / (x * x * x); },
       {-2, -1, -0.01, 0.002, 0.5, 1, 3}},
      {"sin 40x, a short period",
       defined([](double x) { return std::sin(40 * x); }),
       [](double x) { return 40 * std::cos(40 * x); },
       [](double x) { return -1600 * std::sin(40 * x); },
       {0, 0.1, 1}},
  };
  for (const Case& c : cases) {
    for (const double x : c.at) {
      const std::string where = std::string(c.what) + " at " + std::to_string(x);
      const std::optional<DerivativeEstimate> d1 = derivativeAt(c.f, x, 1);
      const std::optional<DerivativeEstimate> d2 = derivativeAt(c.f, x, 2);
      ASSERT_TRUE(d1 && d2) << where;
      const double f1 = c.first(x), f2 = c.second(x);
      const double fx = *c.f(x);
      // Against the derivative's own size, or f's where the derivative is near zero.
      EXPECT_NEAR(d1->value, f1, 1e-10 * std::max({std::fabs(f1), std::fabs(fx), 1e-3})) << where;
      EXPECT_NEAR(d2->value, f2, 1e-8 * std::max({std::fabs(f2), std::fabs(fx), 1e-3})) << where;
      EXPECT_TRUE(trustworthy(*d1, fx, x, 1)) << where;
    }
  }
}

TEST(NumericDerivative, NoDerivativeWhereTheFunctionFails) {
  const ScalarFunction ln = defined([](double x) { return std::log(x); }, positive);
  EXPECT_FALSE(derivativeAt(ln, 0));
  EXPECT_FALSE(derivativeAt(ln, -1));
  const ScalarFunction f1 = derivativeFunction(ln);
  EXPECT_FALSE(f1(-1));
  EXPECT_NEAR(*f1(4), 0.25, 1e-10);
  // A jump has no trustworthy derivative; neither side of a corner is lost.
  const ScalarFunction step = defined([](double x) { return x < 1 ? 0.0 : 1.0; });
  EXPECT_FALSE(derivativeFunction(step)(1));
  EXPECT_NEAR(*derivativeFunction(step)(2), 0, 1e-12);
  const ScalarFunction corner = defined([](double x) { return std::fabs(x); });
  EXPECT_NEAR(oneSidedSlope(corner, 0, -1)->value, -1, 1e-9);
  EXPECT_NEAR(oneSidedSlope(corner, 0, 1)->value, 1, 1e-9);
  EXPECT_NEAR(oneSidedSlope(ln, 1, -1)->value, 1, 1e-7);
  EXPECT_FALSE(oneSidedSlope(ln, 0, 1));
}

// The zeros of f′ are the turns of f to six digits: (x³ − 3x)′ at ±1, and for the
// curves of the analysis, the turns its own search finds.
TEST(NumericDerivative, ZerosOfTheDerivativeAreTheTurns) {
  const struct {
    const char* what;
    CurveParams curve;
    double lo, hi;
  } cases[] = {
      {"x^3-3x", expression("x^3-3*x"), -3, 3},
      {"x+1/x", expression("x+1/x"), -3, 3},
      {"sin x", {.funcFamily = 5, .paramA = 1, .paramOmega = 1}, -10, 10},
      {"x^2-2x-3", {.funcFamily = 1, .paramA = 1, .paramB = -2, .paramC = -3}, -5, 5},
      {"x e^-x", expression("x*e^(-x)"), -1, 4},
  };
  for (const auto& c : cases) {
    const AnalysedCurve curve = curveOf(c.curve);
    const ScalarFunction f = [&curve](double x) { return curve.valueAt(0, x); };
    const ScalarFunction f1 = derivativeFunction(f);
    const std::vector<double> zeros = zerosOf(f1, sampleFunction(f1, c.lo, c.hi));
    const std::vector<Turn> turns = turnsOf(f, sampleFunction(f, c.lo, c.hi));
    ASSERT_EQ(zeros.size(), turns.size()) << c.what;
    for (std::size_t i = 0; i < zeros.size(); ++i) {
      EXPECT_NEAR(zeros[i], turns[i].t, 1e-6 * std::max(1.0, std::fabs(turns[i].t))) << c.what;
    }
  }
  const AnalysedCurve cubic = curveOf(expression("x^3-3*x"));
  const ScalarFunction f1 = derivativeFunction([&cubic](double x) { return cubic.valueAt(0, x); });
  const std::vector<double> zeros = zerosOf(f1, sampleFunction(f1, -3, 3));
  ASSERT_EQ(zeros.size(), 2u);
  EXPECT_NEAR(zeros[0], -1, 1e-6);
  EXPECT_NEAR(zeros[1], 1, 1e-6);
}

}  // namespace
}  // namespace quorvel::test
