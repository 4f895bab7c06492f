// Tangents and normals against closed forms, their equations in textbook form, and the
// points refused for want of a derivative.
#include "analysis/tangent_line.h"

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

ScalarFunction expressionCurve(const std::string& text) {
  return curveFunctionOf(expression(text));
}

TEST(TextbookText, NumbersAndEquations) {
  const struct {
    double v;
    const char* text;
  } numbers[] = {
      {2, "2"},
      {-0.5, "−0.5"},
      {2.718281828459045, "2.71828"},
      {1234567, "1234570"},
      {123456.7, "123457"},
      {0.000001, "0.000001"},
      {1.5e-7, "1.5e−7"},
      {-2.5e20, "−2.5e+20"},
      {-0.0, "0"},
      {0.1 + 0.2, "0.3"},
      {-1e-300, "−1e−300"},
      {999999.7, "1000000"},
  };
  for (const auto& n : numbers) EXPECT_EQ(textbookNumber(n.v), n.text) << n.v;
  const struct {
    StraightLine line;
    const char* text;
  } lines[] = {
      {{.vertical = true, .x = 3}, "x = 3"},
      {{.slope = 2, .intercept = -1}, "y = 2x − 1"},
      {{.slope = -1, .intercept = 2}, "y = −x + 2"},
      {{.slope = 0.5, .intercept = 1.25}, "y = 0.5x + 1.25"},
      {{.slope = 0, .intercept = 0}, "y = 0"},
      {{.slope = 0.99999999, .intercept = 0}, "y = x"},
      {{.slope = -2.718281828, .intercept = 0}, "y = −2.71828x"},
      {{.slope = 1e-9, .intercept = 4}, "y = 1e−9x + 4"},
  };
  for (const auto& l : lines) EXPECT_EQ(equationText(l.line), l.text);
}

struct Expected {
  const char* tangent;
  const char* normal;
};

void expectTangent(const TangentOutcome& found, const Expected& expected, const std::string& what) {
  ASSERT_TRUE(found.tangent) << what << ": refused: " << found.reason;
  EXPECT_EQ(equationText(found.tangent->tangent), expected.tangent) << what;
  EXPECT_EQ(equationText(found.tangent->normal), expected.normal) << what;
}

TEST(Tangent, OfFunctionsAgainstClosedForms) {
  const ScalarFunction square = [](double x) { return std::optional<double>(x * x); };
  const ScalarFunction cube = [](double x) { return std::optional<double>(x * x * x); };
  const struct {
    const char* what;
    ScalarFunction f;
    double x0;
    Expected expected;
  } cases[] = {
      {"x^2 at 1", square, 1, {"y = 2x − 1", "y = −0.5x + 1.5"}},
      {"x^2 at 0", square, 0, {"y = 0", "x = 0"}},
      {"x^3 at 0, an inflection", cube, 0, {"y = 0", "x = 0"}},
      {"sin at 0", real(std::sin), 0, {"y = x", "y = −x"}},
      {"sin at pi/2", real(std::sin), kPi / 2, {"y = 1", "x = 1.5708"}},
      {"sin at pi", real(std::sin), kPi, {"y = −x + 3.14159", "y = x − 3.14159"}},
      {"e^x at 1", real(std::exp), 1, {"y = 2.71828x", "y = −0.367879x + 3.08616"}},
      {"ln x at e", real(std::log), std::numbers::e, {"y = 0.367879x", "y = −2.71828x + 8.38906"}},
      {"cube root at 0: vertical", real(std::cbrt), 0, {"x = 0", "y = 0"}},
      {"x+1/x at 2", expressionCurve("x+1/x"), 2, {"y = 0.75x + 1", "y = −1.33333x + 5.16667"}},
      {"x^2 of the evaluator at 1", expressionCurve("x^2"), 1, {"y = 2x − 1", "y = −0.5x + 1.5"}},
      {"-x+2", expressionCurve("-x+2"), 5, {"y = −x + 2", "y = x − 8"}},
      {"0.5x+1.25", expressionCurve("0.5*x+1.25"), -7, {"y = 0.5x + 1.25", "y = −2x − 16.25"}},
  };
  for (const auto& c : cases) expectTangent(tangentOfFunction(c.f, c.x0), c.expected, c.what);
}

TEST(Tangent, RefusedWhereThereIsNoDerivative) {
  const ScalarFunction step = [](double x) { return std::optional<double>(x < 1 ? 0.0 : 1.0); };
  const ScalarFunction twoThirds = [](double x) {
    return std::optional<double>(std::cbrt(x) * std::cbrt(x));
  };
  const ScalarFunction wiggle = [](double x) {
    return std::optional<double>(x == 0 ? 0.0 : x * std::sin(1 / x));
  };
  const struct {
    const char* what;
    ScalarFunction f;
    double x0;
    const char* reason;
    bool openEnd = false;
  } cases[] = {
      {"|x|-1 of the evaluator at 0", expressionCurve("abs(x)-1"), 0, kMessageTangentCorner},
      {"1/x at 0", expressionCurve("1/x"), 0, kMessageTangentPole},
      {"tan at pi/2, a finite double there", real(std::tan), kPi / 2, kMessageTangentPole},
      {"ln x at -1", real(std::log), -1, kMessageTangentOutsideDomain},
      {"sqrt at 0", real(std::sqrt), 0, kMessageTangentOneSided},
      {"a step at 1", step, 1, kMessageTangentJump},
      {"x^(2/3) at 0", twoThirds, 0, kMessageTangentCusp},
      {"x sin(1/x) at 0", wiggle, 0, kMessageTangentNoDerivative},
      {"an open end", real(std::sin), 1, kMessageTangentOpenEnd, true},
  };
  for (const auto& c : cases) {
    const TangentOutcome found = tangentOfFunction(c.f, c.x0, c.openEnd);
    EXPECT_FALSE(found.tangent) << c.what;
    EXPECT_EQ(found.reason, c.reason) << c.what;
  }
}

