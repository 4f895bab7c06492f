#include "eval/curve_formulas.h"

#include <cmath>

#include "eval/seven_digit_text.h"
#include "eval/single_math.h"

namespace quorvel {

namespace {

// Single-precision steps taken one at a time, left to right as the formula is
// written; after the first failure the remaining steps are skipped and that failure
// is the outcome. Each step is its own statement (or the only call among its
// arguments), so C++'s unspecified argument order never changes which failure wins.
class Steps {
 public:
  float add(float a, float b) { return binary(addSingle, a, b); }
  float sub(float a, float b) { return binary(subSingle, a, b); }
  float mul(float a, float b) { return binary(mulSingle, a, b); }
  float div(float a, float b) { return binary(divSingle, a, b); }
  float pow(float a, float b) { return binary(powSingle, a, b); }
  float sqrt(float v) { return unary(sqrtSingle, v); }
  float ln(float v) { return unary(lnSingle, v); }
  float sin(float v) { return unary(sinSingle, v); }
  float cos(float v) { return unary(cosSingle, v); }
  float tan(float v) { return unary(tanSingle, v); }

  Status status() const { return status_; }

 private:
  float binary(Status (*op)(float, float, float&), float a, float b) {
    if (status_ != kOk) return 0.0f;
    float r = 0.0f;
    status_ = op(a, b, r);
    return r;
  }
  float unary(Status (*op)(float, float&), float v) {
    if (status_ != kOk) return 0.0f;
    float r = 0.0f;
    status_ = op(v, r);
    return r;
  }

