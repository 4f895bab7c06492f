// The power function and the forms appended to the sine, cosine, tangent, ellipse and
// hyperbola families: the points their formulas give lie on the curve's own equation,
// in single and in double precision, and the power function's domain follows its
// exponent.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "eval/curve_formulas.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel {
namespace {

CurveParams power(std::int32_t p, std::int32_t q, float value) {
  CurveParams c;
  c.funcFamily = 14;
  c.alphaNumerator = p;
  c.alphaDenominator = q;
  c.paramAlpha = value;
  c.alphaExact = q > 0 ? static_cast<double>(p) / q : 0.4;
  return c;
}

// y = x^α at a few x, in both precisions: nullopt where the curve has no point.
TEST(PowerFunction, DomainAndValuesFollowTheExponent) {
  const std::optional<double> none;
  const struct {
    const char* alpha;
    CurveParams c;
    float x;
    std::optional<double> y;
  } cases[] = {
      {"1/3", power(1, 3, 1.0f / 3), -8.0f, -2.0},
      {"1/3", power(1, 3, 1.0f / 3), 8.0f, 2.0},
      {"1/3", power(1, 3, 1.0f / 3), 0.0f, 0.0},
      {"1/2", power(1, 2, 0.5f), -4.0f, none},
      {"1/2", power(1, 2, 0.5f), 4.0f, 2.0},
      {"2/3", power(2, 3, 2.0f / 3), -8.0f, 4.0},  // even: the left branch mirrors
      {"2/3", power(2, 3, 2.0f / 3), 8.0f, 4.0},
      {"-1", power(-1, 1, -1.0f), -2.0f, -0.5},
      {"-1", power(-1, 1, -1.0f), 0.0f, none},  // the pole
      {"-1", power(-1, 1, -1.0f), 4.0f, 0.25},
      {"0.4", power(0, 0, 0.4f), -1.0f, none},  // a real exponent: no left branch
      {"0.4", power(0, 0, 0.4f), 0.0f, 0.0},
      {"0.4", power(0, 0, 0.4f), 32.0f, 4.0},
      {"3", power(3, 1, 3.0f), -2.0f, -8.0},
      {"3", power(3, 1, 3.0f), 2.0f, 8.0},
      {"0", power(0, 1, 0.0f), -5.0f, 1.0},
      {"0", power(0, 1, 0.0f), 0.0f, none},  // 0⁰ is no point
      {"0", power(0, 1, 0.0f), 5.0f, 1.0},
  };
  for (const auto& t : cases) {
    EvalState eval;
    float single = 123.0f;
    const Status singleStatus = f(t.c, eval, t.x, single);
    double twin = 123.0;
    const Status doubleStatus = fDouble(t.c, t.x, twin);
    const std::optional<bool> exists = powerExistsAt(t.c, t.x);
    ASSERT_TRUE(exists.has_value());
    if (t.y) {
      EXPECT_EQ(singleStatus, kOk) << t.alpha << " at " << t.x;
      EXPECT_EQ(doubleStatus, kOk) << t.alpha << " at " << t.x;
      EXPECT_NEAR(single, *t.y, 1e-5 * std::max(1.0, std::fabs(*t.y))) << t.alpha << " at " << t.x;
      EXPECT_NEAR(twin, *t.y, 1e-12 * std::max(1.0, std::fabs(*t.y))) << t.alpha << " at " << t.x;
      EXPECT_TRUE(*exists) << t.alpha << " at " << t.x;
    } else {
      EXPECT_NE(singleStatus, kOk) << t.alpha << " at " << t.x;
      EXPECT_NE(doubleStatus, kOk) << t.alpha << " at " << t.x;
      EXPECT_EQ(single, 123.0f) << "a failing call writes nothing";
      EXPECT_FALSE(*exists) << t.alpha << " at " << t.x;
    }
  }
}

// The left side of the curve's equation minus its right side, in double.
double conicResidual(const CurveParams& c, double x, double y) {
  const bool centred = c.funcForm >= 2;
  const double u = x - (centred ? c.paramCentreX : 0.0);
  const double v = y - (centred ? c.paramK : 0.0);
  const bool yFirst = c.funcForm != 2;
  const double first = (yFirst ? v * v : u * u) / (double{c.paramA} * c.paramA);
  const double second = (yFirst ? u * u : v * v) / (double{c.paramB} * c.paramB);
  return (c.funcFamily == 9 ? first + second : first - second) - 1.0;
}

CurveParams conic(int family, int form, float a, float b, float h = 0, float k = 0) {
  CurveParams c;
  c.funcFamily = static_cast<std::int16_t>(family);
  c.funcForm = static_cast<std::int16_t>(form);
  c.paramA = a;
  c.paramB = b;
  c.paramCentreX = h;
  c.paramK = k;
  return c;
}

// Both values along x (f2) and along y (f3) lie on the curve wherever the sweep's test
// lets a point exist, and none is given where it does not.
TEST(AppendedConics, PointsOfBothSweepsLieOnTheCurve) {
  const CurveParams curves[] = {conic(9, 1, 3, 2),           conic(9, 2, 3, 2, 1, -1),
                                conic(9, 3, 3, 2, -2, 0.5f), conic(10, 1, 2, 1.5f),
                                conic(10, 2, 2, 1, 1, 2),    conic(10, 3, 1.5f, 2, -1, -1),
                                conic(9, 2, 0.5f, 4, 0, 0)};
  int checked = 0;
  for (const CurveParams& c : curves) {
    for (double t = -7.0; t <= 7.0; t += 0.25) {
      for (const bool alongX : {true, false}) {
        const float ft = static_cast<float>(t);
        double v1 = 0, v2 = 0;
        const Status s = alongX ? f2Double(c, t, v1, v2) : f3Double(c, t, v1, v2);
        CurvePoints p;
        const Status single = alongX ? f2(c, ft, p) : f3(c, ft, p);
        const bool exists = *appendedConicExistsAt(c, alongX, ft);
        if (!exists) {
          EXPECT_NE(s, kOk) << c.funcFamily << "/" << c.funcForm << " at " << t;
          continue;
        }
        ASSERT_EQ(s, kOk) << c.funcFamily << "/" << c.funcForm << " at " << t;
        ASSERT_EQ(single, kOk);
        for (const double v : {v1, v2}) {
          const double x = alongX ? t : v, y = alongX ? v : t;
          EXPECT_NEAR(conicResidual(c, x, y), 0.0, 1e-9) << c.funcFamily << "/" << c.funcForm;
        }
        const float s1 = alongX ? p.pointY1 : p.pointX1, s2 = alongX ? p.pointY2 : p.pointX2;
        EXPECT_NEAR(s1, v1, 1e-4 * std::max(1.0, std::fabs(v1)));
        EXPECT_NEAR(s2, v2, 1e-4 * std::max(1.0, std::fabs(v2)));
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 300);
}

TEST(AppendedConics, TheFirstFormsAreNotTheirs) {
  EXPECT_FALSE(appendedConicExistsAt(conic(9, 0, 3, 2), true, 1.0f).has_value());
  EXPECT_FALSE(appendedConicExistsAt(conic(8, 1, 3, 2), true, 1.0f).has_value());
  EXPECT_FALSE(powerExistsAt(conic(9, 1, 3, 2), 1.0f).has_value());
}

// y = A·trig(ωx + φ) + k against the library's own functions.
TEST(ShiftedTrigonometry, AddsTheShiftToTheFirstForm) {
  for (const std::int16_t family : {5, 6, 7}) {
    CurveParams c{
        .funcFamily = family, .funcForm = 1, .paramA = 2, .paramOmega = 1, .paramPhi = 1.0471976f};
    c.paramK = 1;
    CurveParams first = c;
    first.funcForm = 0;
    for (double x = -3.0; x <= 3.0; x += 0.5) {
      const double angle = x + 1.0471976;
      const double expected = 2 * (family == 5   ? std::sin(angle)
                                   : family == 6 ? std::cos(angle)
                                                 : std::tan(angle)) +
                              1;
      double y = 0, unshifted = 0;
      ASSERT_EQ(fDouble(c, x, y), kOk);
      ASSERT_EQ(fDouble(first, x, unshifted), kOk);
      EXPECT_NEAR(y, expected, 1e-6 * std::max(1.0, std::fabs(expected)));
      EXPECT_EQ(y, unshifted + 1);
      EvalState eval;
      float single = 0;
      ASSERT_EQ(f(c, eval, static_cast<float>(x), single), kOk);
      EXPECT_NEAR(single, expected, 1e-4 * std::max(1.0, std::fabs(expected)));
    }
  }
}

}  // namespace
}  // namespace quorvel
