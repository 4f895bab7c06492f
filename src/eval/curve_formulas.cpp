#include "eval/curve_formulas.h"

#include <cmath>

#include "eval/arithmetic.h"
#include "eval/double_program.h"
#include "eval/seven_digit_text.h"
#include "eval/single_math.h"

namespace quorvel {

namespace {

// Steps taken one at a time in the precision of A (one rounding per operation in
// single precision), left to right as the formula is written; after the first failure
// the remaining steps are skipped and that failure is the outcome. Each step is its
// own statement (or the only call among its arguments), so C++'s unspecified argument
// order never changes which failure wins.
template <class A>
class Steps {
 public:
  using Real = typename A::Real;
  Real add(Real a, Real b) { return binary(A::add, a, b); }
  Real sub(Real a, Real b) { return binary(A::sub, a, b); }
  Real mul(Real a, Real b) { return binary(A::mul, a, b); }
  Real div(Real a, Real b) { return binary(A::div, a, b); }
  Real pow(Real a, Real b) { return binary(A::pow, a, b); }
  Real sqrt(Real v) { return unary(A::sqrt, v); }
  Real ln(Real v) { return unary(A::ln, v); }
  Real sin(Real v) { return unary(A::sin, v); }
  Real cos(Real v) { return unary(A::cos, v); }
  Real tan(Real v) { return unary(A::tan, v); }

  Status status() const { return status_; }

 private:
  Real binary(Status (*op)(Real, Real, Real&), Real a, Real b) {
    if (status_ != kOk) return Real(0);
    Real r = 0;
    status_ = op(a, b, r);
    return r;
  }
  Real unary(Status (*op)(Real, Real&), Real v) {
    if (status_ != kOk) return Real(0);
    Real r = 0;
    status_ = op(v, r);
    return r;
  }

