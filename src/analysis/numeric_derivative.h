#pragma once
// Derivatives of a function known only by its values in double precision: difference
// quotients at shrinking steps, extrapolated to step zero (Richardson's scheme as
// Ridders arranged it), with an estimate of the error. The first step is chosen from
// the scale of x; where the function fails near the point, or the estimate is poor
// (a pole close by), the steps start smaller. Every loop is bounded.
#include <optional>

#include "analysis/search.h"

namespace quorvel {

struct DerivativeEstimate {
  double value = 0;
  // The extrapolation's own estimate of its error (absolute).
  double error = 0;
  // The size of the first quotient it started from: where the derivative is close to
  // zero (x³ at 0) its error is judged against this.
  double quotientSize = 0;
};

// f′(x) (order 1) or f″(x) (order 2) from central differences; nullopt where f fails
// at x or on both sides at every step tried.
std::optional<DerivativeEstimate> derivativeAt(const ScalarFunction& f, double x, int order = 1);

// The slope of f from one side of x alone (side +1: from the right, −1: from the
// left), from the quotients (f(x + side·h) − f(x)) / (side·h); nullopt where f fails at
// x or on that side at every step tried. The estimate may be poor (a large error):
// at a corner each side has its own slope, at a vertical tangent neither is finite.
std::optional<DerivativeEstimate> oneSidedSlope(const ScalarFunction& f, double x, int side);

// The estimate of the derivative of that order at x, where f(x) = fx, is good enough to
// stand for it: its error is a small share of the derivative, or of the quotients it
// came from and of f's own size over the scale of x where the derivative is close to
// zero.
bool trustworthy(const DerivativeEstimate& d, double fx, double x, int order = 1);

// f′ (order 1) or f″ (order 2) as a function: it fails where f fails at x and where
// no trustworthy estimate is found (a jump, a corner's kink in f″, a pole).
ScalarFunction derivativeFunction(ScalarFunction f, int order = 1);

}  // namespace quorvel
