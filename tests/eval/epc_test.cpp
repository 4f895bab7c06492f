#include "eval/epc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>

#include "eval/number_text.h"
#include "eval/status.h"

namespace quorvel {
namespace {

struct EvalCase {
  const char* expression;
  const char* xText;
  std::int32_t status;
  const char* result;
};

std::string repeat(const std::string& piece, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += piece;
  return out;
}

EvalState evaluate(const std::string& expression, const std::string& xText = "1") {
  EvalState state;
  state.evalStatus = 12345;  // every call must overwrite both
  state.evalResult = "stale";
  Epc(state, expression, xText);
  return state;
}

void expectCases(const EvalCase* begin, const EvalCase* end) {
  for (const EvalCase* c = begin; c != end; ++c) {
    const EvalState s = evaluate(c->expression, c->xText);
    EXPECT_EQ(s.evalStatus, c->status) << "'" << c->expression << "' at x = " << c->xText;
    EXPECT_EQ(s.evalResult, c->result) << "'" << c->expression << "' at x = " << c->xText;
  }
}

#define EXPECT_CASES(table) expectCases(std::begin(table), std::end(table))

TEST(Epc, WorkedExample) {
  const EvalCase cases[] = {
      {"2(x+1)^2", "1", 0, "8"},
      {"2(x+1)^2", "2", 0, "18"},
  };
  EXPECT_CASES(cases);
}

TEST(Epc, EmptyAndBlankTextsAreMalformed) {
  const EvalCase cases[] = {
      {"", "1", -2, "0"},
      {"   ", "1", -2, "0"},
      {"()", "1", -2, "0"},
  };
  EXPECT_CASES(cases);
}

TEST(Epc, ImplicitMultiplication) {
  const EvalCase cases[] = {
      {"2x", "3", 0, "6"},
      {"2pi", "1", 0, "6.28318"},
      {"2(x+1)", "2", 0, "6"},
      {"(x-1)(x+1)", "3", 0, "8"},
      {"x x", "3", 0, "9"},
      {"2sin x", "0.5", 0, "0.9588511"},
      {"ex", "2", 0, "5.43656"},
      {"xe", "2", 0, "5.43656"},
      {"pix", "2", 0, "6.28318"},
      {"xpi", "2", 0, "6.28318"},
      {"x(1)", "2", 0, "2"},
      {"(1)(2)", "1", 0, "2"},
      // No multiplication after ")" for x, pi, e and digits, nor digits after x, pi, e.
      {"(x+1)x", "1", -2, "0"},
      {"(x)2", "1", -2, "0"},
      {"x2", "1", -2, "0"},
      {"(1)pi", "1", -2, "0"},
      {"pi2", "1", -2, "0"},
  };
  EXPECT_CASES(cases);
}

TEST(Epc, PrecedenceAndGrouping) {
  const EvalCase cases[] = {
      {"1+2*3", "1", 0, "7"},   {"7-2-1", "1", 0, "4"},  {"8/4/2", "1", 0, "1"},
      {"-2^2", "1", 0, "-4"},   {"2^3^2", "1", 0, "64"},  // "^" groups to the left too
      {"-x^2", "3", 0, "-9"},   {"2*-3", "1", 0, "-6"},  {"-(2)", "1", 0, "-2"},
      {"2 3", "1", 0, "23"},                           // blanks inside a number are skipped
      {"1 . 5", "1", 0, "1.5"}, {"2#3", "1", 0, "2"},  // a typed "#" ends the text
      {"1e5", "1", -2, "0"},                           // no exponent notation in input
  };
  EXPECT_CASES(cases);
}

TEST(Epc, FunctionsTakeTheValueRightAfterThem) {
  const EvalCase cases[] = {
      {"sin x^2", "2", 0, "0.8268217"},  // (sin x)^2
      {"sin(x)^2", "2", 0, "0.8268217"},
      {"sin 2x", "0.5", 0, "0.841471"},  // the run "2x" is the argument: sin(1)
      {"sin x+1", "0", 0, "1"},          // (sin x) + 1
      {"sinx", "0.5", 0, "0.4794255"},   // the name stops before "x"
      {"sqr 16x", "1", 0, "4"},
      {"sqr xx", "3", 0, "3"},
      {"abs(-3)", "1", 0, "3"},
      {"tg(0)", "1", 0, "0"},
      {"tan(1)", "1", 0, "1.557408"},
      {"cot(1)", "1", 0, "0.6420926"},
      {"ctg(1)", "1", 0, "0.6420926"},
      {"cos 0", "1", 0, "1"},
      {"ln(2)", "1", 0, "0.6931472"},
      {"lg(2)", "1", 0, "0.30103"},
      {"log(100)", "1", 0, "2"},
      {"lg 1000", "1", 0, "3"},
      {"ln(e)", "1", 0, "0.9999993"},       // e is the short 2.71828
      {"sin(pi)", "1", 0, "2.535182E-06"},  // pi is the short 3.14159
      {"sin pi", "1", -2, "0"},             // "pi" is no argument run: two values left
      {"sinpi", "1", -1, "0"},              // the name run is "sinpi"
      {"sin", "1", 0, "0"},                 // the missing argument evaluates to 0
      {"sin 2 x", "1", -2, "0"},            // the run stops at the blank
      {"abs -3", "1", -2, "0"},             // "-" is no argument run either
  };
  EXPECT_CASES(cases);
}

TEST(Epc, FailedArgumentEvaluationContributesZero) {
  // The inner evaluation's status is not looked at: its result text "0" is used.
  const EvalCase cases[] = {
      {"sqr 1.2.3", "1", 0, "0"},
      {"cos 1.2.3", "1", 0, "1"},
      {"cos x", "abc", 0, "1"},  // the x text fails inside the argument only
      {"cos 99999999999999999999999999999999999999999", "1", 0, "1"},  // overflows inside
  };
  EXPECT_CASES(cases);
}

TEST(Epc, PowerRuleForNegativeBases) {
  const EvalCase cases[] = {
      {"(-8)^(1/3)", "1", 0, "-2"},
      {"(-32)^0.2", "1", 0, "-2"},
      {"(-8)^(-1/3)", "1", 0, "-0.5"},  // n = -3 is odd
      {"(-2)^2", "1", 0, "4"},
      {"(-2)^3", "1", 0, "-8"},
      {"(-2)^-1", "1", 0, "-0.5"},
      {"(-8)^(2/3)", "1", 5, "0"},  // 1/(2/3) rounds to 1.5 in single, then to 2
      {"(-4)^0.5", "1", 5, "0"},
      {"(-32)^0.4", "1", 5, "0"},  // 1/0.4 = 2.5 rounds to the even 2
      {"(-2)^0", "1", 11, "0"},    // 1/d divides by zero
      {"x^0.5", "-4", 5, "0"},
      {"0^(-1)", "1", 11, "0"},
      {"0^0", "1", 0, "1"},
      {"10^39", "1", 6, "0"},  // overflow at the power itself
      {"100000^10", "1", 6, "0"},
  };
  EXPECT_CASES(cases);
}

TEST(Epc, NegativeExponentIsComputedAhead) {
  const EvalCase cases[] = {
      {"2^-1", "1", 0, "0.5"},
      {"2^-x", "2", 0, "0.25"},
      {"2^-2x", "2", 0, "0.0625"},  // 2^(-(2x)), not (2^-2)x
      {"2^-x+1", "1", 0, "1.5"},    // the run stops at "+"
      {"2^-2*3", "1", 0, "0.75"},   // (2^-2)*3
      {"2^ - 1", "1", 0, "0.5"},    // blanks before the run are skipped
      {"2^-.5", "1", 0, "0.7071068"},
      {"2^-x2", "1", 0, "1"},  // "-x2" fails inside: the exponent is 0
      // Taken directly, without the negative-base rule.
      {"(-8)^-1", "1", 0, "-0.125"},
      {"(-32)^-0.2", "1", 5, "0"},
      {"(-32)^(-0.2)", "1", 0, "-0.5"},  // the bracketed exponent uses the rule
      {"0^-1", "1", 11, "0"},
      {"x^-0.5", "-4", 5, "0"},
      {"^-1", "1", 9, "0"},  // no base on the stack
      // A "-!" reaching "^" without a computed exponent finds an empty exponent text.
      {"2^sin -1", "1", 13, "0"},
  };
  EXPECT_CASES(cases);
}

TEST(Epc, EveryStatusCode) {
  const EvalCase cases[] = {
      // -1: a token outside the table.
      {"sinh", "1", -1, "0"},
      {"exp", "1", -1, "0"},
      {"y", "1", -1, "0"},
      {"Sin x", "1", -1, "0"},
      {"2X", "1", -1, "0"},
      {"2%3", "1", -1, "0"},
      {"2\t3", "1", -1, "0"},
      {"2\xE2\x88\x9E", "1", -1, "0"},  // "∞"
      // -2: values or operators left over, an unmatched ")".
      {")", "1", -2, "0"},
      {"1)", "1", -2, "0"},
      {"(2#3)", "1", -2, "0"},
      {"(x+1))", "1", -2, "0"},
      // 5: domain errors and reading past the end (an unclosed "(").
      {"sqr(-1)", "1", 5, "0"},
      {"ln 0", "1", 5, "0"},
      {"lg(-5)", "1", 5, "0"},
      {"(", "1", 5, "0"},
      {"(1", "1", 5, "0"},
      // 6: overflow, 0/0, a number or x text out of range.
      {"0/0", "1", 6, "0"},
      {"10^38*10", "1", 6, "0"},
      {"x*x", "1E+20", 6, "0"},
      {"x", "1e39", 6, "0"},
      {"99999999999999999999999999999999999999999", "1", 6, "0"},
      // 9: too few operands.
      {"+x", "1", 9, "0"},
      {"2+", "1", 9, "0"},
      {"*2", "1", 9, "0"},
      {"-", "1", 9, "0"},
      {"--2", "1", 9, "0"},
      // 11: division by zero.
      {"1/0", "1", 11, "0"},
      {"cot 0", "1", 11, "0"},
      {"1/(x-1)", "1", 11, "0"},
      // 13: a number or x text that does not convert.
      {"3.14.1", "1", 13, "0"},
      {".", "1", 13, "0"},
      {"x", "abc", 13, "0"},
      {"2", "abc", 0, "2"},  // the x text is converted only where "x" is met
  };
  EXPECT_CASES(cases);
}

TEST(Epc, ParameterTextsShowTheirValue) {
  const EvalCase cases[] = {
      {"2*pi", "1", 0, "6.28318"},   {"sqr 2", "1", 0, "1.414214"},
      {"pi/2", "1", 0, "1.570795"},  {"1/3", "1", 0, "0.3333333"},
      {"-1/4", "1", 0, "-0.25"},     {"150000000", "1", 0, "1.5E+08"},
      {"10000000", "1", 0, "1E+07"}, {"9999999", "1", 0, "9999999"},
      {"1/100000", "1", 0, "1E-05"},
  };
  EXPECT_CASES(cases);
}

TEST(Epc, OperatorStackHoldsTwentyNinePendingOperators) {
  // The end marker takes position 1; positions 2..30 hold 29 operators.
  EXPECT_EQ(evaluate(repeat("(", 29) + "1" + repeat(")", 29)).evalResult, "1");
  EXPECT_EQ(evaluate(repeat("(", 29) + "1" + repeat(")", 29)).evalStatus, 0);
  EXPECT_EQ(evaluate(repeat("(", 30) + "1" + repeat(")", 30)).evalStatus, 9);
  // A right-leaning chain: 14 x "1+(" pends 28 operators, the innermost "+" is the
  // 29th; one more "*" is the 30th.
  const EvalState fine = evaluate(repeat("1+(", 14) + "1+1" + repeat(")", 14));
  EXPECT_EQ(fine.evalStatus, 0);
  EXPECT_EQ(fine.evalResult, "16");
  EXPECT_EQ(evaluate(repeat("1+(", 14) + "1+1*1" + repeat(")", 14)).evalStatus, 9);
}

TEST(Epc, OperandStackHoldsThirtyValues) {
  // After ")" a number does not multiply, so each ")1" leaves one more value.
  // 29 brackets and 30 values: both stacks full, still no exhaustion (the
  // leftover values make the text malformed).
  EXPECT_EQ(evaluate(repeat("(", 29) + "1" + repeat(")1", 29)).evalStatus, -2);
  // "(1)1" leaves two values and the implicit "*" before the next "(" pends:
  // 27 brackets give 2 + 1 + 27 = 30 values, 28 brackets 31.
  EXPECT_EQ(evaluate("(1)1" + repeat("(", 27) + "1" + repeat(")1", 27)).evalStatus, -2);
  EXPECT_EQ(evaluate("(1)1" + repeat("(", 28) + "1" + repeat(")1", 28)).evalStatus, 9);
}

TEST(Epc, LongTextsEndWithAStatus) {
  const struct {
    std::string text;
    std::int32_t status;
    const char* result;
  } cases[] = {
      {repeat("(", 100000), 9, "0"},
      {repeat(")", 100000), -2, "0"},
      {repeat("1+", 50000), 9, "0"},
      {repeat("1+", 50000) + "1", 0, "50001"},
      {repeat("x", 100000), 0, "1"},
      {repeat("-", 100000), 9, "0"},
      {repeat("9", 100000), 6, "0"},
      {"sin " + repeat("9", 100000), 0, "0"},
      {"2^-" + repeat("x", 100000), 0, "0.5"},
      {repeat("sin ", 25000), -1, "0"},  // a name put back runs into the next one
      {repeat("sqr(", 50000), 9, "0"},
  };
  for (const auto& c : cases) {
    const EvalState s = evaluate(c.text);
    EXPECT_EQ(s.evalStatus, c.status) << c.text.substr(0, 12) << "...";
    EXPECT_EQ(s.evalResult, c.result) << c.text.substr(0, 12) << "...";
  }
}

TEST(Epc, AnyTextEndsInAKnownStatusWithAConsistentResult) {
  // Random texts over the evaluator's alphabet: no crash, no hang, and the result
  // text is "0" after a failure and the canonical text of a single otherwise.
  const std::string alphabet = "0123456789.x+-*/^()#  episncotabqrlgX%";
  const char* const xTexts[] = {"1", "-2.5", "0", "abc", "1E+07", "1E-05"};
  std::mt19937 random(20240607u);
  std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
  std::uniform_int_distribution<int> length(0, 40);
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    for (int n = length(random); n > 0; --n) text += alphabet[pick(random)];
    const std::string xText = xTexts[static_cast<std::size_t>(i) % std::size(xTexts)];
    const EvalState s = evaluate(text, xText);
    const std::int32_t known[] = {0, -1, -2, 5, 6, 9, 11, 13};
    EXPECT_NE(std::find(std::begin(known), std::end(known), s.evalStatus), std::end(known))
        << "'" << text << "' gave " << s.evalStatus;
    if (s.evalStatus != 0) {
      EXPECT_EQ(s.evalResult, "0") << text;
    } else {
      float value = 0.0f;
      ASSERT_EQ(textToSingle(s.evalResult.text(), value), kOk) << text;
      EXPECT_EQ(singleText(value), s.evalResult) << text;
    }
  }
}

TEST(Epc, EachCallOverwritesTheOutcome) {
  EvalState state;
  Epc(state, "1/0", "1");
  EXPECT_EQ(state.evalStatus, 11);
  EXPECT_EQ(state.evalResult, "0");
  Epc(state, "x+1", "2");
  EXPECT_EQ(state.evalStatus, 0);
  EXPECT_EQ(state.evalResult, "3");
  // The inner evaluation of a function argument shares the state; the outer
  // evaluation's outcome is what is left.
  Epc(state, "sqr 1.2.3+1", "1");
  EXPECT_EQ(state.evalStatus, 0);
  EXPECT_EQ(state.evalResult, "1");
}

TEST(Numsign, CodesOfTheOperatorTable) {
  const struct {
    const char* token;
    std::int32_t code;
  } cases[] = {
      {"#", 0},     {")", 1},        {"+", 10},    {"-", 11},      {"*", 40},       {"/", 41},
      {"-!", 50},   {"^", 60},       {"sin", 70},  {"cos", 71},    {"tan", 72},     {"tg", 72},
      {"cot", 73},  {"ctg", 73},     {"abs", 74},  {"sqr", 75},    {"ln", 76},      {"lg", 77},
      {"log", 77},  {"(", 100},      {"", 99999},  {"s", 99999},   {"sinh", 99999}, {"SIN", 99999},
      {"x", 99999}, {"sqrt", 99999}, {" ", 99999}, {"-!!", 99999},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(numsign(c.token), c.code) << '"' << c.token << '"';
  }
}

}  // namespace
}  // namespace quorvel
