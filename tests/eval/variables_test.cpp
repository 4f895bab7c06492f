// The variables besides x (t, θ or theta, n, y): read only when an evaluation accepts
// them, only as whole names, with the rules of x; the compiled twin alike.
#include "eval/variables.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "eval/epc.h"

namespace quorvel {
namespace {

// t = 2, θ = 0.5, n = 3, y = -1 wherever a case accepts them.
VariableTexts allFour() {
  return VariableTexts{}
      .set(Variable::kT, "2")
      .set(Variable::kTheta, "0.5")
      .set(Variable::kN, "3")
      .set(Variable::kY, "-1");
}

VariableValues valuesOf(const VariableTexts& texts) {
  VariableValues values = kNoVariableValues;
  for (std::size_t i = 0; i < kVariableCount; ++i) {
    if (texts.texts[i]) values[i] = XValue::fromText(*texts.texts[i]);
  }
  return values;
}

struct Case {
  const char* expression;
  std::int32_t status;
  const char* result;
};

void expectCases(const VariableTexts& variables, std::initializer_list<Case> cases) {
  const VariableValues values = valuesOf(variables);
  for (const Case& c : cases) {
    EvalState want;
    EpcLocated(want, c.expression, "1", variables);
    EXPECT_EQ(want.evalStatus, c.status) << c.expression;
    EXPECT_EQ(want.evalResult, c.result) << c.expression;
    EvalState got{.evalStatus = 12345, .evalResult = "stale"};
    CompiledExpression(c.expression, variables.accepted())
        .evaluate(got, XValue::fromText("1"), values);
    EXPECT_EQ(got.evalStatus, want.evalStatus) << c.expression;
    EXPECT_EQ(got.evalResult, want.evalResult) << c.expression;
  }
}

TEST(Variables, WholeNamesOnly) {
  expectCases(allFour(), {
                             {"t", 0, "2"},
                             {"sin t", 0, "0.9092974"},  // a whole name is an argument run, as x
                             {"sin(t)", 0, "0.9092974"},
                             {"tan t", 0, "-2.18504"},  // "tan" is still the tangent
                             {"tg t", 0, "-2.18504"},
                             {"ctg(t)", 0, "-0.4576575"},
                             {"ln t", 0, "0.6931472"},
                             {"2tθ", 0, "2"},       // 2 · 2 · 0.5
                             {"2ttheta", -1, "0"},  // "ttheta" is no name
                             {"2t theta", 0, "2"},
                             {"sin 2theta", 0, "0.841471"},
                             {"θ^2", 0, "0.25"},
                             {"sint", -1, "0"},  // the name run "sint"
                             {"tt", -1, "0"},
                             {"nt", -1, "0"},
                             {"n t", 0, "6"},
                             {"tx", 0, "2"},  // a name stops before "x": t · x
                             {"xy", 0, "-1"},
                             {"y^2+x^2", 0, "2"},
                             {"2^-t", 0, "0.25"},  // the negative exponent's run takes whole names
                             {"2^-2n", 0, "0.015625"},
                             {"(x+1)t", -2, "0"},  // after ")" as x: no product
                             {"t(x+1)", 0, "4"},
                             {"thetax", 0, "0.5"},
                             {"the", -1, "0"},
                         });
}

TEST(Variables, OnlyTheAcceptedOnes) {
  const VariableTexts onlyT = VariableTexts{}.set(Variable::kT, "2");
  expectCases(onlyT, {
                         {"3t", 0, "6"},
                         {"θ", -1, "0"},
                         {"theta", -1, "0"},
                         {"n", -1, "0"},
                         {"y", -1, "0"},
                         {"sin n", -1, "0"},  // the run stops before "n", which is undefined
                     });
  // None accepted: exactly what Epc reads.
  for (const char* text : {"t", "2tθ", "sin t", "theta", "y=x", "n+1"}) {
    EvalState plain, located;
    Epc(plain, text, "1");
    EpcLocated(located, text, "1", VariableTexts{});
    EXPECT_EQ(plain.evalStatus, -1) << text;
    EXPECT_EQ(located.evalStatus, plain.evalStatus) << text;
  }
}

TEST(Variables, TheirTextsFollowTheRulesOfX) {
  // A text that does not convert fails where the name is read, as x.
  VariableTexts bad = VariableTexts{}.set(Variable::kT, "abc").set(Variable::kN, "1e39");
  expectCases(bad, {
                       {"t", 13, "0"},
                       {"n", 6, "0"},
                       {"1/0+t", 11, "0"},  // the first failure wins
                       {"t+1/0", 13, "0"},
                       {"sin t", 0, "0"},  // inside an argument it counts as 0
                   });
  // A value is read as its text gives it, rounded to single.
  const VariableTexts fine = VariableTexts{}.set(Variable::kY, "0.1");
  expectCases(fine, {{"y*3", 0, "0.3"}, {"y", 0, "0.1"}});
}

TEST(Variables, TheDoubleRunReadsTheirValues) {
  const CompiledExpression c("x^2+y^2-2t y", VariableSet{}.with(Variable::kY).with(Variable::kT));
  const std::array<double, kVariableCount> values{0.5, 0.0, 0.0, 3.0};  // t, θ, n, y
  const DoubleOutcome out = runProgramInDouble(c.program(), 1.0, values);
  ASSERT_EQ(out.status, kOk);
  EXPECT_DOUBLE_EQ(out.value, 1.0 + 9.0 - 3.0);
  // Without values the variables do not read; "ty" is no name of either.
  EXPECT_EQ(runProgramInDouble(c.program(), 1.0).status, kTypeMismatch);
  EXPECT_EQ(CompiledExpression("2ty", VariableSet{}.with(Variable::kY).with(Variable::kT))
                .evaluate(XValue{}, {XValue{kOk, 1.0f}, {}, {}, XValue{kOk, 1.0f}})
                .status,
            kUndefinedToken);
}

TEST(Variables, NameAtTheStartOfAText) {
  const VariableSet all =
      VariableSet{}.with(Variable::kT).with(Variable::kTheta).with(Variable::kN).with(Variable::kY);
  const struct {
    const char* text;
    bool found;
    Variable variable;
    std::size_t length;
  } cases[] = {
      {"t", true, Variable::kT, 1},      {"t+1", true, Variable::kT, 1},
      {"tx", true, Variable::kT, 1},     {"theta", true, Variable::kTheta, 5},
      {"θ2", true, Variable::kTheta, 2}, {"n(", true, Variable::kN, 1},
      {"y", true, Variable::kY, 1},      {"tan", false, Variable::kT, 0},
      {"thet", false, Variable::kT, 0},  {"yy", false, Variable::kT, 0},
      {"x", false, Variable::kT, 0},     {"", false, Variable::kT, 0},
  };
  for (const auto& c : cases) {
    const auto name = variableNameAt(c.text, all);
    ASSERT_EQ(name.has_value(), c.found) << c.text;
    if (!name) continue;
    EXPECT_EQ(name->variable, c.variable) << c.text;
    EXPECT_EQ(name->length, c.length) << c.text;
  }
  EXPECT_FALSE(variableNameAt("t", VariableSet{}.with(Variable::kN)));
}

}  // namespace
}  // namespace quorvel
