#pragma once
// A parametric or polar curve as read from its entry: the evaluator's texts of its
// functions and the parameter's range, and those functions as the sampler and the
// analysis call them.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "plot/parametric_sampler.h"
#include "plot/pixel_frame.h"

namespace quorvel {

// An equation F(x, y) = G(x, y) is one too: it has no parameter, and is drawn from its
// zero set in the picture's frame (equation_curve.h).
enum class PlaneKind : std::uint8_t { kParametric, kPolar, kEquation };

struct PlaneCurveShape {
  PlaneKind kind = PlaneKind::kParametric;
  std::string first;   // x(t), ρ(θ) of a polar curve, F of an equation (the evaluator's tokens)
  std::string second;  // y(t), G of an equation; empty for a polar curve
  ParameterRange range;

  bool operator==(const PlaneCurveShape&) const = default;
};

// The functions of the parameter: x(t) and y(t), or ρ(θ) and nothing. In single
// precision each value is the evaluator's, the parameter handed over as x is; in double
// the same program runs in double arithmetic, for the analysis.
struct PlaneFunctions {
  CurveFunction first;
  CurveFunction second;
};
enum class PlanePrecision : std::uint8_t { kSingle, kDouble };
PlaneFunctions planeFunctions(const PlaneCurveShape& curve, PlanePrecision precision);

// The point of the curve at the parameter (double precision), or none where it fails.
std::optional<PlanePoint> planePointAt(const PlaneFunctions& functions, PlaneKind kind, double t);

// The letter of the parameter: "t", or "θ".
const char* parameterName(PlaneKind kind);

}  // namespace quorvel
