#pragma once
// The view moved by the pointer: the wheel zooms about the point under the pointer,
// a drag carries the picture with it. Both keep the surface's view units (one a
// twip); a zoom changes the scale (view units per curve unit) and shifts the extents
// so that the curve point under the pointer stays there.
#include <cstdint>

#include "eval/status.h"
#include "plot/view.h"

namespace quorvel {

// The scale the wheel stays within: the buttons' own limits (the zoom-out button stops
// at 2, zooming in ends at the slider's largest value).
inline constexpr std::int32_t kWheelMinScale = kZoomOutLimit;
inline constexpr std::int32_t kWheelMaxScale = kMaxScale;
// One notch of a wheel (angleDelta 120) scales by this factor.
inline constexpr double kWheelNotchFactor = 1.25;

struct WheelZoom {
  double target = 0;       // the scale without rounding, carried to the next event
  std::int32_t scale = 0;  // the whole-number scale to show
  bool atLimit = false;    // the wheel turned against a limit: nothing changed
};

// The scale after `notches` (angleDelta / 120; touchpads send fractions) from the
// current whole-number scale `current`, with `target` carried from the last event
// (0, or a target that no longer rounds to `current`, starts afresh from `current`).
// A whole notch or more always moves the scale by at least 1.
WheelZoom wheelZoom(double target, std::int32_t current, double notches);

// Shifts the extents for a change of scale from `from` to `to` so that the curve
// point at (x, y) view units stays at the same place of the surface. kOverflow (the
// view unchanged) when an extent would leave 32 bits.
Status zoomViewAbout(ViewState& view, float x, float y, std::int32_t from, std::int32_t to);

// The view `start` dragged by (dx, dy) pixels (right and down are positive): the
// picture follows the pointer. kOverflow (the view unchanged) beyond 32 bits.
Status dragView(ViewState& view, const ViewState& start, int dxPixels, int dyPixels);

}  // namespace quorvel
