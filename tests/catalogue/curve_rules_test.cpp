// List texts, validity rules and the bracket check.
#include "catalogue/curve_rules.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace quorvel {
namespace {

CurveParams curve(int family, int form) {
  CurveParams c;
  c.funcFamily = static_cast<std::int16_t>(family);
  c.funcForm = static_cast<std::int16_t>(form);
  return c;
}

struct TextCase {
  const char* name;
  CurveParams params;
  const char* text;
};

class ListTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(ListTextTest, BuildsTheEquation) {
  const TextCase& tc = GetParam();
  const auto text = listText(tc.params);
  ASSERT_TRUE(text.has_value());
  EXPECT_EQ(*text, tc.text);
}

// Builders that set only what a case needs, so the table stays readable.
CurveParams line(float k, float b) {
  auto c = curve(0, 0);
  c.paramK = k;
  c.paramB = b;
  return c;
}
CurveParams pointSlope(float x1, float y1, float k) {
  auto c = curve(0, 1);
  c.paramX1 = x1;
  c.paramY1 = y1;
  c.paramK = k;
  return c;
}
CurveParams general(float a, float b, float cc) {
  auto c = curve(0, 2);
  c.paramA = a;
  c.paramB = b;
  c.paramC = cc;
  return c;
}
CurveParams quadratic(float a, float b, float cc) {
  auto c = curve(1, 0);
  c.paramA = a;
  c.paramB = b;
  c.paramC = cc;
  return c;
}
CurveParams roots(float x1, float x2, float a) {
  auto c = curve(1, 1);
  c.paramX1 = x1;
  c.paramX2 = x2;
  c.paramA = a;
  return c;
}
CurveParams vertex(std::int32_t h, float k, float a) {
  auto c = curve(1, 2);
  c.paramH = h;
  c.paramK = k;
  c.paramA = a;
  return c;
}
CurveParams withK(int family, float k) {
  auto c = curve(family, 0);
  c.paramK = k;
  return c;
}
CurveParams withA(int family, float a) {
  auto c = curve(family, 0);
  c.paramA = a;
  return c;
}
CurveParams wave(int family, float a, float omega, float phi) {
  auto c = curve(family, 0);
  c.paramA = a;
  c.paramOmega = omega;
  c.paramPhi = phi;
  return c;
}
CurveParams circle(float a, float b, float r) {
  auto c = curve(8, 0);
  c.paramA = a;
  c.paramB = b;
  c.paramR = r;
  return c;
}
CurveParams twoAxes(int family, float a, float b) {
  auto c = curve(family, 0);
  c.paramA = a;
  c.paramB = b;
  return c;
}
CurveParams parabola(int form, float p) {
  auto c = curve(11, form);
  c.paramP = p;
  return c;
}
CurveParams custom(int form, const char* e) {
  auto c = curve(13, form);
  c.expression = e;
  return c;
}

INSTANTIATE_TEST_SUITE_P(
    EveryForm, ListTextTest,
    ::testing::Values(TextCase{"Line", line(2, -3), "y=2x+-3"},
                      TextCase{"LineAllBlank", line(0, 0), "y=0x+0"},
                      TextCase{"LineFractions", line(0.5f, -0.25f), "y=.5x+-.25"},
                      TextCase{"PointSlope", pointSlope(1, 2, 3), "y-2=3(x-1)"},
                      TextCase{"PointSlopeNegative", pointSlope(-1, -2, 3), "y--2=3(x--1)"},
                      TextCase{"General", general(2, 3, -4), "2x+3y+-4=0"},
                      TextCase{"Quadratic", quadratic(1, -2, 1), "y=1x^2+-2x+1"},
                      TextCase{"Roots", roots(1, 3, 2), "y=2(x-1)(x-3)"},
                      TextCase{"Vertex", vertex(2, 0.5f, 1), "y=1(x-2)^2+.5"},
                      TextCase{"VertexNegativeH", vertex(-2, -1, 3), "y=3(x--2)^2+-1"},
                      TextCase{"InverseProportion", withK(2, 6), "y=6/x"},
                      TextCase{"InverseLarge", withK(2, 1.5e8f), "y=1.5E+08/x"},
                      TextCase{"Exponential", withA(3, 2), "y=2^x"},
                      TextCase{"Logarithm", withA(4, 2), "y=log2 x"},
                      TextCase{"LogarithmFraction", withA(4, 0.5f), "y=log.5 x"},
                      TextCase{"Sine", wave(5, 2, 3, 1), "y=2sin(3x+1)"},
                      TextCase{"Cosine", wave(6, 1, 1, 0), "y=1cos(1x+0)"},
                      TextCase{"Tangent", wave(7, 1, 2, 0), "y=1tan(2x+0)"},
                      TextCase{"Circle", circle(1, 2, 3), "(x-1)^2+(y-2)^2=3^2"},
                      TextCase{"CircleNegativeCentre", circle(-1, 2, 3), "(x--1)^2+(y-2)^2=3^2"},
                      TextCase{"Ellipse", twoAxes(9, 2, 1.5f), "x^2/4+y^2/2.25=1"},
                      TextCase{"EllipseSmallA", twoAxes(9, 0.5f, 1.5f), "x^2/.25+y^2/2.25=1"},
                      TextCase{"EllipseSmallB", twoAxes(9, 1.5f, 0.5f), "x^2/2.25+y^2/0.25=1"},
                      TextCase{"Hyperbola", twoAxes(10, 0.5f, 3), "x^2/.25-y^2/9=1"},
                      TextCase{"ParabolaRight", parabola(0, 1.5f), "y^2=3x"},
                      TextCase{"ParabolaLeft", parabola(1, 1.5f), "y^2=-3x"},
                      TextCase{"ParabolaUp", parabola(2, 1.5f), "x^2=3y"},
                      TextCase{"ParabolaDown", parabola(3, 1.5f), "x^2=-3y"},
                      TextCase{"ParabolaLeftNegativeP", parabola(1, -1.5f), "y^2=3x"},
                      TextCase{"ParabolaZeroP", parabola(1, 0), "y^2=0x"},
                      TextCase{"Tick", twoAxes(12, 1, 4), "y=1x+4/x"},
                      TextCase{"CustomY", custom(0, "sin(x)*2"), "y=sin(x)*2"},
                      TextCase{"CustomSum", custom(1, "1/x"), "Sx=1/x"}),
    [](const ::testing::TestParamInfo<TextCase>& p) { return std::string(p.param.name); });

// The squares are rounded to hundredths from value² × 100 in single precision, halves
// to even: 4.6179 gives 2132.5 there (2132.500041 exactly), so 21.32, not 21.33;
// 4.9985 gives 2498.5, so 24.98.
TEST(ListText, SquaresRoundInSinglePrecisionHalvesToEven) {
  EXPECT_EQ(listText(twoAxes(9, 4.6179f, 4.9985f)), "x^2/21.32+y^2/24.98=1");
  EXPECT_EQ(listText(twoAxes(10, 6.2494f, 6.2494f)), "x^2/39.06-y^2/39.06=1");
  EXPECT_EQ(listText(twoAxes(9, 0.1f, 0.1f)), "x^2/.01+y^2/0.01=1");
  EXPECT_EQ(listText(twoAxes(9, 0.05f, 0.07f)), "x^2/0+y^2/0=1");
}

// a² is written through single precision (7 digits), b² with its double digits.
TEST(ListText, ASquareIsSingleBSquareIsDouble) {
  EXPECT_EQ(listText(twoAxes(9, 1111.111f, 1111.111f)), "x^2/1234568+y^2/1234567.6=1");
}

TEST(ListText, PairsOutsideTheCatalogueGiveEmptyText) {
  const CurveParams pairs[] = {curve(0, 3),  curve(1, 3),  curve(2, 1),  curve(9, 4),
                               curve(11, 4), curve(12, 1), curve(13, 2), curve(14, 1),
                               curve(15, 0), curve(-1, 0), curve(0, -1)};
  for (const CurveParams& c : pairs) {
    EXPECT_EQ(listText(c), std::string()) << c.funcFamily << "/" << c.funcForm;
  }
}

// Numbers that leave single precision on the way to the text refuse the curve.
TEST(ListText, OutOfRangeNumbersAreRefused) {
  EXPECT_FALSE(listText(twoAxes(9, 1e19f, 1)).has_value());  // a² itself overflows
  EXPECT_FALSE(listText(twoAxes(9, 1, 2e18f)).has_value());  // b² × 100 overflows
  EXPECT_FALSE(listText(twoAxes(10, 2e18f, 1)).has_value());
  EXPECT_TRUE(listText(twoAxes(10, 1.8e18f, 1.8e18f)).has_value());
  for (int form = 0; form < 4; ++form) {
    EXPECT_FALSE(listText(parabola(form, 2e38f)).has_value()) << form;
    EXPECT_FALSE(listText(parabola(form, -2e38f)).has_value()) << form;
  }
  EXPECT_EQ(listText(parabola(0, 1.5e38f)), "y^2=3E+38x");
  EXPECT_FALSE(listText(parabola(0, std::numeric_limits<float>::quiet_NaN())).has_value());
}

struct RuleCase {
  const char* name;
  CurveParams params;
  const char* message;  // nullptr: drawing is allowed
};

class ValidityTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(ValidityTest, AppliesTheFamilyRule) {
  const RuleCase& rc = GetParam();
  const auto message = validityMessage(rc.params);
  if (rc.message == nullptr) {
    EXPECT_FALSE(message.has_value()) << *message;
  } else {
    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, rc.message);
  }
}

