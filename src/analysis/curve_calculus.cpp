#include "analysis/curve_calculus.h"

#include <algorithm>
#include <cmath>

#include "analysis/analysis_text.h"
#include "analysis/numeric_derivative.h"

namespace quorvel {

namespace {

const char* trendWord(Trend trend) {
  switch (trend) {
    case Trend::Rising: return "增";
    case Trend::Falling: return "减";
    case Trend::Constant: return "常";
  }
  return "";
}

}  // namespace

std::optional<ScalarFunction> curveFunction(const AnalysedCurve& curve, std::string& reason) {
  if (!curve.functionOfX()) {
    reason = kMessageNotFunctionOfX;
    return std::nullopt;
  }
  return ScalarFunction([&curve](double x) -> std::optional<double> {
    if (!curve.own().x.contains(x)) return std::nullopt;
    return curve.valueAt(0, x);
  });
}

Monotonicity curveMonotonicity(const AnalysedCurve& curve, const ScalarFunction& f, double lo,
                               double hi) {
  const PiecewiseShape* shape = curve.piecewise();
  if (shape == nullptr) return monotonicity(f, lo, hi);
  Monotonicity all;
  for (const PieceShape& piece : shape->pieces) {
    const double a = std::max(lo, piece.from);
    const double b = std::min(hi, piece.to);
    if (!(a < b)) continue;
    // Only this piece's values: at an end it leaves out, f would be its neighbour's.
    const ScalarFunction own = [&f, &piece](double x) -> std::optional<double> {
      if (!piece.holds(x)) return std::nullopt;
      return f(x);
    };
    Monotonicity part = monotonicity(own, a, b);
    all.intervals.insert(all.intervals.end(), part.intervals.begin(), part.intervals.end());
    all.extrema.insert(all.extrema.end(), part.extrema.begin(), part.extrema.end());
  }
  return all;
}

ScalarFunction derivativeOfCurve(const ScalarFunction& f, int order) {
  ScalarFunction second = derivativeFunction(f, 2);
  return [f, order, second = std::move(second)](double x) -> std::optional<double> {
    const TangentOutcome outcome = tangentOfFunction(f, x);
    if (!outcome.tangent || outcome.tangent->tangent.vertical) return std::nullopt;
    if (order == 2) return second(x);
    return outcome.tangent->tangent.slope;
  };
}

std::string tangentLines(const Tangent& tangent, bool normal) {
  const StraightLine& line = normal ? tangent.normal : tangent.tangent;
  std::string out =
      "point\t" + decimalText(tangent.point.x) + '\t' + decimalText(tangent.point.y) + '\n';
  out += "slope\t" + (line.vertical ? std::string("inf") : decimalText(line.slope)) + '\n';
  out += "equation\t" + equationText(line) + '\n';
  return out;
}

std::string integralLines(const DefiniteIntegral& integral) {
  return "integral\t" + decimalText(integral.integral) + "\narea\t" + decimalText(integral.area) +
         '\n';
}

std::string monotonicLines(const Monotonicity& monotonicity) {
  std::string out;
  for (const MonotonicInterval& i : monotonicity.intervals) {
    out += std::string(trendWord(i.trend)) + '\t' + decimalText(i.lo) + '\t' + decimalText(i.hi) +
           '\t' + (i.loIncluded ? '[' : '(') + (i.hiIncluded ? ']' : ')') + '\n';
  }
  for (const Turn& t : monotonicity.extrema) {
    out += std::string(t.maximum ? "max" : "min") + '\t' + decimalText(t.t) + '\t' +
           decimalText(t.value) + '\n';
  }
  return out;
}

std::vector<std::vector<std::string>> monotonicRows(const Monotonicity& monotonicity) {
  std::vector<std::vector<std::string>> rows;
  for (const MonotonicInterval& i : monotonicity.intervals) {
    rows.push_back({trendCaption(i.trend), intervalText(i)});
  }
  for (const Turn& t : monotonicity.extrema) {
    rows.push_back({t.maximum ? "极大值" : "极小值",
                    "(" + textbookNumber(t.t) + ", " + textbookNumber(t.value) + ")"});
  }
  return rows;
}

}  // namespace quorvel
