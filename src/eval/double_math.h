#pragma once
// The program's arithmetic in double precision, for the analysis that refines a
// curve's points beyond what single precision resolves. Each operation fails where
// its single-precision twin in single_math.h fails (division by zero, 0/0, a root or
// logarithm outside its domain, no real power) and reports a result that is no longer
// finite as an overflow; nothing rounds to single.
#include <cmath>

#include "eval/status.h"

namespace quorvel {

inline Status checkedDouble(double r, double& out) {
  if (!std::isfinite(r)) return kOverflow;
  out = r;
  return kOk;
}

inline Status addDouble(double a, double b, double& out) { return checkedDouble(a + b, out); }
inline Status subDouble(double a, double b, double& out) { return checkedDouble(a - b, out); }
inline Status mulDouble(double a, double b, double& out) { return checkedDouble(a * b, out); }
// 0/0 is kOverflow, x/0 is kDivisionByZero, as divSingle.
inline Status divDouble(double a, double b, double& out) {
  if (b == 0.0) return a == 0.0 ? kOverflow : kDivisionByZero;
  return checkedDouble(a / b, out);
}
inline Status sqrtDouble(double v, double& out) {
  if (v < 0.0) return kInvalidArgument;
  return checkedDouble(std::sqrt(v), out);
}
inline Status lnDouble(double v, double& out) {
  if (!(v > 0.0)) return kInvalidArgument;
  return checkedDouble(std::log(v), out);
}
inline Status sinDouble(double v, double& out) { return checkedDouble(std::sin(v), out); }
inline Status cosDouble(double v, double& out) { return checkedDouble(std::cos(v), out); }
inline Status tanDouble(double v, double& out) { return checkedDouble(std::tan(v), out); }
inline Status cotDouble(double v, double& out) {
  const double t = std::tan(v);
  if (t == 0.0) return kDivisionByZero;
  return checkedDouble(1.0 / t, out);
}
// ln v / ln 10, as lgSingle takes it.
inline Status lgDouble(double v, double& out) {
  if (!(v > 0.0)) return kInvalidArgument;
  return checkedDouble(std::log(v) / std::log(10.0), out);
}
// The inverse functions and the whole part, as their single-precision twins.
inline Status asinDouble(double v, double& out) {
  if (!(std::fabs(v) <= 1.0)) return kInvalidArgument;
  return checkedDouble(std::asin(v), out);
}
inline Status acosDouble(double v, double& out) {
  if (!(std::fabs(v) <= 1.0)) return kInvalidArgument;
  return checkedDouble(std::acos(v), out);
}
inline Status atanDouble(double v, double& out) { return checkedDouble(std::atan(v), out); }
inline double sgnDouble(double v) { return v > 0.0 ? 1.0 : (v < 0.0 ? -1.0 : 0.0); }
// a ^ b directly, as powSingle: 0 ^ negative divides by zero, NaN has no real value.
inline Status powDouble(double a, double b, double& out) {
  if (a == 0.0 && b < 0.0) return kDivisionByZero;
  const double r = std::pow(a, b);
  if (std::isnan(r)) return kInvalidArgument;
  return checkedDouble(r, out);
}
inline Status squareDouble(double v, double& out) { return checkedDouble(v * v, out); }

}  // namespace quorvel
