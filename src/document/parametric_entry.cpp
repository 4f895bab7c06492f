// Reading a parametric or polar entry box by box: the function texts (each must be a
// text the evaluator reads in its own parameter only), then the range ends (constants,
// in order, not too far apart).
#include "document/parametric_entry.h"

#include <array>
#include <cmath>
#include <utility>

#include "catalogue/curve_rules.h"
#include "catalogue/entry_text.h"
#include "catalogue/input_boxes.h"
#include "catalogue/textbook_expression.h"
#include "document/equation_entry.h"
#include "eval/number_text.h"
#include "eval/status.h"
#include "eval/variables.h"

namespace quorvel {

namespace {

constexpr int kTrials = 11;

std::string trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  return withoutTrailingBlanks(text.substr(first));
}

Variable parameterVariable(PlaneKind kind) {
  return kind == PlaneKind::kPolar ? Variable::kTheta : Variable::kT;
}

std::string wrongVariableMessage(PlaneKind kind) {
  return kind == PlaneKind::kPolar ? "极坐标方程只能用变量 θ" : "参数方程只能用变量 t";
}

// The evaluator's end of a text: everything after a "#" is a comment.
std::size_t textEnd(const std::string& text) {
  const std::size_t hash = text.find('#');
  return hash == std::string::npos ? text.size() : hash;
}

// Whether the token at `stop` is another kind's variable (x, t, θ), which the message
// names as such rather than as an unknown character.
bool isOtherVariable(const std::string& text, EvalStop stop) {
  if (stop.offset >= text.size()) return false;
  const std::string token = text.substr(stop.offset, stop.length);
  return token == "x" || token == "t" || token == "theta" || token == "\xCE\xB8" ||
         text.compare(stop.offset, 2, "\xCE\xB8") == 0;
}

struct Problem {
  CurveBoxFault fault;
  Refusal refusal;
};

// A function text tried at even points of the range: a failure of the arithmetic at
// some point is allowed (the curve breaks there), one of the text itself is not.
std::optional<Problem> functionProblem(PlaneKind kind, CurveBox box, const std::string& text,
                                       const ParameterRange& range) {
  Problem p;
  p.fault.box = box;
  if (trimmed(text).empty()) {
    p.refusal = {kTitleError, curveBoxName(kind, box) + " 不能为空"};
    return p;
  }
  if (const std::size_t x = text.find_first_of("xX"); x < textEnd(text)) {
    p.fault.status = kUndefinedToken;
    p.fault.stop = EvalStop{x, 1};
    p.refusal = {kTitleError, wrongVariableMessage(kind)};
    return p;
  }
  if (!bracketsBalanced(text)) {
    p.refusal = {kTitleError, kMessageBracketError};
    return p;
  }
  const Variable parameter = parameterVariable(kind);
  for (int trial = 0; trial < kTrials; ++trial) {
    const double at = range.from + (range.to - range.from) * trial / (kTrials - 1);
    EvalState state;
    p.fault.stop = EpcLocated(state, text, "1",
                              VariableTexts{}.set(parameter, singleText(static_cast<float>(at))));
    p.fault.status = state.evalStatus;
    switch (state.evalStatus) {
      case kOk:
      case kInvalidArgument:
      case kOverflow:
      case kDivisionByZero: continue;
      case kUndefinedToken:
        p.refusal = {kTitleError, isOtherVariable(text, p.fault.stop) ? wrongVariableMessage(kind)
                                                                      : kMessageUndefinedCharacter};
        return p;
      default: p.refusal = {kTitleError, kMessageExpressionError}; return p;
    }
  }
  return std::nullopt;
}

// A range end: a constant text evaluated to a finite number.
std::optional<Problem> readEnd(PlaneKind kind, CurveBox box, const std::string& text,
                               double& value) {
  Problem p;
  p.fault.box = box;
  p.refusal = {kTitleError, kMessageDataError};
  if (trimmed(text).empty()) {
    p.refusal.message = curveBoxName(kind, box) + " 不能为空";
    return p;
  }
  if (constantInDouble(text, value, p.fault.status, p.fault.stop)) return std::nullopt;
  return p;
}

std::string rangeLine(PlaneKind kind, const std::string& from, const std::string& to) {
  const std::string name = kind == PlaneKind::kPolar ? "θ" : "t";
  return " (" + name + ": " + trimmed(from) + " .. " + trimmed(to) + ")";
}

std::string printedRange(PlaneKind kind, const std::string& from, const std::string& to) {
  const std::string name = parameterName(kind);
  return " (" + textbookExpression(trimmed(from)) + " ≤ " + name + " ≤ " +
         textbookExpression(trimmed(to)) + ")";
}

// "theta" printed as the letter a textbook uses.
std::string printedFunction(const std::string& text) {
  std::string out = textbookExpression(trimmed(text));
  for (std::size_t at = out.find("theta"); at != std::string::npos; at = out.find("theta", at)) {
    out.replace(at, 5, "\xCE\xB8");
  }
  return out;
}

bool defaultRange(const std::string& from, const std::string& to) {
  return trimmed(from) == "0" && trimmed(to) == "2pi";
}

EntryReading readCurve(PlaneKind kind, const std::string& first, const std::string& second,
                       const std::string& from, const std::string& to, std::int32_t colour,
                       std::optional<CurveBoxFault>* fault) {
  EntryReading out;
  PlaneCurveShape shape;
  shape.kind = kind;
  shape.first = trimmed(first);
  shape.second = trimmed(second);
  // The ends first, so that the functions are tried over the range they will run.
  std::optional<Problem> endProblem = readEnd(kind, CurveBox::kFrom, from, shape.range.from);
  if (!endProblem) endProblem = readEnd(kind, CurveBox::kTo, to, shape.range.to);
  if (!endProblem && !(shape.range.from < shape.range.to)) {
    endProblem = Problem{{.box = CurveBox::kFrom, .status = kOk, .stop = {}},
                         {kTitleError, "起点必须小于终点"}};
  }
  if (!endProblem && shape.range.to - shape.range.from > kMaxParameterSpan) {
    endProblem = Problem{{.box = CurveBox::kTo, .status = kOk, .stop = {}},
                         {kTitleError, "参数范围太长：终点与起点之差不能超过 1000"}};
  }
  const ParameterRange tried = endProblem ? ParameterRange{} : shape.range;
  std::optional<Problem> problem = functionProblem(kind, CurveBox::kFirst, first, tried);
  if (!problem && kind == PlaneKind::kParametric) {
    problem = functionProblem(kind, CurveBox::kSecond, second, tried);
  }
  if (!problem) problem = std::move(endProblem);

  if (kind == PlaneKind::kPolar) {
    out.line = "ρ=" + shape.first + (defaultRange(from, to) ? "" : rangeLine(kind, from, to));
  } else {
    out.line = "x=" + shape.first + ", y=" + shape.second + rangeLine(kind, from, to);
  }
  if (problem) {
    out.refusal = std::move(problem->refusal);
    if (fault != nullptr) *fault = problem->fault;
    return out;
  }
  const bool polar = kind == PlaneKind::kPolar;
  EntryCurve curve =
      kindCurve(polar ? kPolarFamily : kParametricFamily, colour, out.line,
                polar ? printedPolar(PolarCurve{first, from, to, colour})
                      : printedParametric(ParametricCurve{first, second, from, to, colour}));
  curve.plane = std::move(shape);
  out.curve = std::move(curve);
  return out;
}

// The place of a fault in the typed text of its box, when the status has one.
std::optional<TypedPlace> typedPlace(const CurveBoxFault& fault, const std::string& typed,
                                     NotationBox notation) {
  return faultPlace(rewriteNotation(typed, notation), typed, fault.status, fault.stop);
}

TypedCurveReading finishTyped(PlaneKind kind, EntryReading reading, ListEntry entry,
                              const std::optional<CurveBoxFault>& fault,
                              const std::array<const std::string*, 4>& typed) {
  TypedCurveReading out;
  out.fault = fault;
  if (reading.curve) {
    entry.line = reading.curve->text;
    entry.printed = reading.curve->printed;
    out.entry = std::move(entry);
  } else if (fault) {
    const auto index = static_cast<std::size_t>(fault->box);
    const NotationBox notation = fault->box == CurveBox::kFirst || fault->box == CurveBox::kSecond
                                     ? NotationBox::kExpression
                                     : NotationBox::kValue;
    out.place = typedPlace(*fault, *typed[index], notation);
    out.detail = inputErrorDetail(curveBoxName(kind, fault->box), out.place);
  }
  out.reading = std::move(reading);
  return out;
}

}  // namespace

