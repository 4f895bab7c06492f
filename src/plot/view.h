#pragma once
// The view: which part of the curve plane the drawing surface shows. Extents are in
// view units (about one twip each); one curve unit is zoomScale view units.
#include <cstdint>
#include <string>

#include "eval/status.h"

namespace quorvel {

struct ViewState {
  std::int32_t viewLeft = 0;
  std::int32_t viewRight = 0;
  std::int32_t viewBottom = 0;
  std::int32_t viewTop = 0;
  std::int32_t zoomScale = 500;  // view units per curve unit
};

// The scale slider's (缩放) largest value, view units per curve unit.
inline constexpr std::int32_t kMaxScale = 16000;
// The largest scale a zoom in still doubles (button, toolbar or click), and the scale
// below which the zoom-out button stops.
inline constexpr std::int32_t kZoomInLimit = 12799;
inline constexpr std::int32_t kZoomOutLimit = 2;

// The view of a picture and what the next curve drawn on it does to it first.
struct CanvasView : ViewState {
  bool graphOnScreen = false;  // false: the next curve starts from the centred view
  std::int32_t zoomMode = 0;   // armed zoom: 0 none, 1 in, 2 out
  bool zoomPending = false;    // the next curve doubles or halves the scale first
  // A view typed in while nothing is drawn: the first curve keeps it instead of
  // starting from the centred view.
  bool viewKept = false;
};

// The centred view of a surface whose outer size is widthTwips × heightTwips:
// viewRight = round(width / 2), viewLeft = −viewRight, likewise top and bottom
// (halves to even).
void centreView(ViewState& view, float widthTwips, float heightTwips);

// What a surface of widthTwips × heightTwips shows around the middle of `view`, at
// its scale: the centred view's extents moved to that middle (which a picture of
// another size than the window's shows). kOverflow when an extent would leave 32
// bits; the view is unchanged then.
Status recentreView(ViewState& view, float widthTwips, float heightTwips);

enum class PanDirection { Up, Down, Left, Right };

// Pans by the distance text (curve units, read as a double; empty: 500 view units).
// kTypeMismatch when the text is not a number, kOverflow when an extent would leave
// 32 bits; the view is unchanged on failure.
Status panView(ViewState& view, PanDirection direction, const std::string& distanceText);

enum class ZoomMode : std::int32_t { None = 0, In = 1, Out = 2 };

// The extents after a zoom click at (x, y) view units with the factor 1.25 (in:
// multiplied, out: divided), keeping the surface's outer width and height
// (widthTwips, heightTwips). A click on an axis leaves the extents alone.
// kOverflow when an extent would leave 32 bits (the view is then unchanged).
Status zoomExtentsAtClick(ViewState& view, ZoomMode mode, float x, float y, float widthTwips,
                          float heightTwips);

// The pointer read-out "(a,b)": a = round(x / zoomScale × 100) / 100, likewise b.
std::string pointerReadout(float x, float y, std::int32_t zoomScale);

}  // namespace quorvel
