#include "document/plane_curve.h"

#include <array>
#include <cmath>
#include <utility>

#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "eval/variables.h"

namespace quorvel {

namespace {

Variable parameterOf(PlaneKind kind) {
  return kind == PlaneKind::kPolar ? Variable::kTheta : Variable::kT;
}

CurveFunction singleFunction(const std::string& text, Variable parameter) {
  // Shared so that the copies std::function makes do not compile the text again.
  auto program = std::make_shared<const CompiledExpression>(text, VariableSet{}.with(parameter));
  const std::size_t index = variableIndex(parameter);
  return [program, index](double t) -> std::optional<double> {
    VariableValues values = kNoVariableValues;
    values[index] = XValue::fromSingle(static_cast<float>(t));
    // The curve has no x: it reads as an x that never converts would.
    const EvalOutcome outcome = program->evaluate(XValue{kTypeMismatch, 0.0f}, values);
    if (outcome.status != kOk) return std::nullopt;
    return static_cast<double>(outcome.value);
  };
}

CurveFunction doubleFunction(const std::string& text, Variable parameter) {
  auto program = std::make_shared<const CompiledExpression>(text, VariableSet{}.with(parameter));
  const std::size_t index = variableIndex(parameter);
  return [program, index](double t) -> std::optional<double> {
    std::array<double, kVariableCount> values{};
    values.fill(std::nan(""));
    values[index] = t;
    // x is never read: a parametric or polar text holds none.
    const DoubleOutcome outcome = runProgramInDouble(program->program(), 0.0, values);
    if (outcome.status != kOk) return std::nullopt;
    return outcome.value;
  };
}

}  // namespace

PlaneFunctions planeFunctions(const PlaneCurveShape& curve, PlanePrecision precision) {
  const Variable parameter = parameterOf(curve.kind);
  const auto make = precision == PlanePrecision::kSingle ? singleFunction : doubleFunction;
  PlaneFunctions out;
  // An equation has no parameter: equationFunction gives its F − G.
  if (curve.kind == PlaneKind::kEquation) return out;
  out.first = make(curve.first, parameter);
  if (curve.kind == PlaneKind::kParametric) out.second = make(curve.second, parameter);
  return out;
}

std::optional<PlanePoint> planePointAt(const PlaneFunctions& functions, PlaneKind kind, double t) {
  if (kind == PlaneKind::kEquation) return std::nullopt;
  const std::optional<double> first = finiteValue(functions.first, t);
  if (!first) return std::nullopt;
  if (kind == PlaneKind::kPolar) {
    return PlanePoint{*first * std::cos(t), *first * std::sin(t)};
  }
  const std::optional<double> second = finiteValue(functions.second, t);
  if (!second) return std::nullopt;
  return PlanePoint{*first, *second};
}

const char* parameterName(PlaneKind kind) { return kind == PlaneKind::kPolar ? "θ" : "t"; }

}  // namespace quorvel
