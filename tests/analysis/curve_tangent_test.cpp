// The tangent of each kind of list curve, at its parameter or at a point on it,
// against closed forms; the points refused; points typed as "x, y".
#include "analysis/curve_tangent.h"

#include <cmath>
#include <numbers>
#include <string>

#include "analysis/curve_calculus.h"
#include "analysis_test_support.h"
#include "document/read_entry.h"

// The cases name only the parameters a curve reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

constexpr double kPi = std::numbers::pi;
const double kRoot2 = std::sqrt(2.0);

AnalysedCurve entryOf(const EntryContent& content) {
  const EntryReading reading = readEntry(ListEntry{content, true, "", ""}, seededRandom(1));
  EXPECT_TRUE(reading.curve) << reading.refusal.message;
  std::string reason;
  std::optional<AnalysedCurve> curve =
      reading.curve ? AnalysedCurve::fromCurve(*reading.curve, reason) : std::nullopt;
  EXPECT_TRUE(curve) << reason;
  return *curve;
}

AnalysedCurve circle3() { return entryOf(ParametricCurve{"3cos t", "3sin t", "0", "2pi", 0}); }
AnalysedCurve circle2() { return entryOf(PolarCurve{"2", "0", "2pi", 0}); }
AnalysedCurve cardioid() { return entryOf(PolarCurve{"1+cos θ", "0", "2pi", 0}); }
AnalysedCurve circle25() { return entryOf(EquationCurve{"x^2+y^2=25", 0}); }
AnalysedCurve square() { return curveOf(expression("x^2")); }

struct Expected {
  const char* tangent = nullptr;
  const char* normal = nullptr;
  const char* reason = nullptr;  // refused, with this reason
};

void expectOutcome(const TangentOutcome& found, const Expected& expected, const std::string& what) {
  if (expected.reason) {
    EXPECT_FALSE(found.tangent) << what;
    EXPECT_EQ(found.reason, expected.reason) << what;
    return;
  }
  ASSERT_TRUE(found.tangent) << what << ": refused: " << found.reason;
  EXPECT_EQ(equationText(found.tangent->tangent), expected.tangent) << what;
  EXPECT_EQ(equationText(found.tangent->normal), expected.normal) << what;
}

TEST(CurveTangent, AtAParameterOfParametricAndPolarCurves) {
  const struct {
    const char* what;
    AnalysedCurve curve;
    double t0;
    Expected expected;
  } cases[] = {
      {"circle of radius 3 at π/2", circle3(), kPi / 2, {"y = 3", "x = 0"}},
      {"circle of radius 3 at 0", circle3(), 0, {"x = 3", "y = 0"}},
      // The range's end of a closed curve: the functions go on beyond it.
      {"circle of radius 3 at 2π", circle3(), 2 * kPi, {"x = 3", "y = 0"}},
      {"circle of radius 3 at π/4", circle3(), kPi / 4, {"y = −x + 4.24264", "y = x"}},
      {"ρ = 2 at π/4", circle2(), kPi / 4, {"y = −x + 2.82843", "y = x"}},
      {"ρ = 2 at π/2", circle2(), kPi / 2, {"y = 2", "x = 0"}},
      // x′ = −sin θ cos θ − ρ sin θ, y′ = −sin²θ + ρ cos θ.
      {"cardioid at π/2", cardioid(), kPi / 2, {"y = x + 1", "y = −x + 1"}},
      {"cardioid at π/3", cardioid(), kPi / 3, {"y = 1.29904", "x = 0.75"}},
      {"cardioid's cusp at π", cardioid(), kPi, {.reason = kMessageTangentStill}},
      {"beyond the range", circle3(), 7, {.reason = kMessageTangentParameterOutside}},
      {"a curve y = f(x)", square(), 1, {.reason = kMessageTangentNoParameter}},
  };
  for (const auto& c : cases) {
    expectOutcome(curveTangentAtParameter(c.curve, c.t0), c.expected, c.what);
  }
}

