#pragma once
// The compiled form of an expression: the operations that one scan of the text
// performs on the operand stack, in order, ready to be replayed at any x. The scan's
// path depends on the text only; x changes values and which arithmetic step fails
// first, never the path. Everything the scan decides from the text alone (stack
// limits, undefined tokens, malformed ends, number texts) is decided once, when the
// program is built, and ends the program with a Fail.
#include <cstdint>
#include <vector>

#include "eval/status.h"

namespace quorvel {

enum class OpCode : std::uint8_t {
  kPushConstant,  // push `constant`
  kPushX,         // push x as its text reads back; fails when that text does not
  kPushArgument,  // push the read-back result of subexpressions[index], 0 if it failed
  kPushVariable,  // push the variable number `index` (see eval/variables.h), as kPushX
  kAdd,           // a b -> a + b
  kSubtract,
  kMultiply,
  kDivide,
  kNegate,           // v -> -v
  kPower,            // a b -> a ^ b by the negative-base rule
  kPowerByConstant,  // v -> v ^ constant, taken directly (a negative exponent)
  kPowerByArgument,  // v -> v ^ (read-back result of subexpressions[index])
  kSin,
  kCos,
  kTan,
  kCot,
  kAbs,
  kSqr,
  kLn,
  kLg,
  kArcsin,
  kArccos,
  kArctan,
  kSgn,
  kFloor,
  // Operand-fused forms: the right operand b is x or `constant` instead of the top.
  kAddX,
  kSubtractX,
  kMultiplyX,
  kDivideX,
  kPowerX,  // v -> v ^ x by the negative-base rule
  kAddConstant,
  kSubtractConstant,
  kMultiplyConstant,
  kDivideConstant,
  kPowerConstant,  // v -> v ^ constant by the negative-base rule
  kSquare,         // v -> v ^ 2: the power rule's pow(v, 2) is the exact v * v
  // x pushed and at once combined with `constant`, the commonest pairs.
  kPushXAddConstant,  // push x + constant
  kPushXSubtractConstant,
  kPushXMultiplyConstant,
  kPushXDivideConstant,
  kPushXSquare,            // push x ^ 2
  kPushConstantMultiplyX,  // push constant * x
  kCheckX,                 // fails as kPushX would, pushes nothing
  kCheckVariable,          // fails as kPushVariable would, pushes nothing
  kFail,                   // ends with `status`
  kEnd,                    // ends with the top value
};

struct Op {
  OpCode code = OpCode::kFail;
  Status status = kOk;     // kFail
  std::int32_t index = 0;  // kPushArgument, kPowerByArgument; the variable's number
  float constant = 0.0f;   // kPushConstant, kPowerByConstant and the fused forms
};

// A sub-expression (a function argument without brackets, a negative exponent): a
// program of its own whose result reaches the outer program as its text read back.
struct ExpressionProgram {
  std::vector<Op> ops;  // ends with kFail or kEnd
  std::vector<ExpressionProgram> subexpressions;
  bool usesX = false;  // some op of it or of a sub-expression reads x or another variable
  // The value it ends with is x or a sub-expression's result (possibly made absolute),
  // each already a text read back; reading its text back again gives it unchanged
  // (the read-back is idempotent: the tests check every single).
  bool endsReadBack = false;
};

}  // namespace quorvel
