// Textbook notation into the evaluator's tokens: what is rewritten, what is bracketed,
// what stays as it is, and where an error is in the text as typed.
#include "eval/notation.h"

#include <gtest/gtest.h>

#include <string>

#include "eval/epc.h"

namespace quorvel {
namespace {

struct Case {
  const char* typed;
  const char* rewritten;
  const char* xText;
  std::int32_t status;
  const char* value;
};

void expectCases(NotationBox box, std::initializer_list<Case> cases) {
  for (const Case& c : cases) {
    const RewrittenText r = rewriteNotation(c.typed, box);
    EXPECT_EQ(r.text, c.rewritten) << c.typed;
    ASSERT_EQ(r.typedIndex.size(), r.text.size()) << c.typed;
    EvalState s;
    Epc(s, r.text, c.xText);
    EXPECT_EQ(s.evalStatus, c.status) << c.typed << " at " << c.xText;
    EXPECT_EQ(s.evalResult, c.value) << c.typed << " at " << c.xText;
  }
}

TEST(Notation, EachTextbookNotation) {
  expectCases(NotationBox::kExpression, {
                                            {"sqrt(x)", "sqr(x)", "4", 0, "2"},
                                            {"sqrt x", "sqr(x)", "4", 0, "2"},
                                            {"√x", "sqr(x)", "9", 0, "3"},
                                            {"√(x+1)", "sqr(x+1)", "3", 0, "2"},
                                            {"|x−1|", "abs(x-1)", "-2", 0, "3"},
                                            {"2π", "2pi", "1", 0, "6.28318"},
                                            {"πx", "pix", "2", 0, "6.28318"},
                                            {"x²−4", "x^2-4", "3", 0, "5"},
                                            {"x³", "x^3", "-2", 0, "-8"},
                                            {"x⁻¹", "x^-1", "4", 0, "0.25"},
                                            {"x¹⁰", "x^10", "2", 0, "1024"},
                                            {"2ˣ", "2^x", "3", 0, "8"},
                                            {"e⁻ˣ", "e^-x", "0", 0, "1"},
                                            {"3×x", "3*x", "2", 0, "6"},
                                            {"3·x", "3*x", "2", 0, "6"},
                                            {"x÷4", "x/4", "2", 0, "0.5"},
                                            {"y=x^2", "x^2", "3", 0, "9"},
                                            {"y = x+1", "x+1", "3", 0, "4"},
                                            {"ｙ＝ｘ＋１", "x+1", "3", 0, "4"},
                                            {"Y=X", "x", "3", 0, "3"},
                                            {"log₂x", "ln(x)/ln(2)", "8", 0, "3"},
                                            {"log₂ x", "ln(x)/ln(2)", "8", 0, "3"},
                                            {"log_2(x)", "ln(x)/ln(2)", "8", 0, "3"},
                                            {"log_2 x", "ln(x)/ln(2)", "8", 0, "3"},
                                            {"log(2, x)", "ln( x)/ln(2)", "8", 0, "3"},
                                            {"log₁₀x", "ln(x)/ln(10)", "100", 0, "2"},
                                            {"log₀.₅x", "ln(x)/ln(0.5)", "4", 0, "-2"},
                                            {"log_π x", "ln(x)/ln(pi)", "1", 0, "0"},
                                            {"exp(x)", "e^(x)", "0", 0, "1"},
                                            {"exp x", "e^(x)", "1", 0, "2.71828"},
                                            {"[x]", "floor(x)", "-1.5", 0, "-2"},
                                            {"arcsin(x)", "arcsin(x)", "1", 0, "1.570796"},
                                            {"arcsin x", "arcsin x", "1", 0, "1.570796"},
                                            {"sgn(x)·x", "sgn(x)*x", "-3", 0, "3"},
                                        });
}

TEST(Notation, BarsAndRootsNestAsATextbookReadsThem) {
  expectCases(NotationBox::kExpression, {
                                            {"||x|-1|", "abs(abs(x)-1)", "-0.5", 0, "0.5"},
                                            {"|x-|x||", "abs(x-abs(x))", "-1", 0, "2"},
                                            {"|x|+|x-1|", "abs(x)+abs(x-1)", "3", 0, "5"},
                                            {"|x|·|x+1|", "abs(x)*abs(x+1)", "-3", 0, "6"},
                                            {"2|x|", "2abs(x)", "-3", 0, "6"},
                                            {"x|x|", "xabs(x)", "-3", 0, "-9"},
                                            {"√√x", "sqr(sqr(x))", "16", 0, "2"},
                                            {"√(√x)", "sqr(sqr(x))", "16", 0, "2"},
                                            {"|√x-3|", "abs(sqr(x)-3)", "4", 0, "1"},
                                            {"√|x|", "sqr(abs(x))", "-4", 0, "2"},
                                            {"[|x|]", "floor(abs(x))", "-2.5", 0, "2"},
                                            {"|[x]|", "abs(floor(x))", "-2.5", 0, "3"},
                                        });
}

TEST(Notation, FullWidthAndOtherFormsMixed) {
  expectCases(NotationBox::kExpression,
              {
                  {"ｘ²＋２ｘ", "x^2+2x", "1", 0, "3"},
                  {"（ｘ＋１）×（ｘ－１）", "(x+1)*(x-1)", "3", 0, "8"},
                  {"ｙ＝√ｘ", "sqr(x)", "4", 0, "2"},
                  {"２π", "2pi", "1", 0, "6.28318"},
                  {"ＳＩＮ（ｘ）", "sin(x)", "0", 0, "0"},
                  {"｜ｘ｜", "abs(x)", "-2", 0, "2"},
                  {"x　+　1", "x + 1", "1", 0, "2"},  // the ideographic space
                  {"x﹣1", "x-1", "1", 0, "0"},
                  {"x–1", "x-1", "1", 0, "0"},
              });
}

TEST(Notation, BracketsWhereTheEvaluatorNeedsThem) {
  expectCases(NotationBox::kExpression,
              {
                  {"√π", "sqr(pi)", "1", 0, "1.772453"},
                  {"sin π", "sin(pi)", "1", 0, "2.535182E-06"},
                  {"sinπ", "sin(pi)", "1", 0, "2.535182E-06"},
                  {"√x²", "sqr(x^2)", "-3", 0, "3"},
                  {"√2x", "sqr(2x)", "8", 0, "4"},  // the whole product, as "sqr 2x"
                  {"sin x²", "sin(x^2)", "0", 0, "0"},
                  {"sin 2πx", "sin(2pix)", "0.25", 0, "1"},
                  {"sin|x|", "sin(abs(x))", "0", 0, "0"},
                  {"sin √x", "sin(sqr(x))", "0", 0, "0"},
                  {"|x|x", "abs(x)*x", "-2", 0, "-4"},
                  {"|x| x", "abs(x) *x", "-2", 0, "-4"},
                  {"[x]x", "floor(x)*x", "1.5", 0, "1.5"},
                  {"|x|2", "abs(x)*2", "-2", 0, "4"},
                  {"|x|π", "abs(x)*pi", "-1", 0, "3.14159"},
                  {"(x+1)π", "(x+1)*pi", "0", 0, "3.14159"},
                  {"|x|(x+1)", "abs(x)(x+1)", "-2", 0, "-2"},
                  {"sin²x", "(sin(x))^2", "2", 0, "0.8268217"},
                  {"sin²(2x)", "(sin(2x))^2", "1", 0, "0.8268217"},
                  {"cos²x+sin²x", "(cos(x))^2+(sin(x))^2", "0.7", 0, "1"},
                  {"2^x²", "2^(x^2)", "2", 0, "16"},
                  {"2^-x²", "2^(-x^2)", "1", 0, "0.5"},
                  {"2^x²x", "2^(x^2)*x", "1", 0, "2"},
                  {"x²3", "x^2*3", "2", 0, "12"},
                  {"x²x", "x^2x", "2", 0, "8"},
                  {"x⁻²x", "x^(-2)*x", "2", 0, "0.5"},
                  {"x⁻² x", "x^(-2) *x", "2", 0, "0.5"},
                  {"2ˣ3", "2^x*3", "1", 0, "6"},
                  {"exp(x)²", "e^(x)^2", "1", 0, "7.389047"},
                  {"3^exp(x)", "3^(e^(x))", "0", 0, "3"},
                  {"exp x exp x", "e^(x) *e^(x)", "1", 0, "7.389047"},
                  {"(x+1)exp(x)", "(x+1)*e^(x)", "0", 0, "1"},
                  {"sqrt x exp x", "sqr(x) *e^(x)", "1", 0, "2.71828"},
                  {"1/log₂x", "1/(ln(x)/ln(2))", "8", 0, "0.3333333"},
                  {"log₂x^2", "(ln(x)/ln(2))^2", "8", 0, "9"},
                  {"2log₂x", "2ln(x)/ln(2)", "8", 0, "6"},
                  {"|x|²", "abs(x)^2", "-3", 0, "9"},
                  {"(x+1)²", "(x+1)^2", "2", 0, "9"},
                  {"sin(x)²", "sin(x)^2", "2", 0, "0.8268217"},
                  {"-x²", "-x^2", "3", 0, "-9"},
              });
}

TEST(Notation, TextsThatStayRefused) {
  const struct {
    const char* typed;
    const char* rewritten;
    std::int32_t status;
  } cases[] = {
      {"x+q", "x+q", -1},
      {"sinh(x)", "sinh(x)", -1},
      {"√", "√", -1},
      {"|x", "|x", -1},
      {"x|", "x|", -1},
      {"sin²", "sin²", -1},
      {"exp", "exp", -1},
      {"sqrt", "sqrt", -1},
      {"log_", "log_", -1},
      {"log_a x", "log_a x", -1},
      {"1,5x", "1,5x", -1},
      {"x=1", "x=1", -1},
      {"sint", "sint", -1},
      {"t√x", "t*sqr(x)", -1},
      {"|x|x|", "abs(x)*x|", -1},
      {"√(x", "√(x", -1},
      {"[x", "[x", -1},
      {"2x]", "2x]", -1},
      {"^exp x/50", "^exp x/50", 9},
      {"2/^exp x", "2/^exp x", 9},
      // An operator with no value before it, where the rewrite of an exp would leave
      // the evaluator's stack as a reading wants it.
      {"/2^expx0sinx", "/2^expx0sinx", 9},
      {"(/2^exp x)", "(/2^exp x)", 9},
      {"x*(*√x)", "x*(*√x)", -1},
  };
  for (const auto& c : cases) {
    const RewrittenText r = rewriteNotation(c.typed, NotationBox::kExpression);
    EXPECT_EQ(r.text, c.rewritten) << c.typed;
    EvalState s;
    Epc(s, r.text, "1");
    EXPECT_EQ(s.evalStatus, c.status) << c.typed;
  }
  // Nested deeper than any formula, a text is kept whole as typed, however often it is
  // rewritten; one level less is rewritten.
  std::string deep = "x";
  for (int i = 0; i < 41; ++i) deep = "√" + deep;
  EXPECT_EQ(rewriteNotation(deep, NotationBox::kExpression).text, deep);
  EXPECT_EQ(rewriteNotation("abs" + deep, NotationBox::kExpression).text, "abs" + deep);
  EXPECT_EQ(rewriteNotation(deep.substr(std::string("√").size()), NotationBox::kExpression)
                .text.rfind("sqr(sqr(", 0),
            0u);
}

TEST(Notation, TextsTheEvaluatorReadsStayAsTheyAre) {
  // Every one has a status other than -1 and comes back unchanged; "sin pi" and
  // "(x+1)x" are malformed and stay so.
  for (const char* text :
       {"x^2-2x-3",  "2sin(3x+1)", "abs(x)/(x^2+1)", "expi",       "e x pi",  "sin pi",
        "(x+1)x",    "log2 x",     "sqr x",          "sqr 2x",     "2^-x",    "x*-1",
        "cos sin x", "1e5",        "2#√x|",          "tg x+ctg x", "sinx",    "arcsinx",
        "floor(x)",  "  x ",       "(-8)^(1/3)",     "1/0",        "sqr(-1)", "2 3",
        ".5x",       "x^2.5"}) {
    EvalState s;
    Epc(s, text, "1");
    ASSERT_NE(s.evalStatus, -1) << text;
    EXPECT_EQ(rewriteNotation(text, NotationBox::kExpression).text, text) << text;
    EXPECT_EQ(rewriteNotation(text, NotationBox::kValue).text, text) << text;
  }
  // The expression box lower-cases as it always has; a value box keeps upper case,
  // whose "E" is an exponent.
  EXPECT_EQ(rewriteNotation("2*PI", NotationBox::kExpression).text, "2*pi");
  EXPECT_EQ(rewriteNotation("1.5E+08", NotationBox::kValue).text, "1.5E+08");
  EXPECT_EQ(rewriteNotation("2#X", NotationBox::kExpression).text, "2#x");
  // Only the expression box drops "y=".
  EXPECT_EQ(rewriteNotation("y=2", NotationBox::kValue).text, "y=2");
}

TEST(Notation, ValueBoxes) {
  expectCases(NotationBox::kValue, {
                                       {"2π", "2pi", "1", 0, "6.28318"},
                                       {"π/2", "pi/2", "1", 0, "1.570795"},
                                       {"√2", "sqr(2)", "1", 0, "1.414214"},
                                       {"−√3/2", "-sqr(3)/2", "1", 0, "-0.8660254"},
                                       {"１０⁻³", "10^-3", "1", 0, "0.001"},
                                       {"PI", "PI", "1", -1, "0"},
                                   });
}

TEST(Notation, ErrorsAreShownWhereTheyWereTyped) {
  const struct {
    const char* typed;
    std::int32_t status;
    std::size_t character;  // from 1, as a message counts
    const char* text;
  } cases[] = {
      {"x+q", -1, 3, "q"},
      {"ｘ＋ｑ", -1, 3, "ｑ"},           // full-width characters count as one each
      {"√x+foo", -1, 4, "foo"},          // after the rewrite, in the typed text
      {"ｙ＝x+sinh(x)", -1, 5, "sinh"},  // the dropped "y=" still counts
      {"|x|+√x·q", -1, 8, "q"},
      {"π,2", -1, 2, ","},
      {"(x+1))", -2, 6, ")"},
      {"1.2.3x", 13, 1, "1.2.3"},
      {"2*/3", 9, 3, "/"},
  };
  for (const auto& c : cases) {
    const RewrittenText r = rewriteNotation(c.typed, NotationBox::kExpression);
    EvalState s;
    const EvalStop stop = EpcLocated(s, r.text, "1");
    ASSERT_EQ(s.evalStatus, c.status) << c.typed;
    const TypedPlace place = typedPlaceOf(r, c.typed, stop);
    EXPECT_EQ(place.character + 1, c.character) << c.typed;
    EXPECT_EQ(place.text, c.text) << c.typed;
    EXPECT_FALSE(place.atEnd()) << c.typed;
  }
  // At the end: the place after the last character.
  for (const char* typed : {"(x+1)x", "x+", "ｘ²＋"}) {
    const RewrittenText r = rewriteNotation(typed, NotationBox::kExpression);
    EvalState s;
    const TypedPlace place = typedPlaceOf(r, typed, EpcLocated(s, r.text, "1"));
    EXPECT_TRUE(place.atEnd()) << typed;
    EXPECT_EQ(place.character, r.typedLength) << typed;
    EXPECT_EQ(place.text, "") << typed;
  }
}

}  // namespace
}  // namespace quorvel
