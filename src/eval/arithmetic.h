#pragma once
// The two precisions the program computes in, as interchangeable sets of operations:
// single precision with its rounding at every step (what the plotter draws) and double
// precision (what the analysis refines with). A rule written once over `A` (the curve
// formulas, the power rule of "^") runs in either with the same steps and failures.
#include <cmath>

#include "eval/double_math.h"
#include "eval/single_math.h"
#include "eval/status.h"

namespace quorvel {

// a ^ b by the power rule of "^" in the precision of A: a negative base keeps a real
// value only for a whole exponent or for an odd root (n = 1/d rounded, halves to even,
// for the fraction d of b); b = 0 with a negative base divides by zero.
template <class A>
Status powerRule(typename A::Real a, typename A::Real b, typename A::Real& out) {
  using Real = typename A::Real;
  const Real whole = std::trunc(b);
  if (a >= Real(0) || (b == whole && std::fabs(b) >= Real(1))) return A::pow(a, b, out);
  Real d = 0;
  Status s = A::sub(b, whole, d);
  if (s != kOk) return s;
  Real reciprocal = 0;
  s = A::div(Real(1), d, reciprocal);
  if (s != kOk) return s;
  const double n = roundHalfEven(static_cast<double>(reciprocal));
  if (std::fmod(n, 2.0) == 0.0) return kInvalidArgument;
  Real root = 0;
  s = A::pow(-a, b, root);
  if (s != kOk) return s;
  out = -root;
  return kOk;
}

struct SingleArithmetic {
  using Real = float;
  static Status add(float a, float b, float& out) { return addSingle(a, b, out); }
  static Status sub(float a, float b, float& out) { return subSingle(a, b, out); }
  static Status mul(float a, float b, float& out) { return mulSingle(a, b, out); }
  static Status div(float a, float b, float& out) { return divSingle(a, b, out); }
  static Status pow(float a, float b, float& out) { return powSingle(a, b, out); }
  static Status sqrt(float v, float& out) { return sqrtSingle(v, out); }
  static Status ln(float v, float& out) { return lnSingle(v, out); }
  static Status sin(float v, float& out) { return sinSingle(v, out); }
  static Status cos(float v, float& out) { return cosSingle(v, out); }
  static Status tan(float v, float& out) { return tanSingle(v, out); }
};

struct DoubleArithmetic {
  using Real = double;
  static Status add(double a, double b, double& out) { return addDouble(a, b, out); }
  static Status sub(double a, double b, double& out) { return subDouble(a, b, out); }
  static Status mul(double a, double b, double& out) { return mulDouble(a, b, out); }
  static Status div(double a, double b, double& out) { return divDouble(a, b, out); }
  static Status pow(double a, double b, double& out) { return powDouble(a, b, out); }
  static Status sqrt(double v, double& out) { return sqrtDouble(v, out); }
  static Status ln(double v, double& out) { return lnDouble(v, out); }
  static Status sin(double v, double& out) { return sinDouble(v, out); }
  static Status cos(double v, double& out) { return cosDouble(v, out); }
  static Status tan(double v, double& out) { return tanDouble(v, out); }
};

}  // namespace quorvel
