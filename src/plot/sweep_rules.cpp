#include "plot/sweep_rules.h"

#include <cmath>
#include <limits>
#include <optional>

#include "eval/single_math.h"

namespace quorvel {

namespace {

// The families and forms that are swept along x with two values per step: the
// circle, the ellipse, the hyperbola and the parabolas opening sideways.
bool hasTwoYValues(std::int16_t family, std::int16_t form) {
  return family == 8 || family == 9 || family == 10 || (family == 11 && (form == 0 || form == 1));
}

// Families without an inverse along y (14: the power function).
bool hasNoInverseAlongY(std::int16_t family) {
  return family == 5 || family == 6 || family == 7 || family == 12 || family == 13 || family == 14;
}

StepCheck rejectIf(bool rejected) { return rejected ? StepCheck::Reject : StepCheck::Accept; }

// The sign of a product of the test (computed in single precision as written, with
// status s); an overflow makes the test fail like any other run-time error of the step.
StepCheck rejectIfNegative(Status s, float v) {
  if (s != kOk) return StepCheck::Fail;
  return rejectIf(v < 0);
}

StepCheck rejectIfPositive(Status s, float v) {
  if (s != kOk) return StepCheck::Fail;
  return rejectIf(v > 0);
}

// (t + u − w) × (u − t + w): the circle's radicand, with u = r and w the centre.
StepCheck circleTest(float t, float r, float centre) {
  float first = 0, second = 0, left = 0, right = 0, product = 0;
  if (addSingle(t, r, first) != kOk || subSingle(first, centre, left) != kOk ||
      subSingle(r, t, second) != kOk || addSingle(second, centre, right) != kOk) {
    return StepCheck::Fail;
  }
  const Status s = mulSingle(left, right, product);
  return rejectIfNegative(s, product);
}

// Compares the squares a² and t², each rounded to single; `rejectWhenLess` chooses
// a² < t² (ellipse) or a² > t² (hyperbola).
StepCheck squaresTest(float a, float t, bool rejectWhenLess) {
  float a2 = 0, t2 = 0;
  if (mulSingle(a, a, a2) != kOk || mulSingle(t, t, t2) != kOk) return StepCheck::Fail;
  return rejectIf(rejectWhenLess ? a2 < t2 : a2 > t2);
}

StepCheck productSignTest(float t, float p, bool rejectWhenNegative) {
  float product = 0;
  const Status s = mulSingle(t, p, product);
  return rejectWhenNegative ? rejectIfNegative(s, product) : rejectIfPositive(s, product);
}

StepCheck quadraticAlongY(const CurveParams& c, float y) {
  const float a = c.paramA;
  switch (c.funcForm) {
    case 0: {  // b² + 4a(y − c) < 0
      float b2 = 0, fourA = 0, d = 0, product = 0, sum = 0;
      if (mulSingle(c.paramB, c.paramB, b2) != kOk || mulSingle(4, a, fourA) != kOk ||
          subSingle(y, c.paramC, d) != kOk || mulSingle(fourA, d, product) != kOk) {
        return StepCheck::Fail;
      }
      const Status s = addSingle(b2, product, sum);
      return rejectIfNegative(s, sum);
    }
    case 1: {  // a²(x1 − x2)² + 4ay < 0
      float a2 = 0, d = 0, d2 = 0, first = 0, fourA = 0, second = 0, sum = 0;
      if (mulSingle(a, a, a2) != kOk || subSingle(c.paramX1, c.paramX2, d) != kOk ||
          mulSingle(d, d, d2) != kOk || mulSingle(a2, d2, first) != kOk ||
          mulSingle(4, a, fourA) != kOk || mulSingle(fourA, y, second) != kOk) {
        return StepCheck::Fail;
      }
      const Status s = addSingle(first, second, sum);
      return rejectIfNegative(s, sum);
    }
    case 2: {  // (y − k) × a < 0
      float d = 0, product = 0;
      if (subSingle(y, c.paramK, d) != kOk) return StepCheck::Fail;
      const Status s = mulSingle(d, a, product);
      return rejectIfNegative(s, product);
    }
    default: return StepCheck::Accept;
  }
}

}  // namespace

SweepKind selectSweep(std::int16_t family, std::int16_t form, bool yDriven) {
  if (!yDriven || hasNoInverseAlongY(family)) {
    return hasTwoYValues(family, form) ? SweepKind::XTwoValues : SweepKind::XOneValue;
  }
  const bool twoX = family == 1 || (family >= 7 && !(family == 11 && (form == 0 || form == 1)));
  return twoX ? SweepKind::YTwoValues : SweepKind::YOneValue;
}

StepCheck checkStep(SweepKind kind, const CurveParams& c, float t) {
  const std::int16_t family = c.funcFamily;
  // The appended conics and the power function know their own domains.
  if (hasTwoValues(kind)) {
    if (const std::optional<bool> exists = appendedConicExistsAt(c, sweepsAlongX(kind), t)) {
      return rejectIf(!*exists);
    }
  } else if (const std::optional<bool> exists = powerExistsAt(c, t)) {
    return rejectIf(!*exists);
  }
  switch (kind) {
    case SweepKind::XOneValue:
      if (family == 2 || family == 12) return rejectIf(t == 0);
      if (family == 4) return rejectIf(t <= 0);
      return StepCheck::Accept;
    case SweepKind::XTwoValues:
      if (family == 8) return circleTest(t, c.paramR, c.paramA);
      if (family == 9) return squaresTest(c.paramA, t, true);
      if (family == 10) return squaresTest(c.paramA, t, false);
      if (family == 11 && c.funcForm == 0) return productSignTest(t, c.paramP, true);
      if (family == 11 && c.funcForm == 1) return productSignTest(t, c.paramP, false);
      return StepCheck::Accept;
    case SweepKind::YOneValue:
      if (family == 2) return rejectIf(t == 0);
      if (family == 3) return rejectIf(t <= 0);
      return StepCheck::Accept;
    case SweepKind::YTwoValues:
      if (family == 1) return quadraticAlongY(c, t);
      if (family == 8) return circleTest(t, c.paramR, c.paramB);
      if (family == 9) return squaresTest(c.paramB, t, true);
      if (family == 11 && c.funcForm == 2) return productSignTest(t, c.paramP, true);
      if (family == 11 && c.funcForm == 3) return productSignTest(t, c.paramP, false);
      return StepCheck::Accept;
  }
  return StepCheck::Accept;
}

SmartSkipRule smartSkipRule(SweepKind kind, std::int32_t halfWidth, std::int32_t halfHeight) {
  switch (kind) {
    case SweepKind::XOneValue: return {static_cast<double>(halfHeight), 0.5};
    case SweepKind::XTwoValues: return {static_cast<double>(halfHeight), 1.0};
    case SweepKind::YOneValue:
    case SweepKind::YTwoValues: return {static_cast<double>(halfWidth), 1.0};
  }
  return {};
}

bool isFarOut(float v, double lo, double hi, const SmartSkipRule& rule) {
  // A surface without height or width has no band to measure against.
  if (!(rule.h > 0)) return false;
  const double value = v;
  return (value - hi) / rule.h > rule.limit || (lo - value) / rule.h > rule.limit;
}

Status snapToStep(float& t, float step) {
  float quotient = 0;
  if (Status s = divSingle(t, step, quotient); s != kOk) return s;
  float snapped = 0;
  if (Status s = toSingle(static_cast<double>(step) * roundHalfEven(quotient), snapped); s != kOk) {
    return s;
  }
  t = snapped;
  return kOk;
}

Status progressValue(float t, float tStart, double range, std::int32_t& value) {
  // Computed in double: a progress value must not overflow where the curve does not.
  if (range == 0) return kDivisionByZero;
  const double share = progressShare(t, tStart, range);
  std::int32_t rounded = 0;
  if (Status s = roundToInt32(share, rounded); s != kOk) return s;
  value = rounded % 100;  // the sign of the dividend is kept
  return kOk;
}

SweepPlan planSweep(SweepKind kind, const ViewState& view, const PlotRange& range, int level,
                    bool intOnly, std::int32_t halfWidth, std::int32_t halfHeight) {
  SweepPlan plan;
  plan.kind = kind;
  // The slider allows a scale of 0; it counts as 1 rather than dividing by zero.
  plan.scale = view.zoomScale == 0 ? 1.0f : static_cast<float>(view.zoomScale);
  const double scale = plan.scale;
  const bool alongX = sweepsAlongX(kind);

  auto curveEdge = [scale](std::int32_t edge) {
    return static_cast<float>(static_cast<double>(edge) / scale);
  };
  // A typed limit is scaled like the points (one rounding to single), so that a
  // point lying exactly on the typed end stays outside. Beyond single precision it
  // limits nothing.
  auto typedLimit = [scale](float end) -> double {
    float limit = 0;
    if (toSingle(static_cast<double>(end) * scale, limit) == kOk) return limit;
    return end > 0 ? std::numeric_limits<double>::infinity()
                   : -std::numeric_limits<double>::infinity();
  };
  if (alongX) {
    plan.tStart = range.xFromOpen ? curveEdge(view.viewLeft) : range.xFrom;
    plan.tEnd = range.xToOpen ? curveEdge(view.viewRight) : range.xTo;
    plan.lo = range.yFromOpen ? view.viewBottom : typedLimit(range.yFrom);
    plan.hi = range.yToOpen ? view.viewTop : typedLimit(range.yTo);
  } else {
    plan.tStart = range.yFromOpen ? curveEdge(view.viewBottom) : range.yFrom;
    plan.tEnd = range.yToOpen ? curveEdge(view.viewTop) : range.yTo;
    plan.lo = range.xFromOpen ? view.viewLeft : typedLimit(range.xFrom);
    plan.hi = range.xToOpen ? view.viewRight : typedLimit(range.xTo);
  }

  const bool wholeNumbers = alongX && intOnly;
  if (wholeNumbers) {
    plan.tStart = std::trunc(plan.tStart);
    plan.tEnd = std::trunc(plan.tEnd);
  }
  const float difference = plan.tEnd - plan.tStart;
  const int n = level < 1 ? 1 : level;
  if (std::isfinite(difference)) {
    plan.range = difference;
    plan.step = wholeNumbers ? 1.0f : difference / static_cast<float>(n);
  } else {
    // Typed ends further apart than single precision reaches: step by the exact
    // difference instead of giving up on the curve.
    plan.range = static_cast<double>(plan.tEnd) - plan.tStart;
    const float largest = std::numeric_limits<float>::max();
    if (wholeNumbers) {
      plan.step = 1;
    } else if (toSingle(plan.range / n, plan.step) != kOk) {
      plan.step = plan.range > 0 ? largest : -largest;
    }
  }
  plan.skip = smartSkipRule(kind, halfWidth, halfHeight);
  return plan;
}

}  // namespace quorvel
