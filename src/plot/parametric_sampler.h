#pragma once
// Parametric curves x = x(t), y = y(t) and polar curves ρ = f(θ), as the polylines to
// draw in a frame. The parameter is stepped evenly and every step is refined where the
// line between two points would leave the curve by more than the tolerance; the curve
// is broken where it has no point (the functions fail) and where it jumps (a chord
// that stays long however far it is halved, as beside a pole), and it is not kept
// where it runs outside the frame. A curve whose last point is its first closes.
#include <cstdint>
#include <numbers>
#include <vector>

#include "plot/pixel_frame.h"

namespace quorvel {

struct ParameterRange {
  double from = 0;
  double to = 2 * std::numbers::pi;

  bool operator==(const ParameterRange&) const = default;
};

struct CurveSampling {
  // Even steps of the parameter before any refinement (the precision slider's level);
  // kept within 1 … kMaxSteps.
  int steps = 2000;
  // How far a drawn line may leave the curve, in pixels of the frame.
  double tolerancePixels = 0.5;
  // Evaluations of the curve's point at most, the even steps included; past it the
  // steps are joined as they are. A curve that wiggles faster than any pixel shows
  // (sin(1/t) near 0) costs no more than this.
  std::int64_t budget = 400000;

  static constexpr int kMaxSteps = 1000000;
};

struct SampledCurve {
  std::vector<PlanePolyline> polylines;
  std::int64_t evaluations = 0;  // of the curve's point (two functions for a parametric)
  bool budgetSpent = false;      // some stretch was joined without refinement
};

// x(t), y(t) for t from range.from to range.to (either way round).
SampledCurve sampleParametric(const CurveFunction& x, const CurveFunction& y, ParameterRange range,
                              const PixelFrame& frame, const CurveSampling& sampling = {});

// ρ = rho(θ) at the point (ρ cos θ, ρ sin θ): a negative ρ goes through the pole to the
// opposite side, as the textbooks draw it.
SampledCurve samplePolar(const CurveFunction& rho, ParameterRange range, const PixelFrame& frame,
                         const CurveSampling& sampling = {});

}  // namespace quorvel
