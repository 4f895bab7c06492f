#pragma once
// What each operation of a compiled expression does to its operands, with the same
// single-precision roundings and failures as the evaluator's reductions. Used both
// when a program runs and when its builder folds constant operands, so a folded
// constant is exactly what the run would have computed.
#include <cmath>

#include "eval/expression_program.h"
#include "eval/single_math.h"
#include "eval/status.h"

namespace quorvel {

// The arithmetic steps are single_math's addSingle, subSingle, mulSingle and divSingle.

// a ^ b by the power rule, the one the reference evaluator applies too.
// A base of 0 or more (the common case) is the plain power there too. The negative
// base's result goes through a local of its own: `out` is often the top of a program's
// stack, which must not lose its register to an address handed out of line.
inline Status powerRuleStep(float a, float b, float& out) {
  if (a >= 0.0f) return powSingle(a, b, out);
  float result = 0.0f;
  const Status s = powerRuleSingle(a, b, result);
  if (s == kOk) out = result;
  return s;
}

// v ^ 2 as the power rule takes it: pow(v, 2) in double, rounded to single. A single
// squared has at most 48 significant bits, so the double product is exact, and a pow
// within 1 ULP returns an exactly representable result exactly (the tests check every
// single against pow).
inline Status squareStep(float v, float& out) {
  const double square = static_cast<double>(v) * static_cast<double>(v);
  return toSingle(square, out);
}

// The binary operations by their plain code (kAdd .. kDivide, kPower).
inline Status binaryStep(OpCode code, float a, float b, float& out) {
  switch (code) {
    case OpCode::kAdd: return addSingle(a, b, out);
    case OpCode::kSubtract: return subSingle(a, b, out);
    case OpCode::kMultiply: return mulSingle(a, b, out);
    case OpCode::kDivide: return divSingle(a, b, out);
    default: return powerRuleStep(a, b, out);
  }
}

// The functions by their code (kSin .. kLg, kArcsin .. kFloor), and kNegate.
inline Status functionStep(OpCode code, float v, float& out) {
  switch (code) {
    case OpCode::kNegate: out = -v; return kOk;
    case OpCode::kSin: return sinSingle(v, out);
    case OpCode::kCos: return cosSingle(v, out);
    case OpCode::kTan: return tanSingle(v, out);
    case OpCode::kCot: return cotSingle(v, out);
    case OpCode::kAbs: out = std::fabs(v); return kOk;
    case OpCode::kSqr: return sqrtSingle(v, out);
    case OpCode::kLn: return lnSingle(v, out);
    case OpCode::kArcsin: return asinSingle(v, out);
    case OpCode::kArccos: return acosSingle(v, out);
    case OpCode::kArctan: return atanSingle(v, out);
    case OpCode::kSgn: out = sgnSingle(v); return kOk;
    case OpCode::kFloor: out = floorSingle(v); return kOk;
    default: return lgSingle(v, out);
  }
}

}  // namespace quorvel
