#include "eval/curve_formulas.h"

#include <gtest/gtest.h>

#include <cmath>

// The cases name only the parameters a formula reads; the others keep their
// defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel {
namespace {

// A value no formula produces, to see whether an output was written.
constexpr float kUntouched = -12345.0f;

struct SingleCase {
  const char* what;
  CurveParams c;
  float in;
  Status status;
  float out;  // expected result; kUntouched when the call fails
};

TEST(CurveF, YFromXForEveryFamilyAndForm) {
  const SingleCase cases[] = {
      {"kx+b", {.funcFamily = 0, .funcForm = 0, .paramK = 2, .paramB = -3}, 1.5f, kOk, 0.0f},
      {"point-slope",
       {.funcFamily = 0, .funcForm = 1, .paramK = 3, .paramX1 = 1, .paramY1 = 2},
       2.0f,
       kOk,
       5.0f},
      {"Ax+By+C=0",
       {.funcFamily = 0, .funcForm = 2, .paramA = 2, .paramB = 3, .paramC = -4},
       1.0f,
       kOk,
       2.0f / 3.0f},
      {"Ax+By+C=0, B=0",
       {.funcFamily = 0, .funcForm = 2, .paramA = 2, .paramB = 0, .paramC = -4},
       1.0f,
       kDivisionByZero,
       kUntouched},
      {"Ax+By+C=0, B=0 on the line",
       {.funcFamily = 0, .funcForm = 2, .paramA = 2, .paramB = 0, .paramC = -4},
       2.0f,
       kOverflow,
       kUntouched},  // 0/0
      {"two roots",
       {.funcFamily = 1, .funcForm = 1, .paramA = 2, .paramX1 = 1, .paramX2 = 3},
       2.0f,
       kOk,
       -2.0f},
      {"vertex",
       {.funcFamily = 1, .funcForm = 2, .paramK = 0.5f, .paramA = 1, .paramH = 2},
       3.0f,
       kOk,
       1.5f},
      {"k/x", {.funcFamily = 2, .paramK = 6}, 2.0f, kOk, 3.0f},
      {"k/x at 0", {.funcFamily = 2, .paramK = 6}, 0.0f, kDivisionByZero, kUntouched},
      {"0/x at 0", {.funcFamily = 2, .paramK = 0}, 0.0f, kOverflow, kUntouched},
      {"a^x", {.funcFamily = 3, .paramA = 2}, 3.0f, kOk, 8.0f},
      {"a^x too large", {.funcFamily = 3, .paramA = 2}, 200.0f, kOverflow, kUntouched},
      {"negative a^x", {.funcFamily = 3, .paramA = -2}, 0.5f, kInvalidArgument, kUntouched},
      {"0^negative", {.funcFamily = 3, .paramA = 0}, -1.0f, kDivisionByZero, kUntouched},
      // Each logarithm is rounded to single before the division: one rounding of
      // ln 8 / ln 7 in double would give 1.06862152f.
      {"log base 7 of 8", {.funcFamily = 4, .paramA = 7}, 8.0f, kOk, 1.06862164f},
      {"log at 0", {.funcFamily = 4, .paramA = 2}, 0.0f, kInvalidArgument, kUntouched},
      {"log at -1", {.funcFamily = 4, .paramA = 2}, -1.0f, kInvalidArgument, kUntouched},
      {"log base 1", {.funcFamily = 4, .paramA = 1}, 2.0f, kDivisionByZero, kUntouched},
      {"log base 1 at 1", {.funcFamily = 4, .paramA = 1}, 1.0f, kOverflow, kUntouched},
      {"log base -2", {.funcFamily = 4, .paramA = -2}, 8.0f, kInvalidArgument, kUntouched},
      {"A sin(wx+phi)",
       {.funcFamily = 5, .paramA = 2, .paramOmega = 2, .paramPhi = 0.5f},
       1.0f,
       kOk,
       1.19694424f},
      {"A cos(wx+phi)",
       {.funcFamily = 6, .paramA = 2, .paramOmega = 2, .paramPhi = 0.5f},
       1.0f,
       kOk,
       -1.60228717f},
      {"A tan(wx+phi)",
       {.funcFamily = 7, .paramA = 1, .paramOmega = 2, .paramPhi = 0.5f},
       1.0f,
       kOk,
       -0.747022271f},
      {"A tan overflowing",
       {.funcFamily = 7, .paramA = 1e38f, .paramOmega = 1},
       1.57079637f,
       kOverflow,
       kUntouched},
      {"x^2=2py", {.funcFamily = 11, .funcForm = 2, .paramP = 1}, 2.0f, kOk, 2.0f},
      {"x^2=-2py", {.funcFamily = 11, .funcForm = 3, .paramP = 1}, 2.0f, kOk, -2.0f},
      {"x^2=2py, p=0",
       {.funcFamily = 11, .funcForm = 2, .paramP = 0},
       2.0f,
       kDivisionByZero,
       kUntouched},
      {"x^2=2py, p=0 at 0",
       {.funcFamily = 11, .funcForm = 2, .paramP = 0},
       0.0f,
       kOverflow,
       kUntouched},
      {"ax+b/x", {.funcFamily = 12, .paramA = 1, .paramB = 4}, 2.0f, kOk, 4.0f},
      {"ax+b/x at 0",
       {.funcFamily = 12, .paramA = 1, .paramB = 4},
       0.0f,
       kDivisionByZero,
       kUntouched},
      // Drawn with f2 / f3: y is 0.
      {"circle", {.funcFamily = 8, .paramR = 1}, 0.5f, kOk, 0.0f},
      {"ellipse", {.funcFamily = 9, .paramA = 1, .paramB = 1}, 0.5f, kOk, 0.0f},
      {"hyperbola", {.funcFamily = 10, .paramA = 1, .paramB = 1}, 0.5f, kOk, 0.0f},
      {"y^2=2px", {.funcFamily = 11, .funcForm = 0, .paramP = 1}, 0.5f, kOk, 0.0f},
      {"y^2=-2px", {.funcFamily = 11, .funcForm = 1, .paramP = 1}, 0.5f, kOk, 0.0f},
  };
  for (const SingleCase& t : cases) {
    EvalState eval;
    float y = kUntouched;
    EXPECT_EQ(f(t.c, eval, t.in, y), t.status) << t.what;
    EXPECT_EQ(y, t.out) << t.what;
  }
}

TEST(CurveF, QuadraticRoundsInTheWrittenOrder) {
  // paramC + (x·(x·paramA) + x·paramB): 1e8 + 5 rounds to 100000008 in single, so
  // the result is 8; adding paramC to the square first would give 5.
  const CurveParams c{.funcFamily = 1, .funcForm = 0, .paramA = 1e8f, .paramB = 5, .paramC = -1e8f};
  EvalState eval;
  float y = 0.0f;
  ASSERT_EQ(f(c, eval, 1.0f, y), kOk);
  EXPECT_EQ(y, 8.0f);
  const CurveParams plain{.funcFamily = 1, .funcForm = 0, .paramA = 1, .paramB = -2, .paramC = 1};
  ASSERT_EQ(f(plain, eval, 3.0f, y), kOk);
  EXPECT_EQ(y, 4.0f);
}

TEST(CurveF, UserExpressionGoesThroughTheEvaluator) {
  EvalState eval;
  float y = kUntouched;
  CurveParams c{.funcFamily = 13, .funcForm = 0, .expression = "2(x+1)^2"};
  ASSERT_EQ(f(c, eval, 1.0f, y), kOk);
  EXPECT_EQ(y, 8.0f);
  EXPECT_EQ(eval.evalStatus, 0);

  // A failed evaluation is no failure of f: y is 0 and evalStatus keeps the code.
  c.expression = "sqr x";
  y = kUntouched;
  ASSERT_EQ(f(c, eval, -1.0f, y), kOk);
  EXPECT_EQ(y, 0.0f);
  EXPECT_EQ(eval.evalStatus, 5);

  // The form "Sx=" evaluates the same way.
  c.funcForm = 1;
  c.expression = "x*x";
  ASSERT_EQ(f(c, eval, 3.0f, y), kOk);
  EXPECT_EQ(y, 9.0f);

  // x travels as its text: 1E-05 in exponent form, 1/3 cut to seven digits.
  c.expression = "x*100000";
  ASSERT_EQ(f(c, eval, 1e-5f, y), kOk);
  EXPECT_EQ(y, 1.0f);
  c.expression = "x";
  ASSERT_EQ(f(c, eval, 1.0f / 3.0f, y), kOk);
  EXPECT_EQ(y, 0.3333333f);
  EXPECT_NE(y, 1.0f / 3.0f);

  // Forms other than 0 and 1 have no formula.
  c.funcForm = 2;
  eval.evalStatus = 77;
  ASSERT_EQ(f(c, eval, 3.0f, y), kOk);
  EXPECT_EQ(y, 0.0f);
  EXPECT_EQ(eval.evalStatus, 77);
}

TEST(CurveF1, XFromY) {
  const SingleCase cases[] = {
      {"kx+b", {.funcFamily = 0, .funcForm = 0, .paramK = 2, .paramB = 1}, 5.0f, kOk, 2.0f},
      {"kx+b, k=0",
       {.funcFamily = 0, .funcForm = 0, .paramK = 0, .paramB = 1},
       5.0f,
       kDivisionByZero,
       kUntouched},
      {"kx+b, k=0 on the line",
       {.funcFamily = 0, .funcForm = 0, .paramK = 0, .paramB = 1},
       1.0f,
       kOverflow,
       kUntouched},
      {"point-slope",
       {.funcFamily = 0, .funcForm = 1, .paramK = 3, .paramX1 = 1, .paramY1 = 2},
       5.0f,
       kOk,
       2.0f},
      {"Ax+By+C=0",
       {.funcFamily = 0, .funcForm = 2, .paramA = 2, .paramB = 3, .paramC = -4},
       2.0f,
       kOk,
       -1.0f},
      {"k/y", {.funcFamily = 2, .paramK = 6}, 3.0f, kOk, 2.0f},
      {"k/y at 0", {.funcFamily = 2, .paramK = 6}, 0.0f, kDivisionByZero, kUntouched},
      {"a^x traced along y", {.funcFamily = 3, .paramA = 7}, 8.0f, kOk, 1.06862164f},
      {"a^x at y=0", {.funcFamily = 3, .paramA = 2}, 0.0f, kInvalidArgument, kUntouched},
      {"log traced along y", {.funcFamily = 4, .paramA = 2}, 3.0f, kOk, 8.0f},
      {"y^2=2px", {.funcFamily = 11, .funcForm = 0, .paramP = 1}, 2.0f, kOk, 2.0f},
      {"y^2=-2px", {.funcFamily = 11, .funcForm = 1, .paramP = 1}, 2.0f, kOk, -2.0f},
      {"y^2=2px, p=0",
       {.funcFamily = 11, .funcForm = 0, .paramP = 0},
       2.0f,
       kDivisionByZero,
       kUntouched},
      {"quadratic has none", {.funcFamily = 1, .paramA = 1}, 2.0f, kOk, 0.0f},
      {"sine has none", {.funcFamily = 5, .paramA = 1, .paramOmega = 1}, 0.5f, kOk, 0.0f},
      {"x^2=2py has none", {.funcFamily = 11, .funcForm = 2, .paramP = 1}, 2.0f, kOk, 0.0f},
      {"user curve has none", {.funcFamily = 13, .expression = "x"}, 2.0f, kOk, 0.0f},
  };
  for (const SingleCase& t : cases) {
    float x = kUntouched;
    EXPECT_EQ(f1(t.c, t.in, x), t.status) << t.what;
    EXPECT_EQ(x, t.out) << t.what;
  }
}

struct PairCase {
  const char* what;
  CurveParams c;
  float in;
  Status status;
  float first, second;  // kUntouched when the outputs must stay as they were
};

TEST(CurveF2, TwoYValuesAtX) {
  const PairCase cases[] = {
      {"circle", {.funcFamily = 8, .paramR = 1}, 0.6f, kOk, 0.800000012f, -0.800000012f},
      {"circle off centre",
       {.funcFamily = 8, .paramB = 1, .paramR = 1},
       0.6f,
       kOk,
       1.80000001f,
       0.199999988f},
      // The radicand is the product, not r² − (x − a)² (which rounds to 0.230434224).
      {"circle product form",
       {.funcFamily = 8, .paramA = 0.3f, .paramR = 0.9f},
       -0.57f,
       kOk,
       0.230434269f,
       -0.230434269f},
      {"circle outside",
       {.funcFamily = 8, .paramR = 1},
       2.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"circle too large",
       {.funcFamily = 8, .paramR = 1e20f},
       0.0f,
       kOverflow,
       kUntouched,
       kUntouched},
      {"ellipse",
       {.funcFamily = 9, .paramA = 2, .paramB = 1},
       1.0f,
       kOk,
       0.866025388f,
       -0.866025388f},
      {"ellipse outside",
       {.funcFamily = 9, .paramA = 2, .paramB = 1},
       3.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"ellipse a=0",
       {.funcFamily = 9, .paramA = 0, .paramB = 1},
       1.0f,
       kDivisionByZero,
       kUntouched,
       kUntouched},
      {"hyperbola",
       {.funcFamily = 10, .paramA = 1, .paramB = 2},
       2.0f,
       kOk,
       3.46410155f,
       -3.46410155f},
      {"hyperbola between the branches",
       {.funcFamily = 10, .paramA = 1, .paramB = 2},
       0.5f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"y^2=2px", {.funcFamily = 11, .funcForm = 0, .paramP = 2}, 1.0f, kOk, 2.0f, -2.0f},
      {"y^2=2px left of 0",
       {.funcFamily = 11, .funcForm = 0, .paramP = 2},
       -1.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"y^2=-2px", {.funcFamily = 11, .funcForm = 1, .paramP = 2}, -1.0f, kOk, 2.0f, -2.0f},
      {"y^2=-2px right of 0",
       {.funcFamily = 11, .funcForm = 1, .paramP = 2},
       1.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"x^2=2py is not two-valued in x",
       {.funcFamily = 11, .funcForm = 2, .paramP = 2},
       1.0f,
       kOk,
       kUntouched,
       kUntouched},
      {"line is not two-valued", {.funcFamily = 0, .paramK = 1}, 1.0f, kOk, kUntouched, kUntouched},
  };
  for (const PairCase& t : cases) {
    CurvePoints p{
        .pointX1 = kUntouched, .pointY1 = kUntouched, .pointX2 = kUntouched, .pointY2 = kUntouched};
    EXPECT_EQ(f2(t.c, t.in, p), t.status) << t.what;
    EXPECT_EQ(p.pointY1, t.first) << t.what;
    EXPECT_EQ(p.pointY2, t.second) << t.what;
    EXPECT_EQ(p.pointX1, kUntouched) << t.what;
    EXPECT_EQ(p.pointX2, kUntouched) << t.what;
  }
}

TEST(CurveF3, TwoXValuesAtY) {
  const PairCase cases[] = {
      {"vertex",
       {.funcFamily = 1, .funcForm = 2, .paramK = 0, .paramA = 1, .paramH = 2},
       4.0f,
       kOk,
       4.0f,
       0.0f},
      {"vertex below",
       {.funcFamily = 1, .funcForm = 2, .paramK = 0, .paramA = 1, .paramH = 2},
       -1.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"ax^2+bx+c",
       {.funcFamily = 1, .funcForm = 0, .paramA = 1, .paramB = -2, .paramC = 1},
       4.0f,
       kOk,
       3.0f,
       -1.0f},
      {"ax^2+bx+c, a=0",
       {.funcFamily = 1, .funcForm = 0, .paramA = 0, .paramB = -2, .paramC = 1},
       4.0f,
       kDivisionByZero,
       kUntouched,
       kUntouched},
      {"ax^2+bx+c, a=0, b=0",
       {.funcFamily = 1, .funcForm = 0, .paramA = 0, .paramB = 0, .paramC = 1},
       4.0f,
       kOverflow,
       kUntouched,
       kUntouched},
      {"two roots",
       {.funcFamily = 1, .funcForm = 1, .paramA = 1, .paramX1 = 1, .paramX2 = 3},
       0.0f,
       kOk,
       3.0f,
       1.0f},
      {"two roots below the vertex",
       {.funcFamily = 1, .funcForm = 1, .paramA = 1, .paramX1 = 1, .paramX2 = 3},
       -2.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"circle", {.funcFamily = 8, .paramR = 1}, 0.6f, kOk, 0.800000012f, -0.800000012f},
      {"circle off centre",
       {.funcFamily = 8, .paramA = 1, .paramR = 1},
       0.6f,
       kOk,
       1.80000001f,
       0.199999988f},
      {"circle outside",
       {.funcFamily = 8, .paramR = 1},
       -2.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"ellipse",
       {.funcFamily = 9, .paramA = 2, .paramB = 1},
       0.5f,
       kOk,
       1.73205078f,
       -1.73205078f},
      {"hyperbola",
       {.funcFamily = 10, .paramA = 1, .paramB = 2},
       2.0f,
       kOk,
       1.41421354f,
       -1.41421354f},
      {"hyperbola b=0",
       {.funcFamily = 10, .paramA = 1, .paramB = 0},
       2.0f,
       kDivisionByZero,
       kUntouched,
       kUntouched},
      {"x^2=2py", {.funcFamily = 11, .funcForm = 2, .paramP = 2}, 1.0f, kOk, 2.0f, -2.0f},
      {"x^2=-2py", {.funcFamily = 11, .funcForm = 3, .paramP = 2}, -1.0f, kOk, 2.0f, -2.0f},
      {"x^2=-2py above 0",
       {.funcFamily = 11, .funcForm = 3, .paramP = 2},
       1.0f,
       kInvalidArgument,
       kUntouched,
       kUntouched},
      {"y^2=2px is not two-valued in y",
       {.funcFamily = 11, .funcForm = 0, .paramP = 2},
       1.0f,
       kOk,
       kUntouched,
       kUntouched},
      {"k/x is not two-valued", {.funcFamily = 2, .paramK = 1}, 1.0f, kOk, kUntouched, kUntouched},
  };
  for (const PairCase& t : cases) {
    CurvePoints p{
        .pointX1 = kUntouched, .pointY1 = kUntouched, .pointX2 = kUntouched, .pointY2 = kUntouched};
    EXPECT_EQ(f3(t.c, t.in, p), t.status) << t.what;
    EXPECT_EQ(p.pointX1, t.first) << t.what;
    EXPECT_EQ(p.pointX2, t.second) << t.what;
    EXPECT_EQ(p.pointY1, kUntouched) << t.what;
    EXPECT_EQ(p.pointY2, kUntouched) << t.what;
  }
}

}  // namespace
}  // namespace quorvel
