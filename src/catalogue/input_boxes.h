#pragma once
// Which box of the panel a refused input came from, said the way the panel names it,
// and the line that tells the user where the fault is ("ｋ", "Ｘ轴范围",
// "表达式第 5 个字符：“q”"). The message itself (数据错误, 字符未定义 …) stays as it
// is; this is the detail under it.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "eval/notation.h"

namespace quorvel {

// The boxes the draw command reads, in the order it reads and checks them: the three
// parameter boxes (and a fourth for the forms that have one), the four range ends, then (for a
// user's curve) the expression.
enum class InputBox : std::uint8_t {
  kParameter1,
  kParameter2,
  kParameter3,
  kParameter4,  // only the forms with a fourth parameter
  kRangeX1,
  kRangeX2,
  kRangeY1,
  kRangeY2,
  kExpression,
};
inline constexpr std::array<InputBox, 9> kInputBoxOrder{
    InputBox::kParameter1, InputBox::kParameter2, InputBox::kParameter3,
    InputBox::kParameter4, InputBox::kRangeX1,    InputBox::kRangeX2,
    InputBox::kRangeY1,    InputBox::kRangeY2,    InputBox::kExpression};

// How a message names the box for a family and form: a parameter box by its caption
// without "＝" ("ｋ", "ｘ１", "ω"), a box the form does not use by its number
// ("第 2 个参数框"), the ranges "Ｘ轴范围" and "Ｙ轴范围", the expression "表达式".
std::string inputBoxName(InputBox box, int family, int form);

// Whether a status is a fault of the text itself, whose place can be shown: an undefined
// character or name, a malformed text, an operator without its values or too many
// pending, a number that does not convert.
bool statusHasPlace(std::int32_t status);

// The place of a refused text's fault in the text as typed, for a status that has one;
// `rewritten` is the typed text's rewrite and `stop` where its evaluation stopped.
std::optional<TypedPlace> faultPlace(const RewrittenText& rewritten, std::string_view typed,
                                     std::int32_t status, EvalStop stop);

// The detail line: the box's name, and for a place in its text the character's number
// (from 1) and the character or name as typed: "表达式第 5 个字符：“q”", "表达式末尾".
std::string inputErrorDetail(const std::string& boxName, const std::optional<TypedPlace>& place);

// The first refused box of a draw, in the order the boxes are checked, with the place
// in its text when there is one. The draw command notes each refusal as it meets it;
// a later box never replaces an earlier one.
class FirstInputFailure {
 public:
  void note(InputBox box, std::optional<TypedPlace> place = std::nullopt);

  bool any() const { return box_.has_value(); }
  // Only when any().
  InputBox box() const { return *box_; }
  const std::optional<TypedPlace>& place() const { return place_; }
  // inputErrorDetail for the box, named for the family and form; empty when none failed.
  std::string detail(int family, int form) const;

 private:
  std::optional<InputBox> box_;
  std::optional<TypedPlace> place_;
};

}  // namespace quorvel
