#include "plot/view.h"

#include <cstdint>
#include <limits>

#include "eval/number_text.h"
#include "eval/single_math.h"

namespace quorvel {

namespace {

constexpr double kZoomClickFactor = 1.25;
constexpr std::int32_t kEmptyPanDistance = 500;  // one tick spacing

// a + b in 32 bits, refused when it would leave them.
Status addInt32(std::int32_t a, std::int32_t b, std::int32_t& out) {
  const std::int64_t sum = static_cast<std::int64_t>(a) + b;
  if (sum < std::numeric_limits<std::int32_t>::min() ||
      sum > std::numeric_limits<std::int32_t>::max()) {
    return kOverflow;
  }
  out = static_cast<std::int32_t>(sum);
  return kOk;
}

// Moves the pair of extents (first, second) by the distance d in view units: each
// becomes round(extent + d). Both are written only when both fit.
Status shiftPair(std::int32_t& first, std::int32_t& second, double d) {
  std::int32_t newFirst = 0;
  std::int32_t newSecond = 0;
  if (Status s = roundToInt32(d + first, newFirst); s != kOk) return s;
  if (Status s = roundToInt32(d + second, newSecond); s != kOk) return s;
  first = newFirst;
  second = newSecond;
  return kOk;
}

Status shiftPairBy500(std::int32_t& first, std::int32_t& second, std::int32_t signedStep) {
  std::int32_t newFirst = 0;
  std::int32_t newSecond = 0;
  if (Status s = addInt32(first, signedStep, newFirst); s != kOk) return s;
  if (Status s = addInt32(second, signedStep, newSecond); s != kOk) return s;
  first = newFirst;
  second = newSecond;
  return kOk;
}

}  // namespace

void centreView(ViewState& view, float widthTwips, float heightTwips) {
  std::int32_t right = 0;
  std::int32_t top = 0;
  // A surface is at most a few hundred thousand twips; a size that does not fit
  // leaves the view as it was rather than wrapping around.
  if (roundToInt32(static_cast<double>(widthTwips) / 2, right) != kOk) return;
  if (roundToInt32(static_cast<double>(heightTwips) / 2, top) != kOk) return;
  view.viewRight = right;
  view.viewLeft = -right;
  view.viewTop = top;
  view.viewBottom = -top;
}

Status recentreView(ViewState& view, float widthTwips, float heightTwips) {
  ViewState sized;
  centreView(sized, widthTwips, heightTwips);
  // The middle, halves toward minus infinity (the extents' sums fit 64 bits).
  const std::int64_t x = (std::int64_t{view.viewLeft} + view.viewRight) >> 1;
  const std::int64_t y = (std::int64_t{view.viewBottom} + view.viewTop) >> 1;
  const std::int64_t extents[4] = {x + sized.viewLeft, x + sized.viewRight, y + sized.viewBottom,
                                   y + sized.viewTop};
  for (const std::int64_t e : extents) {
    if (e < std::numeric_limits<std::int32_t>::min() ||
        e > std::numeric_limits<std::int32_t>::max()) {
      return kOverflow;
    }
  }
  view.viewLeft = static_cast<std::int32_t>(extents[0]);
  view.viewRight = static_cast<std::int32_t>(extents[1]);
  view.viewBottom = static_cast<std::int32_t>(extents[2]);
  view.viewTop = static_cast<std::int32_t>(extents[3]);
  return kOk;
}

Status panView(ViewState& view, PanDirection direction, const std::string& distanceText) {
  ViewState moved = view;
  const bool upward = direction == PanDirection::Up || direction == PanDirection::Right;
  const bool vertical = direction == PanDirection::Up || direction == PanDirection::Down;
  std::int32_t& first = vertical ? moved.viewTop : moved.viewLeft;
  std::int32_t& second = vertical ? moved.viewBottom : moved.viewRight;

  Status status = kOk;
  if (distanceText.empty()) {
    status = shiftPairBy500(first, second, upward ? kEmptyPanDistance : -kEmptyPanDistance);
  } else {
    double v = 0;
    status = textToDouble(distanceText, v);
    if (status == kOk) {
      const double d = v * static_cast<double>(view.zoomScale);
      status = shiftPair(first, second, upward ? d : -d);
    }
  }
  if (status == kOk) view = moved;
  return status;
}

Status zoomExtentsAtClick(ViewState& view, ZoomMode mode, float x, float y, float widthTwips,
                          float heightTwips) {
  if (mode == ZoomMode::None) return kOk;
  // NaN is neither side of an axis, so it counts as a click on one.
  const bool right = x > 0;
  const bool left = x < 0;
  const bool above = y > 0;
  const bool below = y < 0;
  if (!(right || left) || !(above || below)) return kOk;

  auto scaled = [mode](std::int32_t extent) {
    const double e = extent;
    return mode == ZoomMode::In ? e * kZoomClickFactor : e / kZoomClickFactor;
  };
  const double w = widthTwips;
  const double h = heightTwips;
  ViewState z = view;
  Status s = kOk;
  auto set = [&s](std::int32_t& target, double value) {
    if (s == kOk) s = roundToInt32(value, target);
  };

  // The two edges on the clicked side are scaled; the opposite ones follow at the
  // surface's width and height.
  if (right) {
    set(z.viewRight, scaled(view.viewRight));
    set(z.viewLeft, z.viewRight - w);
  } else {
    set(z.viewLeft, scaled(view.viewLeft));
    set(z.viewRight, w + z.viewLeft);
  }
  if (above) {
    set(z.viewTop, scaled(view.viewTop));
    set(z.viewBottom, z.viewTop - h);
  } else {
    set(z.viewBottom, scaled(view.viewBottom));
    set(z.viewTop, h + z.viewBottom);
  }
  if (s == kOk) view = z;
  return s;
}

std::string pointerReadout(float x, float y, std::int32_t zoomScale) {
  // A scale of 0 is shown as 1 rather than dividing by zero.
  const double scale = zoomScale == 0 ? 1.0 : static_cast<double>(zoomScale);
  auto hundredths = [scale](float v) {
    return roundHalfEven(static_cast<double>(v) / scale * 100) / 100;
  };
  return "(" + doubleText(hundredths(x)) + "," + doubleText(hundredths(y)) + ")";
}

}  // namespace quorvel
