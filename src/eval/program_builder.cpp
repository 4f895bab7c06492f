#include "eval/program_builder.h"

#include <utility>

#include "eval/expression_ops.h"

namespace quorvel {

namespace {

OpCode fusedWithX(OpCode code) {
  switch (code) {
    case OpCode::kAdd: return OpCode::kAddX;
    case OpCode::kSubtract: return OpCode::kSubtractX;
    case OpCode::kMultiply: return OpCode::kMultiplyX;
    case OpCode::kDivide: return OpCode::kDivideX;
    case OpCode::kPower: return OpCode::kPowerX;
    default: return code;
  }
}

OpCode fusedWithConstant(OpCode code) {
  switch (code) {
    case OpCode::kAdd: return OpCode::kAddConstant;
    case OpCode::kSubtract: return OpCode::kSubtractConstant;
    case OpCode::kMultiply: return OpCode::kMultiplyConstant;
    case OpCode::kDivide: return OpCode::kDivideConstant;
    case OpCode::kPower: return OpCode::kPowerConstant;
    default: return code;
  }
}

Op constantOp(float value) {
  Op op;
  op.code = OpCode::kPushConstant;
  op.constant = value;
  return op;
}

Op failOp(Status status) {
  Op op;
  op.code = OpCode::kFail;
  op.status = status;
  return op;
}

// A push of x followed by an operation with a constant operand, and a constant times x,
// as one operation; kEnd where there is none.
OpCode pairedWithPushX(OpCode next) {
  switch (next) {
    case OpCode::kAddConstant: return OpCode::kPushXAddConstant;
    case OpCode::kSubtractConstant: return OpCode::kPushXSubtractConstant;
    case OpCode::kMultiplyConstant: return OpCode::kPushXMultiplyConstant;
    case OpCode::kDivideConstant: return OpCode::kPushXDivideConstant;
    case OpCode::kSquare: return OpCode::kPushXSquare;
    default: return OpCode::kEnd;
  }
}

std::vector<Op> pairedOperations(const std::vector<Op>& ops) {
  std::vector<Op> paired;
  paired.reserve(ops.size());
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (i + 1 < ops.size()) {
      const Op& next = ops[i + 1];
      if (ops[i].code == OpCode::kPushX && pairedWithPushX(next.code) != OpCode::kEnd) {
        paired.push_back(Op{.code = pairedWithPushX(next.code), .constant = next.constant});
        ++i;
        continue;
      }
      if (ops[i].code == OpCode::kPushConstant && next.code == OpCode::kMultiplyX) {
        paired.push_back(Op{.code = OpCode::kPushConstantMultiplyX, .constant = ops[i].constant});
        ++i;
        continue;
      }
    }
    paired.push_back(ops[i]);
  }
  return paired;
}

// The last value before kEnd is x or a sub-expression's result, or the absolute value
// of one (the read-back treats a sign apart from the digits). Not a negation: -0 would
// read back as 0.
bool endsWithReadBackValue(const std::vector<Op>& ops) {
  if (ops.empty() || ops.back().code != OpCode::kEnd) return false;
  std::size_t i = ops.size() - 1;
  while (i > 0 && ops[i - 1].code == OpCode::kAbs) --i;
  if (i == 0) return false;
  const OpCode last = ops[i - 1].code;
  return last == OpCode::kPushX || last == OpCode::kPushArgument;
}

}  // namespace

bool ProgramBuilder::lastOpsArePushConstants(std::size_t count) const {
  const auto& ops = program_.ops;
  if (ops.size() < count) return false;
  for (std::size_t i = ops.size() - count; i < ops.size(); ++i) {
    if (ops[i].code != OpCode::kPushConstant) return false;
  }
  return true;
}

std::size_t ProgramBuilder::addSubexpression(ExpressionProgram sub) {
  program_.subexpressions.push_back(std::move(sub));
  program_.usesX = true;  // only sub-expressions that read x are kept
  return program_.subexpressions.size() - 1;
}

