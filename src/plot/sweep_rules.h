#pragma once
// The arithmetic of one curve sweep, kept apart from the loop so that each rule can
// be checked on its own: which sweep a curve takes, where it starts and ends, which
// steps are rejected before evaluation, when a point is far enough out to skip
// ahead, the snapping of the sweep variable and the progress value.
#include <cstdint>

#include "eval/curve_formulas.h"
#include "eval/status.h"
#include "plot/plotter.h"
#include "plot/view.h"

namespace quorvel {

// x or y is swept; one value (f, f1) or two values (f2, f3) per step.
enum class SweepKind { XOneValue, XTwoValues, YOneValue, YTwoValues };

constexpr bool sweepsAlongX(SweepKind k) {
  return k == SweepKind::XOneValue || k == SweepKind::XTwoValues;
}
constexpr bool hasTwoValues(SweepKind k) {
  return k == SweepKind::XTwoValues || k == SweepKind::YTwoValues;
}

// The sweep of a family and form. The sine, cosine, tangent, tick and user-defined
// families have no inverse along y, so they are swept along x even when y-driven.
SweepKind selectSweep(std::int16_t family, std::int16_t form, bool yDriven);

enum class StepCheck {
  Accept,  // evaluate the step
  Reject,  // no point exists there: no evaluation, the join flags are cleared
  Fail,    // the test itself overflowed: a failing step
};

// The test made before a step is evaluated; t is the sweep value in curve units.
StepCheck checkStep(SweepKind kind, const CurveParams& c, float t);

// Smart Skip: a value is far out when it lies more than `limit` times `h` view units
// beyond the limits.
struct SmartSkipRule {
  double h = 0;
  double limit = 0;
};
SmartSkipRule smartSkipRule(SweepKind kind, std::int32_t halfWidth, std::int32_t halfHeight);
// (v − hi) / h > limit or (lo − v) / h > limit, in double. Never for h ≤ 0.
bool isFarOut(float v, double lo, double hi, const SmartSkipRule& rule);

// t = step × round(t / step), halves to even; t is unchanged on failure (overflow).
Status snapToStep(float& t, float step);

// (t − tStart) × 100 / range in double, the share of the sweep done (before rounding).
inline double progressShare(float t, float tStart, double range) {
  return (static_cast<double>(t) - tStart) * 100 / range;
}

// round((t − tStart) × 100 / range) Mod 100, the sign kept (so it may be negative,
// which the progress bar refuses). kDivisionByZero for a range of 0.
Status progressValue(float t, float tStart, double range, std::int32_t& value);

// Where a sweep runs. The ends and the step are curve units; the limits of the
// computed coordinate are view units.
struct SweepPlan {
  SweepKind kind = SweepKind::XOneValue;
  float tStart = 0;
  float tEnd = 0;
  float step = 0;
  double range = 0;  // tEnd − tStart (in single precision when it fits)
  double lo = 0;     // a point is drawn only when lo < v < hi
  double hi = 0;
  float scale = 1;  // view units per curve unit (a scale of 0 counts as 1)
  SmartSkipRule skip;
  bool refine = false;  // smooth curves: points added between the steps (refinement.h)
  // A branch that leaves the limits or its domain is followed to where it does: the
  // refinement's approach to the edge without its chords.
  bool toEdges = false;
};

// The ends, step and limits of a sweep over the view or the typed range. Whole-number
// mode (x sweeps only) truncates the ends toward zero and steps by 1. A level below 1
// counts as 1.
SweepPlan planSweep(SweepKind kind, const ViewState& view, const PlotRange& range, int level,
                    bool intOnly, std::int32_t halfWidth, std::int32_t halfHeight);

}  // namespace quorvel
