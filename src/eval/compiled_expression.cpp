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

CompiledExpression::CompiledExpression(std::string_view expression, VariableSet accepted)
    : text_(expression), accepted_(accepted), program_(compileExpression(expression, accepted)) {}

EvalOutcome CompiledExpression::evaluate(const XValue& x) const { return runProgram(program_, x); }

EvalOutcome CompiledExpression::evaluate(const XValue& x, const VariableValues& variables) const {
  return runProgram(program_, x, variables);
}

void CompiledExpression::evaluate(EvalState& state, const XValue& x) const {
  evaluate(state, x, kNoVariableValues);
}

void CompiledExpression::evaluate(EvalState& state, const XValue& x,
                                  const VariableValues& variables) const {
  const EvalOutcome outcome = runProgram(program_, x, variables);
  state.evalStatus = outcome.status;
  // A failure leaves "0", the text of 0.
  state.evalResult.setPendingSingle(outcome.status == kOk ? outcome.value : 0.0f);
}

void CompiledExpressionCache::rebuild(const std::string& text) {
  compiled_ = CompiledExpression(text);
}

}  // namespace quorvel
