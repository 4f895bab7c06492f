#include "plot/pixel_frame.h"

#include <cmath>

namespace quorvel {

std::optional<double> finiteValue(const CurveFunction& f, double t) {
  const std::optional<double> v = f(t);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

std::optional<double> finiteValue(const PlaneFunction& f, double x, double y) {
  const std::optional<double> v = f(x, y);
  if (!v || !std::isfinite(*v)) return std::nullopt;
  return v;
}

bool PixelFrame::valid() const {
  return width > 0 && height > 0 && std::isfinite(left) && std::isfinite(top) &&
         std::isfinite(pixelsPerUnitX) && std::isfinite(pixelsPerUnitY) && pixelsPerUnitX > 0 &&
         pixelsPerUnitY > 0 && std::isfinite(right()) && std::isfinite(bottom());
}

double PixelFrame::pixelDistance(const PlanePoint& a, const PlanePoint& b) const {
  return std::hypot((b.x - a.x) * pixelsPerUnitX, (b.y - a.y) * pixelsPerUnitY);
}

PixelFrame frameOfView(const ViewState& view, int areaWidthPixels, int areaHeightPixels,
                       double pixelRatio) {
  PixelFrame frame;
  const double spanX = static_cast<double>(view.viewRight) - view.viewLeft;
  const double spanY = static_cast<double>(view.viewTop) - view.viewBottom;
  const double scale = view.zoomScale;
  if (scale <= 0 || spanX <= 0 || spanY <= 0 || !(pixelRatio > 0) || !std::isfinite(pixelRatio)) {
    return frame;  // not valid: nothing to draw
  }
  frame.width = static_cast<int>(std::lround(areaWidthPixels * pixelRatio));
  frame.height = static_cast<int>(std::lround(areaHeightPixels * pixelRatio));
  frame.left = view.viewLeft / scale;
  frame.top = view.viewTop / scale;
  frame.pixelsPerUnitX = frame.width * scale / spanX;
  frame.pixelsPerUnitY = frame.height * scale / spanY;
  return frame;
}

}  // namespace quorvel
