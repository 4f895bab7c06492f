#include "eval/single_math.h"

#include <cmath>

namespace quorvel {

namespace {

// The smallest magnitude that no longer rounds to a finite single: halfway between
// the largest single (2^128 - 2^104) and 2^128; the tie goes to the even neighbour,
// which is 2^128, that is infinity.
constexpr double kSingleOverflowEdge = 0x1.ffffffp+127;

// A float result of float operands is finite unless the operation overflowed.
Status checkedSingle(float r, float& out) {
  if (!std::isfinite(r)) return kOverflow;
  out = r;
  return kOk;
}

}  // namespace

double roundHalfEven(double v) {
  if (!std::isfinite(v)) return v;
  const double nearest = std::round(v);  // halves away from zero
  if (std::fabs(v - std::trunc(v)) == 0.5) {
    // A half: take the even one of the two neighbours.
    return 2.0 * std::round(v / 2.0);
  }
  return nearest;
}

Status roundToInt32(double v, std::int32_t& out) {
  const double r = roundHalfEven(v);
  if (!(r >= -2147483648.0 && r <= 2147483647.0)) return kOverflow;  // also NaN
  out = static_cast<std::int32_t>(r);
  return kOk;
}

Status roundToInt16(double v, std::int16_t& out) {
  const double r = roundHalfEven(v);
  if (!(r >= -32768.0 && r <= 32767.0)) return kOverflow;
  out = static_cast<std::int16_t>(r);
  return kOk;
}

Status toSingle(double v, float& out) {
  if (!(std::fabs(v) < kSingleOverflowEdge)) return kOverflow;  // also NaN and inf
  out = static_cast<float>(v);
  return kOk;
}

Status addSingle(float a, float b, float& out) { return checkedSingle(a + b, out); }

Status subSingle(float a, float b, float& out) { return checkedSingle(a - b, out); }

Status mulSingle(float a, float b, float& out) { return checkedSingle(a * b, out); }

Status divSingle(float a, float b, float& out) {
  if (b == 0.0f) return a == 0.0f ? kOverflow : kDivisionByZero;
  return checkedSingle(a / b, out);
}

Status sqrtSingle(float v, float& out) {
  if (v < 0.0f) return kInvalidArgument;
  return toSingle(std::sqrt(static_cast<double>(v)), out);
}

Status lnSingle(float v, float& out) {
  if (!(v > 0.0f)) return kInvalidArgument;
  return toSingle(std::log(static_cast<double>(v)), out);
}

Status lgSingle(float v, float& out) {
  if (!(v > 0.0f)) return kInvalidArgument;
  return toSingle(std::log(static_cast<double>(v)) / std::log(10.0), out);
}

Status sinSingle(float v, float& out) { return toSingle(std::sin(static_cast<double>(v)), out); }

Status cosSingle(float v, float& out) { return toSingle(std::cos(static_cast<double>(v)), out); }

Status tanSingle(float v, float& out) { return toSingle(std::tan(static_cast<double>(v)), out); }

Status cotSingle(float v, float& out) {
  const double t = std::tan(static_cast<double>(v));
  if (t == 0.0) return kDivisionByZero;
  return toSingle(1.0 / t, out);
}

Status powSingle(float a, float b, float& out) {
  if (a == 0.0f && b < 0.0f) return kDivisionByZero;
  const double r = std::pow(static_cast<double>(a), static_cast<double>(b));
  if (std::isnan(r)) return kInvalidArgument;
  return toSingle(r, out);
}

}  // namespace quorvel
