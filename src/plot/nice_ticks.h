#pragma once
// The modern look's ticks: a step of 1, 2, 2.5 or 5 × 10ⁿ curve units (on the x axis
// with π ticks a power of two times π/2), the smallest whose labels stand apart from
// each other at the picture's scale, with unlabelled minor ticks between them where
// there is room. Both axes take the same step, so a unit looks the same on each.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "plot/view.h"

namespace quorvel {

// digits × 10^exponent curve units; digits is 1, 2, 25 or 5 (25 with the exponent one
// lower: 2.5).
struct NiceStep {
  std::int64_t digits = 1;
  int exponent = 0;
  double units() const;
  // The next larger nice step: 1 → 2 → 2.5 → 5 → 10.
  NiceStep next() const;
  bool operator==(const NiceStep&) const = default;
};

// The smallest nice step of at least `units` curve units (units > 0).
NiceStep niceStepAtLeast(double units);
// The label of k steps, written exactly with no more decimals than it needs:
// "2.5", "-0.75", "1500", "0.0002".
std::string niceLabel(std::int64_t k, const NiceStep& step);

// How the picture measures its texts, in pixels.
struct TextMeasure {
  std::function<double(const std::string&)> width;
  double height = 0;
};

// One tick: where it lies along its axis (view units) and its label ("" for a minor
// tick).
struct Tick {
  double at = 0;
  std::string label;
  bool major() const { return !label.empty(); }
};

struct AxisTicks {
  NiceStep step;                   // the y axis' step, and the x axis' without π
  std::int64_t piNumerator = 0;    // with π ticks: the x step is
  std::int64_t piDenominator = 1;  // numerator / denominator × π/2
  std::vector<Tick> x;             // inside the view, left to right, 0 left out
  std::vector<Tick> y;             // bottom to top, 0 left out
};

// The gap between two labels of an axis, and the least distance between two labelled
// ticks, as parts of a text's height.
inline constexpr double kLabelGapHeights = 0.5;
inline constexpr double kLeastTickSpacingHeights = 2;

// The ticks for the view on a picture of `pixelsPerUnitX` × `pixelsPerUnitY` pixels
// per view unit. The labels of neighbouring ticks of an axis never touch: along x
// they stand a gap apart when centred under their ticks, along y a text height and a
// gap.
AxisTicks niceTicks(const ViewState& view, double pixelsPerUnitX, double pixelsPerUnitY,
                    bool piTicks, const TextMeasure& measure);

}  // namespace quorvel
