#pragma once
// The operator codes, constants and limits of the expression language, shared by the
// reference evaluator and the compiler that records its operations, so both read
// the same table.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorvel::expression_codes {

// Operator codes; the precedence class of a code is the code divided by 10 (the later
// functions excepted, see precedenceClass).
constexpr std::int32_t kEndMarker = 0;
constexpr std::int32_t kCloseBracket = 1;
constexpr std::int32_t kAdd = 10;
constexpr std::int32_t kSubtract = 11;
constexpr std::int32_t kMultiply = 40;
constexpr std::int32_t kDivide = 41;
constexpr std::int32_t kNegate = 50;
constexpr std::int32_t kPower = 60;
constexpr std::int32_t kSin = 70;
constexpr std::int32_t kCos = 71;
constexpr std::int32_t kTan = 72;
constexpr std::int32_t kCot = 73;
constexpr std::int32_t kAbs = 74;
constexpr std::int32_t kSqr = 75;
constexpr std::int32_t kLn = 76;
constexpr std::int32_t kLg = 77;
// The functions that came after the first eight fill no code of class 7 of their own
// (70..79 would not hold them all); they are numbered from 701 and belong to class 7
// like every function.
constexpr std::int32_t kArcsin = 701;
constexpr std::int32_t kArccos = 702;
constexpr std::int32_t kArctan = 703;
constexpr std::int32_t kSgn = 704;
constexpr std::int32_t kFloor = 705;
constexpr std::int32_t kOpenBracket = 100;
constexpr std::int32_t kUndefinedCode = 99999;

constexpr bool isFunctionCode(std::int32_t code) {
  return (code >= kSin && code <= kLg) || (code >= kArcsin && code <= kFloor);
}

// The precedence class: the code divided by 10, and 7 for every function.
constexpr std::int32_t precedenceClass(std::int32_t code) {
  return isFunctionCode(code) ? 7 : code / 10;
}

// The tokens the scan knows and their codes ("-!" is the sign of a negative number,
// "#" the end of the text).
struct Token {
  std::string_view text;
  std::int32_t code;
};
inline constexpr Token kTokens[] = {
    {"#", kEndMarker},   {")", kCloseBracket}, {"+", kAdd},         {"-", kSubtract},
    {"*", kMultiply},    {"/", kDivide},       {"-!", kNegate},     {"^", kPower},
    {"sin", kSin},       {"cos", kCos},        {"tan", kTan},       {"tg", kTan},
    {"cot", kCot},       {"ctg", kCot},        {"abs", kAbs},       {"sqr", kSqr},
    {"ln", kLn},         {"lg", kLg},          {"log", kLg},        {"(", kOpenBracket},
    {"arcsin", kArcsin}, {"asin", kArcsin},    {"arccos", kArccos}, {"acos", kArccos},
    {"arctan", kArctan}, {"atan", kArctan},    {"sgn", kSgn},       {"floor", kFloor},
};

// The constants are the short single-precision values, not the full ones.
constexpr float kPi = 3.14159f;
constexpr float kE = 2.71828f;
// Their names in a text.
inline constexpr std::string_view kPiName = "pi";
inline constexpr std::string_view kEName = "e";

// Both stacks hold 30 entries.
constexpr int kStackSize = 30;

// A sub-expression (a negative exponent or a function argument without brackets)
// holds only ".", digits and "x" after an optional "-", so it never needs a
// sub-expression of its own. The limit makes that bound explicit whatever the text.
constexpr int kMaxSubexpressionDepth = 1;

// Every step reads a character, puts one back, empties the number buffer, reduces
// by one operator or ends, so an evaluation takes a few steps per character. The
// guard only makes the bound explicit; no text comes near it.
constexpr std::size_t kStepsPerCharacter = 64;

}  // namespace quorvel::expression_codes