std::string curveBoxName(PlaneKind kind, CurveBox box) {
  const std::string name = parameterName(kind);
  switch (box) {
    case CurveBox::kFirst: return kind == PlaneKind::kPolar ? "ρ(θ)" : "x(t)";
    case CurveBox::kSecond: return "y(t)";
    case CurveBox::kFrom: return name + " 的起点";
    case CurveBox::kTo: return name + " 的终点";
  }
  return std::string();
}

EntryReading readParametric(const ParametricCurve& curve, std::optional<CurveBoxFault>* fault) {
  return readCurve(PlaneKind::kParametric, curve.x, curve.y, curve.from, curve.to, curve.colour,
                   fault);
}

EntryReading readPolar(const PolarCurve& curve, std::optional<CurveBoxFault>* fault) {
  return readCurve(PlaneKind::kPolar, curve.rho, std::string(), curve.from, curve.to, curve.colour,
                   fault);
}

std::optional<EntryReading> readPlaneEntry(const ListEntry& entry) {
  if (const auto* curve = std::get_if<ParametricCurve>(&entry.content)) {
    return readParametric(*curve, nullptr);
  }
  if (const auto* curve = std::get_if<PolarCurve>(&entry.content)) {
    return readPolar(*curve, nullptr);
  }
  if (const auto* curve = std::get_if<EquationCurve>(&entry.content)) {
    return readEquation(*curve, nullptr);
  }
  return std::nullopt;
}

