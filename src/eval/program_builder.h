#pragma once
// Collects the operations of a program while the scan runs, keeps count of the
// operands the scan's stack holds, and carries out at once every operation whose
// operands are all constants (the folded step fails exactly where the run would).
#include <cstddef>

#include "eval/expression_program.h"
#include "eval/status.h"
#include "eval/variables.h"

namespace quorvel {

// A sub-expression as the outer program sees it: a constant when it does not read x,
// otherwise a program to run at each x.
struct SubexpressionResult {
  bool constant = true;
  float value = 0.0f;         // the read-back result when constant
  ExpressionProgram program;  // when not constant
};

class ProgramBuilder {
 public:
  int operandCount() const { return operands_; }

  void pushConstant(float value);
  void pushX();
  // The x that a push would read, when the push itself cannot happen: its failure,
  // if any, comes first.
  void checkX();
  // The same for a variable besides x.
  void pushVariable(Variable v);
  void checkVariable(Variable v);
  void pushSubexpression(SubexpressionResult result);
  // kAdd .. kDivide, kPower: two operands to one. False when it is known to fail.
  bool binary(OpCode code);
  // kNegate and the functions on the top operand. False when it is known to fail.
  bool unary(OpCode code);
  // The top operand raised directly to a negative exponent computed ahead.
  bool powerBy(const SubexpressionResult& exponent);
  void fail(Status status);
  void end();

  // The finished program, operand-fused where a push feeds the next operation.
  ExpressionProgram finish();

 private:
  bool lastOpsArePushConstants(std::size_t count) const;
  void emit(Op op) { program_.ops.push_back(op); }
  std::size_t addSubexpression(ExpressionProgram sub);

  ExpressionProgram program_;
  int operands_ = 0;
};

}  // namespace quorvel
