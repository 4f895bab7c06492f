#pragma once
// An expression text compiled once and evaluated at any x with exactly the outcome
// Epc gives: the same status, the same result, the same single-precision rounding at
// every step, the same first failure. What it keeps is the list of operations that
// Epc's scan performs on its operand stack (see eval/expression_program.h); the
// text is not read again.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "eval/epc.h"
#include "eval/expression_program.h"
#include "eval/program_runner.h"
#include "eval/seven_digit_text.h"
#include "eval/status.h"
#include "eval/variables.h"

namespace quorvel {

class CompiledExpression {
 public:
  // The empty text (status -2 everywhere).
  CompiledExpression();
  explicit CompiledExpression(std::string_view expression);
  // A text that may read the variables besides x that `accepted` names, as EpcLocated
  // with texts for them reads it.
  CompiledExpression(std::string_view expression, VariableSet accepted);

  EvalOutcome evaluate(const XValue& x) const;
  EvalOutcome evaluate(const XValue& x, const VariableValues& variables) const;
  // Leaves in `state` exactly what Epc(state, text, xText) leaves, for the XValue of
  // that x text (the result text written when it is first read).
  void evaluate(EvalState& state, const XValue& x) const;
  // The same with the variables' values: what EpcLocated leaves with their texts.
  void evaluate(EvalState& state, const XValue& x, const VariableValues& variables) const;
  // What f leaves for a single x: the state as Epc(state, text, singleText(x)), and
  // y, the result text read back (0 after a failure).
  float evaluateAtSingle(EvalState& state, float x) const;

  const std::string& text() const { return text_; }
  const ExpressionProgram& program() const { return program_; }
  VariableSet accepted() const { return accepted_; }

 private:
  std::string text_;
  VariableSet accepted_;
  ExpressionProgram program_;
};

[[gnu::always_inline]] inline float CompiledExpression::evaluateAtSingle(EvalState& state,
                                                                         float x) const {
  // Only the replay for an x that reads back is inline; a NaN or infinite x (whose text
  // does not read back) takes the general one.
  const XValue xValue = XValue::fromSingle(x);
  const EvalOutcome outcome = xValue.status == kOk
                                  ? replayProgram<true>(program_, xValue, kNoVariableValues)
                                  : evaluate(xValue);
  state.evalStatus = outcome.status;
  if (outcome.status != kOk) {
    state.evalResult.setPendingSingle(0.0f);  // the text "0"
    return 0.0f;
  }
  state.evalResult.setPendingSingle(outcome.value);
  // x read back from a single, and a sub-expression's result, are already read back.
  return program_.endsReadBack ? outcome.value : singleTextValue(outcome.value);
}

// The compiled form of the last text asked for, rebuilt only when the text changes.
class CompiledExpressionCache {
 public:
  const CompiledExpression& compiledFor(const std::string& text) {
    if (!sameText(text, compiled_.text())) rebuild(text);
    return compiled_;
  }

 private:
  // Out of line: it runs once per curve, and keeps the per-point path short.
  void rebuild(const std::string& text);

  // Asked at every point: the length, then eight bytes at a time, with no library call.
  static bool sameText(const std::string& a, const std::string& b) {
    const std::size_t n = a.size();
    if (n != b.size()) return false;
    const char* p = a.data();
    const char* q = b.data();
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8) {
      std::uint64_t u = 0, v = 0;
      std::memcpy(&u, p + i, 8);
      std::memcpy(&v, q + i, 8);
      if (u != v) return false;
    }
    for (; i < n; ++i) {
      if (p[i] != q[i]) return false;
    }
    return true;
  }

  CompiledExpression compiled_;
};

}  // namespace quorvel
