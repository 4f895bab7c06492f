#pragma once
// Replays a compiled program at x. Inline: it runs at every plotted point of a user
// curve, and most programs are a handful of operations.
#include <array>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "eval/expression_codes.h"
#include "eval/expression_ops.h"
#include "eval/expression_program.h"
#include "eval/seven_digit_text.h"
#include "eval/status.h"
#include "eval/variables.h"

namespace quorvel {

// x as the evaluator sees it: the number its text reads back as, or the failure of
// that reading, which an evaluation meets at the first "x" it reads.
struct XValue {
  Status status = kOk;
  float value = 0.0f;

  // Epc's x text.
  static XValue fromText(std::string_view xText);
  // A single handed over as its text, as f does: singleText(x) read back. The text of
  // a finite single always reads back; "NaN" and "Infinity" do not.
  static XValue fromSingle(float x) {
    if (!std::isfinite(x)) return {kTypeMismatch, 0.0f};
    return {kOk, singleTextValue(x)};
  }
};

// The values of the variables besides x, by their number (eval/variables.h), each as x
// is handed over. A program reads only those it was compiled to accept.
using VariableValues = std::array<XValue, kVariableCount>;

// No variable given: each reads as an empty text would, which does not convert.
inline constexpr VariableValues kNoVariableValues{
    XValue{kTypeMismatch, 0.0f}, XValue{kTypeMismatch, 0.0f}, XValue{kTypeMismatch, 0.0f},
    XValue{kTypeMismatch, 0.0f}};

// The outcome of one evaluation: the status, and on success the value whose text is
// the result text (singleText(value)).
struct EvalOutcome {
  Status status = kOk;
  float value = 0.0f;
};

// What the outer evaluation takes from a sub-expression: its result text read back,
// or 0 when it failed (its text is then "0").
float subexpressionValue(const ExpressionProgram& subexpression, const XValue& x,
                         const VariableValues& variables);

// One replay of a program, inline into its callers (the call itself would cost as much
// as a short program). kXReadable: x reads back, so no operation needs to look at
// its status; otherwise every operation that reads x fails there with x's status, which
// keeps the first failure where the scan meets it. The top of the stack stays in a
// local (a register); `below` holds the values under it, with one unused slot first.
template <bool kXReadable>
[[gnu::always_inline]] inline EvalOutcome replayProgram(const ExpressionProgram& program,
                                                        const XValue& x,
                                                        const VariableValues& variables) {
  // The builder keeps every program within 30 operands, as the scan's stack.
  std::array<float, expression_codes::kStackSize> below;
  std::size_t n = 0;
  float top = 0.0f;
  const float xValue = x.value;
  for (const Op* op = program.ops.data();; ++op) {
    Status s = kOk;
    float r = 0.0f;  // each step's result; the top takes it after a success
    switch (op->code) {
      case OpCode::kPushConstant:
        below[n++] = top;
        top = op->constant;
        continue;
      case OpCode::kPushX:
        if (!kXReadable) return {x.status, 0.0f};
        below[n++] = top;
        top = xValue;
        continue;
      case OpCode::kPushArgument:
        below[n++] = top;
        top = subexpressionValue(program.subexpressions[static_cast<std::size_t>(op->index)], x,
                                 variables);
        continue;
      case OpCode::kPushVariable: {
        const XValue& v = variables[static_cast<std::size_t>(op->index)];
        if (v.status != kOk) return {v.status, 0.0f};
        below[n++] = top;
        top = v.value;
        continue;
      }
      case OpCode::kCheckVariable: {
        const XValue& v = variables[static_cast<std::size_t>(op->index)];
        if (v.status != kOk) return {v.status, 0.0f};
        continue;
      }
      case OpCode::kAdd: s = addSingle(below[--n], top, r); break;
      case OpCode::kSubtract: s = subSingle(below[--n], top, r); break;
      case OpCode::kMultiply: s = mulSingle(below[--n], top, r); break;
      case OpCode::kDivide: s = divSingle(below[--n], top, r); break;
      case OpCode::kPower: s = powerRuleStep(below[--n], top, r); break;
      case OpCode::kAddX:
        if (!kXReadable) return {x.status, 0.0f};
        s = addSingle(top, xValue, r);
        break;
      case OpCode::kSubtractX:
        if (!kXReadable) return {x.status, 0.0f};
        s = subSingle(top, xValue, r);
        break;
      case OpCode::kMultiplyX:
        if (!kXReadable) return {x.status, 0.0f};
        s = mulSingle(top, xValue, r);
        break;
      case OpCode::kDivideX:
        if (!kXReadable) return {x.status, 0.0f};
        s = divSingle(top, xValue, r);
        break;
      case OpCode::kPowerX:
        if (!kXReadable) return {x.status, 0.0f};
        s = powerRuleStep(top, xValue, r);
        break;
      case OpCode::kAddConstant: s = addSingle(top, op->constant, r); break;
      case OpCode::kSubtractConstant: s = subSingle(top, op->constant, r); break;
      case OpCode::kMultiplyConstant: s = mulSingle(top, op->constant, r); break;
      case OpCode::kDivideConstant: s = divSingle(top, op->constant, r); break;
      case OpCode::kPowerConstant: s = powerRuleStep(top, op->constant, r); break;
      case OpCode::kSquare: s = squareStep(top, r); break;
      case OpCode::kPushXAddConstant:
        if (!kXReadable) return {x.status, 0.0f};
        below[n++] = top;
        s = addSingle(xValue, op->constant, r);
        break;
      case OpCode::kPushXSubtractConstant:
        if (!kXReadable) return {x.status, 0.0f};
        below[n++] = top;
        s = subSingle(xValue, op->constant, r);
        break;
      case OpCode::kPushXMultiplyConstant:
        if (!kXReadable) return {x.status, 0.0f};
        below[n++] = top;
        s = mulSingle(xValue, op->constant, r);
        break;
      case OpCode::kPushXDivideConstant:
        if (!kXReadable) return {x.status, 0.0f};
        below[n++] = top;
        s = divSingle(xValue, op->constant, r);
        break;
      case OpCode::kPushXSquare:
        if (!kXReadable) return {x.status, 0.0f};
        below[n++] = top;
        s = squareStep(xValue, r);
        break;
      case OpCode::kPushConstantMultiplyX:
        if (!kXReadable) return {x.status, 0.0f};
        below[n++] = top;
        s = mulSingle(op->constant, xValue, r);
        break;
      case OpCode::kPowerByConstant: s = powSingle(top, op->constant, r); break;
      case OpCode::kPowerByArgument: {
        const float exponent = subexpressionValue(
            program.subexpressions[static_cast<std::size_t>(op->index)], x, variables);
        s = powSingle(top, exponent, r);
        break;
      }
      case OpCode::kNegate: top = -top; continue;
      case OpCode::kAbs: top = std::fabs(top); continue;
      case OpCode::kSin: s = sinSingle(top, r); break;
      case OpCode::kCos: s = cosSingle(top, r); break;
      case OpCode::kTan: s = tanSingle(top, r); break;
      case OpCode::kCot: s = cotSingle(top, r); break;
      case OpCode::kSqr: s = sqrtSingle(top, r); break;
      case OpCode::kLn: s = lnSingle(top, r); break;
      case OpCode::kLg: s = lgSingle(top, r); break;
      case OpCode::kArcsin: s = asinSingle(top, r); break;
      case OpCode::kArccos: s = acosSingle(top, r); break;
      case OpCode::kArctan: s = atanSingle(top, r); break;
      case OpCode::kSgn: top = sgnSingle(top); continue;
      case OpCode::kFloor: top = floorSingle(top); continue;
      case OpCode::kCheckX:
        if (!kXReadable) return {x.status, 0.0f};
        continue;
      case OpCode::kFail: return {op->status, 0.0f};
      case OpCode::kEnd: return {kOk, top};
    }
    if (s != kOk) return {s, 0.0f};
    top = r;
  }
}

// Replays a program at x on a stack of 30 singles; the first failing step ends it.
[[gnu::always_inline]] inline EvalOutcome runProgram(
    const ExpressionProgram& program, const XValue& x,
    const VariableValues& variables = kNoVariableValues) {
  if (x.status == kOk) return replayProgram<true>(program, x, variables);
  return replayProgram<false>(program, x, variables);
}

}  // namespace quorvel
