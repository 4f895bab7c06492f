#include "analysis/tangent_line.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <limits>

#include "analysis/numeric_derivative.h"

namespace quorvel {

namespace {

// One side of x₀ is looked at from 10^-5 of the scale of x₀ inwards, each probe a
// quarter as far as the one before.
constexpr double kProbeStart = 1e-5;
constexpr int kProbes = 6;
constexpr double kProbeShrink = 4;
// - at a jump the change from f(x₀) keeps this share from the first probe to the last
//   (a continuous f loses all but a thousandth of it), and is more than rounding;
constexpr double kJumpKeeps = 0.5;
constexpr double kRoundingShare = 1e-9;
// - at a vertical tangent the quotients grow by this factor from probe to probe (|x|^α
//   with α up to 0.96).
constexpr double kSteepening = 1.05;
// A pole is looked for within this share of the scale of x₀.
constexpr double kPoleReach = 1e-3;
// Left and right slopes that differ by more than this share, and by more than their
// estimated errors times kCornerNoise, make a corner.
constexpr double kCornerShare = 1e-5;
constexpr double kCornerNoise = 10;
// A velocity component this small against the curve's motion is rounding.
constexpr double kStillShare = 1e-9;
// Newton's steps from a picked point onto F(x, y) = 0; the last one moves it by a few
// ulps.
constexpr int kNewtonSteps = 60;
constexpr double kNewtonUlps = 4;

double scaleOf(double x) { return std::max(std::fabs(x), 1.0); }

TangentOutcome refused(const char* reason) { return {std::nullopt, reason}; }

TangentOutcome tangentAlong(const PlanePoint& p, const Direction& d) {
  return {Tangent{p, lineThrough(p, d), lineThrough(p, d.turned())}, {}};
}

enum class SideKind { Undefined, Jump, Finite, Infinite, Erratic };

struct Side {
  SideKind kind = SideKind::Erratic;
  DerivativeEstimate slope;  // Finite
  int sign = 0;              // Infinite: the sign of the quotients
};

// How f behaves on one side of x₀ (side −1: left, +1: right), where f(x₀) = f0.
Side sideOf(const ScalarFunction& f, double x0, double f0, int side) {
  const double s = side < 0 ? -1.0 : 1.0;
  std::array<double, kProbes> change{};
  std::array<double, kProbes> quotient{};
  double h = kProbeStart * scaleOf(x0);
  for (int k = 0; k < kProbes; ++k, h /= kProbeShrink) {
    const double t = x0 + s * h;
    const std::optional<double> v = f(t);
    if (!v || !std::isfinite(*v)) return {SideKind::Undefined, {}, 0};
    change[k] = std::fabs(*v - f0);
    quotient[k] = (*v - f0) / (t - x0);
  }
  const double last = change[kProbes - 1];
  if (last > kRoundingShare * std::max(std::fabs(f0), DBL_MIN) && last >= kJumpKeeps * change[0]) {
    return {SideKind::Jump, {}, 0};
  }
  if (const std::optional<DerivativeEstimate> slope = oneSidedSlope(f, x0, side)) {
    if (trustworthy(*slope, f0, x0)) return {SideKind::Finite, *slope, 0};
  }
  const int sign = (quotient[0] > 0) - (quotient[0] < 0);
  for (int k = 1; k < kProbes; ++k) {
    const bool sameSign = (quotient[k] > 0) - (quotient[k] < 0) == sign;
    if (sign == 0 || !sameSign ||
        !(std::fabs(quotient[k]) >= kSteepening * std::fabs(quotient[k - 1]))) {
      return {SideKind::Erratic, {}, 0};
    }
  }
  return {SideKind::Infinite, {}, sign};
}

bool slopesDiffer(const DerivativeEstimate& a, const DerivativeEstimate& b) {
  const double size =
      std::max({std::fabs(a.value), std::fabs(b.value), a.quotientSize, b.quotientSize});
  return std::fabs(a.value - b.value) > kCornerShare * size + kCornerNoise * (a.error + b.error);
}

// The reason f has no two-sided derivative at x₀ from its sides, or nullptr.
const char* sidesRefusal(const Side& left, const Side& right) {
  if (left.kind == SideKind::Undefined || right.kind == SideKind::Undefined) {
    return kMessageTangentOneSided;
  }
  if (left.kind == SideKind::Jump || right.kind == SideKind::Jump) return kMessageTangentJump;
  if (left.kind == SideKind::Erratic || right.kind == SideKind::Erratic) {
    return kMessageTangentNoDerivative;
  }
  return nullptr;
}

// The derivative at x₀ when both sides are finite and agree: the central estimate,
// more exact than either side's.
DerivativeEstimate centralSlope(const ScalarFunction& f, double x0, double f0, const Side& left,
                                const Side& right) {
  const std::optional<DerivativeEstimate> d = derivativeAt(f, x0);
  if (d && trustworthy(*d, f0, x0)) return *d;
  return {(left.slope.value + right.slope.value) / 2,
          std::max(left.slope.error, right.slope.error)};
}

// A gradient field: F's value and its gradient (with noise) at a point.
struct Field {
  std::function<std::optional<double>(const PlanePoint&)> value;
  std::function<std::optional<Direction>(const PlanePoint&)> gradient;
};

TangentOutcome tangentOfField(const Field& field, PlanePoint near, double reach) {
  PlanePoint p = near;
  bool onCurve = false;
  for (int i = 0; i < kNewtonSteps && !onCurve; ++i) {
    const std::optional<double> v = field.value(p);
    if (!v || !std::isfinite(*v)) return refused(kMessageTangentNotOnCurve);
    if (*v == 0) {
      onCurve = true;
      break;
    }
    const std::optional<Direction> g = field.gradient(p);
    if (!g) return refused(kMessageTangentNotOnCurve);
    const double g2 = g->dx * g->dx + g->dy * g->dy;
    if (!(g2 > 0) || !std::isfinite(g2)) break;
    const PlanePoint step{-*v * g->dx / g2, -*v * g->dy / g2};
    p = {p.x + step.x, p.y + step.y};
    const double size = std::max({std::fabs(p.x), std::fabs(p.y), DBL_MIN});
    onCurve =
        std::hypot(step.x, step.y) <= kNewtonUlps * std::numeric_limits<double>::epsilon() * size;
  }
  if (!onCurve || !(std::hypot(p.x - near.x, p.y - near.y) <= reach)) {
    return refused(kMessageTangentNotOnCurve);
  }
  const std::optional<Direction> g = field.gradient(p);
  if (!g) return refused(kMessageTangentNoDerivative);
  if (g->vanishes()) return refused(kMessageTangentSingular);
  return tangentAlong(p, g->turned());
}

}  // namespace

TangentOutcome tangentOfFunction(const ScalarFunction& f, double x0, bool openEnd) {
  if (openEnd) return refused(kMessageTangentOpenEnd);
  if (poleAt(f, x0, kPoleReach * scaleOf(x0))) return refused(kMessageTangentPole);
  const std::optional<double> f0 = f(x0);
  if (!f0 || !std::isfinite(*f0)) return refused(kMessageTangentOutsideDomain);
  const Side left = sideOf(f, x0, *f0, -1);
  const Side right = sideOf(f, x0, *f0, 1);
  if (const char* reason = sidesRefusal(left, right)) return refused(reason);
  const PlanePoint p{x0, *f0};
  if (left.kind == SideKind::Infinite && right.kind == SideKind::Infinite) {
    // The same sign on both sides: the curve passes steeply upward (or downward).
    if (left.sign != right.sign) return refused(kMessageTangentCusp);
    return tangentAlong(p, {0, 1, 0, 0});
  }
  if (left.kind != right.kind || slopesDiffer(left.slope, right.slope)) {
    return refused(kMessageTangentCorner);
  }
  const DerivativeEstimate m = centralSlope(f, x0, *f0, left, right);
  return tangentAlong(p, {1, m.value, 0, m.error});
}

TangentOutcome tangentOfParametric(const ScalarFunction& x, const ScalarFunction& y, double t0,
                                   bool openEnd) {
  if (openEnd) return refused(kMessageTangentOpenEnd);
  const std::optional<double> x0 = x(t0);
  const std::optional<double> y0 = y(t0);
  if (!x0 || !y0 || !std::isfinite(*x0) || !std::isfinite(*y0)) {
    return refused(kMessageTangentOutsideDomain);
  }
  std::array<DerivativeEstimate, 2> velocity{};
  std::array<Side, 2> lefts{}, rights{};
  const std::array<const ScalarFunction*, 2> parts{&x, &y};
  const std::array<double, 2> values{*x0, *y0};
  for (std::size_t i = 0; i < 2; ++i) {
    lefts[i] = sideOf(*parts[i], t0, values[i], -1);
    rights[i] = sideOf(*parts[i], t0, values[i], 1);
    if (const char* reason = sidesRefusal(lefts[i], rights[i])) return refused(reason);
    if (lefts[i].kind != SideKind::Finite || rights[i].kind != SideKind::Finite) {
      return refused(kMessageTangentNoDerivative);
    }
    velocity[i] = centralSlope(*parts[i], t0, values[i], lefts[i], rights[i]);
  }
  // A component is zero within its error, or within a rounding of how fast the curve
  // moves near t₀ (the quotients from either side): the cycloid's cusp stands still.
  double motion = 0;
  for (std::size_t i = 0; i < 2; ++i) {
    motion = std::max({motion, std::fabs(velocity[i].value), lefts[i].slope.quotientSize,
                       rights[i].slope.quotientSize});
  }
  const Direction d{velocity[0].value, velocity[1].value, velocity[0].error + kStillShare * motion,
                    velocity[1].error + kStillShare * motion};
  if (d.vanishes()) return refused(kMessageTangentStill);
  // Different velocities on the two sides still make one tangent when they point the
  // same way (the curve only runs faster on one side).
  if (slopesDiffer(lefts[0].slope, rights[0].slope) ||
      slopesDiffer(lefts[1].slope, rights[1].slope)) {
    const double lx = lefts[0].slope.value, ly = lefts[1].slope.value;
    const double rx = rights[0].slope.value, ry = rights[1].slope.value;
    const double cross = lx * ry - ly * rx;
    const double size = std::hypot(lx, ly) * std::hypot(rx, ry);
    if (!(lx * rx + ly * ry > 0) || std::fabs(cross) > kCornerShare * size) {
      return refused(kMessageTangentCorner);
    }
  }
  return tangentAlong({*x0, *y0}, d);
}

TangentOutcome tangentOfImplicit(const ImplicitFunction& F, PlanePoint near, double reach) {
  const Field field{[&F](const PlanePoint& p) { return F(p.x, p.y); },
                    [&F](const PlanePoint& p) -> std::optional<Direction> {
                      const std::optional<DerivativeEstimate> fx =
                          derivativeAt([&F, &p](double x) { return F(x, p.y); }, p.x);
                      const std::optional<DerivativeEstimate> fy =
                          derivativeAt([&F, &p](double y) { return F(p.x, y); }, p.y);
                      if (!fx || !fy) return std::nullopt;
                      return Direction{fx->value, fy->value, fx->error, fy->error};
                    }};
  return tangentOfField(field, near, reach);
}

TangentOutcome tangentOfConic(const Conic& conic, PlanePoint near, double reach) {
  const Field field{
      [&conic](const PlanePoint& p) -> std::optional<double> { return conic.value(p.x, p.y); },
      [&conic](const PlanePoint& p) -> std::optional<Direction> {
        const PlanePoint g = conic.gradient(p.x, p.y);
        return Direction{g.x, g.y, 0, 0};
      }};
  return tangentOfField(field, near, reach);
}

}  // namespace quorvel
