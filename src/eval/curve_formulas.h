#pragma once
// The formulas of the families: y from x (f), x from y (f1), the two y
// values of a two-valued curve at x (f2) and the two x values at y (f3).
// Each returns kOk or the failure of the call: kInvalidArgument (5), kOverflow (6),
// kDivisionByZero (11). A failing call writes no output at all: the plotter keeps its
// last point in the same variables. The arithmetic follows each formula as written,
// left to right, one single-precision rounding per operation.
#include <cstdint>
#include <optional>
#include <string>

#include "eval/compiled_expression.h"
#include "eval/epc.h"
#include "eval/status.h"

namespace quorvel {

// The curve being drawn: family, form and parameters as the draw command loaded them.
struct CurveParams {
  std::int16_t funcFamily = 0;  // 0..14
  std::int16_t funcForm = 0;
  float paramK = 0, paramA = 0, paramB = 0, paramC = 0, paramOmega = 0, paramPhi = 0, paramR = 0,
        paramP = 0, paramX1 = 0, paramY1 = 0, paramX2 = 0;
  std::int32_t paramH = 0;  // h of the vertex form, a whole number
  float paramCentreX = 0;   // h of a conic's centre (k is paramK)
  // The power function's exponent: the reduced fraction p/q (q > 0) with its value, or a
  // real exponent (q = 0) with only its value; the analysis uses the value in double.
  float paramAlpha = 0;
  double alphaExact = 0;
  std::int32_t alphaNumerator = 0, alphaDenominator = 0;
  std::string expression;  // family 13, lower-cased
  // The compiled form of `expression`, made by f on the first point of a curve and
  // kept while the text stays the same.
  mutable CompiledExpressionCache compiledExpression{};
};

// The two-valued results (and, for the plotter, the last point drawn).
struct CurvePoints {
  float pointX1 = 0, pointY1 = 0, pointX2 = 0, pointY2 = 0;
};

// y for x. Family 13 evaluates `expression` as Epc does at the text of x (through its
// compiled form) and returns the result text read back; it never fails itself: after
// a failed evaluation y is 0 and eval.evalStatus holds the code.
// A family/form without a formula gives y = 0.
Status f(const CurveParams& c, EvalState& eval, float x, float& y);
// x for y; 0 for the families without an inverse.
Status f1(const CurveParams& c, float y, float& x);
// pointY1, pointY2 at x; unchanged for the families without two values.
Status f2(const CurveParams& c, float x, CurvePoints& p);
// pointX1, pointX2 at y; unchanged for the families without two values.
Status f3(const CurveParams& c, float y, CurvePoints& p);

// The same formulas in double precision, step for step, for the analysis: nothing is
// rounded to single. fDouble of a user curve runs its compiled expression in double
// arithmetic and, unlike f, fails with the evaluation's own status.
Status fDouble(const CurveParams& c, double x, double& y);
Status f1Double(const CurveParams& c, double y, double& x);
// y1, y2 (x1, x2) unchanged for the families without two values.
Status f2Double(const CurveParams& c, double x, double& y1, double& y2);
Status f3Double(const CurveParams& c, double y, double& x1, double& x2);

// Whether one of the conics appended to the ellipse and hyperbola families (foci on
// the y axis, or a centre (h, k)) has points at t of the swept variable: its radicand,
// in single precision, is not negative (false when that overflows). nullopt for any
// other curve.
std::optional<bool> appendedConicExistsAt(const CurveParams& c, bool alongX, float t);
// Whether the power function has a point at x (its domain); nullopt for another family.
std::optional<bool> powerExistsAt(const CurveParams& c, float x);

}  // namespace quorvel
