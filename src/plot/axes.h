#pragma once
#include <cstdint>
#include <string>

#include "plot/surface.h"
#include "plot/view.h"

namespace quorvel {

// The label of the tick at view position i: i / zoomScale in curve units, rounded to
// fewer decimals as the integer part grows (three at most), halves to even.
std::string tickLabel(std::int32_t i, std::int32_t zoomScale);

// Draws both axes, a tick every 500 view units (0 skipped) with its label, and the
// origin mark "O", in the surface's current colour and width. The view is already
// applied to the surface with Scale.
void coordinate(Surface& canvas, const ViewState& view);

}  // namespace quorvel
