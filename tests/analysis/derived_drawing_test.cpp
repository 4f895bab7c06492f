// Derived entries on the picture, as the recording surface sees them: a tangent from
// edge to edge of the view, f′ crossing the axis where f turns, an area under the
// curve as a translucent polygon drawn before every line.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "analysis/derived_calculus.h"
#include "analysis_test_support.h"
#include "catalogue/families.h"
#include "document/draw_list.h"
#include "plot/recording_surface.h"

namespace quorvel {
namespace {

using test::customEntry;

ListEntry made(const ListEntry& source, const DerivedRequest& request) {
  DerivedMaking making = makeDerivedEntry(source, request, seededRandom(1));
  EXPECT_TRUE(making.entry) << making.reason;
  return making.entry.value_or(source);
}

// 400 × 300 pixels and the centred view: x from −3000 to 3000 view units, y from
// −2250 to 2250, 500 units to 1.
std::vector<SurfaceCall> drawn(const FunctionList& list) {
  RecordingSurface surface(400, 300, 0);
  ListPicture picture;
  picture.settings.level = 400;
  picture.random = seededRandom(1);
  picture.derived = derivedFunctions();
  DrawState state;
  const ListDrawn out = drawList(surface, list, picture, state);
  EXPECT_TRUE(out.refused.empty());
  return surface.calls();
}

// The colour as a surface keeps it.
std::int32_t kept(std::int32_t colour) {
  RecordingSurface scratch;
  scratch.setForeColor(colour);
  return scratch.ForeColor();
}

// Where the lines drawn in `colour` cross y = 0 (not along an axis), in curve units.
std::vector<double> crossings(const std::vector<SurfaceCall>& calls, std::int32_t colour) {
  std::vector<double> out;
  bool inColour = false;
  for (const SurfaceCall& c : calls) {
    if (c.kind == SurfaceCallKind::ForeColor) inColour = c.value == kept(colour);
    if (!inColour || c.kind != SurfaceCallKind::Line) continue;
    const double x1 = c.args[0], y1 = c.args[1], x2 = c.args[2], y2 = c.args[3];
    if (x1 == x2 || (y1 < 0) == (y2 < 0) || y1 == y2) continue;
    out.push_back((x1 + (x2 - x1) * (0 - y1) / (y2 - y1)) / 500);
  }
  return out;
}

struct LineCase {
  const char* name;
  const char* expression;
  DerivedRequest request;
  std::array<float, 4> line;  // view units, cut to the view
};

TEST(DerivedDrawing, ATangentOrNormalCrossesTheWholeView) {
  const std::vector<LineCase> cases = {
      // y = 2x − 1 leaves the view through its bottom and top edges.
      {"Tangent",
       "x^2",
       {DerivedKind::kTangent, "1", "", "", 0x00AA00, {}},
       {-875, -2250, 1375, 2250}},
      // y = −0.5x + 1.5 from the top left corner to the right edge.
      {"Normal",
       "x^2",
       {DerivedKind::kNormal, "1", "", "", 0x00AA00, {}},
       {-3000, 2250, 3000, -750}},
      // y = 1, level at the top of cos x.
      {"Level",
       "cos(x)",
       {DerivedKind::kTangent, "0", "", "", 0x00AA00, {}},
       {-3000, 500, 3000, 500}},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.name);
    FunctionList list;
    list.add(made(customEntry(c.expression, 0xFF0000), c.request));
    const std::vector<SurfaceCall> calls = drawn(list);
    const auto found = std::find(calls.begin(), calls.end(),
                                 SurfaceCall::line(c.line[0], c.line[1], c.line[2], c.line[3]));
    EXPECT_NE(found, calls.end());
  }
}

TEST(DerivedDrawing, TheDerivativeCrossesTheAxisWhereTheFunctionTurns) {
  FunctionList list;
  const ListEntry cubic = customEntry("x^3-3*x", 0xFF0000);
  list.add(cubic);
  list.add(made(cubic, {DerivedKind::kDerivative, "", "", "", 0x00AA00, {}}));
  list.add(made(cubic, {DerivedKind::kSecondDerivative, "", "", "", 0x0000CC, {}}));
  const std::vector<SurfaceCall> calls = drawn(list);
  struct Zeros {
    std::int32_t colour;
    std::vector<double> expected;
  };
  for (const Zeros& z : {Zeros{0x00AA00, {-1, 1}}, Zeros{0x0000CC, {0}}}) {
    const std::vector<double> found = crossings(calls, z.colour);
    ASSERT_EQ(found.size(), z.expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) EXPECT_NEAR(found[i], z.expected[i], 0.01);
  }
}

TEST(DerivedDrawing, AnAreaIsShadedUnderTheCurves) {
  FunctionList list;
  const ListEntry sine = customEntry("sin(x)", 0xFF0000);
  list.add(sine);
  list.add(made(sine, {DerivedKind::kArea, "", "0", "π", 0x00AA00, {}}));
  const std::vector<SurfaceCall> calls = drawn(list);
  const auto fill = std::find_if(calls.begin(), calls.end(), [](const SurfaceCall& c) {
    return c.kind == SurfaceCallKind::FillPolygon;
  });
  ASSERT_NE(fill, calls.end());
  // Before the sine, which comes first in the list, is drawn.
  const auto sineColour =
      std::find(calls.begin(), calls.end(), SurfaceCall::foreColor(kept(0xFF0000)));
  EXPECT_LT(fill, sineColour);
  EXPECT_FLOAT_EQ(fill->args[0], 0.3f);
  const std::vector<float>& p = fill->points;
  ASSERT_GE(p.size(), 8u);
  // From (0, 0) along the curve to (π, 0), in view units; never below the axis and as
  // high as sin's top.
  EXPECT_EQ(p[0], 0);
  EXPECT_EQ(p[1], 0);
  EXPECT_NEAR(p[p.size() - 2], 3.14159265 * 500, 0.01);
  EXPECT_EQ(p.back(), 0);
  float top = 0;
  for (std::size_t i = 1; i < p.size(); i += 2) {
    EXPECT_GE(p[i], -0.001f);
    top = std::max(top, p[i]);
  }
  EXPECT_NEAR(top, 500, 0.5);
  // Each corner on the curve: y = 500·sin(x / 500).
  for (std::size_t i = 2; i + 2 < p.size(); i += 2) {
    EXPECT_NEAR(p[i + 1], 500 * std::sin(p[i] / 500.0), 0.01);
  }
}

TEST(DerivedDrawing, AnAreaBeyondTheViewIsCutToIt) {
  FunctionList list;
  list.add(made(customEntry("x^2", 0xFF0000), {DerivedKind::kArea, "", "-10", "10", 0x00AA00, {}}));
  const std::vector<SurfaceCall> calls = drawn(list);
  ASSERT_EQ(
      std::count_if(calls.begin(), calls.end(),
                    [](const SurfaceCall& c) { return c.kind == SurfaceCallKind::FillPolygon; }),
      1);
  for (const SurfaceCall& c : calls) {
    if (c.kind != SurfaceCallKind::FillPolygon) continue;
    for (std::size_t i = 0; i < c.points.size(); i += 2) {
      EXPECT_GE(c.points[i], -3000);
      EXPECT_LE(c.points[i], 3000);
      EXPECT_LE(c.points[i + 1], 2250 + 2 * 15);  // two pixels (15 units each) beyond the top
    }
  }
}

TEST(DerivedDrawing, AnAreaBetweenTwoCurvesIsShadedBetweenThem) {
  struct Case {
    const char* name;
    const char* first;
    const char* second;
    double (*f)(double);
    double (*g)(double);
    const char* from;
    const char* to;
  };
  const std::vector<Case> cases = {
      {"LineOverParabola", "x", "x^2", [](double x) { return x; }, [](double x) { return x * x; },
       "0", "1"},
      {"TheyCross", "x", "x^2", [](double x) { return x; }, [](double x) { return x * x; }, "-1",
       "2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FunctionList list;
    list.add(customEntry(c.first, 0xFF0000));
    list.add(customEntry(c.second, 0x0000FF));
    list.add(made(list.at(0), {DerivedKind::kArea, "", c.from, c.to, {}, list.at(1)}));
    const std::vector<SurfaceCall> calls = drawn(list);
    const auto fill = std::find_if(calls.begin(), calls.end(), [](const SurfaceCall& call) {
      return call.kind == SurfaceCallKind::FillPolygon;
    });
    ASSERT_NE(fill, calls.end());
    // In the first curve's colour, before either curve is drawn.
    const auto pen = std::find_if(
        std::make_reverse_iterator(fill), calls.rend(),
        [](const SurfaceCall& call) { return call.kind == SurfaceCallKind::ForeColor; });
    ASSERT_NE(pen, calls.rend());
    EXPECT_EQ(pen->value, kept(0xFF0000));
    EXPECT_NE(std::find(fill + 1, calls.end(), SurfaceCall::foreColor(kept(0xFF0000))),
              calls.end());
    const std::vector<float>& p = fill->points;
    ASSERT_GE(p.size(), 8u);
    // Every corner lies on one of the two curves, between them; some on each.
    int onFirst = 0, onSecond = 0;
    for (std::size_t i = 0; i + 1 < p.size(); i += 2) {
      const double x = p[i] / 500.0, y = p[i + 1] / 500.0;
      const double f = c.f(x), g = c.g(x);
      EXPECT_GE(y, std::min(f, g) - 1e-4) << x;
      EXPECT_LE(y, std::max(f, g) + 1e-4) << x;
      const bool first = std::fabs(y - f) < 1e-4, second = std::fabs(y - g) < 1e-4;
      EXPECT_TRUE(first || second) << x << ", " << y;
      onFirst += first;
      onSecond += second;
    }
    EXPECT_GT(onFirst, 10);
    EXPECT_GT(onSecond, 10);
  }
}

}  // namespace
}  // namespace quorvel
