#pragma once
// Joining the short segments of a contour into polylines. Each end of a segment names
// the place it lies on (the cell side its crossing was found on); the two segments that
// share a place are neighbours on the curve. A chain that comes back to its start is
// closed.
#include <cstdint>
#include <vector>

#include "plot/pixel_frame.h"

namespace quorvel {

struct KeyedSegment {
  std::uint64_t keyA = 0;
  std::uint64_t keyB = 0;
  PlanePoint a;
  PlanePoint b;
};

// The chains of segments, each as a polyline. A place named by one segment only ends a
// polyline; a place named by more than two (which a contour does not produce) joins
// none of them.
std::vector<PlanePolyline> joinSegments(const std::vector<KeyedSegment>& segments);

}  // namespace quorvel
