// Where Epc stopped: the token it was reading when a text-decided failure ended it.
#include <gtest/gtest.h>

#include <string>

#include "eval/epc.h"

namespace quorvel {
namespace {

TEST(EvalStop, TheTokenWhereTheScanStopped) {
  const struct {
    const char* expression;
    std::int32_t status;
    const char* token;  // the text at the stop; "" at the end of the text
    std::size_t offset;
  } cases[] = {
      {"x+q", -1, "q", 2},
      {"2*sqrt(x)", -1, "sqrt", 2},
      {"sin(x)+foo", -1, "foo", 7},
      {"xq", -1, "q", 1},  // after an implicit product the name itself
      {"(x+1)sinh(x)", -1, "sinh", 5},
      {"1,5", -1, ",", 1},
      {"x+\xCF\x80", -1, "\xCF", 2},  // the first byte of a character outside the table
      {"(x+1))", -2, ")", 5},         // no "(" left to close
      {"(x+1)x", -2, "", 6},          // two values at the end
      {"x+", 9, "", 2},               // "+" finds one value at the end
      {"2*/3", 9, "/", 2},            // "*" finds one value when "/" arrives
      {"+x", 9, "", 2},
      {"1.2.3+x", 13, "1.2.3", 0},  // the number, not the "+" after it
      {"x+1 . 2 . 3", 13, "1 . 2 . 3", 2},
      {"sin(x)", 0, "", 6},
  };
  for (const auto& c : cases) {
    EvalState s;
    const EvalStop stop = EpcLocated(s, c.expression, "1");
    EXPECT_EQ(s.evalStatus, c.status) << c.expression;
    const std::string text = c.expression;
    EXPECT_EQ(stop.offset, c.offset) << c.expression;
    EXPECT_EQ(text.substr(stop.offset, stop.length), c.token) << c.expression;
  }
}

TEST(EvalStop, TheThirtyFirstOperandAndTheThirtiethOperator) {
  // "(1)1" leaves two values and each ")1" one more: the x is the 31st.
  std::string operands = "(1)1" + std::string(28, '(') + "1";
  for (int i = 0; i < 27; ++i) operands += ")1";
  operands += ")x";
  EvalState s;
  EvalStop stop = EpcLocated(s, operands, "1");
  EXPECT_EQ(s.evalStatus, 9);
  EXPECT_EQ(stop.offset, operands.size() - 1);
  EXPECT_EQ(stop.length, 1u);

  const std::string brackets(30, '(');  // the end marker holds the first place
  stop = EpcLocated(s, brackets + "x", "1");
  EXPECT_EQ(s.evalStatus, 9);
  EXPECT_EQ(stop.offset, 29u);  // the 30th "(" has no room
}

TEST(EvalStop, EpcLocatedGivesEpcsOutcome) {
  for (const char* text : {"2(x+1)^2", "sqr(-1)", "1/0", "sin pi", "abc", "(x", ""}) {
    EvalState a, b;
    Epc(a, text, "1.5");
    EpcLocated(b, text, "1.5");
    EXPECT_EQ(a.evalStatus, b.evalStatus) << text;
    EXPECT_EQ(a.evalResult, b.evalResult) << text;
  }
}

}  // namespace
}  // namespace quorvel
