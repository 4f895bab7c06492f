#include "eval/double_program.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>

#include "eval/arithmetic.h"
#include "eval/expression_codes.h"

namespace quorvel {

namespace {

using DoubleVariables = std::array<double, kVariableCount>;

DoubleOutcome runInDouble(const ExpressionProgram& program, double x,
                          const DoubleVariables& variables);

double subexpressionInDouble(const ExpressionProgram& program, std::int32_t index, double x,
                             const DoubleVariables& variables) {
  const DoubleOutcome inner =
      runInDouble(program.subexpressions[static_cast<std::size_t>(index)], x, variables);
  return inner.status == kOk ? inner.value : 0.0;
}

Status binaryInDouble(OpCode code, double a, double b, double& out) {
  switch (code) {
    case OpCode::kAdd:
    case OpCode::kAddX:
    case OpCode::kAddConstant: return addDouble(a, b, out);
    case OpCode::kSubtract:
    case OpCode::kSubtractX:
    case OpCode::kSubtractConstant: return subDouble(a, b, out);
    case OpCode::kMultiply:
    case OpCode::kMultiplyX:
    case OpCode::kMultiplyConstant: return mulDouble(a, b, out);
    case OpCode::kDivide:
    case OpCode::kDivideX:
    case OpCode::kDivideConstant: return divDouble(a, b, out);
    default: return powerRule<DoubleArithmetic>(a, b, out);  // kPower, kPowerX, kPowerConstant
  }
}

Status functionInDouble(OpCode code, double v, double& out) {
  switch (code) {
    case OpCode::kSin: return sinDouble(v, out);
    case OpCode::kCos: return cosDouble(v, out);
    case OpCode::kTan: return tanDouble(v, out);
    case OpCode::kCot: return cotDouble(v, out);
    case OpCode::kSqr: return sqrtDouble(v, out);
    case OpCode::kLn: return lnDouble(v, out);
    case OpCode::kArcsin: return asinDouble(v, out);
    case OpCode::kArccos: return acosDouble(v, out);
    case OpCode::kArctan: return atanDouble(v, out);
    case OpCode::kSgn: out = sgnDouble(v); return kOk;
    case OpCode::kFloor: out = std::floor(v); return kOk;
    default: return lgDouble(v, out);  // kLg
  }
}

DoubleOutcome runInDouble(const ExpressionProgram& program, double x,
                          const DoubleVariables& variables) {
  if (!std::isfinite(x)) return {kTypeMismatch, 0.0};  // its text would not read back
  // The builder keeps every program within the scan's stack of 30 operands.
  std::array<double, expression_codes::kStackSize> stack{};
  std::size_t n = 0;
  auto push = [&](double v) {
    if (n >= stack.size()) return false;
    stack[n++] = v;
    return true;
  };
  for (const Op& op : program.ops) {
    Status s = kOk;
    double r = 0.0;
    switch (op.code) {
      case OpCode::kPushConstant:
        if (!push(op.constant)) return {kStackExhausted, 0.0};
        continue;
      case OpCode::kPushX:
        if (!push(x)) return {kStackExhausted, 0.0};
        continue;
      case OpCode::kPushArgument:
        if (!push(subexpressionInDouble(program, op.index, x, variables))) {
          return {kStackExhausted, 0.0};
        }
        continue;
      case OpCode::kPushVariable: {
        const double v = variables[static_cast<std::size_t>(op.index)];
        if (!std::isfinite(v)) return {kTypeMismatch, 0.0};
        if (!push(v)) return {kStackExhausted, 0.0};
        continue;
      }
      case OpCode::kCheckVariable:
        if (!std::isfinite(variables[static_cast<std::size_t>(op.index)])) {
          return {kTypeMismatch, 0.0};
        }
        continue;
      case OpCode::kCheckX: continue;
      case OpCode::kFail: return {op.status, 0.0};
      case OpCode::kEnd: return {kOk, n > 0 ? stack[n - 1] : 0.0};
      case OpCode::kAdd:
      case OpCode::kSubtract:
      case OpCode::kMultiply:
      case OpCode::kDivide:
      case OpCode::kPower:
        if (n < 2) return {kStackExhausted, 0.0};
        s = binaryInDouble(op.code, stack[n - 2], stack[n - 1], r);
        --n;
        break;
      case OpCode::kAddX:
      case OpCode::kSubtractX:
      case OpCode::kMultiplyX:
      case OpCode::kDivideX:
      case OpCode::kPowerX:
        if (n < 1) return {kStackExhausted, 0.0};
        s = binaryInDouble(op.code, stack[n - 1], x, r);
        break;
      case OpCode::kAddConstant:
      case OpCode::kSubtractConstant:
      case OpCode::kMultiplyConstant:
      case OpCode::kDivideConstant:
      case OpCode::kPowerConstant:
        if (n < 1) return {kStackExhausted, 0.0};
        s = binaryInDouble(op.code, stack[n - 1], op.constant, r);
        break;
      case OpCode::kSquare:
        if (n < 1) return {kStackExhausted, 0.0};
        s = squareDouble(stack[n - 1], r);
        break;
      case OpCode::kPushXAddConstant:
      case OpCode::kPushXSubtractConstant:
      case OpCode::kPushXMultiplyConstant:
      case OpCode::kPushXDivideConstant: {
        if (!push(x)) return {kStackExhausted, 0.0};
        const OpCode plain = op.code == OpCode::kPushXAddConstant        ? OpCode::kAdd
                             : op.code == OpCode::kPushXSubtractConstant ? OpCode::kSubtract
                             : op.code == OpCode::kPushXMultiplyConstant ? OpCode::kMultiply
                                                                         : OpCode::kDivide;
        s = binaryInDouble(plain, x, op.constant, r);
        break;
      }
      case OpCode::kPushXSquare:
        if (!push(x)) return {kStackExhausted, 0.0};
        s = squareDouble(x, r);
        break;
      case OpCode::kPushConstantMultiplyX:
        if (!push(op.constant)) return {kStackExhausted, 0.0};
        s = mulDouble(op.constant, x, r);
        break;
      case OpCode::kPowerByConstant:
        if (n < 1) return {kStackExhausted, 0.0};
        s = powDouble(stack[n - 1], op.constant, r);
        break;
      case OpCode::kPowerByArgument:
        if (n < 1) return {kStackExhausted, 0.0};
        s = powDouble(stack[n - 1], subexpressionInDouble(program, op.index, x, variables), r);
        break;
      case OpCode::kNegate:
        if (n < 1) return {kStackExhausted, 0.0};
        stack[n - 1] = -stack[n - 1];
        continue;
      case OpCode::kAbs:
        if (n < 1) return {kStackExhausted, 0.0};
        stack[n - 1] = std::fabs(stack[n - 1]);
        continue;
      case OpCode::kSin:
      case OpCode::kCos:
      case OpCode::kTan:
      case OpCode::kCot:
      case OpCode::kSqr:
      case OpCode::kLn:
      case OpCode::kLg:
      case OpCode::kArcsin:
      case OpCode::kArccos:
      case OpCode::kArctan:
      case OpCode::kSgn:
      case OpCode::kFloor:
        if (n < 1) return {kStackExhausted, 0.0};
        s = functionInDouble(op.code, stack[n - 1], r);
        break;
    }
    if (s != kOk) return {s, 0.0};
    stack[n - 1] = r;  // each step's result replaces the top
  }
  return {kMalformed, 0.0};  // a program always ends with kEnd or kFail
}

}  // namespace

DoubleOutcome runProgramInDouble(const ExpressionProgram& program, double x) {
  // No variable given: reading one fails, as an empty text would.
  static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
  return runInDouble(program, x, DoubleVariables{kNone, kNone, kNone, kNone});
}

DoubleOutcome runProgramInDouble(const ExpressionProgram& program, double x,
                                 const std::array<double, kVariableCount>& variables) {
  return runInDouble(program, x, variables);
}

}  // namespace quorvel
