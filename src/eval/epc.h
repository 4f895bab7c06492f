#pragma once
// The expression evaluator: reads an expression text once, left to right, with an
// operand stack and an operator stack, and applies each operator as soon as the
// precedence rules allow. This is the program's reference evaluator; it is kept
// literal and readable on purpose.
#include <cstdint>
#include <string>
#include <string_view>

#include "eval/result_text.h"

namespace quorvel {

// What an evaluation leaves behind: the outcome code (see eval/status.h) and the
// value text ("0" after any failure).
struct EvalState {
  std::int32_t evalStatus = 0;
  ResultText evalResult;
};

// Operator code of a token: "#" 0, ")" 1, "+" 10, "-" 11, "*" 40, "/" 41, "-!" 50,
// "^" 60, "sin" 70, "cos" 71, "tan"/"tg" 72, "cot"/"ctg" 73, "abs" 74, "sqr" 75,
// "ln" 76, "lg"/"log" 77, "(" 100; anything else 99999.
std::int32_t numsign(std::string_view token);

// Evaluates `expression` at the x given as the decimal text `xText`; leaves the
// outcome in `state.evalStatus` and `state.evalResult` (the value as singleText on
// success, "0" after any failure). Beyond the plain rules:
// - a ")" with no "(" left to close (also after a "#" typed inside brackets) is
//   kMalformed (-2);
// - an overflow inside a function or a power fails at that step with kOverflow;
// - 0 raised to a negative power is kDivisionByZero, a directly computed negative
//   exponent without a real value (such as (-32)^-0.2) is kInvalidArgument;
// - an unclosed "(" reads past the end of the text: kInvalidArgument.
// Any text of any length ends with a status; sub-expressions nest one level only.
void Epc(EvalState& state, std::string expression, const std::string& xText);

}  // namespace quorvel
