// Key points of school curves against their closed forms, the hard cases included:
// poles, touching zeros, periodic curves, the branches of the conics.
#include "analysis/key_points.h"

#include <cmath>
#include <numbers>

#include "analysis_test_support.h"

// The cases name only the parameters a curve reads.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

using enum KeyKind;
constexpr double kPi = std::numbers::pi;
const double kRoot3 = std::sqrt(3.0);

const Region kSchoolRange{{-10, 10}, {}};

struct Case {
  const char* what;
  CurveParams curve;
  std::vector<KeyPoint> points;
  Region own = {};
};

// sin x on [−10, 10]: its 7 zeros, 6 turns and the y-intercept.
std::vector<KeyPoint> sinePoints() {
  std::vector<KeyPoint> points{{YIntercept, 0, 0}};
  for (int k = -3; k <= 3; ++k) points.push_back({Zero, k * kPi, 0});
  for (int k = -3; k <= 2; ++k) {
    const double x = kPi / 2 + k * kPi;
    points.push_back({std::sin(x) > 0 ? Maximum : Minimum, x, std::sin(x)});
  }
  return points;
}

std::vector<KeyPoint> tangentZeros() {
  std::vector<KeyPoint> points{{YIntercept, 0, 0}};
  for (int k = -3; k <= 3; ++k) points.push_back({Zero, k * kPi, 0});
  return points;
}

TEST(KeyPoints, SchoolCurvesMatchTheirClosedForms) {
  const Case cases[] = {
      {"x^2-2x-3, flat in single precision near its vertex",
       {.funcFamily = 1, .paramA = 1, .paramB = -2, .paramC = -3},
       {{Zero, -1, 0}, {YIntercept, 0, -3}, {Minimum, 1, -4}, {Zero, 3, 0}}},
      {"x^2 touches zero", expression("x^2"), {{Zero, 0, 0}, {Minimum, 0, 0}, {YIntercept, 0, 0}}},
      {"(x-1)^2 touches zero",
       expression("(x-1)^2"),
       {{YIntercept, 0, 1}, {Zero, 1, 0}, {Minimum, 1, 0}}},
      {"2(x-0.7)^2 touches between samples",
       {.funcFamily = 1, .funcForm = 1, .paramA = 2, .paramX1 = 0.7f, .paramX2 = 0.7f},
       {{YIntercept, 0, 0.98}, {Zero, 0.7, 0}, {Minimum, 0.7, 0}}},
      {"sin x", {.funcFamily = 5, .paramA = 1, .paramOmega = 1}, sinePoints()},
      {"tan x: no zero at a pole", {.funcFamily = 7, .paramA = 1, .paramOmega = 1}, tangentZeros()},
      {"6/x: nothing at its pole", {.funcFamily = 2, .paramK = 6}, {}},
      {"1/x^2: no maximum at its pole", expression("1/x^2"), {}},
      {"log2 x", {.funcFamily = 4, .paramA = 2}, {{Zero, 1, 0}}},
      {"x^3-3x",
       expression("x^3-3*x"),
       {{Zero, -kRoot3, 0},
        {Maximum, -1, 2},
        {Zero, 0, 0},
        {YIntercept, 0, 0},
        {Minimum, 1, -2},
        {Zero, kRoot3, 0}}},
      {"|x|-1 has a corner",
       expression("abs(x)-1"),
       {{Zero, -1, 0}, {Minimum, 0, -1}, {YIntercept, 0, -1}, {Zero, 1, 0}}},
      {"circle: each branch's points, the shared ends once",
       {.funcFamily = 8, .paramA = 1, .paramB = 0, .paramR = 2},
       {{Zero, -1, 0}, {YIntercept, 0, -kRoot3}, {YIntercept, 0, kRoot3}, {Zero, 3, 0}}},
      {"ellipse",
       {.funcFamily = 9, .paramA = 3, .paramB = 2},
       {{Zero, -3, 0}, {YIntercept, 0, -2}, {YIntercept, 0, 2}, {Zero, 3, 0}}},
      {"hyperbola", {.funcFamily = 10, .paramA = 2, .paramB = 1}, {{Zero, -2, 0}, {Zero, 2, 0}}},
      {"y^2=2x",
       {.funcFamily = 11, .funcForm = 0, .paramP = 1},
       {{Zero, 0, 0}, {YIntercept, 0, 0}}},
      {"x=1 is a function of y",
       {.funcFamily = 0, .funcForm = 2, .paramA = 1, .paramC = -1},
       {{Zero, 1, 0}}},
      {"y=0 lies along the axis",
       {.funcFamily = 0, .paramK = 0, .paramB = 0},
       {{YIntercept, 0, 0}}},
      {"the circle's own range",
       {.funcFamily = 8, .paramA = 1, .paramB = 0, .paramR = 2},
       {{YIntercept, 0, -kRoot3}, {YIntercept, 0, kRoot3}, {Zero, 3, 0}},
       {{0, kUnbounded}, {}}},
  };
  for (const Case& c : cases) {
    KeyPointQuery query;
    query.region = kSchoolRange;
    expectPoints(findKeyPoints(curveOf(c.curve, c.own), query), c.points, c.what);
  }
}

