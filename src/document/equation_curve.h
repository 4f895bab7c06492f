#pragma once
// An equation F(x, y) = G(x, y) as read from its entry: F − G in double precision, the
// sign census that tells an equation that is never (or always) true, and the curve
// traced in a picture's frame.
#include <cstdint>

#include "document/plane_curve.h"
#include "plot/implicit_tracer.h"
#include "plot/pixel_frame.h"

namespace quorvel {

// F(x, y) − G(x, y) of an equation's shape (first F, second G), run in double
// arithmetic; no value where either side fails.
PlaneFunction equationFunction(const PlaneCurveShape& shape);

// What F − G does over the plane round the origin: the signs on grids over squares of
// half-width 1, 10, 100 and 1000, each including the origin and the axes.
SignCensus planeCensus(const PlaneFunction& f);
// Whether such a census shows a curve: a zero, or both signs.
bool censusHasCurve(const SignCensus& census);
// Whether F − G is zero at every point where it has a value (an identity).
bool censusAlwaysTrue(const SignCensus& census);

// The curve F − G = 0 in the frame, as the picture draws it.
TracedCurve traceEquation(const PlaneCurveShape& shape, const PixelFrame& frame);

}  // namespace quorvel
