#pragma once
// What derived curves draw: a tangent or normal as a line across the view, f′ or f″
// sampled as a curve y = f(x) is (broken where it has no value), and an area as a
// translucent polygon between the curve and the x axis, or between two curves, cut to
// the view.
#include <functional>
#include <optional>
#include <vector>

#include "document/derived_curve.h"
#include "plot/pixel_frame.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// The function a derived curve is drawn from: its source's f (order 0), f′ (1) or f″
// (2) in double precision, or nullopt when the source is no function of x. The
// calculus lives above the document: whoever draws a list gives it.
using DerivedFunctions =
    std::function<std::optional<CurveFunction>(const EntryCurve& source, int order)>;

// How opaque an area's shading is: the axes and curves under it show through.
inline constexpr double kAreaOpacity = 0.3;

// The line from edge to edge of the view, in ForeColor; nothing for a line that
// cannot be seen.
void paintDerivedLine(Surface& canvas, const ViewState& view, const DerivedLine& line,
                      std::vector<PlotDot>* drawnDots);

// y = f(x) across the view, in ForeColor; `steps` as the precision slider's.
void paintFunctionCurve(Surface& canvas, const ViewState& view, const CurveFunction& f, int steps,
                        std::vector<PlotDot>* drawnDots);

// The polygon between y = f(x) and the x axis over [a, b] (either way round) where it
// lies in the view, one corner a pixel column, each y kept within just beyond the
// view; empty when none of it can be seen. A column where f has no value is left out.
std::vector<PolygonPoint> areaPolygon(const ViewState& view, int areaWidthPixels,
                                      int areaHeightPixels, const CurveFunction& f, double a,
                                      double b);

// The polygon between y = f(x) and y = g(x) over [a, b] where it lies in the view: along
// f from left to right, then back along g, one corner a pixel column on each. Where
// the curves cross the outline crosses itself, and both parts are filled. A column
// where either has no value is left out of that side.
std::vector<PolygonPoint> areaBetweenPolygon(const ViewState& view, int areaWidthPixels,
                                             int areaHeightPixels, const CurveFunction& f,
                                             const CurveFunction& g, double a, double b);

}  // namespace quorvel
