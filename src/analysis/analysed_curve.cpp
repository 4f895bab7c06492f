#include "analysis/analysed_curve.h"

#include <algorithm>
#include <array>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/parameter_slots.h"
#include "document/equation_curve.h"
#include "eval/double_program.h"
#include "eval/number_text.h"

namespace quorvel {

namespace {

// What the draw command's trials of a user expression refuse: a failure of the text
// itself rather than of the arithmetic at some x.
std::optional<std::string> expressionProblem(const CurveParams& c) {
  if (!bracketsBalanced(c.expression)) return kMessageBracketError;
  const ExpressionProgram& program = c.compiledExpression.compiledFor(c.expression).program();
  for (const double x : {0.5, -0.5, 3.7, -3.7}) {
    switch (runProgramInDouble(program, x).status) {
      case kOk:
      case kInvalidArgument:
      case kOverflow:
      case kDivisionByZero: break;
      case kUndefinedToken: return kMessageUndefinedCharacter;
      default: return kMessageExpressionError;
    }
  }
  return std::nullopt;
}

}  // namespace

std::optional<AnalysedCurve> AnalysedCurve::fromCurve(const EntryCurve& curve,
                                                      std::string& reason) {
  const CurveParams& params = curve.params;
  if (curve.plane) {
    AnalysedCurve plane(params, SweepKind::XOneValue, Region{});
    plane.plane_ = Plane{*curve.plane, planeFunctions(*curve.plane, PlanePrecision::kDouble), {}};
    if (curve.plane->kind == PlaneKind::kEquation) {
      plane.plane_->equation = quorvel::equationFunction(*curve.plane);
    }
    return plane;
  }
  if (params.funcFamily == kCustomFamily && params.funcForm == 1) {
    reason = kMessageSumNotAnalysed;
    return std::nullopt;
  }
  // Piecewise functions and marked points.
  if (curve.points) {
    reason = kMessagePointsNotAnalysed;
    return std::nullopt;
  }
  if (curve.piecewise) return fromPieces(params, *curve.piecewise);
  // Curves derived from another entry: their source is analysed instead.
  if (curve.derived) {
    reason = kMessageDerivedNotAnalysed;
    return std::nullopt;
  }
  // Regions given by inequalities.
  if (curve.region) {
    reason = kMessageRegionNotAnalysed;
    return std::nullopt;
  }
  const PlotRange& r = curve.range;
  Region own;
  if (!r.xFromOpen) own.x.lo = r.xFrom;
  if (!r.xToOpen) own.x.hi = r.xTo;
  if (!r.yFromOpen) own.y.lo = r.yFrom;
  if (!r.yToOpen) own.y.hi = r.yTo;
  return of(params, own);
}

AnalysedCurve AnalysedCurve::fromPieces(const CurveParams& params, const PiecewiseShape& shape) {
  // One function of x over the pieces' intervals, from the first's start to the last's end.
  Region own;
  own.x = {kUnbounded, -kUnbounded};
  Pieces pieces{shape, {}};
  for (const PieceShape& piece : shape.pieces) {
    own.x.lo = std::min(own.x.lo, piece.from);
    own.x.hi = std::max(own.x.hi, piece.to);
    pieces.programs.push_back(std::make_shared<const CompiledExpression>(piece.expression));
  }
  AnalysedCurve out(params, SweepKind::XOneValue, own);
  out.piecewise_ = std::move(pieces);
  return out;
}

std::optional<AnalysedCurve> AnalysedCurve::fromRecord(const FuncRecord& record,
                                                       std::string& reason) {
  // The trials of an expression at points of its own: the same record reads the same
  // every time.
  const EntryReading reading = readRecord(record, seededRandom(1));
  if (!reading.curve) {
    reason = reading.refusal.message;
    return std::nullopt;
  }
  return fromCurve(*reading.curve, reason);
}

std::optional<AnalysedCurve> AnalysedCurve::fromParams(const CurveParams& params, const Region& own,
                                                       std::string& reason) {
  if (params.funcFamily == kCustomFamily) {
    if (params.funcForm == 1) {
      reason = kMessageSumNotAnalysed;
      return std::nullopt;
    }
    if (std::optional<std::string> problem = expressionProblem(params)) {
      reason = *problem;
      return std::nullopt;
    }
  } else if (std::optional<std::string> rule = validityMessage(params)) {
    reason = *rule;
    return std::nullopt;
  }
  return of(params, own);
}

AnalysedCurve AnalysedCurve::of(const CurveParams& params, const Region& own) {
  // Ax + By + C = 0 with B = 0 is the vertical line x = −C/A, which only the sweep
  // along y draws (the draw command ticks it for that line).
  const bool verticalLine = params.funcFamily == 0 && params.funcForm == 2 && params.paramB == 0;
  return AnalysedCurve(params, selectSweep(params.funcFamily, params.funcForm, verticalLine), own);
}

std::optional<PlanePoint> AnalysedCurve::pointOfParameter(double t) const {
  if (!plane_) return std::nullopt;
  const ParameterRange& range = plane_->shape.range;
  // A typed end such as 2π comes back from single precision a hair beyond the range:
  // within a millionth of the range it is the end itself.
  const double slack = (range.to - range.from) * 1e-6;
  if (!(range.from - slack <= t && t <= range.to + slack)) return std::nullopt;
  return planePointAt(plane_->functions, plane_->shape.kind, std::clamp(t, range.from, range.to));
}

std::optional<double> AnalysedCurve::radiusAt(double theta) const {
  if (!plane_ || plane_->shape.kind != PlaneKind::kPolar || !pointOfParameter(theta)) {
    return std::nullopt;
  }
  const ParameterRange& range = plane_->shape.range;
  return finiteValue(plane_->functions.first, std::clamp(theta, range.from, range.to));
}

std::optional<double> AnalysedCurve::equationValue(double x, double y) const {
  if (!equation()) return std::nullopt;
  return finiteValue(plane_->equation, x, y);
}

std::optional<double> AnalysedCurve::valueAt(int branch, double t) const {
  if (plane_) return std::nullopt;
  if (piecewise_) {
    // The piece whose interval holds x; none: the function has no value there.
    const std::vector<PieceShape>& pieces = piecewise_->shape.pieces;
    for (std::size_t i = 0; i < pieces.size(); ++i) {
      if (!pieces[i].holds(t)) continue;
      const DoubleOutcome outcome = runProgramInDouble(piecewise_->programs[i]->program(), t);
      if (outcome.status != kOk || !std::isfinite(outcome.value)) return std::nullopt;
      return outcome.value;
    }
    return std::nullopt;
  }
  double first = 0, second = 0;
  Status s = kOk;
  switch (kind_) {
    case SweepKind::XOneValue: s = fDouble(params_, t, first); break;
    case SweepKind::YOneValue: s = f1Double(params_, t, first); break;
    case SweepKind::XTwoValues: s = f2Double(params_, t, first, second); break;
    case SweepKind::YTwoValues: s = f3Double(params_, t, first, second); break;
  }
  if (s != kOk) return std::nullopt;
  return branch == 0 ? first : second;
}

std::optional<PlanePoint> AnalysedCurve::pointAt(int branch, double t) const {
  if (plane_) return std::nullopt;
  const std::optional<double> v = valueAt(branch, t);
  if (!v) return std::nullopt;
  return alongX() ? PlanePoint{t, *v} : PlanePoint{*v, t};
}

}  // namespace quorvel
