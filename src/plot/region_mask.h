#pragma once
// Regions F(x, y) < 0 (or ≤, >, ≥), and the common part of several, as a mask of the
// frame's pixels: a pixel is in the region when every inequality holds at its middle.
// That is the whole rule, at every zoom; a surface fills the mask's pixels and the
// shading is exact to the pixel.
//
// Evaluating every pixel would cost width × height evaluations per inequality. The mask
// is made on blocks of 8 × 8 pixels instead: F is evaluated at the middles of the pixels
// on a grid 4 pixels apart and at the middles of each block's quarters, and a block
// whose thirteen values stay further from zero than twice the largest change between
// neighbouring ones (F cannot reach zero within the 2 pixels that separate any of its
// pixels from one of them unless it changes faster than anything seen around it) takes
// their sign whole; every other block — the curve, poles, places where F has no value,
// oscillations faster than the grid — is tested pixel by pixel, exactly as
// regionMaskPerPixel does. A function that fools both sets of points at once (one
// that changes sign between them and nowhere near them) is beyond what sampling can
// see; the tests hold the blocks to the per-pixel mask on a table of regions.
#include <cstdint>
#include <vector>

#include "plot/pixel_frame.h"

namespace quorvel {

enum class Relation { Less, LessOrEqual, Greater, GreaterOrEqual };

// Whether `value` R 0, for any double (an infinity compares as it is).
bool signHolds(Relation relation, double value);
// Whether `value` R 0; a point where F has no value is in no region.
bool relationHolds(Relation relation, const std::optional<double>& value);

struct Inequality {
  PlaneFunction f;
  Relation relation = Relation::Less;
};

// A run of pixels of one row that are in the region: columns from..to − 1.
struct MaskSpan {
  int row = 0;
  int from = 0;
  int to = 0;
};

struct RegionMask {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> inside;  // row by row from the top; 1 in the region
  std::int64_t evaluations = 0;      // of all the inequalities' functions

  bool at(int column, int row) const {
    return inside[static_cast<std::size_t>(row) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(column)] != 0;
  }
  std::int64_t count() const;
  // The region's pixels as runs along the rows, top to bottom, left to right: what a
  // surface without masks (a vector picture) fills as rectangles.
  std::vector<MaskSpan> spans() const;
};

// The pixels of `frame` where every inequality holds (all of them when there are none).
// Empty when the frame is not valid or larger than 2^26 pixels.
RegionMask regionMask(const std::vector<Inequality>& system, const PixelFrame& frame);

// The same mask by the literal rule, every inequality at every pixel's middle: what the
// blocks above must give, and what the tests hold them to.
RegionMask regionMaskPerPixel(const std::vector<Inequality>& system, const PixelFrame& frame);

}  // namespace quorvel