TEST(KeyPoints, IntersectionsOnly) {
  const CurveParams circle{.funcFamily = 8, .paramR = 2};
  const CurveParams diagonal{.funcFamily = 0, .paramK = 1};
  const CurveParams xAxis{.funcFamily = 0};
  const CurveParams xIsOne{.funcFamily = 0, .funcForm = 2, .paramA = 1, .paramC = -1};
  const CurveParams xIsTwo{.funcFamily = 0, .funcForm = 2, .paramA = 1, .paramC = -2};
  const double r2 = std::sqrt(2.0), x7 = std::sqrt(7.2), y7 = std::sqrt(0.8);
  const struct {
    const char* what;
    CurveParams a, b;
    std::vector<KeyPoint> points;
  } cases[] = {
      {"circle and y=x", circle, diagonal, {{Intersection, -r2, -r2}, {Intersection, r2, r2}}},
      {"y=x and circle", diagonal, circle, {{Intersection, -r2, -r2}, {Intersection, r2, r2}}},
      {"x^2 and y=x+2",
       expression("x^2"),
       {.funcFamily = 0, .paramK = 1, .paramB = 2},
       {{Intersection, -1, 1}, {Intersection, 2, 4}}},
      {"circle and x=1", circle, xIsOne, {{Intersection, 1, -kRoot3}, {Intersection, 1, kRoot3}}},
      {"x=1 and circle", xIsOne, circle, {{Intersection, 1, -kRoot3}, {Intersection, 1, kRoot3}}},
      {"x^2 touches y=0", expression("x^2"), xAxis, {{Intersection, 0, 0}}},
      {"circle touches y=2", circle, {.funcFamily = 0, .paramB = 2}, {{Intersection, 0, 2}}},
      {"circle meets y=0 at its branches' ends",
       circle,
       xAxis,
       {{Intersection, -2, 0}, {Intersection, 2, 0}}},
      {"two circles",
       circle,
       {.funcFamily = 8, .paramA = 2, .paramR = 2},
       {{Intersection, 1, -kRoot3}, {Intersection, 1, kRoot3}}},
      {"hyperbola and ellipse",
       {.funcFamily = 10, .paramA = 2, .paramB = 1},
       {.funcFamily = 9, .paramA = 3, .paramB = 2},
       {{Intersection, -x7, -y7},
        {Intersection, -x7, y7},
        {Intersection, x7, -y7},
        {Intersection, x7, y7}}},
      {"parallel vertical lines", xIsOne, xIsTwo, {}},
  };
  for (const auto& c : cases) {
    const AnalysedCurve other = curveOf(c.b);
    KeyPointQuery query;
    query.region = kSchoolRange;
    query.basic = false;
    query.other = &other;
    expectPoints(findKeyPoints(curveOf(c.a), query), c.points, c.what);
  }
}

