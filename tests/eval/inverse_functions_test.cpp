// The functions textbooks use beyond the first eight: arcsin, arccos, arctan (and
// asin, acos, atan), sgn and floor, in the reference evaluator and its compiled twin.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "eval/epc.h"
#include "eval/number_text.h"
#include "eval/syntax_help.h"

namespace quorvel {
namespace {

struct Case {
  const char* expression;
  const char* xText;
  std::int32_t status;
  const char* result;
};

EvalState reference(const std::string& text, const std::string& xText) {
  EvalState s;
  Epc(s, text, xText);
  return s;
}

EvalState compiled(const std::string& text, const std::string& xText) {
  EvalState s{.evalStatus = 12345, .evalResult = "stale"};
  CompiledExpression(text).evaluate(s, XValue::fromText(xText));
  return s;
}

TEST(InverseFunctions, ValuesStatusesAndTheCompiledTwin) {
  const Case cases[] = {
      // The closed forms, rounded to single and written with seven digits.
      {"arcsin(0.5)", "1", 0, "0.5235988"},  // π/6
      {"asin 1", "1", 0, "1.570796"},        // π/2
      {"arcsin x", "-1", 0, "-1.570796"},
      {"arccos(0)", "1", 0, "1.570796"},
      {"acos x", "1", 0, "0"},
      {"arccos(-1)", "1", 0, "3.141593"},  // the full π, not the short constant
      {"arctan(1)", "1", 0, "0.7853982"},
      {"atan x", "-1", 0, "-0.7853982"},
      {"arctan(99999999999999999999)", "1", 0, "1.570796"},
      {"sgn(x)", "-3", 0, "-1"},
      {"sgn x", "0", 0, "0"},
      {"sgn x", "-0", 0, "0"},  // a negative zero has no sign
      {"sgn(2)", "1", 0, "1"},
      {"floor(x)", "2.7", 0, "2"},
      {"floor x", "-2.5", 0, "-3"},
      {"floor(-0.5)+1", "1", 0, "0"},
      {"floor(x)", "16777215", 0, "1.677722E+07"},
      // Outside the domain: the invalid argument of a root or a logarithm.
      {"arcsin(2)", "1", 5, "0"},
      {"acos x", "-1.000001", 5, "0"},
      {"arccos(x)", "1.5", 5, "0"},
      // The same rules as every function: the value right after it, implicit products,
      // "^" after the function's result, a name that runs on is no name.
      {"2arcsin x", "1", 0, "3.141593"},
      {"arcsin x^2", "0.5", 0, "0.2741557"},  // (arcsin x)^2
      {"xsgn(x)", "-2", 0, "2"},              // |x|
      {"sin arcsin(x)", "0.3", 0, "0"},       // as "sin cos(x)": sin of the empty run, times
      {"arcsinx", "0.5", 0, "0.5235988"},     // the name stops before "x"
      {"arcsine(x)", "1", -1, "0"},
      {"sign(x)", "1", -1, "0"},
      {"exp(x)", "1", -1, "0"},  // still no name of the evaluator
  };
  for (const Case& c : cases) {
    const EvalState want = reference(c.expression, c.xText);
    EXPECT_EQ(want.evalStatus, c.status) << c.expression << " at " << c.xText;
    EXPECT_EQ(want.evalResult, c.result) << c.expression << " at " << c.xText;
    const EvalState got = compiled(c.expression, c.xText);
    EXPECT_EQ(got.evalStatus, want.evalStatus) << c.expression << " at " << c.xText;
    EXPECT_EQ(got.evalResult, want.evalResult) << c.expression << " at " << c.xText;
  }
}

// Every value of the inverse functions is the double function rounded once, whether the
// compiled program folds a constant or runs at x, and the double run is the double
// function itself.
TEST(InverseFunctions, AreTheDoubleFunctionsRoundedToSingle) {
  const struct {
    const char* name;
    double (*closed)(double);
    double low, high;
  } functions[] = {{"arcsin", [](double v) { return std::asin(v); }, -1.0, 1.0},
                   {"arccos", [](double v) { return std::acos(v); }, -1.0, 1.0},
                   {"arctan", [](double v) { return std::atan(v); }, -50.0, 50.0},
                   {"floor", [](double v) { return std::floor(v); }, -50.0, 50.0}};
  for (const auto& fn : functions) {
    const CompiledExpression atX(std::string(fn.name) + "(x)");
    for (int i = 0; i <= 200; ++i) {
      const float x = static_cast<float>(fn.low + (fn.high - fn.low) * i / 200.0);
      const float want = static_cast<float>(fn.closed(static_cast<double>(x)));
      const EvalOutcome got = atX.evaluate(XValue{kOk, x});
      ASSERT_EQ(got.status, kOk) << fn.name << " " << x;
      EXPECT_EQ(got.value, want) << fn.name << " " << x;
      const DoubleOutcome inDouble = runProgramInDouble(atX.program(), static_cast<double>(x));
      ASSERT_EQ(inDouble.status, kOk);
      EXPECT_EQ(inDouble.value, fn.closed(static_cast<double>(x))) << fn.name << " " << x;
    }
  }
  EXPECT_EQ(runProgramInDouble(CompiledExpression("arcsin x").program(), 1.5).status, 5);
  EXPECT_EQ(runProgramInDouble(CompiledExpression("sgn(x)").program(), -0.25).value, -1.0);
}

TEST(InverseFunctions, TheSyntaxHelpListsThem) {
  const std::string help = expressionSyntaxHelp();
  for (const char* entry : {"arcsin/asin 反正弦", "arccos/acos 反余弦", "arctan/atan 反正切",
                            "sgn 符号函数", "floor 取整", "lg/log 常用对数"}) {
    EXPECT_NE(help.find(entry), std::string::npos) << entry;
  }
}

}  // namespace
}  // namespace quorvel
