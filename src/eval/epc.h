#pragma once
// The expression evaluator: reads an expression text once, left to right, with an
// operand stack and an operator stack, and applies each operator as soon as the
// precedence rules allow. This is the program's reference evaluator; it is kept
// literal and readable on purpose.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "eval/result_text.h"
#include "eval/variables.h"

namespace quorvel {

// What an evaluation leaves behind: the outcome code (see eval/status.h) and the
// value text ("0" after any failure).
struct EvalState {
  std::int32_t evalStatus = 0;
  ResultText evalResult;
};

// Operator code of a token: "#" 0, ")" 1, "+" 10, "-" 11, "*" 40, "/" 41, "-!" 50,
// "^" 60, "sin" 70, "cos" 71, "tan"/"tg" 72, "cot"/"ctg" 73, "abs" 74, "sqr" 75,
// "ln" 76, "lg"/"log" 77, "arcsin"/"asin" 701, "arccos"/"acos" 702, "arctan"/"atan"
// 703, "sgn" 704, "floor" 705 (the later functions: class 7 all the same), "(" 100;
// anything else 99999.
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

// Where an evaluation stopped: the offset in bytes of the token it was reading when it
// ended (a function name, a number, a character) and the token's length. At the end of
// the text the offset is the text's length and the length 0. It says where the text
// went wrong for the failures the text decides: kUndefinedToken, kMalformed,
// kStackExhausted and kTypeMismatch (a number that does not convert).
struct EvalStop {
  std::size_t offset = 0;
  std::size_t length = 0;
};

// Epc, reading besides x the variables that `variables` holds texts for (see
// eval/variables.h; with none it reads exactly what Epc reads), and telling where the
// scan stopped.
EvalStop EpcLocated(EvalState& state, std::string expression, const std::string& xText,
                    const VariableTexts& variables = {});

}  // namespace quorvel
