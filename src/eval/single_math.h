#pragma once
// The number rules of the program, in one place:
// - curve arithmetic is single precision (float); every result is rounded to single;
// - powers, logarithms, trigonometry and square roots are computed in double and
//   rounded to single;
// - conversion to a whole number rounds to the nearest, halves to even;
// - integer division and truncation go toward zero.
// Each operation reports the failure that the platform would raise (overflow,
// division by zero, invalid argument) instead of producing inf or NaN.
#include <cmath>
#include <cstdint>

#include "eval/status.h"

namespace quorvel {

// Round to the nearest whole number, halves to even (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double v);

// roundHalfEven into a 32-bit integer; kOverflow when it does not fit (or is NaN).
Status roundToInt32(double v, std::int32_t& out);
// The same into 16 bits.
Status roundToInt16(double v, std::int16_t& out);

// Integer division truncating toward zero (C++'s own rule, named for the reader).
constexpr std::int32_t intDiv(std::int32_t a, std::int32_t b) { return a / b; }

// The operations below run at every point of a curve, so they are inline.

// The smallest magnitude that no longer rounds to a finite single: halfway between
// the largest single (2^128 - 2^104) and 2^128; the tie goes to the even neighbour,
// which is 2^128, that is infinity.
inline constexpr double kSingleOverflowEdge = 0x1.ffffffp+127;

// Rounds a double to single; kOverflow when it leaves the single range or is NaN.
inline Status toSingle(double v, float& out) {
  if (!(std::fabs(v) < kSingleOverflowEdge)) return kOverflow;  // also NaN and inf
  out = static_cast<float>(v);
  return kOk;
}

// A float result of float operands is finite unless the operation overflowed.
inline Status checkedSingle(float r, float& out) {
  if (!std::isfinite(r)) return kOverflow;
  out = r;
  return kOk;
}

// Single-precision arithmetic with the platform's failures.
inline Status addSingle(float a, float b, float& out) { return checkedSingle(a + b, out); }
inline Status subSingle(float a, float b, float& out) { return checkedSingle(a - b, out); }
inline Status mulSingle(float a, float b, float& out) { return checkedSingle(a * b, out); }
// 0/0 is kOverflow, x/0 is kDivisionByZero.
inline Status divSingle(float a, float b, float& out) {
  if (b == 0.0f) return a == 0.0f ? kOverflow : kDivisionByZero;
  return checkedSingle(a / b, out);
}

// Functions in double, rounded to single.
// v < 0: kInvalidArgument.
inline Status sqrtSingle(float v, float& out) {
  if (v < 0.0f) return kInvalidArgument;
  return toSingle(std::sqrt(static_cast<double>(v)), out);
}
// v <= 0: kInvalidArgument.
inline Status lnSingle(float v, float& out) {
  if (!(v > 0.0f)) return kInvalidArgument;
  return toSingle(std::log(static_cast<double>(v)), out);
}
inline Status sinSingle(float v, float& out) {
  return toSingle(std::sin(static_cast<double>(v)), out);
}
inline Status cosSingle(float v, float& out) {
  return toSingle(std::cos(static_cast<double>(v)), out);
}
inline Status tanSingle(float v, float& out) {
  return toSingle(std::tan(static_cast<double>(v)), out);
}
// 1 / tan v in double; tan v = 0 is kDivisionByZero.
inline Status cotSingle(float v, float& out) {
  const double t = std::tan(static_cast<double>(v));
  if (t == 0.0) return kDivisionByZero;
  return toSingle(1.0 / t, out);
}
// Base-10 logarithm computed as ln v / ln 10 in double; v <= 0: kInvalidArgument.
inline Status lgSingle(float v, float& out) {
  if (!(v > 0.0f)) return kInvalidArgument;
  return toSingle(std::log(static_cast<double>(v)) / std::log(10.0), out);
}
// The inverse functions in radians; arcsin and arccos of a value outside [-1, 1] are
// kInvalidArgument, as a root of a negative number.
inline Status asinSingle(float v, float& out) {
  if (!(std::fabs(v) <= 1.0f)) return kInvalidArgument;
  return toSingle(std::asin(static_cast<double>(v)), out);
}
inline Status acosSingle(float v, float& out) {
  if (!(std::fabs(v) <= 1.0f)) return kInvalidArgument;
  return toSingle(std::acos(static_cast<double>(v)), out);
}
inline Status atanSingle(float v, float& out) {
  return toSingle(std::atan(static_cast<double>(v)), out);
}
// The sign: -1, 0 or 1 (a negative zero is 0).
inline float sgnSingle(float v) {
  if (v > 0.0f) return 1.0f;
  if (v < 0.0f) return -1.0f;
  return 0.0f;
}
// The greatest whole number not above v; every single of 2^23 or more is whole already,
// so the result is exact.
inline float floorSingle(float v) { return std::floor(v); }
// a ^ b computed directly in double (no negative-base rule); 0 ^ negative is
// kDivisionByZero, a negative base with a fractional exponent kInvalidArgument,
// a result outside single precision kOverflow.
inline Status powSingle(float a, float b, float& out) {
  if (a == 0.0f && b < 0.0f) return kDivisionByZero;
  const double r = std::pow(static_cast<double>(a), static_cast<double>(b));
  if (std::isnan(r)) return kInvalidArgument;
  return toSingle(r, out);
}
// a ^ b by the power rule of "^": a negative base keeps a real value only for a whole
// exponent or for an odd root. The fraction d of b gives n = 1/d rounded (halves to
// even); odd n is the real odd root -((-a)^b), even n has no real value
// (kInvalidArgument), b = 0 divides by zero (kDivisionByZero).
Status powerRuleSingle(float a, float b, float& out);

}  // namespace quorvel
