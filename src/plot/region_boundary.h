#pragma once
// The boundary of a region, to be drawn over its shading: for each inequality the curve
// F = 0 (traced as an equation) where every other inequality of the system holds, cut
// exactly where it leaves the others' region. A boundary that belongs to the region
// (≤, ≥) is drawn solid, one that does not (<, >) dashed.
#include <vector>

#include "plot/implicit_tracer.h"
#include "plot/pixel_frame.h"
#include "plot/region_mask.h"

namespace quorvel {

struct BoundaryPiece {
  PlanePolyline line;
  int inequality = 0;     // its place in the system
  bool included = false;  // the region holds it: ≤ or ≥
};

// The pieces of the boundary of the system's common region in the frame.
std::vector<BoundaryPiece> regionBoundary(const std::vector<Inequality>& system,
                                          const PixelFrame& frame,
                                          const ImplicitTracing& tracing = {});

}  // namespace quorvel
