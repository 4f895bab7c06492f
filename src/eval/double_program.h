#pragma once
// A compiled expression run in double arithmetic: the same operations in the same
// order with the same failures as the single-precision run (program_runner.h), but
// nothing is rounded to single and no number passes through its seven-digit text. The
// analysis refines a user curve's points with it, where single precision is too coarse
// (near a flat minimum or a zero the curve only touches).
#include <array>

#include "eval/expression_program.h"
#include "eval/status.h"
#include "eval/variables.h"

namespace quorvel {

struct DoubleOutcome {
  Status status = kOk;
  double value = 0.0;
};

// The program at x. A sub-expression that fails gives 0 to the outer program, as in
// the single-precision run.
DoubleOutcome runProgramInDouble(const ExpressionProgram& program, double x);
// With the values of the variables besides x, by their number; a value that is not
// finite fails where the variable is read, as an x that is not finite.
DoubleOutcome runProgramInDouble(const ExpressionProgram& program, double x,
                                 const std::array<double, kVariableCount>& variables);

}  // namespace quorvel
