#include "analysis/analysed_curve.h"

#include <array>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/families.h"
#include "catalogue/parameter_slots.h"
#include "eval/double_program.h"
#include "eval/number_text.h"

namespace quorvel {

namespace {

// A stored range end: its open marker, or a number.
bool readEnd(const std::string& stored, const char* openMarker, double& end) {
  const std::string text = withoutTrailingBlanks(stored);
  if (text == openMarker) return true;
  float value = 0;
  if (textToSingle(text, value) != kOk) return false;
  end = value;
  return true;
}

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

std::optional<AnalysedCurve> AnalysedCurve::fromRecord(const FuncRecord& record,
                                                       std::string& reason) {
  const FormInfo* info = form(record.family, record.form);
  if (info == nullptr) {
    reason = kMessageDataError;
    return std::nullopt;
  }
  CurveParams c;
  c.funcFamily = record.family;
  c.funcForm = record.form;
  if (record.family == kCustomFamily) {
    c.expression = asciiLower(withoutTrailingBlanks(record.para1));
  } else if (!readSlotParameters(
                 *info,
                 {withoutTrailingBlanks(record.para1), withoutTrailingBlanks(record.para2),
                  withoutTrailingBlanks(record.para3)},
                 c)) {
    reason = kMessageDataError;
    return std::nullopt;
  }
  Region own;
  if (!readEnd(record.rangeX1, kOpenLow, own.x.lo) ||
      !readEnd(record.rangeX2, kOpenHigh, own.x.hi) ||
      !readEnd(record.rangeY1, kOpenLow, own.y.lo) ||
      !readEnd(record.rangeY2, kOpenHigh, own.y.hi)) {
    reason = kMessageDataError;
    return std::nullopt;
  }
  return fromParams(c, own, reason);
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
  // Ax + By + C = 0 with B = 0 is the vertical line x = −C/A, which only the sweep
  // along y draws (the draw command ticks it for that line).
  const bool verticalLine = params.funcFamily == 0 && params.funcForm == 2 && params.paramB == 0;
  return AnalysedCurve(params, selectSweep(params.funcFamily, params.funcForm, verticalLine), own);
}

std::optional<double> AnalysedCurve::valueAt(int branch, double t) const {
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
  const std::optional<double> v = valueAt(branch, t);
  if (!v) return std::nullopt;
  return alongX() ? PlanePoint{t, *v} : PlanePoint{*v, t};
}

}  // namespace quorvel