  Status status_ = kOk;
};

// The number type of the precision A; as a parameter's type it is given with A, never
// deduced from the arguments (a formula mixes the single parameters with its Real).
template <class A>
using RealOf = typename A::Real;

// Writes a result only when every step succeeded.
template <class A, class Real>
Status deliver(const Steps<A>& s, Real value, Real& out) {
  if (s.status() != kOk) return s.status();
  out = value;
  return kOk;
}

template <class A, class Real>
Status deliverPair(const Steps<A>& s, Real first, Real second, Real& out1, Real& out2) {
  if (s.status() != kOk) return s.status();
  out1 = first;
  out2 = second;
  return kOk;
}

// Family 13: the user's expression at the text of x, as Epc(expression, singleText(x))
// leaves it, with y its result text read back. A failed evaluation gives 0 here and
// leaves its code in evalStatus for the plotter.
// Not inlined into f: f hands over to it before setting up anything of its own.
[[gnu::noinline]] Status userCurve(const CurveParams& c, EvalState& eval, float x, float& y) {
  y = c.compiledExpression.compiledFor(c.expression).evaluateAtSingle(eval, x);
  return kOk;
}

// The line's general form -(A·x + C) / B and its x-from-y twin -(B·y + C) / A.
template <class A>
RealOf<A> negatedLinearQuotient(Steps<A>& s, RealOf<A> factor, RealOf<A> v, RealOf<A> constant,
                                RealOf<A> divisor) {
  using R = RealOf<A>;
  const R product = s.mul(factor, v);
  const R sum = s.add(product, constant);
  return s.div(-sum, divisor);
}

// The parabola's v · v / 2 / p, with the sign of the first factor given.
template <class A>
RealOf<A> halfSquareOverP(Steps<A>& s, RealOf<A> firstFactor, RealOf<A> v, RealOf<A> p) {
  using R = RealOf<A>;
  const R square = s.mul(firstFactor, v);
  const R half = s.div(square, R(2));
  return s.div(half, p);
}

// ln v / ln base, each logarithm rounded before the division.
template <class A>
RealOf<A> logarithmInBase(Steps<A>& s, RealOf<A> v, RealOf<A> base) {
  using R = RealOf<A>;
  const R lnV = s.ln(v);
  const R lnBase = s.ln(base);
  return s.div(lnV, lnBase);
}

// A · trig(ω · x + φ).
template <class A>
RealOf<A> scaledTrig(Steps<A>& s, RealOf<A> (Steps<A>::*trig)(typename A::Real),
                     const CurveParams& c, RealOf<A> x) {
  using R = RealOf<A>;
  const R wx = s.mul(c.paramOmega, x);
  const R angle = s.add(wx, c.paramPhi);
  const R value = (s.*trig)(angle);
  return s.mul(c.paramA, value);
}

// The circle's radicand (v + r − centre) · (centre + (r − v)).
template <class A>
RealOf<A> circleRadicand(Steps<A>& s, RealOf<A> v, RealOf<A> r, RealOf<A> centre) {
  using R = RealOf<A>;
  const R vr = s.add(v, r);
  const R left = s.sub(vr, centre);
  const R rv = s.sub(r, v);
  const R right = s.add(centre, rv);
  return s.mul(left, right);
}

// v · v / d / d.
template <class A>
RealOf<A> squareOverSquare(Steps<A>& s, RealOf<A> v, RealOf<A> d) {
  using R = RealOf<A>;
  const R square = s.mul(v, v);
  const R once = s.div(square, d);
  return s.div(once, d);
}

// The forms appended to their families, numbered after the list file's.
constexpr std::int16_t kShiftedTrigForm = 1;  // A·trig(ωx + φ) + k
constexpr std::int16_t kPowerFamily = 14;

bool isAppendedConic(const CurveParams& c) {
  return (c.funcFamily == 9 || c.funcFamily == 10) && c.funcForm >= 1 && c.funcForm <= 3;
}

// One of the appended conics seen along the swept variable: v = other centre ±
// √(radicand), radicand = D² · inside where inside is 1 − u²/d² for the ellipse and
// u²/d² ∓ 1 for the hyperbola (the term written first has the plus sign).
template <class A>
RealOf<A> appendedConicRadicand(Steps<A>& s, const CurveParams& c, bool alongX, RealOf<A> t) {
  using R = RealOf<A>;
  const bool centred = c.funcForm >= 2;
  const bool xFirst = c.funcForm == 2;  // forms 1 and 3 put y first (foci on the y axis)
  const R sweptCentre = centred ? R(alongX ? c.paramCentreX : c.paramK) : R(0);
  const bool sweptFirst = alongX == xFirst;
  const R sweptAxis = sweptFirst ? c.paramA : c.paramB;
  const R otherAxis = sweptFirst ? c.paramB : c.paramA;
  const R u = s.sub(t, sweptCentre);
  const R ratio = squareOverSquare<A>(s, u, sweptAxis);
  R inside = 0;
  if (c.funcFamily == 9) {
    inside = s.sub(R(1), ratio);
  } else if (sweptFirst) {
    inside = s.sub(ratio, R(1));
  } else {
    inside = s.add(ratio, R(1));
  }
  const R squared = s.mul(otherAxis, otherAxis);
  return s.mul(inside, squared);
}

template <class A>
Status appendedConicPair(const CurveParams& c, bool alongX, RealOf<A> t, RealOf<A>& v1,
                         RealOf<A>& v2) {
  using R = RealOf<A>;
  Steps<A> s;
  const R radicand = appendedConicRadicand<A>(s, c, alongX, t);
  const R root = s.sqrt(radicand);
  const R otherCentre = c.funcForm >= 2 ? R(alongX ? c.paramK : c.paramCentreX) : R(0);
  const R first = s.add(otherCentre, root);
  const R second = s.sub(otherCentre, root);
  return deliverPair(s, first, second, v1, v2);
}

// x^α: for x < 0 only a fraction with an odd denominator has a value, with the sign of
// (−1)^p; x = 0 has none for α ≤ 0. A real exponent has no value for x < 0.
template <class A>
Status powerOf(const CurveParams& c, RealOf<A> x, RealOf<A>& y) {
  using R = RealOf<A>;
  const bool fraction = c.alphaDenominator > 0;
  // In double the exponent is the value as typed, not its single rounding.
  const R alpha = sizeof(R) > sizeof(float) ? R(c.alphaExact) : R(c.paramAlpha);
  if (x == R(0)) {
    if (alpha > R(0)) {
      y = R(0);
      return kOk;
    }
    return alpha < R(0) ? kDivisionByZero : kInvalidArgument;
  }
  if (x < R(0) && !(fraction && c.alphaDenominator % 2 == 1)) return kInvalidArgument;
  R magnitude = 0;
  if (const Status s = A::pow(x < R(0) ? -x : x, alpha, magnitude); s != kOk) return s;
  y = x < R(0) && c.alphaNumerator % 2 != 0 ? -magnitude : magnitude;
  return kOk;
}

// y for x for every family but the user's (which gives 0 here, as the families
// without a formula do).
template <class A>
Status yFromX(const CurveParams& c, RealOf<A> x, RealOf<A>& y) {
  using R = RealOf<A>;
  Steps<A> s;
  R result = 0;
  switch (c.funcFamily) {
    case 0:
      if (c.funcForm == 0) {  // paramK · x + paramB
        const R kx = s.mul(c.paramK, x);
        result = s.add(kx, c.paramB);
      } else if (c.funcForm == 1) {  // paramK · (x − paramX1) + paramY1
        const R dx = s.sub(x, c.paramX1);
        const R kdx = s.mul(c.paramK, dx);
        result = s.add(kdx, c.paramY1);
      } else if (c.funcForm == 2) {  // −(paramA · x + paramC) / paramB
        result = negatedLinearQuotient<A>(s, c.paramA, x, c.paramC, c.paramB);
      }
      break;
    case 1:
      if (c.funcForm == 0) {  // paramC + (x · (x · paramA) + x · paramB)
        const R xa = s.mul(x, c.paramA);
        const R xxa = s.mul(x, xa);
        const R xb = s.mul(x, c.paramB);
        const R sum = s.add(xxa, xb);
        result = s.add(c.paramC, sum);
      } else if (c.funcForm == 1) {  // (x − paramX1) · paramA · (x − paramX2)
        const R d1 = s.sub(x, c.paramX1);
        const R d1a = s.mul(d1, c.paramA);
        const R d2 = s.sub(x, c.paramX2);
        result = s.mul(d1a, d2);
      } else if (c.funcForm == 2) {  // (x − h) · paramA · (x − h) + paramK
        const R h = static_cast<R>(c.paramH);
        const R d1 = s.sub(x, h);
        const R d1a = s.mul(d1, c.paramA);
        const R d2 = s.sub(x, h);
        const R product = s.mul(d1a, d2);
        result = s.add(product, c.paramK);
      }
      break;
    case 2:  // paramK / x
      result = s.div(c.paramK, x);
      break;
    case 3:  // paramA ^ x
      result = s.pow(c.paramA, x);
      break;
    case 4:  // ln x / ln paramA
      result = logarithmInBase<A>(s, x, c.paramA);
      break;
    case 5: result = scaledTrig<A>(s, &Steps<A>::sin, c, x); break;
    case 6: result = scaledTrig<A>(s, &Steps<A>::cos, c, x); break;
    case 7: result = scaledTrig<A>(s, &Steps<A>::tan, c, x); break;
    case kPowerFamily: return powerOf<A>(c, x, y);
    case 11:
      if (c.funcForm == 2)
        result = halfSquareOverP<A>(s, x, x, c.paramP);
      else if (c.funcForm == 3)
        result = halfSquareOverP<A>(s, -x, x, c.paramP);
      break;
    case 12: {  // paramB / x + x · paramA
      const R quotient = s.div(c.paramB, x);
      const R xa = s.mul(x, c.paramA);
      result = s.add(quotient, xa);
      break;
    }
    default:  // 8, 9, 10 are drawn with f2 / f3; 13 is the user's
      break;
  }
  if (c.funcForm == kShiftedTrigForm && c.funcFamily >= 5 && c.funcFamily <= 7) {
    result = s.add(result, c.paramK);
  }
  return deliver(s, result, y);
}

template <class A>
Status xFromY(const CurveParams& c, RealOf<A> y, RealOf<A>& x) {
  using R = RealOf<A>;
  Steps<A> s;
  R result = 0;
  switch (c.funcFamily) {
    case 0:
      if (c.funcForm == 0) {  // (y − paramB) / paramK
        const R dy = s.sub(y, c.paramB);
        result = s.div(dy, c.paramK);
      } else if (c.funcForm == 1) {  // (y − paramY1) / paramK + paramX1
        const R dy = s.sub(y, c.paramY1);
        const R q = s.div(dy, c.paramK);
        result = s.add(q, c.paramX1);
      } else if (c.funcForm == 2) {  // −(paramB · y + paramC) / paramA
        result = negatedLinearQuotient<A>(s, c.paramB, y, c.paramC, c.paramA);
      }
      break;
    case 2:  // paramK / y
      result = s.div(c.paramK, y);
      break;
    case 3:  // ln y / ln paramA
      result = logarithmInBase<A>(s, y, c.paramA);
      break;
    case 4:  // paramA ^ y
      result = s.pow(c.paramA, y);
      break;
    case 11:
      if (c.funcForm == 0)
        result = halfSquareOverP<A>(s, y, y, c.paramP);
      else if (c.funcForm == 1)
        result = halfSquareOverP<A>(s, -y, y, c.paramP);
      break;
    default: break;
  }
  return deliver(s, result, x);
}

// The two y values at x; y1, y2 unchanged for the families without two values.
template <class A>
Status twoYFromX(const CurveParams& c, RealOf<A> x, RealOf<A>& y1, RealOf<A>& y2) {
  using R = RealOf<A>;
  if (isAppendedConic(c)) return appendedConicPair<A>(c, true, x, y1, y2);
  Steps<A> s;
  R root = 0;
  switch (c.funcFamily) {
    case 8: {  // √((x + r − a) · (a + (r − x))); b ± s
      const R radicand = circleRadicand<A>(s, x, c.paramR, c.paramA);
      root = s.sqrt(radicand);
      const R upper = s.add(root, c.paramB);
      const R lower = s.sub(c.paramB, root);
      return deliverPair(s, upper, lower, y1, y2);
    }
    case 9: {  // √((1 − x · x / a / a) · (b · b))
      const R ratio = squareOverSquare<A>(s, x, c.paramA);
      const R inside = s.sub(R(1), ratio);
      const R bb = s.mul(c.paramB, c.paramB);
      const R radicand = s.mul(inside, bb);
      root = s.sqrt(radicand);
      break;
    }
    case 10: {  // √(b · b · (x · x / a / a − 1))
      const R bb = s.mul(c.paramB, c.paramB);
      const R ratio = squareOverSquare<A>(s, x, c.paramA);
      const R inside = s.sub(ratio, R(1));
      const R radicand = s.mul(bb, inside);
      root = s.sqrt(radicand);
      break;
    }
    case 11: {  // √(2 · p · x), √(−2 · p · x)
      if (c.funcForm != 0 && c.funcForm != 1) return kOk;
      const R twoP = s.mul(c.funcForm == 0 ? R(2) : R(-2), c.paramP);
      const R radicand = s.mul(twoP, x);
      root = s.sqrt(radicand);
      break;
    }
    default: return kOk;  // no two-valued curve: outputs unchanged
  }
  return deliverPair(s, root, -root, y1, y2);
}

// The two x values at y; x1, x2 unchanged for the families without two values.
template <class A>
Status twoXFromY(const CurveParams& c, RealOf<A> y, RealOf<A>& x1, RealOf<A>& x2) {
  using R = RealOf<A>;
  if (isAppendedConic(c)) return appendedConicPair<A>(c, false, y, x1, x2);
  Steps<A> s;
  R root = 0;
  switch (c.funcFamily) {
    case 1:
      if (c.funcForm == 0) {
        // √((b · b / 4 / a + y − c) / a); ±s − b / 2 / a
        const R bb = s.mul(c.paramB, c.paramB);
        const R quarter = s.div(bb, R(4));
        const R overA = s.div(quarter, c.paramA);
        const R plusY = s.add(overA, y);
        const R minusC = s.sub(plusY, c.paramC);
        const R radicand = s.div(minusC, c.paramA);
        root = s.sqrt(radicand);
        const R halfB = s.div(c.paramB, R(2));
        const R axis = s.div(halfB, c.paramA);
        const R right = s.sub(root, axis);
        const R left = s.sub(-root, axis);
        return deliverPair(s, right, left, x1, x2);
      }
      if (c.funcForm == 1) {
        // √((x1 − x2)² / 4 + y / a); (x2 + x1) / 2 ± s
        const R gap = s.sub(c.paramX1, c.paramX2);
        const R gapSquared = s.pow(gap, R(2));
        const R quarter = s.div(gapSquared, R(4));
        const R yOverA = s.div(y, c.paramA);
        const R radicand = s.add(quarter, yOverA);
        root = s.sqrt(radicand);
        const R sum = s.add(c.paramX2, c.paramX1);
        const R middle = s.div(sum, R(2));
        const R right = s.add(root, middle);
        const R left = s.sub(middle, root);
        return deliverPair(s, right, left, x1, x2);
      }
      if (c.funcForm == 2) {
        // √((y − k) / a); h ± s
        const R h = static_cast<R>(c.paramH);
        const R dy = s.sub(y, c.paramK);
        const R radicand = s.div(dy, c.paramA);
        root = s.sqrt(radicand);
        const R right = s.add(root, h);
        const R left = s.sub(h, root);
        return deliverPair(s, right, left, x1, x2);
      }
      return kOk;
    case 8: {  // √((y + r − b) · (b + (r − y))); a ± s
      const R radicand = circleRadicand<A>(s, y, c.paramR, c.paramB);
      root = s.sqrt(radicand);
      const R right = s.add(root, c.paramA);
      const R left = s.sub(c.paramA, root);
      return deliverPair(s, right, left, x1, x2);
    }
    case 9: {  // √((1 − y · y / b / b) · (a · a))
      const R ratio = squareOverSquare<A>(s, y, c.paramB);
      const R inside = s.sub(R(1), ratio);
      const R aa = s.mul(c.paramA, c.paramA);
      const R radicand = s.mul(inside, aa);
      root = s.sqrt(radicand);
      break;
    }
    case 10: {  // √(a · a · (y · y / b / b + 1))
      const R aa = s.mul(c.paramA, c.paramA);
      const R ratio = squareOverSquare<A>(s, y, c.paramB);
      const R inside = s.add(ratio, R(1));
      const R radicand = s.mul(aa, inside);
      root = s.sqrt(radicand);
      break;
    }
    case 11: {  // √(2 · p · y), √(−2 · p · y)
      if (c.funcForm != 2 && c.funcForm != 3) return kOk;
      const R twoP = s.mul(c.funcForm == 2 ? R(2) : R(-2), c.paramP);
      const R radicand = s.mul(twoP, y);
      root = s.sqrt(radicand);
      break;
    }
    default: return kOk;
  }
  return deliverPair(s, root, -root, x1, x2);
}

}  // namespace

Status f(const CurveParams& c, EvalState& eval, float x, float& y) {
  // A user curve first: it is the one whose points cost the most.
  if (c.funcFamily == 13 && (c.funcForm == 0 || c.funcForm == 1)) return userCurve(c, eval, x, y);
  return yFromX<SingleArithmetic>(c, x, y);
}

Status f1(const CurveParams& c, float y, float& x) { return xFromY<SingleArithmetic>(c, y, x); }

Status f2(const CurveParams& c, float x, CurvePoints& p) {
  return twoYFromX<SingleArithmetic>(c, x, p.pointY1, p.pointY2);
}

Status f3(const CurveParams& c, float y, CurvePoints& p) {
  return twoXFromY<SingleArithmetic>(c, y, p.pointX1, p.pointX2);
}

Status fDouble(const CurveParams& c, double x, double& y) {
  if (c.funcFamily == 13 && (c.funcForm == 0 || c.funcForm == 1)) {
    const DoubleOutcome outcome =
        runProgramInDouble(c.compiledExpression.compiledFor(c.expression).program(), x);
    if (outcome.status != kOk) return outcome.status;
    y = outcome.value;
    return kOk;
  }
  return yFromX<DoubleArithmetic>(c, x, y);
}

Status f1Double(const CurveParams& c, double y, double& x) {
  return xFromY<DoubleArithmetic>(c, y, x);
}

Status f2Double(const CurveParams& c, double x, double& y1, double& y2) {
  return twoYFromX<DoubleArithmetic>(c, x, y1, y2);
}

Status f3Double(const CurveParams& c, double y, double& x1, double& x2) {
  return twoXFromY<DoubleArithmetic>(c, y, x1, x2);
}

std::optional<bool> appendedConicExistsAt(const CurveParams& c, bool alongX, float t) {
  if (!isAppendedConic(c)) return std::nullopt;
  Steps<SingleArithmetic> s;
  const float radicand = appendedConicRadicand<SingleArithmetic>(s, c, alongX, t);
  if (s.status() != kOk) return false;
  return radicand >= 0.0f;
}

std::optional<bool> powerExistsAt(const CurveParams& c, float x) {
  if (c.funcFamily != kPowerFamily) return std::nullopt;
  if (x == 0.0f) return c.paramAlpha > 0.0f;
  return x > 0.0f || (c.alphaDenominator > 0 && c.alphaDenominator % 2 == 1);
}

}  // namespace quorvel
