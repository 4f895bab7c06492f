#pragma once
// Measuring drawn polylines against the true curve, in pixels of a frame: the tests of
// the parametric sampler, the implicit tracer and the regions' boundaries.
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "plot/pixel_frame.h"

namespace quorvel::testing {

// A frame of width × height pixels at the program's scale (view units per curve unit;
// 15 view units to the pixel), its middle at (cx, cy).
PixelFrame frameAt(double scale, double cx, double cy, int width = 1000, int height = 700);

// The distance in pixels from p to the segment a–b.
double pixelsToSegment(const PixelFrame& frame, const PlanePoint& p, const PlanePoint& a,
                       const PlanePoint& b);

// Points of a curve given by its parameter, no two neighbours more than `spacing`
// pixels apart wherever the curve is continuous (a jump or a gap in its domain ends a
// run: each run is one vector).
std::vector<std::vector<PlanePoint>> densePoints(
    const std::function<std::optional<PlanePoint>(double)>& pointAt, double from, double to,
    const PixelFrame& frame, double spacing);

// The drawn segments of polylines, found near a point quickly.
class SegmentIndex {
 public:
  SegmentIndex(const PixelFrame& frame, const std::vector<PlanePolyline>& lines);
  // The distance in pixels from p to the nearest segment, or a large number when none
  // lies within 2 pixels.
  double distance(const PlanePoint& p) const;
  // The polylines (their places in `lines`) with a segment within `gap` ≤ 2 pixels of p.
  std::vector<std::size_t> linesNear(const PlanePoint& p, double gap) const;

 private:
  struct Segment {  // in pixels
    double ax, ay, bx, by;
    std::size_t line;
  };
  std::size_t bucketOf(long column, long row) const;
  // Calls visit(segment, distance) for the segments in the buckets round p.
  template <class Visit>
  void around(const PlanePoint& p, Visit visit) const;

  const PixelFrame& frame_;
  std::vector<Segment> segments_;
  std::vector<std::size_t> starts_;  // bucket b's segments: ids_[starts_[b] .. starts_[b + 1])
  std::vector<std::size_t> ids_;
  long columns_ = 0, rows_ = 0;
};

// The pieces of a drawing: polylines that come within `gap` pixels of one another are
// one piece.
int piecesOf(const PixelFrame& frame, const std::vector<PlanePolyline>& lines, double gap = 1.0);

// Whether p lies inside the frame, at least `inset` pixels from its edges.
bool insideFrame(const PixelFrame& frame, const PlanePoint& p, double inset = 0);

}  // namespace quorvel::testing
