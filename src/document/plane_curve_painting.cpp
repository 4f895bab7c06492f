#include "document/plane_curve_painting.h"

#include <algorithm>
#include <utility>

#include "document/equation_curve.h"

namespace quorvel {

SampledCurve samplePlaneCurve(const PlaneCurveShape& curve, const PixelFrame& frame, int steps) {
  if (curve.kind == PlaneKind::kEquation) {
    TracedCurve traced = traceEquation(curve, frame);
    return SampledCurve{.polylines = std::move(traced.polylines),
                        .evaluations = traced.evaluations,
                        .budgetSpent = traced.budgetSpent};
  }
  CurveSampling sampling;
  sampling.steps = std::clamp(steps, 1, CurveSampling::kMaxSteps);
  const PlaneFunctions functions = planeFunctions(curve, PlanePrecision::kSingle);
  if (curve.kind == PlaneKind::kPolar) {
    return samplePolar(functions.first, curve.range, frame, sampling);
  }
  return sampleParametric(functions.first, functions.second, curve.range, frame, sampling);
}

void paintPlaneCurve(Surface& canvas, const ViewState& view, const PlaneCurveShape& curve,
                     int steps, std::vector<PlotDot>* drawnDots) {
  if (canvas.DrawsNothing()) return;
  const PixelFrame frame = frameOfView(view, canvas.AreaWidthPixels(), canvas.AreaHeightPixels());
  if (!frame.valid()) return;
  const SampledCurve sampled = samplePlaneCurve(curve, frame, steps);
  plotPolylines(canvas, sampled, view.zoomScale, drawnDots);
}

void plotPolylines(Surface& canvas, const SampledCurve& sampled, double scale,
                   std::vector<PlotDot>* drawnDots) {
  std::vector<PlotDot> dots;
  for (const PlanePolyline& line : sampled.polylines) {
    dots.clear();
    dots.reserve(line.points.size());
    for (const PlanePoint& p : line.points) {
      PlotDot dot{.x = static_cast<float>(p.x * scale), .y = static_cast<float>(p.y * scale)};
      if (!dots.empty()) {
        dot.fromX = dots.back().x;
        dot.fromY = dots.back().y;
        dot.joined = true;
      }
      dots.push_back(dot);
    }
    canvas.PlotDots(dots.data(), dots.size());
    if (drawnDots != nullptr) drawnDots->insert(drawnDots->end(), dots.begin(), dots.end());
  }
}

}  // namespace quorvel