TEST(Tangent, OfParametricCurves) {
  const ScalarFunction cosine = real(std::cos), sine = real(std::sin);
  const ScalarFunction t = [](double v) { return std::optional<double>(v); };
  const ScalarFunction absT = real(std::fabs);
  // Twice as fast for t > 0: a kink in the parameter, not in the curve.
  const ScalarFunction faster = [](double v) { return std::optional<double>(v > 0 ? 2 * v : v); };
  const ScalarFunction cycloidX = [](double v) { return std::optional<double>(v - std::sin(v)); };
  const ScalarFunction cycloidY = [](double v) { return std::optional<double>(1 - std::cos(v)); };
  const struct {
    const char* what;
    const ScalarFunction &x, &y;
    double t0;
    Expected expected;
    const char* reason = nullptr;
  } cases[] = {
      {"unit circle at pi/4", cosine, sine, kPi / 4, {"y = −x + 1.41421", "y = x"}},
      {"unit circle at 0", cosine, sine, 0, {"x = 1", "y = 0"}},
      {"unit circle at pi/2", cosine, sine, kPi / 2, {"y = 1", "x = 0"}},
      {"a line run faster on one side", faster, faster, 0, {"y = x", "y = −x"}},
      {"(t, |t|) at 0", t, absT, 0, {}, kMessageTangentCorner},
      {"the cycloid's cusp", cycloidX, cycloidY, 0, {}, kMessageTangentStill},
  };
  for (const auto& c : cases) {
    const TangentOutcome found = tangentOfParametric(c.x, c.y, c.t0);
    if (c.reason) {
      EXPECT_FALSE(found.tangent) << c.what;
      EXPECT_EQ(found.reason, c.reason) << c.what;
    } else {
      expectTangent(found, c.expected, c.what);
    }
  }
  EXPECT_EQ(tangentOfParametric(cosine, sine, 1, true).reason, kMessageTangentOpenEnd);
}

TEST(Tangent, OfImplicitCurvesAndConics) {
  const ImplicitFunction circle25 = [](double x, double y) {
    return std::optional<double>(x * x + y * y - 25);
  };
  expectTangent(tangentOfImplicit(circle25, {3, 4}, 1e-9), {"y = −0.75x + 6.25", "y = 1.33333x"},
                "x^2+y^2=25 at (3, 4)");
  // A point picked beside the curve is moved onto it first.
  const TangentOutcome picked = tangentOfImplicit(circle25, {3.02, 3.97}, 0.1);
  ASSERT_TRUE(picked.tangent);
  EXPECT_NEAR(std::hypot(picked.tangent->point.x, picked.tangent->point.y), 5, 1e-12);
  EXPECT_EQ(tangentOfImplicit(circle25, {0, 0}, 1).reason, kMessageTangentNotOnCurve);
  const ImplicitFunction cross = [](double x, double y) {
    return std::optional<double>(x * x - y * y);
  };
  EXPECT_EQ(tangentOfImplicit(cross, {0, 0}, 1e-9).reason, kMessageTangentSingular);

  const struct {
    const char* what;
    CurveParams curve;
    PlanePoint at;
    Expected expected;
  } conics[] = {
      {"circle (1, 2), r = 5",
       {.funcFamily = 8, .paramA = 1, .paramB = 2, .paramR = 5},
       {4, 6},
       {"y = −0.75x + 9", "y = 1.33333x + 0.666667"}},
      {"circle's leftmost point",
       {.funcFamily = 8, .paramA = 1, .paramB = 2, .paramR = 5},
       {-4, 2},
       {"x = −4", "y = 2"}},
      {"ellipse at (1.8, 1.6)",
       {.funcFamily = 9, .paramA = 3, .paramB = 2},
       {1.8, 1.6},
       {"y = −0.5x + 2.5", "y = 2x − 2"}},
      {"hyperbola's vertex",
       {.funcFamily = 10, .paramA = 2, .paramB = 1},
       {2, 0},
       {"x = 2", "y = 0"}},
      {"hyperbola at (2√2, 1)",
       {.funcFamily = 10, .paramA = 2, .paramB = 1},
       {2 * std::sqrt(2.0), 1},
       {"y = 0.707107x − 1", "y = −1.41421x + 5"}},
      {"y^2 = 2x at (2, 2)",
       {.funcFamily = 11, .funcForm = 0, .paramP = 1},
       {2, 2},
       {"y = 0.5x + 1", "y = −2x + 6"}},
      {"x^2 = 4y at (2, 1)",
       {.funcFamily = 11, .funcForm = 2, .paramP = 2},
       {2, 1},
       {"y = x − 1", "y = −x + 3"}},
  };
  for (const auto& c : conics) {
    const std::optional<Conic> conic = conicOf(c.curve);
    ASSERT_TRUE(conic) << c.what;
    expectTangent(tangentOfConic(*conic, c.at, 1e-9), c.expected, c.what);
  }
  EXPECT_FALSE(conicOf(expression("x^2")));
}

}  // namespace
}  // namespace quorvel::test
