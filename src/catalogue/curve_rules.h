#pragma once
// What the draw command derives from a curve's parameters: the list text, the
// family's validity rule with its message, and the bracket check of an expression.
#include <optional>
#include <string>

#include "eval/curve_formulas.h"

namespace quorvel {

inline constexpr const char* kTitleError = "错误";
inline constexpr const char* kTitleParameterError = "参数错误";

// Messages of the draw command's own checks (title kTitleError).
inline constexpr const char* kMessageDataError = "数据错误";
inline constexpr const char* kMessageBracketError = "括号错误";
inline constexpr const char* kMessageUndefinedCharacter = "字符未定义";
inline constexpr const char* kMessageExpressionError = "表达式错误，请检查";
// A parameter so large that the list text cannot be written in single precision
// (a² × 100, b² × 100 or 2p); shown with kTitleParameterError.
inline constexpr const char* kMessageParameterTooLarge = "参数过大";
// A curve of 幂函数 or of a form after a family's first ones kept in a .QVX list file,
// which has no number for it (title kTitleError).
inline constexpr const char* kMessageFormNotInListFile =
    "列表文件（.QVX）不能保存这种函数形式，曲线未添加";

// The equation text of the list ('y=2x+-3', 'x^2/.25+y^2/0.25=1', 'y=sin(x)*2').
// Empty for a family/form pair outside the catalogue. nullopt when a number the
// text needs leaves single precision (a² × 100, b² × 100, 2p); the draw command then
// refuses the curve with kMessageParameterTooLarge.
std::optional<std::string> listText(const CurveParams& c);

// The message of the family's validity rule when it fails (families 0 form 2, 1..10,
// 12), or nullopt when drawing is allowed. Family 13's checks are not here.
std::optional<std::string> validityMessage(const CurveParams& c);

// Brackets balanced: the depth never drops below 0 and ends at 0.
bool bracketsBalanced(const std::string& expression);

}  // namespace quorvel