TEST(KeyPoints, WhereTheCurveTakesAValue) {
  std::vector<KeyPoint> sineHalf;
  for (const double base : {kPi / 6, 5 * kPi / 6}) {
    for (int k = -2; k <= 1; ++k) {
      if (std::fabs(base + 2 * k * kPi) <= 10) sineHalf.push_back({Value, base + 2 * k * kPi, 0.5});
    }
  }
  ASSERT_EQ(sineHalf.size(), 7u);
  const struct {
    const char* what;
    CurveParams curve;
    double value;
    std::vector<KeyPoint> points;
  } cases[] = {
      {"sin x = 0.5", {.funcFamily = 5, .paramA = 1, .paramOmega = 1}, 0.5, sineHalf},
      {"circle at y=1",
       {.funcFamily = 8, .paramR = 2},
       1,
       {{Value, -kRoot3, 1}, {Value, kRoot3, 1}}},
      {"x=1 at y=3",
       {.funcFamily = 0, .funcForm = 2, .paramA = 1, .paramC = -1},
       3,
       {{Value, 1, 3}}},
      {"x^2 = 2.5",
       expression("x^2"),
       2.5,
       {{Value, -std::sqrt(2.5), 2.5}, {Value, std::sqrt(2.5), 2.5}}},
      {"x^2 never takes -1", expression("x^2"), -1, {}},
  };
  for (const auto& c : cases) {
    KeyPointQuery query;
    query.region = kSchoolRange;
    query.basic = false;
    query.value = c.value;
    expectPoints(findKeyPoints(curveOf(c.curve), query), c.points, c.what);
  }
}

TEST(KeyPoints, SortedByXAndOnlyInTheRegion) {
  KeyPointQuery query;
  query.region = {{-2, 2}, {-1.5, 10}};
  const std::vector<KeyPoint> points = findKeyPoints(curveOf(expression("x^3-3*x")), query);
  // The zeros at ±√3, the maximum (−1, 2) and y = 0 at 0 are inside; the minimum
  // (1, −2) lies below the region.
  ASSERT_EQ(points.size(), 5u);
  for (std::size_t i = 1; i < points.size(); ++i) EXPECT_LE(points[i - 1].x, points[i].x + 1e-9);
  EXPECT_EQ(points[1].kind, Maximum);
}

TEST(AnalysedCurve, RefusesWhatTheDrawCommandRefusesAndTheSums) {
  const struct {
    CurveParams curve;
    const char* reason;
  } cases[] = {
      {{.funcFamily = 13, .funcForm = 1, .expression = "x"}, kMessageSumNotAnalysed},
      {{.funcFamily = 2, .paramK = 0}, "ｋ≠０"},
      {expression("(x+1"), "括号错误"},
      {expression("foo(x)"), "字符未定义"},
  };
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_FALSE(AnalysedCurve::fromParams(c.curve, {}, reason)) << c.reason;
    EXPECT_EQ(reason, c.reason);
  }
}

TEST(AnalysedCurve, ReadsAStoredEntryAsTheDrawCommandLeftIt) {
  FuncRecord record;
  record.family = 13;
  record.para1 = "SIN(X)*2";
  record.rangeX1 = "-1.5";
  record.rangeX2 = " +∞";
  record.rangeY1 = " -∞";
  record.rangeY2 = "1";
  std::string reason;
  const std::optional<AnalysedCurve> curve = AnalysedCurve::fromRecord(record, reason);
  ASSERT_TRUE(curve) << reason;
  EXPECT_EQ(curve->params().expression, "sin(x)*2");
  EXPECT_EQ(curve->own().x.lo, -1.5);
  EXPECT_EQ(curve->own().x.hi, kUnbounded);
  EXPECT_EQ(curve->own().y.lo, -kUnbounded);
  EXPECT_EQ(curve->own().y.hi, 1);
  record.rangeX2 = "two";
  EXPECT_FALSE(AnalysedCurve::fromRecord(record, reason));
  EXPECT_EQ(reason, "数据错误");
}

}  // namespace
}  // namespace quorvel::test
