// The formulas and compiled expressions in double precision: the same steps and
// failures as in single precision, without its rounding.
#include <gtest/gtest.h>

#include <cmath>

#include "eval/compiled_expression.h"
#include "eval/curve_formulas.h"
#include "eval/double_program.h"

#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace quorvel {
namespace {

bool near(double a, double b) { return std::fabs(a - b) <= 2e-6 * std::max(1.0, std::fabs(b)); }

TEST(DoubleFormulas, AgreeWithTheSingleOnesInStatusAndValue) {
  const struct {
    CurveParams c;
    float t;
  } cases[] = {
      {{.funcFamily = 0, .funcForm = 2, .paramA = 2, .paramB = 3, .paramC = -4}, 1.5f},
      {{.funcFamily = 0, .funcForm = 2, .paramA = 2, .paramB = 0, .paramC = -4}, 1.0f},
      {{.funcFamily = 1, .funcForm = 0, .paramA = 1, .paramB = -2, .paramC = -3}, 0.3f},
      {{.funcFamily = 1, .funcForm = 1, .paramA = 2, .paramX1 = 1, .paramX2 = 3}, -1.0f},
      {{.funcFamily = 1, .funcForm = 2, .paramK = 0.5f, .paramA = -1, .paramH = 2}, 0.25f},
      {{.funcFamily = 2, .paramK = 6}, 0.0f},
      {{.funcFamily = 3, .paramA = 2}, 3.5f},
      {{.funcFamily = 4, .paramA = 10}, -1.0f},
      {{.funcFamily = 4, .paramA = 10}, 2.5f},
      {{.funcFamily = 7, .paramA = 2, .paramOmega = 3, .paramPhi = 1}, 0.7f},
      {{.funcFamily = 8, .paramA = 1, .paramB = 2, .paramR = 3}, 0.5f},
      {{.funcFamily = 8, .paramA = 1, .paramB = 2, .paramR = 3}, 5.0f},
      {{.funcFamily = 9, .paramA = 3, .paramB = 2}, 1.0f},
      {{.funcFamily = 10, .paramA = 2, .paramB = 1}, 3.0f},
      {{.funcFamily = 11, .funcForm = 1, .paramP = 2}, -1.0f},
      {{.funcFamily = 11, .funcForm = 3, .paramP = 2}, 1.5f},
      {{.funcFamily = 12, .paramA = 1, .paramB = 4}, -2.0f},
  };
  for (const auto& k : cases) {
    const CurveParams& c = k.c;
    EvalState eval;
    float y = 0, x = 0;
    double yd = 0, xd = 0;
    EXPECT_EQ(f(c, eval, k.t, y), fDouble(c, k.t, yd)) << c.funcFamily;
    EXPECT_TRUE(near(yd, y)) << c.funcFamily << ": " << yd << " " << y;
    EXPECT_EQ(f1(c, k.t, x), f1Double(c, k.t, xd)) << c.funcFamily;
    EXPECT_TRUE(near(xd, x)) << c.funcFamily;
    CurvePoints p;
    double a = 0, b = 0;
    EXPECT_EQ(f2(c, k.t, p), f2Double(c, k.t, a, b)) << c.funcFamily;
    EXPECT_TRUE(near(a, p.pointY1) && near(b, p.pointY2)) << c.funcFamily;
    a = b = 0;
    EXPECT_EQ(f3(c, k.t, p), f3Double(c, k.t, a, b)) << c.funcFamily;
    EXPECT_TRUE(near(a, p.pointX1) && near(b, p.pointX2)) << c.funcFamily;
  }
}

TEST(DoubleProgram, RunsTheCompiledExpressionWithItsFailures) {
  const struct {
    const char* text;
    float x;
  } cases[] = {
      {"x^2-2*x-3", 0.3f},
      {"sin(x)*2+cos x", 1.1f},
      {"sqr(x)", -1.0f},
      {"ln(x)/lg(x)", 5.0f},
      {"x^(1/3)", -8.0f},
      {"x^(1/2)", -4.0f},
      {"1/x", 0.0f},
      {"0/x", 0.0f},
      {"x^-2", 0.0f},
      {"abs(x)-tan(x)", -0.4f},
      {"cot x", 0.0f},
      {"2(x+1)^2", 0.5f},
      {"-x^3+x*x/(x-2)", 3.0f},
      {"foo(x)", 1.0f},
      {"(x+1", 1.0f},
      {"x*x*x*x*x*x*x*x*x*x", 1.5f},
  };
  for (const auto& c : cases) {
    const CompiledExpression compiled(c.text);
    const EvalOutcome single = compiled.evaluate(XValue::fromSingle(c.x));
    const DoubleOutcome twin = runProgramInDouble(compiled.program(), c.x);
    EXPECT_EQ(twin.status, single.status) << c.text;
    if (single.status == kOk) {
      EXPECT_TRUE(near(twin.value, single.value)) << c.text;
    }
  }
  // Where single precision has nothing left, double still has the value.
  const CompiledExpression square("x*x-2*x+1");
  EXPECT_NEAR(runProgramInDouble(square.program(), 1 + 1e-5).value, 1e-10, 1e-15);
  EXPECT_NEAR(runProgramInDouble(CompiledExpression("x^(1/3)").program(), -8).value, -2, 1e-6);
}

}  // namespace
}  // namespace quorvel
