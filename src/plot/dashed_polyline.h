#pragma once
// A line drawn dashed: the polylines cut into dashes of a length measured in pixels of
// the frame, so that the pattern looks the same at every zoom and every surface (the
// window, a bitmap, SVG, PDF) draws it as ordinary lines.
#include <vector>

#include "plot/pixel_frame.h"

namespace quorvel {

struct DashPattern {
  double dashPixels = 6;
  double gapPixels = 4;
};

// The dashes of `line` in order, each a polyline of its own that follows the line's
// bends; the pattern runs on along the whole line (it does not start again at a
// corner). Nothing for a frame that is not valid or a pattern without a positive dash
// and gap; at most kMostDashes dashes (the rest of a line that long is left out).
inline constexpr std::size_t kMostDashes = 200000;
std::vector<PlanePolyline> dashedPieces(const PlanePolyline& line, const PixelFrame& frame,
                                        const DashPattern& pattern = {});

}  // namespace quorvel
