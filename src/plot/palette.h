#pragma once
// The modern look's automatic colours: eight colours that a projector shows on white
// (each at least 3 : 1 against it) and that stay apart from each other (at least 20 in
// CIEDE2000 pairwise), the original blue, red and magenta among them in their places. A
// new curve takes the colour least used among the ticked curves, so that no two of
// the first eight share one.
#include <array>
#include <cstdint>
#include <vector>

#include "plot/surface.h"

namespace quorvel {

inline constexpr std::array<std::int32_t, 8> kReadablePalette = {
    rgbOf(0, 0, 255),    // blue, the first curve's as before
    rgbOf(255, 0, 0),    // red
    rgbOf(0, 128, 0),    // green, dark enough for white paper
    rgbOf(128, 96, 0),   // brown in yellow's place
    rgbOf(255, 0, 255),  // magenta
    rgbOf(0, 128, 224),  // sky blue in the second blue's place
    rgbOf(0, 96, 96),    // dark teal in light cyan's place
    rgbOf(128, 64, 96),  // plum
};

// The palette's colour used least often among `inUse` (the ticked curves' colours),
// the earliest of the palette on a tie.
std::int32_t leastUsedColour(const std::vector<std::int32_t>& inUse);

}  // namespace quorvel
