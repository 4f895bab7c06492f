#pragma once
// The forms keep positions and sizes in twips; the widgets work in pixels (15 twips
// a pixel at 96 dots per inch).
#include <QRect>
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

}  // namespace quorvel