void ProgramBuilder::pushConstant(float value) {
  emit(constantOp(value));
  ++operands_;
}

void ProgramBuilder::pushX() {
  emit(Op{.code = OpCode::kPushX});
  program_.usesX = true;
  ++operands_;
}

void ProgramBuilder::checkX() {
  emit(Op{.code = OpCode::kCheckX});
  program_.usesX = true;
}

void ProgramBuilder::pushVariable(Variable v) {
  emit(Op{.code = OpCode::kPushVariable, .index = static_cast<std::int32_t>(variableIndex(v))});
  program_.usesX = true;
  ++operands_;
}

void ProgramBuilder::checkVariable(Variable v) {
  emit(Op{.code = OpCode::kCheckVariable, .index = static_cast<std::int32_t>(variableIndex(v))});
  program_.usesX = true;
}

void ProgramBuilder::pushSubexpression(SubexpressionResult result) {
  if (result.constant) {
    pushConstant(result.value);
    return;
  }
  const std::size_t index = addSubexpression(std::move(result.program));
  emit(Op{.code = OpCode::kPushArgument, .index = static_cast<std::int32_t>(index)});
  ++operands_;
}

bool ProgramBuilder::binary(OpCode code) {
  --operands_;
  if (!lastOpsArePushConstants(2)) {
    emit(Op{.code = code});
    return true;
  }
  auto& ops = program_.ops;
  const float b = ops.back().constant;
  ops.pop_back();
  const float a = ops.back().constant;
  ops.pop_back();
  float result = 0.0f;
  const Status s = binaryStep(code, a, b, result);
  if (s != kOk) {
    fail(s);
    return false;
  }
  emit(constantOp(result));
  return true;
}

bool ProgramBuilder::unary(OpCode code) {
  if (!lastOpsArePushConstants(1)) {
    emit(Op{.code = code});
    return true;
  }
  float result = 0.0f;
  const Status s = functionStep(code, program_.ops.back().constant, result);
  program_.ops.pop_back();
  if (s != kOk) {
    fail(s);
    return false;
  }
  emit(constantOp(result));
  return true;
}

bool ProgramBuilder::powerBy(const SubexpressionResult& exponent) {
  if (!exponent.constant) {
    const std::size_t index = addSubexpression(exponent.program);
    emit(Op{.code = OpCode::kPowerByArgument, .index = static_cast<std::int32_t>(index)});
    return true;
  }
  if (!lastOpsArePushConstants(1)) {
    emit(Op{.code = OpCode::kPowerByConstant, .constant = exponent.value});
    return true;
  }
  float result = 0.0f;
  const Status s = powSingle(program_.ops.back().constant, exponent.value, result);
  program_.ops.pop_back();
  if (s != kOk) {
    fail(s);
    return false;
  }
  emit(constantOp(result));
  return true;
}

void ProgramBuilder::fail(Status status) { emit(failOp(status)); }

void ProgramBuilder::end() { emit(Op{.code = OpCode::kEnd}); }

ExpressionProgram ProgramBuilder::finish() {
  std::vector<Op> fused;
  const auto& ops = program_.ops;
  fused.reserve(ops.size());
  for (std::size_t i = 0; i < ops.size(); ++i) {
    if (i + 1 < ops.size()) {
      const OpCode next = ops[i + 1].code;
      if (ops[i].code == OpCode::kPushX && fusedWithX(next) != next) {
        fused.push_back(Op{.code = fusedWithX(next)});
        ++i;
        continue;
      }
      if (ops[i].code == OpCode::kPushConstant && fusedWithConstant(next) != next) {
        const bool square = next == OpCode::kPower && ops[i].constant == 2.0f;
        fused.push_back(Op{.code = square ? OpCode::kSquare : fusedWithConstant(next),
                           .constant = ops[i].constant});
        ++i;
        continue;
      }
    }
    fused.push_back(ops[i]);
  }
  program_.endsReadBack = endsWithReadBackValue(fused);
  program_.ops = pairedOperations(fused);
  return std::move(program_);
}

}  // namespace quorvel
