#include "eval/single_math.h"

#include <cmath>

#include "eval/arithmetic.h"

namespace quorvel {

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

Status powerRuleSingle(float a, float b, float& out) {
  return powerRule<SingleArithmetic>(a, b, out);
}

}  // namespace quorvel
