// The table of values against the curve's own formula, and the trace's point for a
// few pointer positions.
#include <cmath>

#include "analysis/trace.h"
#include "analysis/value_table.h"
#include "analysis_test_support.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

const CurveParams kParabola{.funcFamily = 1, .paramA = 1, .paramB = -2, .paramC = -3};
const CurveParams kCircle{.funcFamily = 8, .paramR = 2};
const CurveParams kXIsOne{.funcFamily = 0, .funcForm = 2, .paramA = 1, .paramC = -1};

ValueTable tableOf(const CurveParams& c, double from, double to, double step,
                   const Region& own = {}) {
  std::string reason;
  const std::optional<ValueTable> table = valueTable(curveOf(c, own), from, to, step, reason);
  EXPECT_TRUE(table) << reason;
  return table.value_or(ValueTable{});
}

TEST(ValueTable, XIsStartPlusIStepsAndYIsTheFormula) {
  const ValueTable table = tableOf(kParabola, 0, 1, 0.1);
  ASSERT_EQ(table.rows.size(), 11u);
  EXPECT_EQ(table.columns, 1);
  double added = 0;
  for (std::size_t i = 0; i < table.rows.size(); ++i) {
    const ValueRow& row = table.rows[i];
    EXPECT_EQ(row.x, 0 + static_cast<double>(i) * 0.1);
    double y = 0;
    ASSERT_EQ(fDouble(kParabola, row.x, y), kOk);
    EXPECT_EQ(row.y[0], y) << row.x;
    if (i > 0) added += 0.1;
  }
  // Added up, the last x would fall short of the end.
  EXPECT_NE(added, 1.0);
  EXPECT_EQ(table.rows.back().x, 1.0);
}

TEST(ValueTable, BlanksWhereTheCurveHasNoPoint) {
  const ValueTable inverse = tableOf({.funcFamily = 2, .paramK = 6}, -1, 1, 0.5);
  ASSERT_EQ(inverse.rows.size(), 5u);
  EXPECT_FALSE(inverse.rows[2].y[0]);
  EXPECT_EQ(inverse.rows[3].y[0], 12.0);

  const ValueTable circle = tableOf(kCircle, -3, 3, 1);
  EXPECT_EQ(circle.columns, 2);
  EXPECT_FALSE(circle.rows[0].y[0] || circle.rows[0].y[1]);
  EXPECT_EQ(circle.rows[3].y[0], 2.0);
  EXPECT_EQ(circle.rows[3].y[1], -2.0);
  EXPECT_EQ(valueTableText(circle, false).substr(0, 12), "-3\t\t\n-2\t0\t0\n");
  EXPECT_EQ(valueTableText(circle, true).substr(0, 8), "x,y1,y2\n");

  // x = 1 has no y for a given x; the curve's own range leaves the rest blank.
  const ValueTable vertical = tableOf(kXIsOne, 0, 2, 1);
  EXPECT_EQ(vertical.columns, 1);
  for (const ValueRow& row : vertical.rows) EXPECT_FALSE(row.y[0]);
  const ValueTable limited = tableOf(kParabola, 0, 2, 1, {{-kUnbounded, 1}, {-3.5, kUnbounded}});
  EXPECT_EQ(limited.rows[0].y[0], -3.0);
  EXPECT_FALSE(limited.rows[1].y[0]);  // y = −4 is below its range
  EXPECT_FALSE(limited.rows[2].y[0]);  // x = 2 is beyond it
}

TEST(ValueTable, RefusesWithAReason) {
  const AnalysedCurve curve = curveOf(kParabola);
  const struct {
    double from, to, step;
    const char* reason;
  } cases[] = {
      {0, 1, 0, kMessageStepNotPositive},  {0, 1, -0.5, kMessageStepNotPositive},
      {1, 0, 0.5, kMessageEndBeforeStart}, {0, 10000, 1, kMessageTooManyRows},
      {0, 1, std::nan(""), "数据错误"},
  };
  for (const auto& c : cases) {
    std::string reason;
    EXPECT_FALSE(valueTable(curve, c.from, c.to, c.step, reason)) << c.reason;
    EXPECT_EQ(reason, c.reason);
  }
  std::string reason;
  EXPECT_EQ(valueTable(curve, 0, 9999, 1, reason)->rows.size(), 10000u);
}

TEST(Trace, FollowsThePointerOnItsCurve) {
  const PixelScale scale{50, 50};
  const struct {
    const char* what;
    CurveParams curve;
    double px, py;
    std::optional<PlanePoint> point;
    bool snapped;
  } cases[] = {
      {"under x", kParabola, 2.5, 100, PlanePoint{2.5, -1.75}, false},
      {"near the vertex it snaps", kParabola, 1.05, -3.9, PlanePoint{1, -4}, true},
      {"further off it does not", kParabola, 1.2, -3.9, PlanePoint{1.2, -3.96}, false},
      {"the circle's upper branch", kCircle, 1, 0.5, PlanePoint{1, std::sqrt(3.0)}, false},
      {"the circle's lower branch", kCircle, 1, -0.1, PlanePoint{1, -std::sqrt(3.0)}, false},
      {"beside the circle", kCircle, 2.5, 0, std::nullopt, false},
      {"x = 1 under y", kXIsOne, 5, 2, PlanePoint{1, 2}, false},
  };
  for (const auto& c : cases) {
    const AnalysedCurve curve = curveOf(c.curve);
    KeyPointQuery query;
    query.region = {{-10, 10}, {-10, 10}};
    const std::optional<TracedPoint> traced =
        tracePoint(curve, c.px, c.py, findKeyPoints(curve, query), scale);
    ASSERT_EQ(traced.has_value(), c.point.has_value()) << c.what;
    if (!traced) continue;
    EXPECT_NEAR(traced->x, c.point->x, 1e-9) << c.what;
    EXPECT_NEAR(traced->y, c.point->y, 1e-9) << c.what;
    EXPECT_EQ(traced->key.has_value(), c.snapped) << c.what;
  }
}

TEST(Trace, StaysInTheCurvesOwnRange) {
  const AnalysedCurve curve = curveOf(kParabola, {{0, 3}, {}});
  EXPECT_TRUE(tracePoint(curve, 2, 0, {}, {}));
  EXPECT_FALSE(tracePoint(curve, 3.5, 0, {}, {}));
}

}  // namespace
}  // namespace quorvel::test
