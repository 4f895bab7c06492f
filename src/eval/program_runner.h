#pragma once
#include "eval/compiled_expression.h"
#include "eval/expression_program.h"

namespace quorvel {

// Replays a program at x on a stack of 30 singles; the first failing step ends it.
EvalOutcome runProgram(const ExpressionProgram& program, const XValue& x);

// What the outer evaluation takes from a sub-expression: its result text read back,
// or 0 when it failed (its text is then "0").
float subexpressionValue(const ExpressionProgram& subexpression, const XValue& x);

}  // namespace quorvel
