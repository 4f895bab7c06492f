#pragma once
// Equations F(x, y) = 0, drawn as the polylines of the zero set of F in a frame.
//
// The method: marching squares on an adaptive quadtree. F is evaluated on a grid of
// coarse cells over the frame (with a cell's margin round it); a cell is halved while
// the curve may cross it (its corners or its middle differ in sign, or its middle lies
// so much off its corners' mean that a zero may hide inside), down to cells of a pixel,
// and further, to a small fraction of a pixel, where the cell is ambiguous: a saddle,
// more than one crossing, a side where F changes sign without a zero, a place where F
// has no value. Each crossing of a cell side is refined by the Illinois method (false
// position with bracketing) and kept only when F really goes to zero there: across a
// pole (1/x) or a jump F changes sign without one, and no line is drawn. The leaves'
// segments are joined through the sides they share into polylines, closed where the
// curve closes.
//
// Why this and not following the curve from seed points: a tracer that steps along
// the curve needs F's gradient, which a typed expression does not give, goes astray at
// self-crossings (the folium's node) and can jump between branches that run close
// (x*y = 1 near the axes at a small scale). The quadtree finds every branch wider than
// its cells, decides every ambiguous cell down to a fraction of a pixel, and its cost
// follows the length of the curve in pixels, not the size of the frame.
//
// Neighbouring leaves of different sizes agree on their common side: a leaf takes as
// the points of its sides every lattice point that its neighbours evaluated there, so
// both find the same crossings on the same pieces of side, and no crack opens.
#include <cstdint>
#include <vector>

#include "plot/pixel_frame.h"

namespace quorvel {

struct ImplicitTracing {
  // The first grid's cells, in pixels: a closed piece of the curve much smaller than
  // this with no sample on either side of it may be missed.
  double coarseCellPixels = 8;
  // Halvings of a coarse cell to reach the cells across which the curve is drawn as
  // straight lines (8 px / 2³: one pixel).
  int leafDepth = 3;
  // Further halvings where a cell is ambiguous (1 / 2⁵ of a pixel below the leaves).
  int extraDepth = 5;
  // Evaluations of F on the lattice at most; past it no cell is halved and the curve
  // is drawn as the cells found so far show it.
  std::int64_t budget = 4000000;
};

// What the coarse grid found, for the messages of an equation that is always or never
// true in view.
struct SignCensus {
  std::int64_t positive = 0;
  std::int64_t negative = 0;
  std::int64_t zero = 0;
  std::int64_t undefined = 0;
};

struct TracedCurve {
  std::vector<PlanePolyline> polylines;
  SignCensus census;
  std::int64_t evaluations = 0;  // of F in all
  bool budgetSpent = false;
};

// The curve F(x, y) = 0 in `frame`. Nothing when the frame is not valid, larger than
// 65 536 pixels a side or than 2^26 pixels in all.
TracedCurve traceImplicit(const PlaneFunction& f, const PixelFrame& frame,
                          const ImplicitTracing& tracing = {});

}  // namespace quorvel
