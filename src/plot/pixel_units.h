#pragma once
// Drawing at pixels of the drawing area on a surface whose calls take user units: the
// texts and boxes of the labels are laid out in pixels.
#include <string>

#include "plot/surface.h"

namespace quorvel {

// The user units of a pixel position of the drawing area (column: x, row: y).
inline PixelPoint userOf(const Surface& canvas, double column, double row) {
  PixelPoint user;
  user.column = canvas.ScaleLeft();
  user.row = canvas.ScaleTop();
  if (canvas.AreaWidthPixels() > 0) {
    user.column += column * canvas.ScaleWidth() / canvas.AreaWidthPixels();
  }
  if (canvas.AreaHeightPixels() > 0) {
    user.row += row * canvas.ScaleHeight() / canvas.AreaHeightPixels();
  }
  return user;
}

// Print with the text's top-left corner at a pixel position.
inline void printAtPixel(Surface& canvas, double column, double row, const std::string& text) {
  const PixelPoint user = userOf(canvas, column, row);
  canvas.setCurrentX(static_cast<float>(user.column));
  canvas.setCurrentY(static_cast<float>(user.row));
  canvas.Print(text);
}

inline void lineAtPixels(Surface& canvas, double c0, double r0, double c1, double r1) {
  const PixelPoint a = userOf(canvas, c0, r0);
  const PixelPoint b = userOf(canvas, c1, r1);
  canvas.Line(static_cast<float>(a.column), static_cast<float>(a.row), static_cast<float>(b.column),
              static_cast<float>(b.row));
}

}  // namespace quorvel
