#include "eval/compiled_expression.h"

#include <cmath>

#include "eval/expression_compiler.h"
#include "eval/number_text.h"
#include "eval/program_runner.h"
#include "eval/seven_digit_text.h"

namespace quorvel {

XValue XValue::fromText(std::string_view xText) {
  XValue x;
  x.status = textToSingle(xText, x.value);
  return x;
}

XValue XValue::fromSingle(float x) {
  // The text of a finite single always reads back; "NaN" and "Infinity" do not.
  if (!std::isfinite(x)) return {kTypeMismatch, 0.0f};
  return {kOk, singleTextValue(x)};
}

CompiledExpression::CompiledExpression() : program_(compileExpression("")) {}

CompiledExpression::CompiledExpression(std::string_view expression)
    : text_(expression), program_(compileExpression(expression)) {}

EvalOutcome CompiledExpression::evaluate(const XValue& x) const { return runProgram(program_, x); }

void CompiledExpression::evaluate(EvalState& state, const XValue& x) const {
  const EvalOutcome outcome = runProgram(program_, x);
  state.evalStatus = outcome.status;
  if (outcome.status == kOk) {
    assignSingleText(state.evalResult, outcome.value);
  } else {
    state.evalResult.assign(1, '0');
  }
}

}  // namespace quorvel
