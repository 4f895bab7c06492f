#include "plot/direct_view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "eval/single_math.h"
#include "plot/surface.h"

namespace quorvel {

WheelZoom wheelZoom(double target, std::int32_t current, double notches) {
  WheelZoom z;
  // A target that rounds elsewhere was left by a zoom since (a button, the slider).
  if (!(target > 0) || std::nearbyint(target) != static_cast<double>(current)) target = current;
  const bool in = notches > 0;
  if ((in && current >= kWheelMaxScale) || (!in && current <= kWheelMinScale) || notches == 0) {
    z.target = target;
    z.scale = current;
    z.atLimit = notches != 0;
    return z;
  }
  z.target = std::clamp(target * std::pow(kWheelNotchFactor, notches),
                        static_cast<double>(kWheelMinScale), static_cast<double>(kWheelMaxScale));
  z.scale = static_cast<std::int32_t>(std::nearbyint(z.target));
  if (std::fabs(notches) >= 1 && z.scale == current) {
    // 2 × 1.25 rounds back to 2: a notch still moves the scale.
    z.scale = std::clamp(current + (in ? 1 : -1), kWheelMinScale, kWheelMaxScale);
    z.target = z.scale;
  }
  return z;
}

namespace {

// `start` moved by (dx, dy) view units, written to `view` only when every extent fits.
Status shiftView(ViewState& view, const ViewState& start, std::int64_t dx, std::int64_t dy) {
  ViewState moved = start;
  for (auto [extent, by] : {std::pair{&moved.viewLeft, dx}, std::pair{&moved.viewRight, dx},
                            std::pair{&moved.viewTop, dy}, std::pair{&moved.viewBottom, dy}}) {
    const std::int64_t v = *extent + by;
    if (v < INT32_MIN || v > INT32_MAX) return kOverflow;
    *extent = static_cast<std::int32_t>(v);
  }
  view = moved;
  return kOk;
}

}  // namespace

Status zoomViewAbout(ViewState& view, float x, float y, std::int32_t from, std::int32_t to) {
  if (from <= 0 || to <= 0) return kInvalidArgument;
  // The point's view units grow with the scale; the extents follow by the same amount.
  const double ratio = static_cast<double>(to) / from;
  std::int32_t dx = 0;
  std::int32_t dy = 0;
  if (Status s = roundToInt32(static_cast<double>(x) * ratio - x, dx); s != kOk) return s;
  if (Status s = roundToInt32(static_cast<double>(y) * ratio - y, dy); s != kOk) return s;
  return shiftView(view, view, dx, dy);
}

Status dragView(ViewState& view, const ViewState& start, int dxPixels, int dyPixels) {
  // The picture goes right and down with the pointer: the view goes left and up.
  return shiftView(view, start, -static_cast<std::int64_t>(dxPixels) * kTwipsPerPixel,
                   static_cast<std::int64_t>(dyPixels) * kTwipsPerPixel);
}

}  // namespace quorvel
