#pragma once
// Regions bounded by straight lines (a x + b y + c < 0 and its kin, and the common part
// of several: the feasible region of a linear program) as exact polygons clipped to the
// frame, and the lines themselves as segments across it. Every corner is the
// intersection of two of the lines (or of a line and the frame's edge) computed in
// double precision, so the polygon's edges lie on the lines at every zoom.
#include <optional>
#include <vector>

#include "plot/pixel_frame.h"
#include "plot/region_mask.h"

namespace quorvel {

// a x + b y + c R 0.
struct HalfPlane {
  double a = 0;
  double b = 0;
  double c = 0;
  Relation relation = Relation::LessOrEqual;
};

// The region in the frame: a convex polygon, counter-clockwise in the plane, and for
// each edge (from vertex k to vertex k + 1) the half-plane whose line it lies on, or
// kFrameEdge for a piece of the frame's edge.
struct HalfPlaneRegion {
  static constexpr int kFrameEdge = -1;
  std::vector<PlanePoint> vertices;
  std::vector<int> edgeSource;

  bool empty() const { return vertices.size() < 3; }
};

// The common part of the half-planes within the frame (the whole frame when there are
// none). Empty when nothing of it, or only a line or a point, lies in the frame; a
// strict sign and a loose one give the same polygon (the lines themselves have no
// area), their boundaries are drawn differently.
HalfPlaneRegion clipHalfPlanes(const std::vector<HalfPlane>& system, const PixelFrame& frame);

struct PlaneSegment {
  PlanePoint a;
  PlanePoint b;
};

// The line a x + b y + c = 0 across the frame, or nothing when it misses the frame
// (or a = b = 0).
std::optional<PlaneSegment> lineInFrame(const HalfPlane& line, const PixelFrame& frame);

}  // namespace quorvel
