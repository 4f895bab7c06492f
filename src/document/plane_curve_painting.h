#pragma once
// A parametric or polar curve drawn onto a canvas already set to its view: the
// sampler's polylines in the frame of the canvas's pixels, as runs of joined dots in
// view units, so every surface (the window, a bitmap, SVG, PDF, the recording surface
// of the tests) gets the same calls.
#include <vector>

#include "document/plane_curve.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// Draws in the canvas's ForeColor; `steps` are the even steps before refinement (the
// precision slider). `drawnDots` gets every dot drawn, for the curve's label.
void paintPlaneCurve(Surface& canvas, const ViewState& view, const PlaneCurveShape& curve,
                     int steps, std::vector<PlotDot>* drawnDots);

// The sampler's polylines drawn as runs of joined dots in view units (curve units times
// `scale`); `drawnDots` gets every dot drawn.
void plotPolylines(Surface& canvas, const SampledCurve& sampled, double scale,
                   std::vector<PlotDot>* drawnDots);

// The polylines paintPlaneCurve draws, in curve units.
SampledCurve samplePlaneCurve(const PlaneCurveShape& curve, const PixelFrame& frame, int steps);

}  // namespace quorvel
