#pragma once
// Cutting a segment to the part that can be seen: the surfaces get ends anywhere
// (a curve point may lie at 1e30 pixels), but draw only near their picture.

namespace quorvel {

// A rectangle in pixels, edges included.
struct ClipBox {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// Cuts the segment (x0, y0)-(x1, y1) to `box` (Liang–Barsky). False when nothing of
// it lies inside, and for an end that is not a finite number. A segment wholly inside
// is left exactly as it was. A cut end is put on the edge exactly and its other
// coordinate is interpolated from the end nearer to that edge, so that an end far
// away (1e30) does not wash out the part that is seen.
bool clipSegment(double& x0, double& y0, double& x1, double& y1, const ClipBox& box);

}  // namespace quorvel
