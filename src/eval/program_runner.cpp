#include "eval/program_runner.h"

namespace quorvel {

float subexpressionValue(const ExpressionProgram& subexpression, const XValue& x,
                         const VariableValues& variables) {
  const EvalOutcome inner = runProgram(subexpression, x, variables);
  return inner.status == kOk ? singleTextValue(inner.value) : 0.0f;
}

}  // namespace quorvel
