#pragma once
// An expression text compiled once and evaluated at any x with exactly the outcome
// Epc gives: the same status, the same result, the same single-precision rounding at
// every step, the same first failure. What it keeps is the list of operations that
// Epc's scan performs on its operand stack (see eval/expression_program.h); the
// text is not read again.
#include <string>
#include <string_view>

#include "eval/epc.h"
#include "eval/expression_program.h"
#include "eval/status.h"

namespace quorvel {

// x as the evaluator sees it: the number its text reads back as, or the failure of
// that reading, which an evaluation meets at the first "x" it reads.
struct XValue {
  Status status = kOk;
  float value = 0.0f;

  // Epc's x text.
  static XValue fromText(std::string_view xText);
  // A single handed over as its text, as f does: singleText(x) read back.
  static XValue fromSingle(float x);
};

// The outcome of one evaluation: the status, and on success the value whose text is
// the result text (singleText(value)).
struct EvalOutcome {
  Status status = kOk;
  float value = 0.0f;
};

class CompiledExpression {
 public:
  // The empty text (status -2 everywhere).
  CompiledExpression();
  explicit CompiledExpression(std::string_view expression);

  EvalOutcome evaluate(const XValue& x) const;
  // Leaves in `state` exactly what Epc(state, text, xText) leaves, for the XValue of
  // that x text.
  void evaluate(EvalState& state, const XValue& x) const;

  const std::string& text() const { return text_; }
  const ExpressionProgram& program() const { return program_; }

 private:
  std::string text_;
  ExpressionProgram program_;
};

// The compiled form of the last text asked for, rebuilt only when the text changes.
class CompiledExpressionCache {
 public:
  const CompiledExpression& compiledFor(const std::string& text) {
    if (text != compiled_.text()) compiled_ = CompiledExpression(text);
    return compiled_;
  }

 private:
  CompiledExpression compiled_;
};

}  // namespace quorvel
