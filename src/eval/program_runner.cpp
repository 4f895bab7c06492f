#include "eval/program_runner.h"

namespace quorvel {

float subexpressionValue(const ExpressionProgram& subexpression, const XValue& x) {
  const EvalOutcome inner = runProgram(subexpression, x);
  return inner.status == kOk ? singleTextValue(inner.value) : 0.0f;
}

}  // namespace quorvel
