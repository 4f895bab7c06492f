#include "plot/axes.h"

#include <cmath>
#include <cstdint>
#include <string>

#include "eval/number_text.h"
#include "eval/single_math.h"

namespace quorvel {

namespace {

constexpr std::int32_t kTickSpacing = 500;  // view units, whatever the scale

// The scale the labels divide by: the slider allows 0, which is shown as 1.
std::int64_t labelScale(std::int32_t zoomScale) { return zoomScale == 0 ? 1 : zoomScale; }

// round(Width) \ 100: the tick length from the surface's outer size in twips.
std::int64_t tickLength(float twips) {
  return static_cast<std::int64_t>(roundHalfEven(static_cast<double>(twips))) / 100;
}

float asFloat(std::int64_t v) { return static_cast<float>(v); }

}  // namespace

std::string tickLabel(std::int32_t i, std::int32_t zoomScale) {
  const std::int64_t scale = labelScale(zoomScale);
  const std::int64_t q = static_cast<std::int64_t>(i) / scale;
  const auto n = static_cast<int>(std::to_string(q).size());  // the sign counts
  // Fewer decimals as the integer part grows: 1000 for one character down to 1 for
  // four; from five characters on the label is a whole number.
  const auto p = static_cast<std::int64_t>(roundHalfEven(std::pow(10.0, 4 - n)));
  const double value = static_cast<double>(i) / static_cast<double>(scale);
  if (p != 0) {
    const double decimals = static_cast<double>(p);
    return doubleText(roundHalfEven(value * decimals) / decimals);
  }
  return std::to_string(static_cast<std::int64_t>(roundHalfEven(value)));
}

void coordinate(Surface& canvas, const ViewState& view) {
  canvas.Line(asFloat(view.viewLeft), 0, asFloat(view.viewRight), 0);
  canvas.Line(0, asFloat(view.viewBottom), 0, asFloat(view.viewTop));

  const std::int64_t tickW = tickLength(canvas.Width());
  const std::int64_t tickH = tickLength(canvas.Height());

  // The bounds are truncated toward zero, so the outer ticks stay inside the view
  // when the axis crosses it. Every tick lies between two 32-bit extents.
  const std::int64_t xFirst =
      kTickSpacing * static_cast<std::int64_t>(view.viewLeft / kTickSpacing);
  const std::int64_t xLast =
      kTickSpacing * static_cast<std::int64_t>(view.viewRight / kTickSpacing);
  for (std::int64_t i = xFirst; i <= xLast; i += kTickSpacing) {
    if (i == 0) continue;
    canvas.Line(asFloat(i), 0, asFloat(i), asFloat(tickW));
    canvas.setCurrentX(asFloat(i - tickW));
    canvas.setCurrentY(asFloat(-tickW));
    canvas.Print(tickLabel(static_cast<std::int32_t>(i), view.zoomScale));
  }

  const std::int64_t yFirst =
      kTickSpacing * static_cast<std::int64_t>(view.viewBottom / kTickSpacing);
  const std::int64_t yLast = kTickSpacing * static_cast<std::int64_t>(view.viewTop / kTickSpacing);
  for (std::int64_t i = yFirst; i <= yLast; i += kTickSpacing) {
    if (i == 0) continue;
    canvas.Line(0, asFloat(i), asFloat(tickH), asFloat(i));
    // Labels of the y axis start a fixed 500 units left of it, whatever their width.
    canvas.setCurrentX(-static_cast<float>(kTickSpacing));
    canvas.setCurrentY(asFloat(i));
    canvas.Print(tickLabel(static_cast<std::int32_t>(i), view.zoomScale));
  }

  canvas.setCurrentX(asFloat(tickW));
  canvas.setCurrentY(asFloat(-tickH));
  canvas.Print("O");
}

}  // namespace quorvel