TEST(CurveTangent, AtAPointOfEveryKind) {
  const struct {
    const char* what;
    AnalysedCurve curve;
    PlanePoint at;
    Expected expected;
  } cases[] = {
      {"x² + y² = 25 at (3, 4)", circle25(), {3, 4}, {"y = −0.75x + 6.25", "y = 1.33333x"}},
      {"x²/4 + y² = 1 at (√2, √2/2)",
       entryOf(EquationCurve{"x^2/4+y^2=1", 0}),
       {kRoot2, kRoot2 / 2},
       {"y = −0.5x + 1.41421", "y = 2x − 2.12132"}},
      {"the same ellipse of the catalogue",
       curveOf({.funcFamily = 9, .paramA = 2, .paramB = 1}),
       {kRoot2, kRoot2 / 2},
       {"y = −0.5x + 1.41421", "y = 2x − 2.12132"}},
      {"the catalogue's circle at its top",
       curveOf({.funcFamily = 8, .paramA = 1, .paramB = 2, .paramR = 5}),
       {1, 7},
       {"y = 7", "x = 1"}},
      {"x² = y² at the crossing",
       entryOf(EquationCurve{"x^2=y^2", 0}),
       {0, 0},
       {.reason = kMessageTangentSingular}},
      {"the centre of a circle", circle25(), {0, 0}, {.reason = kMessageTangentNotOnCurve}},
      {"y = x² at x = 1", square(), {1, 1}, {"y = 2x − 1", "y = −0.5x + 1.5"}},
      {"above y = x²", square(), {1, 3}, {.reason = kMessageTangentNotOnCurve}},
      {"a parametric circle at its top", circle3(), {0, 3}, {"y = 3", "x = 0"}},
      {"a point away from the parametric circle",
       circle3(),
       {0, 0},
       {.reason = kMessageTangentNotOnCurve}},
      {"the vertical line x = 2",
       curveOf({.funcFamily = 0, .funcForm = 2, .paramA = 1, .paramB = 0, .paramC = -2}),
       {2, 5},
       {"x = 2", "y = 5"}},
  };
  for (const auto& c : cases) {
    expectOutcome(curveTangentNear(c.curve, c.at, pointReach(c.at)), c.expected, c.what);
  }
}

TEST(CurveTangent, APointBesideTheCurveIsMovedOntoIt) {
  const struct {
    const char* what;
    AnalysedCurve curve;
    PlanePoint near;
    PlanePoint expected;
  } cases[] = {
      // Along the gradient of x² + y² − 25: on the ray from the centre.
      {"circle equation", circle25(), {3.015, 4.02}, {3, 4}},
      {"parametric circle", circle3(), {0, 3.02}, {0, 3}},
      {"function", square(), {2, 4.01}, {2, 4}},
  };
  for (const auto& c : cases) {
    const TangentOutcome found = curveTangentNear(c.curve, c.near, pointReach(c.near));
    ASSERT_TRUE(found.tangent) << c.what << ": " << found.reason;
    EXPECT_NEAR(found.tangent->point.x, c.expected.x, 1e-3) << c.what;
    EXPECT_NEAR(found.tangent->point.y, c.expected.y, 1e-3) << c.what;
  }
}

TEST(CurveTangent, EachKindIsGivenItsOwnWay) {
  const struct {
    AnalysedCurve curve;
    TangentPlace place;
  } cases[] = {
      {square(), TangentPlace::kX},
      {circle3(), TangentPlace::kParameter},
      {cardioid(), TangentPlace::kParameter},
      {circle25(), TangentPlace::kPoint},
      {curveOf({.funcFamily = 8, .paramR = 1}), TangentPlace::kPoint},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(tangentPlaceOf(c.curve), c.place) << static_cast<int>(c.place);
  }
  // The way of a function of x refuses the others.
  EXPECT_EQ(curveTangentAtX(circle3(), 1).reason, kMessageNotFunctionOfX);
}

TEST(CurveTangent, TypedPoints) {
  const struct {
    const char* text;
    std::optional<PlanePoint> point;
  } cases[] = {
      {"3, 4", PlanePoint{3, 4}},
      {"(3,4)", PlanePoint{3, 4}},
      {" （−1.5，2） ", PlanePoint{-1.5, 2}},
      {"π/2, -1", PlanePoint{kPi / 2, -1}},
      {"3", std::nullopt},
      {"3, 4, 5", std::nullopt},
      {"a, 4", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<PlanePoint> found = typedPoint(c.text);
    ASSERT_EQ(found.has_value(), c.point.has_value()) << c.text;
    if (!found) continue;
    // A number typed as an expression is worked out in single precision.
    EXPECT_NEAR(found->x, c.point->x, 1e-5) << c.text;
    EXPECT_NEAR(found->y, c.point->y, 1e-5) << c.text;
  }
}

}  // namespace
}  // namespace quorvel::test
