#pragma once
// The forms keep positions and sizes in twips; the widgets work in pixels (15 twips
// a pixel at 96 dots per inch).
#include <QMargins>
#include <QRect>
#include <algorithm>
#include <cmath>

#include "plot/surface.h"

namespace quorvel {

// Nearest whole pixel; designed positions such as 1872 twips fall between pixels.
inline int toPixelsFromTwips(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline int toTwipsFromPixels(int pixels) { return pixels * kTwipsPerPixel; }

inline QRect pixelRect(int left, int top, int width, int height) {
  return {toPixelsFromTwips(left), toPixelsFromTwips(top), toPixelsFromTwips(width),
          toPixelsFromTwips(height)};
}

// Where a window's inside goes so that its frame (the inside plus `frame`) lies at
// (left, top) of the available area with the outer size given, all in pixels. The
// frame is kept inside the area: moved back from the right and bottom, and shrunk
// where it is larger than the area.
inline QRect clientRectInside(const QRect& available, const QMargins& frame, int left, int top,
                              int outerWidth, int outerHeight) {
  const int width = std::max(1, std::min(outerWidth, available.width()));
  const int height = std::max(1, std::min(outerHeight, available.height()));
  const int x = available.left() + std::clamp(left, 0, available.width() - width);
  const int y = available.top() + std::clamp(top, 0, available.height() - height);
  return {x + frame.left(), y + frame.top(), std::max(1, width - frame.left() - frame.right()),
          std::max(1, height - frame.top() - frame.bottom())};
}

}  // namespace quorvel
