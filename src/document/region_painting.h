#pragma once
// A region given by inequalities drawn onto a canvas already set to its view: its
// common part shaded translucent in the canvas's ForeColor (an exact polygon when every
// boundary is a straight line, otherwise the pixels whose middles satisfy the system,
// as rectangles), and its boundary over it, solid where the region holds it and dashed
// where not. The shading goes under the curves; the list draws regions first.
#include <vector>

#include "document/region_entry.h"
#include "plot/region_mask.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// How opaque the shading is: the curves and the grid show through it.
inline constexpr double kRegionOpacity = 0.25;

// Pixels from column `left` to `right` − 1 and from row `top` to `bottom` − 1.
struct PixelRectangle {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const PixelRectangle&) const = default;
};

// The mask's pixels as rectangles that do not overlap (a translucent fill must cover
// each pixel once): runs of rows with the same span are one rectangle, so a half-plane
// or a band is a handful of them and a disc one a row at most.
std::vector<PixelRectangle> maskRectangles(const RegionMask& mask);

void paintRegionShading(Surface& canvas, const ViewState& view, const RegionSystem& system,
                        double opacity = kRegionOpacity);
void paintRegionBoundary(Surface& canvas, const ViewState& view, const RegionSystem& system);

}  // namespace quorvel
