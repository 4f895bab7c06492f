// Derived entries: made from a y = f(x) entry with its list text, kept through the
// document of named fields, independent of their source once made, and refused with
// the reason when they cannot be made or read.
#include "analysis/derived_calculus.h"
#include "analysis_test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/curve_calculus.h"
#include "analysis/tangent_line.h"
#include "catalogue/families.h"
#include "document/derived_entry.h"
#include "document/document_format.h"
#include "document/piecewise_entry.h"

namespace quorvel {
namespace {

using test::customEntry;

ListEntry made(const ListEntry& source, const DerivedRequest& request) {
  const DerivedMaking making = makeDerivedEntry(source, request, seededRandom(1));
  EXPECT_TRUE(making.entry) << making.reason;
  return making.entry.value_or(customEntry("0"));
}

struct TextCase {
  const char* name;
  const char* expression;
  DerivedRequest request;
  const char* line;
};

TEST(DerivedEntry, ItsListTextNamesWhatItIs) {
  const std::vector<TextCase> cases = {
      {"Tangent", "x^2", {DerivedKind::kTangent, "1", "", "", {}, {}}, "切线 x₀ = 1: y = 2x − 1"},
      {"Normal",
       "x^2",
       {DerivedKind::kNormal, "1", "", "", {}, {}},
       "法线 x₀ = 1: y = −0.5x + 1.5"},
      {"TangentAtPi",
       "sin(x)",
       {DerivedKind::kTangent, "π", "", "", {}, {}},
       "切线 x₀ = π: y = −x + 3.14159"},
      {"Derivative",
       "x^3-3*x",
       {DerivedKind::kDerivative, "", "", "", {}, {}},
       "y = f′(x), f(x) = x³−3x"},
      {"Second",
       "x^3-3*x",
       {DerivedKind::kSecondDerivative, "", "", "", {}, {}},
       "y = f″(x), f(x) = x³−3x"},
      {"Area", "sin(x)", {DerivedKind::kArea, "", "0", "π", {}, {}}, "面积 [0, π] = 2"},
      {"AreaBelowTheAxis",
       "x^2-1",
       {DerivedKind::kArea, "", "-1", "1", {}, {}},
       "面积 [−1, 1] = 1.33333"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ListEntry entry = made(customEntry(c.expression), c.request);
    EXPECT_EQ(entry.line, c.line);
    EXPECT_EQ(entry.printed, c.line);
    EXPECT_TRUE(entry.ticked);
  }
}

TEST(DerivedEntry, AnAreaKeepsItsSignedIntegralAndArea) {
  const DerivedMaking making = makeDerivedEntry(
      customEntry("x^2-1"), {DerivedKind::kArea, "", "-1", "2", {}, {}}, seededRandom(1));
  ASSERT_TRUE(making.integral) << making.reason;
  // ∫ from −1 to 2 of x² − 1 is 0; the area is 4/3 below the axis and 4/3 above.
  EXPECT_NEAR(making.integral->integral, 0, 1e-9);
  EXPECT_NEAR(making.integral->area, 8.0 / 3, 1e-9);
  const auto& curve = std::get<DerivedCurve>(making.entry->content);
  EXPECT_EQ(curve.area, making.integral->area);
  EXPECT_EQ(curve.integral, making.integral->integral);
}

struct RefusalCase {
  const char* name;
  ListEntry source;
  DerivedRequest request;
  std::string reason;
};

TEST(DerivedEntry, IsRefusedWithTheReason) {
  FuncRecord circle;
  circle.family = 8;  // 圆 x² + y² = 4
  circle.para1 = "0";
  circle.para2 = "0";
  circle.para3 = "2";
  circle.rangeX1 = kOpenLow;
  circle.rangeX2 = kOpenHigh;
  circle.rangeY1 = kOpenLow;
  circle.rangeY2 = kOpenHigh;
  const std::vector<RefusalCase> cases = {
      {"Parametric",
       ListEntry{ParametricCurve{"cos(t)", "sin(t)"}, true, {}},
       {DerivedKind::kDerivative, "", "", "", {}, {}},
       kMessageDerivedSource},
      {"Points",
       ListEntry{PointList{"(1,2)"}, true, {}},
       {DerivedKind::kDerivative, "", "", "", {}, {}},
       kMessageDerivedSource},
      {"Corner",
       customEntry("abs(x)"),
       {DerivedKind::kTangent, "0", "", "", {}, {}},
       kMessageTangentCorner},
      {"NoNumber",
       customEntry("x^2"),
       {DerivedKind::kTangent, "abc", "", "", {}, {}},
       kMessageDerivedNumber},
      {"Pole", customEntry("1/x"), {DerivedKind::kArea, "", "-1", "1", {}, {}}, ""},
      {"PoleOfTheSecondCurve",
       customEntry("x"),
       {DerivedKind::kArea, "", "-1", "1", {}, customEntry("1/x")},
       ""},
      {"SecondCurveOfAnotherKind",
       customEntry("x"),
       {DerivedKind::kArea, "", "0", "1", {}, ListEntry{PointList{"(1,2)"}, true, {}}},
       kMessageDerivedSource},
  };
  for (const RefusalCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DerivedMaking making = makeDerivedEntry(c.source, c.request, seededRandom(1));
    EXPECT_FALSE(making.entry);
    EXPECT_FALSE(making.reason.empty());
    if (!c.reason.empty()) {
      EXPECT_EQ(making.reason, c.reason);
    }
  }
}

// Every kind, with a piecewise source too (the deepest the document nests).
FunctionList everyDerivedKind() {
  const ListEntry square = customEntry("x^2", 0xFF0000);
  PiecewiseCurve pieces;
  pieces.pieces = {Piece{"x+1", "-inf", "0", false, false}, Piece{"x^2", "0", "inf", true, false}};
  const ListEntry piecewise{pieces, true, {}};
  FunctionList list;
  list.add(made(square, {DerivedKind::kTangent, "1", "", "", {}, {}}));
  list.add(made(square, {DerivedKind::kNormal, "π/4", "", "", 0x123456, {}}));
  list.add(made(square, {DerivedKind::kDerivative, "", "", "", {}, {}}));
  list.add(made(customEntry("x^3-3*x"), {DerivedKind::kSecondDerivative, "", "", "", {}, {}}));
  list.add(made(customEntry("sin(x)"), {DerivedKind::kArea, "", "0", "π", {}, {}}));
  list.add(made(piecewise, {DerivedKind::kTangent, "2", "", "", {}, {}}));
  list.add(made(customEntry("x"), {DerivedKind::kArea, "", "0", "1", {}, piecewise}));
  return list;
}

TEST(DerivedEntry, EveryKindComesBackThroughTheDocument) {
  FunctionList list = everyDerivedKind();
  const std::string text = documentBytes(list);
  const DocumentReading back = readDocument(text);
  ASSERT_TRUE(back.list) << back.fault;
  ASSERT_EQ(back.list->size(), list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(back.list->at(i).content, list.at(i).content);
  }
  EXPECT_EQ(documentBytes(*back.list), text);
  // Read again, each has the line it was made with.
  FunctionList reread = *back.list;
  EXPECT_TRUE(readLines(reread, seededRandom(1)).empty());
  for (std::size_t i = 0; i < list.size(); ++i) EXPECT_EQ(reread.at(i).line, list.at(i).line);
  // A list file has no room for them.
  EXPECT_FALSE(list.bytes());
}

struct DamagedCase {
  const char* name;
  std::string entry;
  const char* fault;
};

TEST(DerivedEntry, ADamagedDerivedEntryRefusesTheDocument) {
  const std::string source =
      R"("source": {"kind": "classic", "family": 17, "form": 0, "para1": "x"})";
  const std::vector<DamagedCase> cases = {
      {"UnknownKind", R"({"kind": "derived", "derived": "volume", )" + source + "}", "volume"},
      {"NoSource", R"({"kind": "derived", "derived": "derivative"})", "source"},
      {"SourceOfAnotherKind",
       R"({"kind": "derived", "derived": "derivative", "source": {"kind": "polar", "rho": "1"}})",
       "polar"},
      {"DerivedSource",
       R"({"kind": "derived", "derived": "derivative", "source": {"kind": "derived"}})", "derived"},
      {"TangentWithoutItsLine",
       R"({"kind": "derived", "derived": "tangent", "at": "1", )" + source + "}", "slope"},
  };
  for (const DamagedCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DocumentReading read =
        readDocument(R"({"format": "quorvel-list", "version": 1, "entries": [)" + c.entry + "]}");
    EXPECT_FALSE(read.list);
    EXPECT_NE(read.fault.find(c.fault), std::string::npos) << read.fault;
  }
}

TEST(DerivedEntry, KeepsItsSourceWhenTheSourceIsEditedOrDeleted) {
  FunctionList list;
  list.add(customEntry("x^2"));
  list.add(made(list.at(0), {DerivedKind::kTangent, "1", "", "", {}, {}}));
  list.add(made(list.at(0), {DerivedKind::kDerivative, "", "", "", {}, {}}));
  const ListEntry tangent = list.at(1), derivative = list.at(2);
  const std::vector<std::function<void(FunctionList&)>> steps = {
      [](FunctionList& l) { l.replace(0, customEntry("x^3")); },
      [](FunctionList& l) { l.remove(0); },
  };
  for (const auto& step : steps) {
    step(list);
    FunctionList reread = list;
    readLines(reread, seededRandom(1));
    const std::size_t first = reread.size() - 2;
    EXPECT_EQ(reread.at(first).line, "切线 x₀ = 1: y = 2x − 1");
    EXPECT_EQ(reread.at(first + 1).line, "y = f′(x), f(x) = x²");
    EXPECT_EQ(reread.at(first).content, tangent.content);
    EXPECT_EQ(reread.at(first + 1).content, derivative.content);
  }
}

struct BetweenCase {
  const char* name;
  const char* first;
  const char* second;
  const char* from;
  const char* to;
  double integral;  // of first − second
  double area;
};

TEST(DerivedEntry, TheAreaBetweenTwoCurves) {
  const std::vector<BetweenCase> cases = {
      {"LineOverParabola", "x", "x^2", "0", "1", 1.0 / 6, 1.0 / 6},
      {"TheyCross", "x", "x^2", "0", "2", -2.0 / 3, 1},
      // They cross at π/4.
      {"SineAndCosine", "sin(x)", "cos(x)", "0", "3", 1 - std::cos(3.0) - std::sin(3.0),
       2 * std::sqrt(2.0) - 1 - std::cos(3.0) - std::sin(3.0)},
  };
  for (const BetweenCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DerivedMaking making = makeDerivedEntry(
        customEntry(c.first), {DerivedKind::kArea, "", c.from, c.to, {}, customEntry(c.second)},
        seededRandom(1));
    ASSERT_TRUE(making.integral) << making.reason;
    EXPECT_NEAR(making.integral->integral, c.integral, 1e-9);
    EXPECT_NEAR(making.integral->area, c.area, 1e-9);
    const auto& curve = std::get<DerivedCurve>(making.entry->content);
    EXPECT_EQ(curve.area, making.integral->area);
  }
  const ListEntry between =
      made(customEntry("x"), {DerivedKind::kArea, "", "0", "1", {}, customEntry("x^2")});
  EXPECT_EQ(between.line, "面积 [0, 1]: y = x 与 y = x² 之间 = 0.166667");
}

TEST(DerivedEntry, AnAreaBetweenKeepsBothCurvesWhenEitherIsEditedOrDeleted) {
  const std::vector<std::function<void(FunctionList&)>> steps = {
      [](FunctionList& l) { l.replace(0, customEntry("x^3")); },
      [](FunctionList& l) { l.replace(1, customEntry("2*x")); },
      [](FunctionList& l) { l.remove(1); },
      [](FunctionList& l) { l.remove(0); },
  };
  for (std::size_t i = 0; i < steps.size(); ++i) {
    SCOPED_TRACE(i);
    FunctionList list;
    list.add(customEntry("x"));
    list.add(customEntry("x^2"));
    list.add(made(list.at(0), {DerivedKind::kArea, "", "0", "1", {}, list.at(1)}));
    const ListEntry area = list.at(2);
    steps[i](list);
    readLines(list, seededRandom(1));
    EXPECT_EQ(list.at(list.size() - 1).line, "面积 [0, 1]: y = x 与 y = x² 之间 = 0.166667");
    EXPECT_EQ(list.at(list.size() - 1).content, area.content);
  }
}

}  // namespace
}  // namespace quorvel
