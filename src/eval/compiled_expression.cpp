#include "eval/compiled_expression.h"

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

CompiledExpression::CompiledExpression() : program_(compileExpression("")) {}

CompiledExpression::CompiledExpression(std::string_view expression)
    : text_(expression), program_(compileExpression(expression)) {}

EvalOutcome CompiledExpression::evaluate(const XValue& x) const { return runProgram(program_, x); }

void CompiledExpression::evaluate(EvalState& state, const XValue& x) const {
  const EvalOutcome outcome = runProgram(program_, x);
  state.evalStatus = outcome.status;
  // A failure leaves "0", the text of 0.
  state.evalResult.setPendingSingle(outcome.status == kOk ? outcome.value : 0.0f);
}

void CompiledExpressionCache::rebuild(const std::string& text) {
  compiled_ = CompiledExpression(text);
}

}  // namespace quorvel