ParametricCurve rewrittenParametric(const ParametricCurve& typed) {
  ParametricCurve r = typed;
  r.x = trimmed(rewriteNotation(typed.x, NotationBox::kExpression).text);
  r.y = trimmed(rewriteNotation(typed.y, NotationBox::kExpression).text);
  r.from = trimmed(rewriteNotation(typed.from, NotationBox::kValue).text);
  r.to = trimmed(rewriteNotation(typed.to, NotationBox::kValue).text);
  return r;
}

PolarCurve rewrittenPolar(const PolarCurve& typed) {
  PolarCurve r = typed;
  r.rho = trimmed(rewriteNotation(typed.rho, NotationBox::kExpression).text);
  r.from = trimmed(rewriteNotation(typed.from, NotationBox::kValue).text);
  r.to = trimmed(rewriteNotation(typed.to, NotationBox::kValue).text);
  return r;
}

TypedCurveReading readTypedParametric(const ParametricCurve& typed) {
  const ParametricCurve rewritten = rewrittenParametric(typed);
  std::optional<CurveBoxFault> fault;
  EntryReading reading = readParametric(rewritten, &fault);
  return finishTyped(PlaneKind::kParametric, std::move(reading),
                     ListEntry{.content = rewritten, .ticked = true, .line = {}, .printed = {}},
                     fault, {&typed.x, &typed.y, &typed.from, &typed.to});
}

TypedCurveReading readTypedPolar(const PolarCurve& typed) {
  const PolarCurve rewritten = rewrittenPolar(typed);
  std::optional<CurveBoxFault> fault;
  EntryReading reading = readPolar(rewritten, &fault);
  return finishTyped(PlaneKind::kPolar, std::move(reading),
                     ListEntry{.content = rewritten, .ticked = true, .line = {}, .printed = {}},
                     fault, {&typed.rho, &typed.rho, &typed.from, &typed.to});
}

std::string printedParametric(const ParametricCurve& curve) {
  return "x = " + printedFunction(curve.x) + ", y = " + printedFunction(curve.y) +
         printedRange(PlaneKind::kParametric, curve.from, curve.to);
}

std::string printedPolar(const PolarCurve& curve) {
  return "ρ = " + printedFunction(curve.rho) +
         (defaultRange(curve.from, curve.to)
              ? ""
              : printedRange(PlaneKind::kPolar, curve.from, curve.to));
}

void setPlaneColour(ListEntry& entry, std::int32_t colour) {
  if (auto* curve = std::get_if<ParametricCurve>(&entry.content)) curve->colour = colour;
  if (auto* curve = std::get_if<PolarCurve>(&entry.content)) curve->colour = colour;
  if (auto* curve = std::get_if<EquationCurve>(&entry.content)) curve->colour = colour;
  // Piecewise functions and marked points.
  if (auto* curve = std::get_if<PiecewiseCurve>(&entry.content)) curve->colour = colour;
  if (auto* points = std::get_if<PointList>(&entry.content)) points->colour = colour;
  // Curves derived from another entry.
  if (auto* derived = std::get_if<DerivedCurve>(&entry.content)) derived->colour = colour;
  // Regions given by inequalities.
  if (auto* region = std::get_if<RegionCurve>(&entry.content)) region->colour = colour;
}

std::optional<std::int32_t> planeColour(const ListEntry& entry) {
  if (const auto* curve = std::get_if<ParametricCurve>(&entry.content)) return curve->colour;
  if (const auto* curve = std::get_if<PolarCurve>(&entry.content)) return curve->colour;
  if (const auto* curve = std::get_if<EquationCurve>(&entry.content)) return curve->colour;
  // Piecewise functions and marked points.
  if (const auto* curve = std::get_if<PiecewiseCurve>(&entry.content)) return curve->colour;
  if (const auto* points = std::get_if<PointList>(&entry.content)) return points->colour;
  // Curves derived from another entry.
  if (const auto* derived = std::get_if<DerivedCurve>(&entry.content)) return derived->colour;
  // Regions given by inequalities.
  if (const auto* region = std::get_if<RegionCurve>(&entry.content)) return region->colour;
  return std::nullopt;
}

}  // namespace quorvel
