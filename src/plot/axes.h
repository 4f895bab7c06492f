#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "plot/picture_style.h"
#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// A rectangle of the drawing area in pixels, from its top-left corner.
struct PixelBox {
  double left = 0, top = 0, right = 0, bottom = 0;
  bool overlaps(const PixelBox& o) const {
    return left < o.right && o.left < right && top < o.bottom && o.top < bottom;
  }
};

// The grid's light grey.
inline constexpr std::int32_t kGridColour = rgbOf(204, 204, 204);

// The label of the tick at view position i: i / zoomScale in curve units, rounded to
// fewer decimals as the integer part grows (three at most), halves to even.
std::string tickLabel(std::int32_t i, std::int32_t zoomScale);

// The π tick spacing for a scale: π/2 times a power of two, in curve units, chosen so
// that the ticks lie 500 to 1000 view units apart (π/2 at the initial scale of 500):
// numerator / denominator × π/2, one of the two 1.
struct PiSpacing {
  double viewUnits = 0;
  std::int64_t numerator = 1;
  std::int64_t denominator = 1;
};
PiSpacing piSpacing(std::int32_t zoomScale);
// The label of k times the spacing: "π/2", "-π", "3π/2", "2π", "π/4" (reduced).
std::string piLabel(std::int64_t k, const PiSpacing& spacing);

// Draws both axes, a tick every 500 view units (0 skipped) with its label, and the
// origin mark "O", in the surface's current colour and width. The view is already
// applied to the surface with Scale.
void coordinate(Surface& canvas, const ViewState& view);
// The same with the style's π ticks on the x axis; with π ticks or another label size
// the labels are measured and centred under their tick or right of the y axis' left.
// Each text's box is added to `labelBoxes` when given.
void coordinate(Surface& canvas, const ViewState& view, const PictureStyle& style,
                std::vector<PixelBox>* labelBoxes);

// The grid: a light line, one pixel wide, through every tick of both axes across the
// view. The surface's colour and width are as they were afterwards.
void drawGrid(Surface& canvas, const ViewState& view, const PictureStyle& style);

// The box Print's text takes with its top-left corner at (x, y) user units.
PixelBox textBox(const Surface& canvas, float x, float y, const std::string& text);

}  // namespace quorvel
