#pragma once
// A list entry as the analysis sees it: the curve's own formulas in double precision,
// what is a function of what (the plotter's choice of sweep: a function of x, two
// branches in x for the circle, ellipse, hyperbola and the parabolas opening sideways,
// or a function of y for a vertical line), and the part of the plane its own ranges
// allow.
#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/func_record.h"
#include "document/plane_curve.h"
#include "document/read_entry.h"
#include "eval/compiled_expression.h"
#include "eval/curve_formulas.h"
#include "plot/pixel_frame.h"  // PlanePoint
#include "plot/sweep_rules.h"

namespace quorvel {

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// A closed interval; an open end is infinite.
struct Interval {
  double lo = -kUnbounded;
  double hi = kUnbounded;

  bool contains(double v) const { return lo <= v && v <= hi; }
  bool empty() const { return !(lo <= hi); }
  bool bounded() const { return std::isfinite(lo) && std::isfinite(hi); }
  Interval meet(const Interval& o) const { return {std::max(lo, o.lo), std::min(hi, o.hi)}; }
};

// A rectangle of the curve plane, in curve units.
struct Region {
  Interval x;
  Interval y;

  bool contains(double px, double py) const { return x.contains(px) && y.contains(py); }
  Region meet(const Region& o) const { return {x.meet(o.x), y.meet(o.y)}; }
};

// A parametric or polar curve is traced and tabled, but is no function of x: it has
// no zeros, extrema or intercepts in the sense of the key points.
inline constexpr const char* kMessagePlaneCurveNotAnalysed = "参数方程与极坐标方程不求关键点";
// An equation F(x, y) = G(x, y) is traced and has its intersections with the axes,
// but no value table: no variable runs along it.
inline constexpr const char* kMessageEquationNoTable = "方程不列数值表";
// The refusal of a whole-number sum (Ｓｘ＝): its points are running totals over
// whole x, not a curve.
inline constexpr const char* kMessageSumNotAnalysed = "Ｓｘ＝ 是整数的逐项累加和，不作曲线分析";
// Marked points are data, not a curve.
inline constexpr const char* kMessagePointsNotAnalysed = "点是标出的数据，不作曲线分析";
inline constexpr const char* kMessageDerivedNotAnalysed = "由另一条曲线得出，请分析原来的曲线";
// Regions given by inequalities.
inline constexpr const char* kMessageRegionNotAnalysed = "不等式区域是平面的一部分，不作曲线分析";

class AnalysedCurve {
 public:
  // A list entry's curve as readEntry read it, limited to its own ranges (a parametric
  // or polar curve to its parameter's range); nullopt for a running sum (the reason in
  // `reason`).
  static std::optional<AnalysedCurve> fromCurve(const EntryCurve& curve, std::string& reason);
  // The curve of a list record, read and checked as the draw command reads it; nullopt
  // with the message of the check it fails (or of the sum) in `reason`.
  static std::optional<AnalysedCurve> fromRecord(const FuncRecord& record, std::string& reason);
  // A curve from its parameters, limited to `own` (a family 13 expression must be
  // lower-case, as the draw command leaves it).
  static std::optional<AnalysedCurve> fromParams(const CurveParams& params, const Region& own,
                                                 std::string& reason);

  // XOneValue (y = f(x)), XTwoValues (two y for each x) or YOneValue (x = g(y)).
  SweepKind kind() const { return kind_; }
  bool alongX() const { return sweepsAlongX(kind_); }
  int branches() const { return hasTwoValues(kind_) ? 2 : 1; }
  // y = f(x): the only kind with maxima and minima.
  bool functionOfX() const { return !plane_ && kind_ == SweepKind::XOneValue; }
  // A parametric or polar curve: its points are pointOfParameter's; valueAt and
  // pointAt have none.
  const PlaneCurveShape* plane() const { return plane_ ? &plane_->shape : nullptr; }
  // An equation: F − G at (x, y), in double precision; nullopt where it has no value
  // or for another curve.
  bool equation() const { return plane_ && plane_->shape.kind == PlaneKind::kEquation; }
  std::optional<double> equationValue(double x, double y) const;
  const PlaneFunction* equationFunction() const { return equation() ? &plane_->equation : nullptr; }
  // The point at the parameter t (θ) within its range; nullopt where the functions
  // fail or for a curve that is not a plane curve.
  std::optional<PlanePoint> pointOfParameter(double t) const;
  // ρ(θ) of a polar curve within its range, as pointOfParameter takes it.
  std::optional<double> radiusAt(double theta) const;
  // A piecewise function: its pieces, whose ends the search for turns looks at too.
  const PiecewiseShape* piecewise() const { return piecewise_ ? &piecewise_->shape : nullptr; }
  const Region& own() const { return own_; }
  const CurveParams& params() const { return params_; }

  // The computed coordinate of branch 0 or 1 at the sweep value t (x, or y for a
  // function of y), in double precision; nullopt where the formula fails. The own
  // ranges are not applied here.
  std::optional<double> valueAt(int branch, double t) const;
  // The point of the branch at t.
  std::optional<PlanePoint> pointAt(int branch, double t) const;

 private:
  AnalysedCurve(const CurveParams& params, SweepKind kind, const Region& own)
      : params_(params), kind_(kind), own_(own) {}
  // A piecewise function as one function of x.
  static AnalysedCurve fromPieces(const CurveParams& params, const PiecewiseShape& shape);
  // What is a function of what, for a curve the checks let through.
  static AnalysedCurve of(const CurveParams& params, const Region& own);

  struct Plane {
    PlaneCurveShape shape;
    PlaneFunctions functions;  // in double precision
    PlaneFunction equation;    // F − G of an equation, in double precision
  };

  // Piecewise functions: each piece's program, in the order of the shape's pieces.
  struct Pieces {
    PiecewiseShape shape;
    std::vector<std::shared_ptr<const CompiledExpression>> programs;
  };
  std::optional<Pieces> piecewise_;

  CurveParams params_;
  SweepKind kind_ = SweepKind::XOneValue;
  Region own_;
  std::optional<Plane> plane_;
};

}  // namespace quorvel
