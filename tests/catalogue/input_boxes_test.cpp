// Which box a refused input came from and where in it the fault is, as the message's
// detail line says it.
#include "catalogue/input_boxes.h"

#include <gtest/gtest.h>

#include <string>

#include "eval/epc.h"
#include "eval/notation.h"

namespace quorvel {
namespace {

TEST(InputBoxes, NamesByFamilyAndForm) {
  const struct {
    InputBox box;
    int family, form;
    const char* name;
  } cases[] = {
      {InputBox::kParameter1, 2, 0, "ｋ"},
      {InputBox::kParameter1, 0, 2, "Ａ"},
      {InputBox::kParameter3, 1, 0, "ｃ"},
      {InputBox::kParameter1, 0, 1, "ｘ１"},
      {InputBox::kParameter2, 5, 0, "ω"},
      {InputBox::kParameter3, 5, 0, "φ"},
      {InputBox::kParameter2, 2, 0, "第 2 个参数框"},  // y = k/x has one box
      {InputBox::kParameter1, 13, 0, "第 1 个参数框"},
      {InputBox::kRangeX1, 0, 0, "Ｘ轴范围"},
      {InputBox::kRangeX2, 0, 0, "Ｘ轴范围"},
      {InputBox::kRangeY2, 9, 0, "Ｙ轴范围"},
      {InputBox::kExpression, 13, 0, "表达式"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(inputBoxName(c.box, c.family, c.form), c.name) << c.name;
  }
}

TEST(InputBoxes, TheFirstFailingBoxInTheOrderOfTheChecks) {
  const struct {
    std::vector<InputBox> failed;  // in the order they were noted
    const char* detail;            // for the quadratic ax² + bx + c
  } cases[] = {
      {{InputBox::kParameter2}, "ｂ"},
      {{InputBox::kParameter3, InputBox::kParameter1}, "ａ"},
      {{InputBox::kRangeY1, InputBox::kRangeX2, InputBox::kParameter3}, "ｃ"},
      {{InputBox::kExpression, InputBox::kRangeY2}, "Ｙ轴范围"},
      {{InputBox::kRangeX1, InputBox::kRangeX1}, "Ｘ轴范围"},
      {{}, ""},
  };
  for (const auto& c : cases) {
    FirstInputFailure first;
    for (const InputBox box : c.failed) first.note(box);
    EXPECT_EQ(first.any(), !c.failed.empty());
    EXPECT_EQ(first.detail(1, 0), c.detail);
  }
  // A later note of the same box keeps the first place.
  FirstInputFailure first;
  first.note(InputBox::kExpression, TypedPlace{4, 1, "q"});
  first.note(InputBox::kExpression, TypedPlace{0, 1, "x"});
  EXPECT_EQ(first.detail(13, 0), "表达式第 5 个字符：“q”");
}

TEST(InputBoxes, TheDetailOfARefusedExpression) {
  const struct {
    const char* typed;
    const char* detail;
  } cases[] = {
      {"x+q", "表达式第 3 个字符：“q”"},
      {"ｙ＝ｘ＋ｑ", "表达式第 5 个字符：“ｑ”"},
      {"√x+sinh(x)", "表达式第 4 个字符：“sinh”"},
      {"(x+1))", "表达式第 6 个字符：“)”"},
      {"(x+1)x", "表达式末尾"},
      {"2*/x", "表达式第 3 个字符：“/”"},
      {"1.2.3+x", "表达式第 1 个字符：“1.2.3”"},
      {"sqr(-1)", "表达式"},  // no fault of the text: no place
  };
  for (const auto& c : cases) {
    const RewrittenText r = rewriteNotation(c.typed, NotationBox::kExpression);
    EvalState s;
    const EvalStop stop = EpcLocated(s, r.text, "1");
    const auto place = faultPlace(r, c.typed, s.evalStatus, stop);
    EXPECT_EQ(inputErrorDetail("表达式", place), c.detail) << c.typed;
  }
  for (const std::int32_t status : {-1, -2, 9, 13}) EXPECT_TRUE(statusHasPlace(status));
  for (const std::int32_t status : {0, 5, 6, 11}) EXPECT_FALSE(statusHasPlace(status));
}

}  // namespace
}  // namespace quorvel
