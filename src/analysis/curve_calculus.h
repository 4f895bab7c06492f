#pragma once
// The calculus of a list entry y = f(x): its formula in double precision as a function
// for the derivative, tangent, integral and monotonic cores, and the lines those give
// for other programs (the command line) and the window.
#include <optional>
#include <string>
#include <vector>

#include "analysis/analysed_curve.h"
#include "analysis/definite_integral.h"
#include "analysis/monotonic.h"
#include "analysis/search.h"
#include "analysis/tangent_line.h"

namespace quorvel {

inline constexpr const char* kMessageNotFunctionOfX =
    "这条曲线不是函数ｙ＝ｆ（ｘ）的图像，不求切线、导数、积分与单调区间";

// f of a curve y = f(x) (functionOfX()), failing outside its own x range; nullopt with
// kMessageNotFunctionOfX for any other curve. The function refers to `curve`, which
// must outlive it.
std::optional<ScalarFunction> curveFunction(const AnalysedCurve& curve, std::string& reason);

// Where a curve y = f(x) (f from curveFunction) rises and falls over [lo, hi]. A
// piecewise function is looked at piece by piece, each over its own interval with its
// own ends, so that a jump between pieces is never taken for a turn.
Monotonicity curveMonotonicity(const AnalysedCurve& curve, const ScalarFunction& f, double lo,
                               double hi);

// f′ (order 1) or f″ (order 2) as a function that fails wherever f has no tangent or
// only a vertical one: a difference quotient alone takes the corner of |x| for a
// level point.
ScalarFunction derivativeOfCurve(const ScalarFunction& f, int order);

// The tangent (or, with `normal`, the normal) as lines "point<TAB>X<TAB>Y",
// "slope<TAB>M" ("inf" for a vertical line) and "equation<TAB>y = 2x − 1".
std::string tangentLines(const Tangent& tangent, bool normal);

// "integral<TAB>V" and "area<TAB>A".
std::string integralLines(const DefiniteIntegral& integral);

// The intervals as "增|减|常<TAB>LO<TAB>HI<TAB>ENDS" (ENDS "[]", "[)", "(]" or "()"),
// then the extrema as "max|min<TAB>X<TAB>Y".
std::string monotonicLines(const Monotonicity& monotonicity);

// The window's rows: "单调递增" and "[−3, −1]" for each interval, then "极大值" or
// "极小值" and "(−1, 2)" for each extremum.
std::vector<std::vector<std::string>> monotonicRows(const Monotonicity& monotonicity);

}  // namespace quorvel