  Status status_ = kOk;
};

// Writes a result only when every step succeeded.
Status deliver(const Steps& s, float value, float& out) {
  if (s.status() != kOk) return s.status();
  out = value;
  return kOk;
}

Status deliverPair(const Steps& s, float first, float second, float& out1, float& out2) {
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
float negatedLinearQuotient(Steps& s, float factor, float v, float constant, float divisor) {
  const float product = s.mul(factor, v);
  const float sum = s.add(product, constant);
  return s.div(-sum, divisor);
}

// The parabola's v · v / 2 / p, with the sign of the first factor given.
float halfSquareOverP(Steps& s, float firstFactor, float v, float p) {
  const float square = s.mul(firstFactor, v);
  const float half = s.div(square, 2.0f);
  return s.div(half, p);
}

// ln v / ln base, each logarithm rounded to single before the division.
float logarithmInBase(Steps& s, float v, float base) {
  const float lnV = s.ln(v);
  const float lnBase = s.ln(base);
  return s.div(lnV, lnBase);
}

// A · trig(ω · x + φ).
float scaledTrig(Steps& s, float (Steps::*trig)(float), const CurveParams& c, float x) {
  const float wx = s.mul(c.paramOmega, x);
  const float angle = s.add(wx, c.paramPhi);
  const float value = (s.*trig)(angle);
  return s.mul(c.paramA, value);
}

// The circle's radicand (v + r − centre) · (centre + (r − v)).
float circleRadicand(Steps& s, float v, float r, float centre) {
  const float vr = s.add(v, r);
  const float left = s.sub(vr, centre);
  const float rv = s.sub(r, v);
  const float right = s.add(centre, rv);
  return s.mul(left, right);
}

// v · v / d / d.
float squareOverSquare(Steps& s, float v, float d) {
  const float square = s.mul(v, v);
  const float once = s.div(square, d);
  return s.div(once, d);
}

}  // namespace

Status f(const CurveParams& c, EvalState& eval, float x, float& y) {
  // A user curve first: it is the one whose points cost the most.
  if (c.funcFamily == 13 && (c.funcForm == 0 || c.funcForm == 1)) return userCurve(c, eval, x, y);
  Steps s;
  float result = 0.0f;  // families without a formula give 0
  switch (c.funcFamily) {
    case 0:
      if (c.funcForm == 0) {  // paramK · x + paramB
        const float kx = s.mul(c.paramK, x);
        result = s.add(kx, c.paramB);
      } else if (c.funcForm == 1) {  // paramK · (x − paramX1) + paramY1
        const float dx = s.sub(x, c.paramX1);
        const float kdx = s.mul(c.paramK, dx);
        result = s.add(kdx, c.paramY1);
      } else if (c.funcForm == 2) {  // −(paramA · x + paramC) / paramB
        result = negatedLinearQuotient(s, c.paramA, x, c.paramC, c.paramB);
      }
      break;
    case 1:
      if (c.funcForm == 0) {  // paramC + (x · (x · paramA) + x · paramB)
        const float xa = s.mul(x, c.paramA);
        const float xxa = s.mul(x, xa);
        const float xb = s.mul(x, c.paramB);
        const float sum = s.add(xxa, xb);
        result = s.add(c.paramC, sum);
      } else if (c.funcForm == 1) {  // (x − paramX1) · paramA · (x − paramX2)
        const float d1 = s.sub(x, c.paramX1);
        const float d1a = s.mul(d1, c.paramA);
        const float d2 = s.sub(x, c.paramX2);
        result = s.mul(d1a, d2);
      } else if (c.funcForm == 2) {  // (x − h) · paramA · (x − h) + paramK
        const float h = static_cast<float>(c.paramH);
        const float d1 = s.sub(x, h);
        const float d1a = s.mul(d1, c.paramA);
        const float d2 = s.sub(x, h);
        const float product = s.mul(d1a, d2);
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
      result = logarithmInBase(s, x, c.paramA);
      break;
    case 5: result = scaledTrig(s, &Steps::sin, c, x); break;
    case 6: result = scaledTrig(s, &Steps::cos, c, x); break;
    case 7: result = scaledTrig(s, &Steps::tan, c, x); break;
    case 11:
      if (c.funcForm == 2)
        result = halfSquareOverP(s, x, x, c.paramP);
      else if (c.funcForm == 3)
        result = halfSquareOverP(s, -x, x, c.paramP);
      break;
    case 12: {  // paramB / x + x · paramA
      const float quotient = s.div(c.paramB, x);
      const float xa = s.mul(x, c.paramA);
      result = s.add(quotient, xa);
      break;
    }
    case 13:  // its other forms have no formula
      break;
    default:  // 8, 9, 10 are drawn with f2 / f3
      break;
  }
  return deliver(s, result, y);
}

Status f1(const CurveParams& c, float y, float& x) {
  Steps s;
  float result = 0.0f;
  switch (c.funcFamily) {
    case 0:
      if (c.funcForm == 0) {  // (y − paramB) / paramK
        const float dy = s.sub(y, c.paramB);
        result = s.div(dy, c.paramK);
      } else if (c.funcForm == 1) {  // (y − paramY1) / paramK + paramX1
        const float dy = s.sub(y, c.paramY1);
        const float q = s.div(dy, c.paramK);
        result = s.add(q, c.paramX1);
      } else if (c.funcForm == 2) {  // −(paramB · y + paramC) / paramA
        result = negatedLinearQuotient(s, c.paramB, y, c.paramC, c.paramA);
      }
      break;
    case 2:  // paramK / y
      result = s.div(c.paramK, y);
      break;
    case 3:  // ln y / ln paramA
      result = logarithmInBase(s, y, c.paramA);
      break;
    case 4:  // paramA ^ y
      result = s.pow(c.paramA, y);
      break;
    case 11:
      if (c.funcForm == 0)
        result = halfSquareOverP(s, y, y, c.paramP);
      else if (c.funcForm == 1)
        result = halfSquareOverP(s, -y, y, c.paramP);
      break;
    default: break;
  }
  return deliver(s, result, x);
}

Status f2(const CurveParams& c, float x, CurvePoints& p) {
  Steps s;
  float root = 0.0f;
  switch (c.funcFamily) {
    case 8: {  // √((x + r − a) · (a + (r − x))); b ± s
      const float radicand = circleRadicand(s, x, c.paramR, c.paramA);
      root = s.sqrt(radicand);
      const float upper = s.add(root, c.paramB);
      const float lower = s.sub(c.paramB, root);
      return deliverPair(s, upper, lower, p.pointY1, p.pointY2);
    }
    case 9: {  // √((1 − x · x / a / a) · (b · b))
      const float ratio = squareOverSquare(s, x, c.paramA);
      const float inside = s.sub(1.0f, ratio);
      const float bb = s.mul(c.paramB, c.paramB);
      const float radicand = s.mul(inside, bb);
      root = s.sqrt(radicand);
      break;
    }
    case 10: {  // √(b · b · (x · x / a / a − 1))
      const float bb = s.mul(c.paramB, c.paramB);
      const float ratio = squareOverSquare(s, x, c.paramA);
      const float inside = s.sub(ratio, 1.0f);
      const float radicand = s.mul(bb, inside);
      root = s.sqrt(radicand);
      break;
    }
    case 11: {  // √(2 · p · x), √(−2 · p · x)
      if (c.funcForm != 0 && c.funcForm != 1) return kOk;
      const float twoP = s.mul(c.funcForm == 0 ? 2.0f : -2.0f, c.paramP);
      const float radicand = s.mul(twoP, x);
      root = s.sqrt(radicand);
      break;
    }
    default: return kOk;  // no two-valued curve: outputs unchanged
  }
  return deliverPair(s, root, -root, p.pointY1, p.pointY2);
}

Status f3(const CurveParams& c, float y, CurvePoints& p) {
  Steps s;
  float root = 0.0f;
  switch (c.funcFamily) {
    case 1:
      if (c.funcForm == 0) {
        // √((b · b / 4 / a + y − c) / a); ±s − b / 2 / a
        const float bb = s.mul(c.paramB, c.paramB);
        const float quarter = s.div(bb, 4.0f);
        const float overA = s.div(quarter, c.paramA);
        const float plusY = s.add(overA, y);
        const float minusC = s.sub(plusY, c.paramC);
        const float radicand = s.div(minusC, c.paramA);
        root = s.sqrt(radicand);
        const float halfB = s.div(c.paramB, 2.0f);
        const float axis = s.div(halfB, c.paramA);
        const float right = s.sub(root, axis);
        const float left = s.sub(-root, axis);
        return deliverPair(s, right, left, p.pointX1, p.pointX2);
      }
      if (c.funcForm == 1) {
        // √((x1 − x2)² / 4 + y / a); (x2 + x1) / 2 ± s
        const float gap = s.sub(c.paramX1, c.paramX2);
        const float gapSquared = s.pow(gap, 2.0f);
        const float quarter = s.div(gapSquared, 4.0f);
        const float yOverA = s.div(y, c.paramA);
        const float radicand = s.add(quarter, yOverA);
        root = s.sqrt(radicand);
        const float sum = s.add(c.paramX2, c.paramX1);
        const float middle = s.div(sum, 2.0f);
        const float right = s.add(root, middle);
        const float left = s.sub(middle, root);
        return deliverPair(s, right, left, p.pointX1, p.pointX2);
      }
      if (c.funcForm == 2) {
        // √((y − k) / a); h ± s
        const float h = static_cast<float>(c.paramH);
        const float dy = s.sub(y, c.paramK);
        const float radicand = s.div(dy, c.paramA);
        root = s.sqrt(radicand);
        const float right = s.add(root, h);
        const float left = s.sub(h, root);
        return deliverPair(s, right, left, p.pointX1, p.pointX2);
      }
      return kOk;
    case 8: {  // √((y + r − b) · (b + (r − y))); a ± s
      const float radicand = circleRadicand(s, y, c.paramR, c.paramB);
      root = s.sqrt(radicand);
      const float right = s.add(root, c.paramA);
      const float left = s.sub(c.paramA, root);
      return deliverPair(s, right, left, p.pointX1, p.pointX2);
    }
    case 9: {  // √((1 − y · y / b / b) · (a · a))
      const float ratio = squareOverSquare(s, y, c.paramB);
      const float inside = s.sub(1.0f, ratio);
      const float aa = s.mul(c.paramA, c.paramA);
      const float radicand = s.mul(inside, aa);
      root = s.sqrt(radicand);
      break;
    }
    case 10: {  // √(a · a · (y · y / b / b + 1))
      const float aa = s.mul(c.paramA, c.paramA);
      const float ratio = squareOverSquare(s, y, c.paramB);
      const float inside = s.add(ratio, 1.0f);
      const float radicand = s.mul(aa, inside);
      root = s.sqrt(radicand);
      break;
    }
    case 11: {  // √(2 · p · y), √(−2 · p · y)
      if (c.funcForm != 2 && c.funcForm != 3) return kOk;
      const float twoP = s.mul(c.funcForm == 2 ? 2.0f : -2.0f, c.paramP);
      const float radicand = s.mul(twoP, y);
      root = s.sqrt(radicand);
      break;
    }
    default: return kOk;
  }
  return deliverPair(s, root, -root, p.pointX1, p.pointX2);
}

}  // namespace quorvel
