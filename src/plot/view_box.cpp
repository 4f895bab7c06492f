#include "plot/view_box.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "eval/single_math.h"

namespace quorvel {

ViewBoxFault fitViewToBox(ViewState& view, const PlaneBox& box, float widthTwips,
                          float heightTwips) {
  const double width = static_cast<double>(box.xTo) - box.xFrom;
  const double height = static_cast<double>(box.yTo) - box.yFrom;
  if (!std::isfinite(width) || !std::isfinite(height) || !(width > 0) || !(height > 0)) {
    return ViewBoxFault::Empty;
  }
  if (!(widthTwips > 0) || !(heightTwips > 0)) return ViewBoxFault::TooLarge;
  // The largest whole scale along each side; the box shows whole at the smaller.
  const double fit =
      std::floor(std::min(static_cast<double>(widthTwips) / width, heightTwips / height));
  if (fit < 1) return ViewBoxFault::TooLarge;
  const auto scale = static_cast<std::int32_t>(std::min<double>(fit, kMaxScale));

  ViewState fitted;
  fitted.zoomScale = scale;
  centreView(fitted, widthTwips, heightTwips);
  // The middle in view units, then the centred extents moved there.
  std::int32_t middleX = 0, middleY = 0;
  if (roundToInt32((box.xFrom + width / 2) * scale, middleX) != kOk ||
      roundToInt32((box.yFrom + height / 2) * scale, middleY) != kOk) {
    return ViewBoxFault::TooFar;
  }
  const std::int64_t extents[4] = {
      std::int64_t{fitted.viewLeft} + middleX, std::int64_t{fitted.viewRight} + middleX,
      std::int64_t{fitted.viewBottom} + middleY, std::int64_t{fitted.viewTop} + middleY};
  for (const std::int64_t e : extents) {
    if (e < std::numeric_limits<std::int32_t>::min() ||
        e > std::numeric_limits<std::int32_t>::max()) {
      return ViewBoxFault::TooFar;
    }
  }
  fitted.viewLeft = static_cast<std::int32_t>(extents[0]);
  fitted.viewRight = static_cast<std::int32_t>(extents[1]);
  fitted.viewBottom = static_cast<std::int32_t>(extents[2]);
  fitted.viewTop = static_cast<std::int32_t>(extents[3]);
  view = fitted;
  return ViewBoxFault::None;
}

}  // namespace quorvel
