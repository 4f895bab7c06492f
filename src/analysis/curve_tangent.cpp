#include "analysis/curve_tangent.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/conic.h"
#include "analysis/curve_calculus.h"
#include "analysis/numeric_derivative.h"
#include "analysis/trace.h"
#include "document/typed_record.h"
#include "eval/status.h"

namespace quorvel {

namespace {

constexpr double kReachShare = 1e-2;
// The nearest point's parameter is made exact within this share of the range (the
// trace's step between the points it compares) by at most this many halvings.
constexpr double kRefineShare = 1e-3;
constexpr int kRefineHalvings = 80;

TangentOutcome refused(const char* reason) { return {std::nullopt, reason}; }

bool within(const PlanePoint& a, const PlanePoint& b, double reach) {
  return std::hypot(a.x - b.x, a.y - b.y) <= reach;
}

// A conic's own ranges cut pieces out of it: a point outside them is not on the curve
// as drawn.
TangentOutcome keptWithin(const Region& own, TangentOutcome outcome) {
  if (outcome.tangent && !own.contains(outcome.tangent->point.x, outcome.tangent->point.y)) {
    return refused(kMessageTangentNotOnCurve);
  }
  return outcome;
}

// The text with one pair of enclosing brackets (ASCII or full-width) taken off.
std::string unbracketed(std::string text) {
  const auto trim = [](std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    const auto last = s.find_last_not_of(" \t");
    s = first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
  };
  trim(text);
  for (const auto& [open, close] : {std::pair<std::string, std::string>{"(", ")"},
                                    std::pair<std::string, std::string>{"（", "）"}}) {
    if (text.size() >= open.size() + close.size() && text.starts_with(open) &&
        text.ends_with(close)) {
      text = text.substr(open.size(), text.size() - open.size() - close.size());
      trim(text);
      break;
    }
  }
  return text;
}

// The nearest point's parameter made exact: the search for the least distance finds t
// only to the square root of the rounding where the distance is not zero, and a few
// ulps from the point where it is; the root of (p(t) − near)·p′(t) in the step round
// it is found to the last bits by halving.
double refinedParameter(const AnalysedCurve& curve, double t, const PlanePoint& near,
                        const PlaneCurveShape& shape) {
  const ParameterRange& range = shape.range;
  const double step = (range.to - range.from) * kRefineShare;
  const PlaneFunctions functions = planeFunctions(shape, PlanePrecision::kDouble);
  const ScalarFunction x = [&](double u) -> std::optional<double> {
    const std::optional<PlanePoint> p = planePointAt(functions, shape.kind, u);
    if (!p) return std::nullopt;
    return p->x;
  };
  const ScalarFunction y = [&](double u) -> std::optional<double> {
    const std::optional<PlanePoint> p = planePointAt(functions, shape.kind, u);
    if (!p) return std::nullopt;
    return p->y;
  };
  const auto slope = [&](double u) -> std::optional<double> {
    const std::optional<PlanePoint> p = curve.pointOfParameter(u);
    const std::optional<DerivativeEstimate> dx = derivativeAt(x, u);
    const std::optional<DerivativeEstimate> dy = derivativeAt(y, u);
    if (!p || !dx || !dy) return std::nullopt;
    return (p->x - near.x) * dx->value + (p->y - near.y) * dy->value;
  };
  double lo = std::max(range.from, t - step), hi = std::min(range.to, t + step);
  std::optional<double> atLo = slope(lo);
  const std::optional<double> atHi = slope(hi);
  if (!atLo || !atHi || !((*atLo < 0) != (*atHi < 0))) return t;
  for (int i = 0; i < kRefineHalvings && lo < hi; ++i) {
    const double mid = lo + (hi - lo) / 2;
    if (mid <= lo || mid >= hi) break;
    const std::optional<double> atMid = slope(mid);
    if (!atMid) return t;
    if (*atMid == 0) return mid;
    if ((*atMid < 0) == (*atLo < 0)) {
      lo = mid;
      atLo = atMid;
    } else {
      hi = mid;
    }
  }
  return lo + (hi - lo) / 2;
}

}  // namespace

TangentPlace tangentPlaceOf(const AnalysedCurve& curve) {
  if (curve.functionOfX()) return TangentPlace::kX;
  if (curve.plane() != nullptr && !curve.equation()) return TangentPlace::kParameter;
  return TangentPlace::kPoint;
}

double pointReach(const PlanePoint& p) {
  return kReachShare * std::max({1.0, std::fabs(p.x), std::fabs(p.y)});
}

TangentOutcome curveTangentAtX(const AnalysedCurve& curve, double x0) {
  std::string reason;
  const std::optional<ScalarFunction> f = curveFunction(curve, reason);
  if (!f) return {std::nullopt, reason};
  return tangentOfFunction(*f, x0);
}

TangentOutcome curveTangentAtParameter(const AnalysedCurve& curve, double t0) {
  if (tangentPlaceOf(curve) != TangentPlace::kParameter) {
    return refused(kMessageTangentNoParameter);
  }
  if (!curve.pointOfParameter(t0)) {
    const ParameterRange& range = curve.plane()->range;
    return refused(range.from <= t0 && t0 <= range.to ? kMessageTangentOutsideDomain
                                                      : kMessageTangentParameterOutside);
  }
  const PlaneCurveShape& shape = *curve.plane();
  const PlaneFunctions functions = planeFunctions(shape, PlanePrecision::kDouble);
  if (shape.kind == PlaneKind::kParametric) {
    return tangentOfParametric(functions.first, functions.second, t0);
  }
  // x = ρ(θ)cos θ, y = ρ(θ)sin θ.
  const CurveFunction& rho = functions.first;
  const ScalarFunction x = [&rho](double t) -> std::optional<double> {
    const std::optional<double> r = rho(t);
    if (!r) return std::nullopt;
    return *r * std::cos(t);
  };
  const ScalarFunction y = [&rho](double t) -> std::optional<double> {
    const std::optional<double> r = rho(t);
    if (!r) return std::nullopt;
    return *r * std::sin(t);
  };
  return tangentOfParametric(x, y, t0);
}

TangentOutcome curveTangentNear(const AnalysedCurve& curve, PlanePoint near, double reach) {
  switch (tangentPlaceOf(curve)) {
    case TangentPlace::kX: {
      TangentOutcome outcome = curveTangentAtX(curve, near.x);
      if (outcome.tangent && !within(outcome.tangent->point, near, reach)) {
        return refused(kMessageTangentNotOnCurve);
      }
      return outcome;
    }
    case TangentPlace::kParameter: {
      // The nearest point, in curve units on both axes.
      const std::optional<TracedPoint> nearest = tracePoint(curve, near.x, near.y, {}, {});
      if (!nearest || !nearest->parameter || !within({nearest->x, nearest->y}, near, reach)) {
        return refused(kMessageTangentNotOnCurve);
      }
      return curveTangentAtParameter(
          curve, refinedParameter(curve, *nearest->parameter, near, *curve.plane()));
    }
    case TangentPlace::kPoint: break;
  }
  if (curve.equation()) {
    return tangentOfImplicit([&curve](double x, double y) { return curve.equationValue(x, y); },
                             near, reach);
  }
  if (const std::optional<Conic> conic = conicOf(curve.params())) {
    return keptWithin(curve.own(), tangentOfConic(*conic, near, reach));
  }
  if (curve.kind() == SweepKind::YOneValue) {
    // x = g(y), as the zero set of x − g(y).
    const ImplicitFunction F = [&curve](double x, double y) -> std::optional<double> {
      const std::optional<double> g = curve.valueAt(0, y);
      if (!g) return std::nullopt;
      return x - *g;
    };
    return keptWithin(curve.own(), tangentOfImplicit(F, near, reach));
  }
  return refused(kMessageTangentNotAnalysed);
}

std::optional<PlanePoint> typedPoint(const std::string& text) {
  const std::string inner = unbracketed(text);
  // The comma between the numbers is the only one outside brackets.
  std::vector<std::pair<std::size_t, std::size_t>> commas;  // position, length
  int depth = 0;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (inner[i] == '(') ++depth;
    if (inner[i] == ')') --depth;
    if (depth != 0) continue;
    if (inner[i] == ',') commas.emplace_back(i, 1);
    if (inner.compare(i, 3, "，") == 0) commas.emplace_back(i, 3);
  }
  if (commas.size() != 1) return std::nullopt;
  const auto [at, length] = commas.front();
  PlanePoint p;
  if (typedNumber(unbracketed(inner.substr(0, at)), p.x) != kOk ||
      typedNumber(unbracketed(inner.substr(at + length)), p.y) != kOk || !std::isfinite(p.x) ||
      !std::isfinite(p.y)) {
    return std::nullopt;
  }
  return p;
}

}  // namespace quorvel
