// A parametric or polar curve in the analysis: its table of values against its own
// functions, the trace's nearest point, and no key points.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analysis/key_points.h"
#include "analysis/trace.h"
#include "analysis/value_table.h"
#include "analysis_test_support.h"
#include "document/read_entry.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel::test {
namespace {

constexpr double kPi = std::numbers::pi;

AnalysedCurve planeCurve(const EntryContent& content) {
  const EntryReading reading = readEntry(ListEntry{content, true, "", ""}, seededRandom(1));
  EXPECT_TRUE(reading.curve) << reading.refusal.message;
  std::string reason;
  std::optional<AnalysedCurve> curve =
      reading.curve ? AnalysedCurve::fromCurve(*reading.curve, reason) : std::nullopt;
  EXPECT_TRUE(curve && curve->plane() != nullptr) << reason;
  return *curve;
}

const ParametricCurve kCircle{"3cos t", "3sin t", "0", "2pi", 0};
const PolarCurve kRose{"2sin 3θ", "0", "pi", 0};

TEST(PlaneAnalysis, TableRowsAreTheFunctionsAtEachParameter) {
  std::string reason;
  const std::optional<ValueTable> circle =
      valueTable(planeCurve(kCircle), 0, 2 * kPi, kPi / 2, reason);
  ASSERT_TRUE(circle) << reason;
  EXPECT_EQ(circle->captions, (std::vector<std::string>{"t", "x", "y"}));
  ASSERT_EQ(circle->rows.size(), 5u);
  for (std::size_t i = 0; i < 5; ++i) {
    const ValueRow& row = circle->rows[i];
    EXPECT_NEAR(row.x, i * kPi / 2, 1e-12);
    ASSERT_TRUE(row.y[0] && row.y[1]) << i;
    // The range ends at the program's 2π, 6.28318: the last row is taken there.
    EXPECT_NEAR(*row.y[0], 3 * std::cos(row.x), 1e-4) << i;
    EXPECT_NEAR(*row.y[1], 3 * std::sin(row.x), 1e-4) << i;
  }
  // θ = π/2 gives ρ = 2 sin(3π/2) = −2: the point lies through the pole, at (0, −2).
  const std::optional<ValueTable> rose = valueTable(planeCurve(kRose), 0, 4, kPi / 2, reason);
  ASSERT_TRUE(rose) << reason;
  EXPECT_EQ(rose->captions, (std::vector<std::string>{"θ", "ρ", "x", "y"}));
  ASSERT_EQ(rose->rows.size(), 3u);
  const ValueRow& through = rose->rows[1];
  ASSERT_TRUE(through.y[0] && through.y[1] && through.y[2]);
  EXPECT_NEAR(*through.y[0], -2, 1e-5);
  EXPECT_NEAR(*through.y[1], 0, 1e-5);
  EXPECT_NEAR(*through.y[2], -2, 1e-5);
  // θ = π is the range's end, θ = 2π beyond it: no point.
  EXPECT_TRUE(rose->rows[2].y[0].has_value());
  const std::optional<ValueTable> beyond = valueTable(planeCurve(kRose), 2 * kPi, 7, 1, reason);
  ASSERT_TRUE(beyond);
  EXPECT_FALSE(beyond->rows[0].y[0] || beyond->rows[0].y[1] || beyond->rows[0].y[2]);
  EXPECT_EQ(valueTableText(*beyond, true), "θ,ρ,x,y\n6.283185,,,\n");
}

TEST(PlaneAnalysis, TraceTakesTheNearestPointAndItsParameter) {
  const AnalysedCurve circle = planeCurve(kCircle);
  const PixelScale scale{50, 50};
  // The nearest point of a circle about the origin lies on the ray to the pointer.
  const struct { double x, y; } pointers[] = {{4, 4}, {-1, 0.2}, {0.5, -5}, {3, 0}, {-2.9, -0.01}};
  for (const auto& p : pointers) {
    const std::optional<TracedPoint> traced = tracePoint(circle, p.x, p.y, {}, scale);
    ASSERT_TRUE(traced && traced->parameter) << p.x << "," << p.y;
    const double angle = std::atan2(p.y, p.x);
    EXPECT_NEAR(traced->x, 3 * std::cos(angle), 1e-5) << p.x << "," << p.y;
    EXPECT_NEAR(traced->y, 3 * std::sin(angle), 1e-5) << p.x << "," << p.y;
    EXPECT_NEAR(traced->x, 3 * std::cos(*traced->parameter), 1e-5);
    EXPECT_NEAR(traced->y, 3 * std::sin(*traced->parameter), 1e-5);
  }
  // A point of the cardioid through the trace is a point of the cardioid.
  const AnalysedCurve cardioid = planeCurve(PolarCurve{"1+cos θ", "0", "2pi", 0});
  const std::optional<TracedPoint> traced = tracePoint(cardioid, 1, 1.5, {}, scale);
  ASSERT_TRUE(traced && traced->parameter);
  const double rho = 1 + std::cos(*traced->parameter);
  EXPECT_NEAR(traced->x, rho * std::cos(*traced->parameter), 1e-5);
  EXPECT_NEAR(traced->y, rho * std::sin(*traced->parameter), 1e-5);
}

TEST(PlaneAnalysis, NoKeyPointsAndNoIntersections) {
  const AnalysedCurve circle = planeCurve(kCircle);
  KeyPointQuery query;
  query.region = {{-10, 10}, {-10, 10}};
  query.value = 0;
  EXPECT_TRUE(findKeyPoints(circle, query).empty());
  // y = x² − 4 meets the circle, but a parametric curve is not searched for
  // intersections.
  const AnalysedCurve parabola =
      curveOf(CurveParams{.funcFamily = 1, .paramA = 1, .paramB = 0, .paramC = -4});
  EXPECT_FALSE(findKeyPoints(parabola, query).empty());
  query.other = &circle;
  query.value.reset();
  query.basic = false;
  EXPECT_TRUE(findKeyPoints(parabola, query).empty());
}

}  // namespace
}  // namespace quorvel::test
