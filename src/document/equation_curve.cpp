#include "document/equation_curve.h"

#include <array>
#include <cmath>
#include <memory>

#include "eval/compiled_expression.h"
#include "eval/double_program.h"
#include "eval/variables.h"

namespace quorvel {

namespace {

// Steps a side of each census grid, even so that 0 is one of them. The census runs
// each time the entry is read (every picture), so it stays small: 4 × 21² points.
constexpr int kCensusSteps = 20;
constexpr std::array<double, 4> kCensusHalfWidths = {1, 10, 100, 1000};

}  // namespace

PlaneFunction equationFunction(const PlaneCurveShape& shape) {
  const VariableSet accepted = VariableSet{}.with(Variable::kY);
  // Shared so that the copies std::function makes do not compile the texts again.
  auto left = std::make_shared<const CompiledExpression>(shape.first, accepted);
  auto right = std::make_shared<const CompiledExpression>(shape.second, accepted);
  return [left, right](double x, double y) -> std::optional<double> {
    std::array<double, kVariableCount> values{};
    values.fill(std::nan(""));
    values[variableIndex(Variable::kY)] = y;
    const DoubleOutcome f = runProgramInDouble(left->program(), x, values);
    if (f.status != kOk) return std::nullopt;
    const DoubleOutcome g = runProgramInDouble(right->program(), x, values);
    if (g.status != kOk) return std::nullopt;
    return f.value - g.value;
  };
}

SignCensus planeCensus(const PlaneFunction& f) {
  SignCensus census;
  for (const double half : kCensusHalfWidths) {
    const double step = 2 * half / kCensusSteps;
    for (int i = 0; i <= kCensusSteps; ++i) {
      for (int j = 0; j <= kCensusSteps; ++j) {
        const std::optional<double> v = finiteValue(f, -half + i * step, -half + j * step);
        if (!v) {
          ++census.undefined;
        } else if (*v > 0) {
          ++census.positive;
        } else if (*v < 0) {
          ++census.negative;
        } else {
          ++census.zero;
        }
      }
    }
  }
  return census;
}

bool censusHasCurve(const SignCensus& census) {
  return census.zero > 0 || (census.positive > 0 && census.negative > 0);
}

bool censusAlwaysTrue(const SignCensus& census) {
  return census.zero > 0 && census.positive == 0 && census.negative == 0;
}

TracedCurve traceEquation(const PlaneCurveShape& shape, const PixelFrame& frame) {
  return traceImplicit(equationFunction(shape), frame);
}

}  // namespace quorvel
