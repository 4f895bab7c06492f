// An equation in the analysis: its intersections with the axes, the trace's point on
// the drawn curve nearest the pointer, and no table of values.
#include <gtest/gtest.h>

#include <cmath>

#include "analysis/key_points.h"
#include "analysis/trace.h"
#include "analysis/value_table.h"
#include "document/read_entry.h"

namespace quorvel {
namespace {

AnalysedCurve equation(const std::string& text) {
  const EntryReading reading =
      readEntry(ListEntry{EquationCurve{text, 0}, true, "", ""}, seededRandom(1));
  EXPECT_TRUE(reading.curve) << reading.refusal.message;
  std::string reason;
  std::optional<AnalysedCurve> curve =
      reading.curve ? AnalysedCurve::fromCurve(*reading.curve, reason) : std::nullopt;
  EXPECT_TRUE(curve && curve->equation()) << reason;
  return *curve;
}

std::vector<KeyPoint> axisPoints(const AnalysedCurve& curve, Region region) {
  KeyPointQuery query;
  query.region = region;
  return findKeyPoints(curve, query);
}

TEST(EquationAnalysis, TheAxesAreMetWhereTheEquationHoldsOnThem) {
  const Region view{{-5, 5}, {-4, 4}};
  struct Case {
    const char* text;
    std::vector<KeyPoint> points;
  };
  const Case cases[] = {
      {"x^2/4+y^2=1",
       {{KeyKind::Zero, -2, 0},
        {KeyKind::YIntercept, 0, -1},
        {KeyKind::YIntercept, 0, 1},
        {KeyKind::Zero, 2, 0}}},
      {"(x-1)^2+(y+2)^2=4",
       {{KeyKind::YIntercept, 0, -2 - std::sqrt(3.0)},
        {KeyKind::YIntercept, 0, -2 + std::sqrt(3.0)},
        {KeyKind::Zero, 1, 0}}},
      // The poles on the axes are no intersections.
      {"x*y=1", {}},
      {"1/x=y", {}},
  };
  for (const Case& c : cases) {
    const std::vector<KeyPoint> got = axisPoints(equation(c.text), view);
    ASSERT_EQ(got.size(), c.points.size()) << c.text;
    for (std::size_t i = 0; i < got.size(); ++i) {
      EXPECT_EQ(got[i].kind, c.points[i].kind) << c.text << " " << i;
      EXPECT_NEAR(got[i].x, c.points[i].x, 1e-6) << c.text << " " << i;
      EXPECT_NEAR(got[i].y, c.points[i].y, 1e-6) << c.text << " " << i;
    }
  }
  // Without a bounded y range, as from the command line, y runs over the x range.
  const std::vector<KeyPoint> line = axisPoints(equation("x^2/4+y^2=1"), {{-5, 5}, {}});
  EXPECT_EQ(line.size(), 4u);
}

TEST(EquationAnalysis, TheTraceTakesTheNearestPointOfTheCurve) {
  const AnalysedCurve ellipse = equation("x^2/4+y^2=1");
  const PixelScale scale{100, 100};
  struct Case {
    double px, py;
    double x, y;  // the nearest point of the ellipse
  };
  // Pointers beside the ends of the axes, within the trace's window.
  const Case cases[] = {{2.3, 0, 2, 0}, {0, 0.8, 0, 1}, {-1.9, 0, -2, 0}, {0, -1.2, 0, -1}};
  for (const Case& c : cases) {
    const std::optional<TracedPoint> p = tracePoint(ellipse, c.px, c.py, {}, scale);
    ASSERT_TRUE(p) << c.px << "," << c.py;
    EXPECT_NEAR(p->x, c.x, 0.01) << c.px << "," << c.py;
    EXPECT_NEAR(p->y, c.y, 0.01) << c.px << "," << c.py;
    EXPECT_NEAR(p->x * p->x / 4 + p->y * p->y, 1.0, 1e-9);
    EXPECT_FALSE(p->parameter.has_value());
  }
  // Far from the curve (beyond a hundred pixels) there is none to take.
  EXPECT_FALSE(tracePoint(ellipse, 4, 3, {}, scale).has_value());
}

TEST(EquationAnalysis, AnEquationHasNoTableOfValues) {
  std::string reason;
  EXPECT_FALSE(valueTable(equation("x*y=1"), 0, 1, 0.1, reason).has_value());
  EXPECT_EQ(reason, kMessageEquationNoTable);
}

}  // namespace
}  // namespace quorvel