// 1 + 1e-8 is 1 in single precision: the rule sees a = 1.
const float kOneInSingle = static_cast<float>(1.00000001);
const float kJustAboveOne = std::nextafter(1.0f, 2.0f);

INSTANTIATE_TEST_SUITE_P(
    Boundaries, ValidityTest,
    ::testing::Values(RuleCase{"LineFlatAllowed", line(0, 0), nullptr},
                      RuleCase{"PointSlopeFlatAllowed", pointSlope(0, 0, 0), nullptr},
                      RuleCase{"GeneralBothZero", general(0, 0, 1), "Ａ、Ｂ不能同时为０"},
                      RuleCase{"GeneralAZero", general(0, 1, 1), nullptr},
                      RuleCase{"GeneralBZero", general(1, 0, 1), nullptr},
                      RuleCase{"QuadraticAZero", quadratic(0, 1, 1), "ａ≠０"},
                      RuleCase{"RootsAZero", roots(1, 2, 0), "ａ≠０"},
                      RuleCase{"VertexAZero", vertex(1, 1, 0), "ａ≠０"},
                      RuleCase{"VertexANegative", vertex(1, 1, -1), nullptr},
                      RuleCase{"InverseKZero", withK(2, 0), "ｋ≠０"},
                      RuleCase{"InverseKTiny", withK(2, -1e-30f), nullptr},
                      RuleCase{"ExponentialOne", withA(3, 1), "ａ＞０，且ａ≠１"},
                      RuleCase{"ExponentialOneInSingle", withA(3, kOneInSingle), "ａ＞０，且ａ≠１"},
                      RuleCase{"ExponentialZero", withA(3, 0), "ａ＞０，且ａ≠１"},
                      RuleCase{"ExponentialNegative", withA(3, -2), "ａ＞０，且ａ≠１"},
                      RuleCase{"ExponentialJustAboveOne", withA(3, kJustAboveOne), nullptr},
                      RuleCase{"LogarithmOne", withA(4, 1), "ａ＞０，且ａ≠１"},
                      RuleCase{"LogarithmZero", withA(4, 0), "ａ＞０，且ａ≠１"},
                      RuleCase{"LogarithmHalf", withA(4, 0.5f), nullptr},
                      RuleCase{"SineAZero", wave(5, 0, 1, 0), "Ａ≠０，ω≠０"},
                      RuleCase{"CosineOmegaZero", wave(6, 1, 0, 0), "Ａ≠０，ω≠０"},
                      RuleCase{"TangentAllowed", wave(7, -1, -1, 0), nullptr},
                      RuleCase{"CircleRZero", circle(0, 0, 0), "ｒ＞０"},
                      RuleCase{"CircleRNegative", circle(0, 0, -1), "ｒ＞０"},
                      RuleCase{"CircleRTiny", circle(0, 0, 1e-30f), nullptr},
                      RuleCase{"EllipseEqualAxes", twoAxes(9, 2, 2), "ａ＞０，ｂ＞０，且ａ≠ｂ"},
                      RuleCase{"EllipseAZero", twoAxes(9, 0, 2), "ａ＞０，ｂ＞０，且ａ≠ｂ"},
                      RuleCase{"EllipseBNegative", twoAxes(9, 2, -3), "ａ＞０，ｂ＞０，且ａ≠ｂ"},
                      RuleCase{"EllipseAllowed", twoAxes(9, 2, 3), nullptr},
                      RuleCase{"HyperbolaEqualAxes", twoAxes(10, 2, 2), nullptr},
                      RuleCase{"HyperbolaAZero", twoAxes(10, 0, 2), "ａ＞０，ｂ＞０"},
                      RuleCase{"HyperbolaBNegative", twoAxes(10, 2, -1), "ａ＞０，ｂ＞０"},
                      RuleCase{"ParabolaZero", parabola(0, 0), nullptr},
                      RuleCase{"ParabolaNegative", parabola(3, -1), nullptr},
                      RuleCase{"TickAZero", twoAxes(12, 0, 1), "ａ≠０，ｂ≠０"},
                      RuleCase{"TickBZero", twoAxes(12, 1, 0), "ａ≠０，ｂ≠０"},
                      RuleCase{"TickNegativeAllowed", twoAxes(12, -1, -1), nullptr},
                      RuleCase{"CustomHasNoRule", custom(0, ")("), nullptr}),
    [](const ::testing::TestParamInfo<RuleCase>& p) { return std::string(p.param.name); });

TEST(Validity, EllipseAxesEqualOnlyInSingle) {
  // 0.1 and 0.1 + 1e-9 differ as doubles but are the same single.
  EXPECT_TRUE(validityMessage(twoAxes(9, 0.1f, static_cast<float>(0.1 + 1e-9))).has_value());
}

TEST(Brackets, DepthRule) {
  struct Case {
    const char* text;
    bool balanced;
  };
  const Case cases[] = {
      {"", true},      {"x", true},       {"(x+1)", true}, {"sin(x)*(2+x)", true},
      {"((x))", true}, {"(x+1))", false}, {")x(", false},  {"(", false},
      {")", false},    {"(()", false},    {"())(", false},
  };
  for (const Case& c : cases) EXPECT_EQ(bracketsBalanced(c.text), c.balanced) << c.text;
}

TEST(Brackets, DeepNestingNeedsNoRecursion) {
  const std::string deep = std::string(200000, '(') + "x" + std::string(200000, ')');
  EXPECT_TRUE(bracketsBalanced(deep));
  EXPECT_FALSE(bracketsBalanced(deep + ")"));
}

}  // namespace
}  // namespace quorvel
