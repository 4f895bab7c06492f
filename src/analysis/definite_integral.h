#pragma once
// Definite integrals and areas of a function given by its values in double precision:
// Gauss–Kronrod quadrature (7 and 15 points) on adaptively halved pieces, aiming at a
// relative error of 10^-10 of the area. The interval is first sampled as the key
// points are: a point where the function is undefined or a pole refuses it, a jump
// only splits it, and the area is split at the zeros. The work is bounded: the
// samples, and at most kMostIntegralPieces pieces of 15 points.
#include <optional>
#include <string>
#include <vector>

#include "analysis/search.h"

namespace quorvel {

inline constexpr int kMostIntegralPieces = 4000;

inline constexpr const char* kMessageIntegralBounds = "积分区间的两端必须是有限的数";

struct DefiniteIntegral {
  // ∫ from a to b (negative of ∫ from b to a when a > b).
  double integral = 0;
  // ∫ |f| between a and b: the pieces between the zeros, each counted positive.
  double area = 0;
  // The estimated absolute error of either.
  double error = 0;
  // Where the area is split inside the interval: the zeros of f, ascending.
  std::vector<double> zeros;
};

// An integral, or the reason there is none.
struct IntegralOutcome {
  std::optional<DefiniteIntegral> result;
  std::string reason;
};

// Between y = f(x) and the x axis, from a to b.
IntegralOutcome integrate(const ScalarFunction& f, double a, double b);
// Between y = upper(x) and y = lower(x) from a to b: the integral of upper − lower,
// the area between the two curves whichever lies above.
IntegralOutcome integrateBetween(const ScalarFunction& upper, const ScalarFunction& lower, double a,
                                 double b);

}  // namespace quorvel
