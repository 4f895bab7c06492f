// Parametric and polar entries read as typed: the textbook notation rewritten, the
// refusals with the box and place they name, whole-name variables, and the texts the
// list, the legend and the labels show.
#include "document/parametric_entry.h"
#include "support/plane_curve_entries.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <string>

namespace quorvel {
namespace {

using test::parametric;
using test::polarCurve;

constexpr double kPi = std::numbers::pi;

TEST(ParametricEntry, TextbookTextsAreRewrittenAndRead) {
  const TypedCurveReading circle = readTypedParametric(parametric("3cos t", "3sin t"));
  ASSERT_TRUE(circle.reading.curve) << circle.reading.refusal.message;
  const PlaneCurveShape& shape = *circle.reading.curve->plane;
  EXPECT_EQ(shape.kind, PlaneKind::kParametric);
  EXPECT_EQ(shape.range.from, 0);
  EXPECT_NEAR(shape.range.to, 2 * kPi, 1e-5);  // the evaluator's π
  EXPECT_EQ(circle.reading.curve->printed, "x = 3cos t, y = 3sin t (0 ≤ t ≤ 2π)");
  ASSERT_TRUE(circle.entry);
  EXPECT_EQ(circle.entry->printed, circle.reading.curve->printed);
  EXPECT_EQ(circle.reading.curve->params.funcFamily, kParametricFamily);

  const TypedCurveReading rose = readTypedPolar(polarCurve("2sin 3θ"));
  ASSERT_TRUE(rose.reading.curve) << rose.reading.refusal.message;
  EXPECT_EQ(rose.reading.curve->printed, "ρ = 2sin 3θ");
  EXPECT_EQ(rose.reading.curve->params.funcFamily, kPolarFamily);

  const TypedCurveReading arc = readTypedPolar(polarCurve("1+cos theta", "0", "π/3"));
  ASSERT_TRUE(arc.reading.curve) << arc.reading.refusal.message;
  EXPECT_NEAR(arc.reading.curve->plane->range.to, kPi / 3, 1e-6);
  EXPECT_EQ(arc.reading.curve->printed, "ρ = 1+cos θ (0 ≤ θ ≤ π/3)");
}

TEST(ParametricEntry, PointsFollowTheCurvesInBothPrecisions) {
  const PlaneCurveShape circle =
      *readTypedParametric(parametric("3cos t", "3sin t")).reading.curve->plane;
  const PlaneCurveShape rose = *readTypedPolar(polarCurve("2sin 3θ")).reading.curve->plane;
  for (const PlanePrecision precision : {PlanePrecision::kSingle, PlanePrecision::kDouble}) {
    const double tolerance = precision == PlanePrecision::kSingle ? 1e-5 : 1e-12;
    const PlaneFunctions c = planeFunctions(circle, precision);
    const PlaneFunctions r = planeFunctions(rose, precision);
    for (const double t : {0.0, 0.5, 1.0, 2.5, 4.0}) {
      const std::optional<PlanePoint> p = planePointAt(c, PlaneKind::kParametric, t);
      ASSERT_TRUE(p);
      EXPECT_NEAR(p->x, 3 * std::cos(t), tolerance * 3);
      EXPECT_NEAR(p->y, 3 * std::sin(t), tolerance * 3);
      // A negative ρ goes through the pole: the point is (ρ cos θ, ρ sin θ) as it is.
      const std::optional<PlanePoint> q = planePointAt(r, PlaneKind::kPolar, t);
      ASSERT_TRUE(q);
      EXPECT_NEAR(q->x, 2 * std::sin(3 * t) * std::cos(t), tolerance * 3);
      EXPECT_NEAR(q->y, 2 * std::sin(3 * t) * std::sin(t), tolerance * 3);
    }
  }
  // Where the text fails there is no point.
  const PlaneCurveShape root =
      *readTypedParametric(parametric("sqr(t)", "t", "-1", "1")).reading.curve->plane;
  EXPECT_FALSE(
      planePointAt(planeFunctions(root, PlanePrecision::kDouble), PlaneKind::kParametric, -0.5));
}

struct RefusalCase {
  const char* name;
  bool polar;
  std::array<const char*, 4> typed;  // x, y, from, to; for a polar curve ρ, unused, from, to
  const char* message;
  const char* detail;
};

TEST(ParametricEntry, RefusalsNameTheBoxAndThePlace) {
  const RefusalCase table[] = {
      {"empty x", false, {"", "3sin t", "0", "2pi"}, "x(t) 不能为空", "x(t)"},
      {"empty ρ", true, {"  ", "", "0", "2pi"}, "ρ(θ) 不能为空", "ρ(θ)"},
      {"x in a parametric",
       false,
       {"3cos t", "x+1", "0", "2pi"},
       "参数方程只能用变量 t",
       "y(t)第 1 个字符：“x”"},
      {"θ in a parametric",
       false,
       {"cos θ", "t", "0", "2pi"},
       "参数方程只能用变量 t",
       "x(t)第 5 个字符：“θ”"},
      {"t in a polar",
       true,
       {"2t", "", "0", "2pi"},
       "极坐标方程只能用变量 θ",
       "ρ(θ)第 2 个字符：“t”"},
      {"unknown name", false, {"3cos t", "2q", "0", "2pi"}, "字符未定义", "y(t)第 2 个字符：“q”"},
      {"sint is no sine",
       false,
       {"sint", "t", "0", "2pi"},
       "字符未定义",
       "x(t)第 1 个字符：“sint”"},
      {"brackets", true, {"(1+cos θ", "", "0", "2pi"}, "括号错误", "ρ(θ)"},
      {"malformed", false, {"t+*", "t", "0", "2pi"}, "表达式错误，请检查", "x(t)末尾"},
      {"end with a letter", false, {"t", "t", "0", "2q"}, "数据错误", "t 的终点第 2 个字符：“q”"},
      {"empty end", true, {"θ", "", "", "1"}, "θ 的起点 不能为空", "θ 的起点"},
      {"ends equal", false, {"t", "t", "1", "1"}, "起点必须小于终点", "t 的起点"},
      {"ends reversed", true, {"θ", "", "2π", "0"}, "起点必须小于终点", "θ 的起点"},
      {"too long",
       false,
       {"t", "t", "0", "2000"},
       "参数范围太长：终点与起点之差不能超过 1000",
       "t 的终点"},
  };
  for (const RefusalCase& c : table) {
    const TypedCurveReading r =
        c.polar ? readTypedPolar(polarCurve(c.typed[0], c.typed[2], c.typed[3]))
                : readTypedParametric(parametric(c.typed[0], c.typed[1], c.typed[2], c.typed[3]));
    EXPECT_FALSE(r.reading.curve) << c.name;
    EXPECT_FALSE(r.entry) << c.name;
    EXPECT_EQ(r.reading.refusal.message, c.message) << c.name;
    EXPECT_EQ(r.detail, c.detail) << c.name;
  }
}

TEST(ParametricEntry, VariablesAreReadAsWholeNamesOnly) {
  struct Case {
    const char* x;
    bool read;
  };
  const Case parametricCases[] = {{"sin t", true}, {"sin(t)", true}, {"tan t", true},
                                  {"tg t", true},  {"sint", false},  {"tt", false},
                                  {"2t^2", true}};
  for (const Case& c : parametricCases) {
    EXPECT_EQ(readTypedParametric(parametric(c.x, "t")).reading.curve.has_value(), c.read) << c.x;
  }
  const Case polar[] = {{"2θ", true}, {"sin 2theta", true}, {"thetat", false}, {"2tθ", false}};
  for (const Case& c : polar) {
    EXPECT_EQ(readTypedPolar(polarCurve(c.x)).reading.curve.has_value(), c.read) << c.x;
  }
}

TEST(ParametricEntry, StoredEntriesAreReadByTheListsReader) {
  FunctionList list;
  list.add(ListEntry{
      .content = parametric("t", "t^2", "-2", "2"), .ticked = false, .line = {}, .printed = {}});
  list.add(ListEntry{.content = polarCurve("q"), .ticked = true, .line = {}, .printed = {}});
  const std::vector<EntryRefusal> refused = readLines(list, seededRandom(1));
  ASSERT_EQ(refused.size(), 1u);
  EXPECT_EQ(refused[0].index, 1u);
  EXPECT_TRUE(list.at(0).ticked);
  EXPECT_EQ(list.at(0).printed, "x = t, y = t^2 (−2 ≤ t ≤ 2)");
  EXPECT_FALSE(list.at(1).ticked);
}

}  // namespace
}  // namespace quorvel
