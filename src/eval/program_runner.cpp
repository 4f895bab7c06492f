#include "eval/program_runner.h"

#include <array>
#include <cstddef>

#include "eval/expression_ops.h"
#include "eval/seven_digit_text.h"

namespace quorvel {

Status powerRuleStep(float a, float b, float& out) {
  const float whole = std::trunc(b);
  if (a >= 0.0f || (b == whole && std::fabs(b) >= 1.0f)) return powSingle(a, b, out);
  float d = 0.0f;
  Status s = subSingle(b, whole, d);
  if (s != kOk) return s;
  float reciprocal = 0.0f;
  s = divSingle(1.0f, d, reciprocal);
  if (s != kOk) return s;
  const double n = roundHalfEven(static_cast<double>(reciprocal));
  if (std::fmod(n, 2.0) == 0.0) return kInvalidArgument;
  float root = 0.0f;
  s = powSingle(-a, b, root);
  if (s != kOk) return s;
  out = -root;
  return kOk;
}

float subexpressionValue(const ExpressionProgram& subexpression, const XValue& x) {
  const EvalOutcome inner = runProgram(subexpression, x);
  return inner.status == kOk ? singleTextValue(inner.value) : 0.0f;
}

EvalOutcome runProgram(const ExpressionProgram& program, const XValue& x) {
  // The builder keeps every program within 30 operands, as the scan's stack.
  std::array<float, 30> stack;
  std::size_t n = 0;  // values on the stack; the top is stack[n - 1]
  Status s = kOk;
  for (const Op& op : program.ops) {
    switch (op.code) {
      case OpCode::kPushConstant:
        stack[n++] = op.constant;
        continue;
      case OpCode::kPushX:
        if (x.status != kOk) return {x.status, 0.0f};
        stack[n++] = x.value;
        continue;
      case OpCode::kPushArgument:
        stack[n++] =
            subexpressionValue(program.subexpressions[static_cast<std::size_t>(op.index)], x);
        continue;
      case OpCode::kAdd:
        --n;
        s = addStep(stack[n - 1], stack[n], stack[n - 1]);
        break;
      case OpCode::kSubtract:
        --n;
        s = subtractStep(stack[n - 1], stack[n], stack[n - 1]);
        break;
      case OpCode::kMultiply:
        --n;
        s = multiplyStep(stack[n - 1], stack[n], stack[n - 1]);
        break;
      case OpCode::kDivide:
        --n;
        s = divideStep(stack[n - 1], stack[n], stack[n - 1]);
        break;
      case OpCode::kPower:
        --n;
        s = powerRuleStep(stack[n - 1], stack[n], stack[n - 1]);
        break;
      case OpCode::kAddX:
        if (x.status != kOk) return {x.status, 0.0f};
        s = addStep(stack[n - 1], x.value, stack[n - 1]);
        break;
      case OpCode::kSubtractX:
        if (x.status != kOk) return {x.status, 0.0f};
        s = subtractStep(stack[n - 1], x.value, stack[n - 1]);
        break;
      case OpCode::kMultiplyX:
        if (x.status != kOk) return {x.status, 0.0f};
        s = multiplyStep(stack[n - 1], x.value, stack[n - 1]);
        break;
      case OpCode::kDivideX:
        if (x.status != kOk) return {x.status, 0.0f};
        s = divideStep(stack[n - 1], x.value, stack[n - 1]);
        break;
      case OpCode::kAddConstant:
        s = addStep(stack[n - 1], op.constant, stack[n - 1]);
        break;
      case OpCode::kSubtractConstant:
        s = subtractStep(stack[n - 1], op.constant, stack[n - 1]);
        break;
      case OpCode::kMultiplyConstant:
        s = multiplyStep(stack[n - 1], op.constant, stack[n - 1]);
        break;
      case OpCode::kDivideConstant:
        s = divideStep(stack[n - 1], op.constant, stack[n - 1]);
        break;
      case OpCode::kPowerConstant:
        s = powerRuleStep(stack[n - 1], op.constant, stack[n - 1]);
        break;
      case OpCode::kSquare:
        s = squareStep(stack[n - 1], stack[n - 1]);
        break;
      case OpCode::kPowerByConstant:
        s = powSingle(stack[n - 1], op.constant, stack[n - 1]);
        break;
      case OpCode::kPowerByArgument: {
        const float exponent =
            subexpressionValue(program.subexpressions[static_cast<std::size_t>(op.index)], x);
        s = powSingle(stack[n - 1], exponent, stack[n - 1]);
        break;
      }
      case OpCode::kNegate:
        stack[n - 1] = -stack[n - 1];
        continue;
      case OpCode::kAbs:
        stack[n - 1] = std::fabs(stack[n - 1]);
        continue;
      case OpCode::kSin:
      case OpCode::kCos:
      case OpCode::kTan:
      case OpCode::kCot:
      case OpCode::kSqr:
      case OpCode::kLn:
      case OpCode::kLg:
        s = functionStep(op.code, stack[n - 1], stack[n - 1]);
        break;
      case OpCode::kCheckX:
        if (x.status != kOk) return {x.status, 0.0f};
        continue;
      case OpCode::kFail:
        return {op.status, 0.0f};
      case OpCode::kEnd:
        return {kOk, stack[n - 1]};
    }
    if (s != kOk) return {s, 0.0f};
  }
  return {kMalformed, 0.0f};  // not reached: every program ends with kFail or kEnd
}

}  // namespace quorvel
